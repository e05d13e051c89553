#include "OutputLineEnds.h"

namespace wizard {

std::string OutputLineEnds::take(const std::string& chunk) {
    std::string shown;
    shown.reserve(chunk.size() + 1);
    for (const char c : chunk) {
        if (heldReturn && c != '\n')
            shown += '\r';
        heldReturn = c == '\r';
        if (!heldReturn)
            shown += c;
    }
    return shown;
}

std::string OutputLineEnds::rest() {
    const bool held = heldReturn;
    heldReturn = false;
    return held ? "\r" : "";
}

} // namespace wizard
