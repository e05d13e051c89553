#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

/// The bytes of a file opened for reading.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    /// Fills up to size bytes; returns 0 at the end of the file or on a read error.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
};

/// The bytes of a file opened for writing.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    /// Appends bytes; false when the host refused them.
    virtual bool write(const char* data, std::size_t size) = 0;
    /// Hands everything written so far to the host; false on failure.
    virtual bool flush() = 0;
    /// Flushes and closes; false on failure. Further calls do nothing.
    virtual bool close() = 0;
};

/// Reads a file as text lines, the same on every host: a line ends at a line
/// feed, and one carriage return directly before it is not part of the line.
class TextReader {
public:
    explicit TextReader(std::unique_ptr<ByteSource> source);

    /// The next line, without its end; false at the end of the file or on a read
    /// error. A last line without a line feed is still returned.
    bool readLine(std::string& line);

    /// The rest of the file as text: every carriage return before a line feed dropped.
    std::string readAll();

private:
    bool fill();

    std::unique_ptr<ByteSource> source;
    /// Storage for what was read; only its first filled bytes hold the file.
    std::string buffer;
    std::size_t filled = 0;
    std::size_t position = 0;
    bool atEnd = false;
};

/// Writes a text file, the same on every host: every line feed reaches the disk
/// as a carriage return and a line feed.
class TextWriter {
public:
    explicit TextWriter(std::unique_ptr<ByteSink> sink);
    ~TextWriter();

    /// Writes text as it is, but for the line feeds.
    void write(std::string_view text);
    /// Writes text followed by a line end.
    void writeLine(std::string_view text);
    /// Hands what was written to the host; false on failure.
    bool flush();
    /// Closes the file; false on failure.
    bool close();

private:
    std::unique_ptr<ByteSink> sink;
    std::string pending;
};

} // namespace platform
