#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CompileSources.h"

namespace platform {
class Host;
}

/// One entry of a compilation database, as plain data: UTF-8 host paths.
struct DatabaseEntry {
    std::string directory;
    /// The compiler and its arguments, the source file last.
    std::vector<std::string> arguments;
    std::string file;
};

/// The CVI installation's own header folders below cviDir that exist, in search order.
std::vector<std::string> cviHeaderFolders(const std::string& cviDir, platform::Host& host);

/// The entry of source: "clang", the CVI dialect flags, "-I" per include folder of its
/// project then per CVI header folder, "-D" per definition, "-c" and the file. Nothing when
/// a path has no UTF-8 host form or a definition is not UTF-8; unwritable then names it.
std::optional<DatabaseEntry> makeDatabaseEntry(const CompileSource& source,
                                               const std::vector<std::string>& cviFolders,
                                               platform::Host& host, std::string& unwritable);

/// The JSON text of a compilation database holding entries, in order, ended by a line feed.
std::string renderCompilationDatabase(const std::vector<DatabaseEntry>& entries);
