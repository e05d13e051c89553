#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CompileSources.h"
#include "CviBuild.h"

namespace platform {
class Host;
} // namespace platform
class DiskNames;
class LeftOut;

/// One entry of a compilation database, as plain data: UTF-8 host paths.
struct DatabaseEntry {
    std::string directory;
    /// The compiler and its arguments, the source file last.
    std::vector<std::string> arguments;
    std::string file;
};

/// The CVI installation's own header folders below cviDir that exist, in CVI's search order:
/// every subfolder of toolslib (in byte order), instr, include, include\ansi, the include
/// folders of build's IVI and VXIplug&play roots, sdk\include.
std::vector<std::string> cviHeaderFolders(const std::string& cviDir, const CviBuild& build,
                                          platform::Host& host);

/// The UTF-8 host paths of a source's file and folder.
struct SourcePaths {
    std::string file;
    std::string directory;
};

/// The paths that source's entry names: its file as the disk spells it (found by disk) and its
/// project folder, both without "." and ".." parts. Nothing, with why added to leftOut, when
/// the file is not found or either has no UTF-8 host path.
std::optional<SourcePaths> sourcePathsOf(const CompileSource& source, DiskNames& disk,
                                         platform::Host& host, LeftOut& leftOut);

/// How an entry's last argument names its source file: from the entry's directory where both
/// are POSIX paths ("main.c", "../lib/x.c"), so that no tool takes it for an option (cppcheck
/// reads a path that begins with "/D" as a definition); file itself otherwise.
std::string sourceArgumentOf(const std::string& file, const std::string& directory);

/// The entry of source: "clang", the CVI dialect flags of build, "-I" and the folder per
/// include folder of its project then per CVI header folder, "-D" per definition of build,
/// with overlayPath (a UTF-8 host path, when not empty) "-ivfsoverlay" joined to it, then "-c",
/// "-x", "c" and the file (as sourceArgumentOf names it). The file and the directory are named as
/// the disk spells them (found by disk), without "." and ".." parts. An include folder without a
/// UTF-8 host path and a definition that cannot be written as UTF-8 are left out of it, the rest
/// kept in order; the whole entry is nothing when the source is not found or its own file or folder
/// has no UTF-8 host path. Each part left out is added to leftOut; a source left out whole adds its
/// file and why alone. The folders the entry searches for headers, in Windows form without a
/// trailing "\" (but a drive root's), are appended to searched: the source's own folder, then each
/// "-I" folder, in order.
std::optional<DatabaseEntry> makeDatabaseEntry(const CompileSource& source, const CviBuild& build,
                                               const std::vector<std::string>& cviFolders,
                                               const std::string& overlayPath, DiskNames& disk,
                                               platform::Host& host, LeftOut& leftOut,
                                               std::vector<std::string>& searched);
/// Appends entry's text as an item of the database: opened by "[" when it is the first item,
/// after a "," otherwise; databaseEnd closes the list, so that entries are written one by one.
void appendDatabaseItem(std::string& text, const DatabaseEntry& entry, bool first);
/// What follows the items: the closing "]" and the line feed, or "[]" alone without any item.
inline std::string_view databaseEnd(bool anyItem) {
    return anyItem ? "\n]\n" : "[]\n";
}
