#pragma once

#include <string>

/// folder without its trailing "\", but a drive root ("C:\") keeps it.
std::string withoutTrailingSeparator(std::string folder);

/// path without its "." and ".." parts, the way Windows makes a full path of it, by its text
/// alone: "/" read as "\", doubled separators made one, "." dropped, ".." dropping the part
/// before it but never the root ("C:\", "\\server\share\", "\"); a relative path keeps the ".."
/// parts that lead out of it. A trailing separator stays.
std::string withoutDotParts(const std::string& path);
