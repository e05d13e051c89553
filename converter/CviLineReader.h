#pragma once

#include <memory>
#include <string>

#include "TextFile.h"

/// Reads the lines of a CVI file (workspace or project). A value that CVI split
/// over numbered keys ("Path Line0001 = ...", "Path Line0002 = ...") comes out as
/// one line: the key, " = " and the parts joined inside one pair of double quotes.
class CviLineReader {
public:
    explicit CviLineReader(std::unique_ptr<platform::TextReader> reader);

    /// The next line; false at the end of the file or on a read error.
    bool readLine(std::string& line);

private:
    std::unique_ptr<platform::TextReader> reader;
};
