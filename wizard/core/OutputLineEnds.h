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

} // namespace wizard
