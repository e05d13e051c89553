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
    // The unread tail moves to the front. The storage keeps its size, so it is zeroed
    // only when it grows, not on every read.
    std::memmove(&buffer[0], buffer.data() + position, filled - position);
    filled -= position;
    position = 0;
    if (buffer.size() < filled + chunkSize)
        buffer.resize(filled + chunkSize);
    const std::size_t got = source->read(&buffer[filled], chunkSize);
    filled += got;
    if (got == 0)
        atEnd = true;
    return got != 0;
}

bool TextReader::readLine(std::string& line) {
    std::size_t searchFrom = position;
    for (;;) {
        const char* start = buffer.data() + searchFrom;
        const void* found = std::memchr(start, '\n', filled - searchFrom);
        if (found) {
            const std::size_t end = static_cast<const char*>(found) - buffer.data();
            std::size_t lineEnd = end;
            if (lineEnd > position && buffer[lineEnd - 1] == '\r')
                --lineEnd;
            // clear and append: the line's storage is reused without the checks of assign.
            line.clear();
            line.append(buffer.data() + position, lineEnd - position);
            position = end + 1;
            return true;
        }
        const std::size_t scanned = filled - position;
        if (!fill()) {
            if (position == filled)
                return false;
            line.assign(buffer, position, filled - position);
            position = filled;
            return true;
        }
        searchFrom = position + scanned;
    }
}

std::string TextReader::readAll() {
    while (fill()) {
    }
    std::string text;
    text.reserve(filled - position);
    for (std::size_t i = position; i < filled; ++i) {
        if (buffer[i] == '\r' && i + 1 < filled && buffer[i + 1] == '\n')
            continue;
        text += buffer[i];
    }
    position = filled;
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
