#pragma once

#include <string>
#include <string_view>

/// text without every leading, then every trailing occurrence of byte; empty when
/// text is made of that byte only.
std::string stripChar(const std::string& text, char byte);
/// stripChar as a view into text, for readers that need no copy.
std::string_view stripView(std::string_view text, char byte);

/// text without surrounding spaces, then without surrounding double quotes.
/// Tabs stay, and so do the spaces inside the quotes.
std::string trimValue(const std::string& text);
/// trimValue as a view into text, for readers that need no copy.
std::string_view trimView(std::string_view text);

/// The text after the first "=" of line; the whole line when it has none.
std::string lineValue(const std::string& line);
/// lineValue as a view into line, for readers that need no copy.
std::string_view valueView(std::string_view line);

/// The drive form of a CVI absolute path: \c\dir\x.h becomes c:\dir\x.h, "\" becomes
/// empty; a path that does not begin with "\" is returned unchanged.
std::string driveFromCviPath(const std::string& path);

/// path with every "/" turned into "\".
std::string toNativeSeparators(std::string path);

/// The text after the last "\" of path; the whole path when it has none.
std::string afterLastBackslash(const std::string& path);

/// The part of text after its last "\" or "/"; the whole text when it has neither.
std::string leafName(const std::string& text);

/// The text of path up to and including its last "\"; empty when it has none.
std::string folderOf(const std::string& path);

/// The text of path up to, not including, its last "\"; empty when it has none.
std::string beforeLastBackslash(const std::string& path);

/// text with the letters a to z in upper case; every other byte unchanged.
std::string toUpper(std::string text);
