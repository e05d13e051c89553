#pragma once

#include <string>

namespace wizard {

/// The converter's output with each CR LF turned into LF, however the output is cut into
/// chunks: a CR at the end of a chunk waits to see whether an LF follows. Other bytes pass.
class OutputLineEnds {
public:
    /// The bytes of chunk that can be shown now, after any CR held back before them.
    std::string take(const std::string& chunk);

    /// The CR still held back at the end of the output, if any; starts afresh.
    std::string rest();

private:
    bool heldReturn = false;
};

/// text with each LF as CR LF, the line break of a Windows edit control; a CR LF stays one.
template <typename Char> std::basic_string<Char> withCrLf(const std::basic_string<Char>& text) {
    std::basic_string<Char> shown;
    shown.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == Char('\r') && i + 1 < text.size() && text[i + 1] == Char('\n'))
            continue;
        if (text[i] == Char('\n'))
            shown += Char('\r');
        shown += text[i];
    }
    return shown;
}

} // namespace wizard
