#pragma once

#include <string>
#include <windows.h>

namespace tessellon {

/// Turns the converter's output, which arrives in chunks of bytes in a code page, into text.
/// A character whose bytes are split between two chunks is held back until it is whole.
class LogDecoder {
public:
    /// A decoder for the code page (CP_ACP: the system's ANSI code page).
    explicit LogDecoder(UINT codePage);

    /// The text of the chunk's whole characters, with any bytes held back before them.
    std::wstring decode(const std::string& chunk);

    /// The text of the bytes still held back, as far as they go; the decoder starts afresh.
    std::wstring finish();

private:
    UINT codePage;
    UINT maxCharSize;
    std::string pending;
};

/// The text of bytes in the system's ANSI code page, as the wizard keeps its own texts.
std::wstring wideOfAnsi(const std::string& bytes);

} // namespace tessellon
