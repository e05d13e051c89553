#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// One entry of a compilation database as read back from its file.
struct ReadEntry {
    /// The entry's JSON object as it stands in the file, from "{" to "}": a view into the text
    /// read, which must outlive it.
    std::string_view text;
    std::string directory;
    /// The source's path: "file" itself when absolute, else joined to "directory" with "/".
    std::string file;
    /// The "arguments" array, when asked for; empty for an entry that gives a "command".
    std::vector<std::string> arguments;
};

/// True when path, as a database names it, is absolute on POSIX ("/a") or Windows ("C:\a",
/// "\\server\share").
bool isAbsolutePath(const std::string& path);

/// The entries of a compilation database's text, in order, without their arguments: a JSON
/// array of objects, each with the strings "directory" and "file" and either an "arguments"
/// array of strings or a "command" string (other members are kept in its text). Nothing when
/// text is not one.
std::optional<std::vector<ReadEntry>> readCompilationDatabase(std::string_view text);

/// One entry's object, as readCompilationDatabase gave its text, with its arguments.
std::optional<ReadEntry> readDatabaseEntry(std::string_view text);
