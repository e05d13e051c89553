#pragma once

#include <memory>
#include <string>

#include "TextFile.h"

/// Reads the lines of a CVI file (workspace or project). A value that CVI split
/// over numbered keys ("Path Line0001 = ...", "Path Line0002 = ...") comes out as
/// one line: the key, " = " and the parts joined inside one pair of double quotes.
/// A run is joined as far as its parts follow each other in order; every other
/// line comes out as the file holds it.
class CviLineReader {
public:
    explicit CviLineReader(std::unique_ptr<platform::TextReader> reader);

    /// The next line; false at the end of the file. Throws AsciiReaderError code 2 when
    /// the file fails while it is read, so that it never passes as a shorter one.
    bool readLine(std::string& line);

private:
    /// The next line as the file holds it: the line looked ahead at, if any, else a new one.
    bool readRawLine(std::string& line);
    /// The next line from the file itself; false at its end. Throws AsciiReaderError
    /// code 2 on a read error.
    bool readFileLine(std::string& line);

    std::unique_ptr<platform::TextReader> reader;
    /// The line read past the end of a split value, handed out next.
    std::string lookAhead;
    bool hasLookAhead = false;
};
