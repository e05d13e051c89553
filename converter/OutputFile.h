#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform {
class Host;
class TextWriter;
} // namespace platform

/// What OutputFile::create does with a file that cannot be opened.
enum class IfUnopened {
    Fail, ///< throw IOERROR code 2 with the file's path
    Skip  ///< pass it over silently
};

/// A text file the converter writes, known by its path. A write, flush or close that
/// the host refuses throws IOERROR code 2 with that path; nothing reaches the file after
/// the first. Made only by create, so that every file's close is checked.
class OutputFile {
public:
    /// Creates or truncates path, has fill write it, then closes it. Any failure to
    /// open, write, flush or close throws IOERROR code 2 with path, unless ifUnopened
    /// is Skip and the file cannot be opened: then fill is not called and false returned.
    /// An exception out of fill closes the file unchecked on its way through.
    static bool create(platform::Host& host, const std::string& path,
                       const std::function<void(OutputFile&)>& fill,
                       IfUnopened ifUnopened = IfUnopened::Fail);

    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    /// Writes text as it is, but for the line feeds. Throws IOERROR code 2 on failure.
    void write(std::string_view text);
    /// Writes text followed by a line end. Throws IOERROR code 2 on failure.
    void writeLine(std::string_view text);
    /// Hands everything written so far to the host. Throws IOERROR code 2 on failure.
    void flush();

    const std::string& getPath() const { return path; }

private:
    OutputFile(std::string path, std::unique_ptr<platform::TextWriter> writer);
    /// Throws IOERROR code 2 with the path unless succeeded.
    void check(bool succeeded) const;

    std::string path;
    std::unique_ptr<platform::TextWriter> writer;
};
