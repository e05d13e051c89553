#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CompilationDatabase.h"

class WorkspaceConverter;

/// Where the host's names heed letter case, has every entry hand clang the overlay that
/// belongs beside the database at databasePath, and returns the overlay's path. Nothing on a
/// host whose names ignore case, and nothing, with a line on the error stream, when the
/// overlay's path has no UTF-8 host path.
std::optional<std::string> prepareCaseOverlay(const WorkspaceConverter& converter,
                                              const std::string& databasePath,
                                              std::vector<DatabaseEntry>& entries);

/// Writes the overlay of the folders that entries search to path, after its console line;
/// each part left out is told on the error stream. Throws IOERROR code 2 when the file cannot
/// be written.
void writeCaseOverlay(const WorkspaceConverter& converter, const std::string& path,
                      const std::vector<DatabaseEntry>& entries);
