#pragma once

#include <iconv.h>
#include <optional>
#include <string>

namespace platform {

/// A Windows ANSI code page (936, 1251, ...) and the conversions between its bytes and
/// UTF-8, done by the C library's iconv. Conversions are strict: what does not convert
/// both ways as itself gives nothing.
class CodePage {
public:
    /// The code page that number names ("936"). Throws HostError naming the value when it is
    /// not a number, iconv does not convert it, or it does not keep ASCII as it is (as every
    /// Windows ANSI code page does).
    explicit CodePage(const std::string& number);
    ~CodePage();
    CodePage(CodePage&& other) noexcept;
    CodePage& operator=(CodePage&&) = delete;
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    /// The number the code page was named by.
    const std::string& number() const { return name; }

    /// Bytes in the code page as UTF-8; nothing when they are not valid in it.
    std::optional<std::string> toUtf8(const std::string& bytes);
    /// UTF-8 text in the code page; nothing when it is not valid UTF-8 or holds a character
    /// that the code page lacks.
    std::optional<std::string> fromUtf8(const std::string& text);
    /// Bytes in the code page as UTF-8 for showing, every byte that is not valid in it
    /// shown as U+FFFD.
    std::string toUtf8ForShowing(const std::string& bytes);
    /// UTF-8 text in the code page for showing, every character that it lacks (and every byte
    /// that is not valid UTF-8) shown as "?".
    std::string fromUtf8ForShowing(const std::string& text);

private:
    void close();

    std::string name;
    iconv_t decoder; ///< code page to UTF-8
    iconv_t encoder; ///< UTF-8 to code page
};

} // namespace platform
