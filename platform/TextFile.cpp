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
    if (got == 0) {
        atEnd = true;
        readFailed = source->failed();
    }
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
            // The bytes before a read error are no line: the line may go on past them.
            if (readFailed || position == filled)
                return false;
            line.assign(buffer, position, filled - position);
            position = filled;
            return true;
        }
        searchFrom = position + scanned;
    }
}

std::optional<std::string> TextReader::readAll() {
    while (fill()) {
    }
    if (readFailed)
        return std::nullopt;
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

bool TextWriter::write(std::string_view text) {
    if (!sink || writeFailed)
        return false;
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
    return pending.size() < chunkSize || writePending();
}

bool TextWriter::writeLine(std::string_view text) {
    return write(text) && write("\n");
}

bool TextWriter::writePending() {
    if (pending.empty())
        return true;
    const bool written = sink->write(pending.data(), pending.size());
    pending.clear();
    writeFailed = !written;
    return written;
}

bool TextWriter::flush() {
    if (!sink || writeFailed)
        return false;
    if (writePending() && sink->flush())
        return true;
    writeFailed = true;
    return false;
}

bool TextWriter::close() {
    if (!sink)
        return false;
    // After a failure what is still pending stays unwritten: nothing follows the first
    // failure but the close itself.
    const bool written = !writeFailed && writePending();
    const bool closed = sink->close();
    sink.reset();
    return written && closed;
}

} // namespace platform
