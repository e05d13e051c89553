#include "CviLineReader.h"

#include <string_view>

#include "Errors.h"

namespace {

/// Where one part of a split value sits in its line.
struct SplitPart {
    /// Length of the key before " LineNNNN".
    std::size_t keyLength = 0;
    /// The part's number: 1 for " Line0001".
    unsigned long number = 0;
    /// The bytes between the value's double quotes.
    std::string_view content;
};

/// The part that line holds when its key, spaces after it removed, ends in " Line"
/// and at least four digits and its value, spaces around it removed, is quoted;
/// false for any other line.
bool splitPartOf(std::string_view line, SplitPart& part) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;

    std::string_view key = line.substr(0, equals);
    const std::size_t keyEnd = key.find_last_not_of(' ');
    if (keyEnd == std::string_view::npos)
        return false;
    key = key.substr(0, keyEnd + 1);
    // A plain loop: a search for any of ten bytes costs a library call per byte.
    std::size_t digits = key.size();
    while (digits > 0 && key[digits - 1] >= '0' && key[digits - 1] <= '9')
        --digits;
    constexpr std::string_view marker = " Line";
    if (key.size() - digits < 4 || digits < marker.size() ||
        key.substr(digits - marker.size(), marker.size()) != marker)
        return false;
    // A number too long for the counter cannot follow its predecessor anyway.
    if (key.size() - digits > 9)
        return false;

    std::string_view value = line.substr(equals + 1);
    const std::size_t first = value.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return false;
    value = value.substr(first, value.find_last_not_of(' ') - first + 1);
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return false;

    part.keyLength = digits - marker.size();
    part.number = std::stoul(std::string(key.substr(digits)));
    part.content = value.substr(1, value.size() - 2);
    return true;
}

} // namespace

CviLineReader::CviLineReader(std::unique_ptr<platform::TextReader> reader)
    : reader(std::move(reader)) {}

bool CviLineReader::readRawLine(std::string& line) {
    if (hasLookAhead) {
        line.swap(lookAhead);
        hasLookAhead = false;
        return true;
    }
    return readFileLine(line);
}

bool CviLineReader::readFileLine(std::string& line) {
    if (reader->readLine(line))
        return true;
    if (reader->failed())
        throw AsciiReaderError(2);
    return false;
}

bool CviLineReader::readLine(std::string& line) {
    if (!readRawLine(line))
        return false;
    SplitPart part;
    if (!splitPartOf(line, part) || part.number != 1)
        return true;

    // One line of look-ahead: the first line that does not continue the run ends it
    // and is handed out next, where it may start a run of its own.
    std::string joined;
    joined.reserve(line.size() * 2);
    joined.append(line, 0, part.keyLength).append(" = \"").append(part.content);
    unsigned long expected = 2;
    while (readFileLine(lookAhead)) {
        SplitPart next;
        if (!splitPartOf(lookAhead, next) || next.number != expected ||
            lookAhead.compare(0, next.keyLength, joined, 0, part.keyLength) != 0) {
            hasLookAhead = true;
            break;
        }
        joined.append(next.content);
        ++expected;
    }
    joined += '"';
    line.swap(joined);
    return true;
}
