#include "StringHelpers.h"

#include <algorithm>

std::string_view stripView(std::string_view text, char byte) {
    const std::size_t first = text.find_first_not_of(byte);
    if (first == std::string_view::npos)
        return std::string_view();
    const std::size_t last = text.find_last_not_of(byte);
    return text.substr(first, last - first + 1);
}

std::string stripChar(const std::string& text, char byte) {
    return std::string(stripView(text, byte));
}

std::string_view trimView(std::string_view text) {
    return stripView(stripView(text, ' '), '"');
}

std::string trimValue(const std::string& text) {
    return std::string(trimView(text));
}

std::string_view valueView(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? line : line.substr(equals + 1);
}

std::string lineValue(const std::string& line) {
    return std::string(valueView(line));
}

std::string driveFromCviPath(const std::string& path) {
    if (path.empty() || path[0] != '\\')
        return path;
    std::string drive = path.substr(1);
    if (!drive.empty())
        drive.insert(1, ":");
    return drive;
}

std::string toNativeSeparators(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string afterLastBackslash(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string leafName(const std::string& text) {
    const std::size_t separator = text.find_last_of("\\/");
    return separator == std::string::npos ? text : text.substr(separator + 1);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string beforeLastBackslash(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string toUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}
