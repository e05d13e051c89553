#include "TextFile.h"

#include <cstring>

namespace platform {

namespace {
constexpr std::size_t chunkSize = 1 << 16;
}

TextReader::TextReader(std::unique_ptr<ByteSource> source) : source(std::move(source)) {}

bool TextReader::fill() {
    if (atEnd)
        return false;
    buffer.erase(0, position);
    position = 0;
    const std::size_t old = buffer.size();
    buffer.resize(old + chunkSize);
    const std::size_t got = source->read(&buffer[old], chunkSize);
    buffer.resize(old + got);
    if (got == 0)
        atEnd = true;
    return got != 0;
}

bool TextReader::readLine(std::string& line) {
    std::size_t searchFrom = position;
    for (;;) {
        const char* start = buffer.data() + searchFrom;
        const void* found = std::memchr(start, '\n', buffer.size() - searchFrom);
        if (found) {
            const std::size_t end = static_cast<const char*>(found) - buffer.data();
            std::size_t lineEnd = end;
            if (lineEnd > position && buffer[lineEnd - 1] == '\r')
                --lineEnd;
            line.assign(buffer, position, lineEnd - position);
            position = end + 1;
            return true;
        }
        const std::size_t scanned = buffer.size() - position;
        if (!fill()) {
            if (position == buffer.size())
                return false;
            line.assign(buffer, position, std::string::npos);
            position = buffer.size();
            return true;
        }
        searchFrom = position + scanned;
    }
}

std::string TextReader::readAll() {
    while (fill()) {
    }
    std::string text;
    text.reserve(buffer.size() - position);
    for (std::size_t i = position; i < buffer.size(); ++i) {
        if (buffer[i] == '\r' && i + 1 < buffer.size() && buffer[i + 1] == '\n')
            continue;
        text += buffer[i];
    }
    position = buffer.size();
    return text;
}

TextWriter::TextWriter(std::unique_ptr<ByteSink> sink) : sink(std::move(sink)) {}

TextWriter::~TextWriter() {
    close();
}

void TextWriter::write(std::string_view text) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t feed = text.find('\n', from);
        if (feed == std::string_view::npos) {
            pending.append(text.substr(from));
            break;
        }
        pending.append(text.substr(from, feed - from));
        pending.append("\r\n");
        from = feed + 1;
    }
    if (pending.size() >= chunkSize) {
        sink->write(pending.data(), pending.size());
        pending.clear();
    }
}

void TextWriter::writeLine(std::string_view text) {
    write(text);
    write("\n");
}

bool TextWriter::flush() {
    if (!sink)
        return false;
    bool ok = pending.empty() || sink->write(pending.data(), pending.size());
    pending.clear();
    return sink->flush() && ok;
}

bool TextWriter::close() {
    if (!sink)
        return false;
    const bool flushed = flush();
    const bool closed = sink->close();
    sink.reset();
    return flushed && closed;
}

} // namespace platform
