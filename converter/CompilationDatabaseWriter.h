#pragma once

#include <string>

class WorkspaceConverter;

/// Writes the compilation database of the converter's finished tree to path, after its
/// console line. What makeDatabaseEntry leaves out (a source, an include folder, a
/// definition) is told on the error stream, one line for each distinct part in the run.
/// Throws IOERROR code 2 when the file cannot be written.
void writeCompilationDatabase(const WorkspaceConverter& converter, const std::string& path);
