#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// What splitting a "Key = Value" text into lines and keys found.
struct SplitCounts {
    std::size_t lines = 0;
    /// Lines that hold a "=": a key and its value.
    std::size_t keyed = 0;
    /// Bytes of those values, spaces after the "=" left out.
    std::size_t valueBytes = 0;
};

/// The least a line-by-line reader of CVI files does: takes the text in blocks as they
/// are read, finds every line end (a line feed; one carriage return before it is not part
/// of the line) and splits each line at its first "=" into key and value. It copies only
/// a line that a block end cuts in two.
class LineSplitter {
public:
    /// Takes the next bytes of the text.
    void feed(std::string_view block);
    /// Ends the text (a last line without a line feed counts too) and says what was found.
    SplitCounts finish();

private:
    void line(std::string_view text);

    /// The start of a line that the last block ended in.
    std::string carried;
    SplitCounts counts;
};
