#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

/// The bytes of a file opened for reading.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    /// Fills up to size bytes; returns 0 at the end of the file or on a read error.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
    /// True once a read failed: the 0 it returned is no end of the file.
    virtual bool failed() const = 0;
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
    /// error (failed tells them apart). A last line without a line feed is still
    /// returned, but not the part of a line read before an error.
    bool readLine(std::string& line);

    /// The rest of the file as text: every carriage return before a line feed dropped;
    /// nothing when a read failed on the way.
    std::optional<std::string> readAll();

    /// True once a read failed: what was read is not the whole file.
    bool failed() const { return readFailed; }

private:
    bool fill();

    std::unique_ptr<ByteSource> source;
    /// Storage for what was read; only its first filled bytes hold the file.
    std::string buffer;
    std::size_t filled = 0;
    std::size_t position = 0;
    bool atEnd = false;
    bool readFailed = false;
};

/// Writes a text file, the same on every host: every line feed reaches the disk
/// as a carriage return and a line feed. After the first failure nothing more is
/// handed to the host, and every later call fails too.
class TextWriter {
public:
    explicit TextWriter(std::unique_ptr<ByteSink> sink);
    /// Closes the file if still open; a failure then goes unreported.
    ~TextWriter();

    /// Writes text as it is, but for the line feeds; false when the host refused bytes.
    bool write(std::string_view text);
    /// Writes text followed by a line end; false when the host refused bytes.
    bool writeLine(std::string_view text);
    /// Hands what was written to the host; false on failure.
    bool flush();
    /// Closes the file; false on failure, or when it was closed already.
    bool close();

private:
    /// Hands the pending bytes to the host.
    bool writePending();

    std::unique_ptr<ByteSink> sink;
    std::string pending;
    bool writeFailed = false;
};

} // namespace platform
