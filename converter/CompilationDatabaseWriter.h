#pragma once

#include <string>

class WorkspaceConverter;

/// Writes the compilation database of the converter's finished tree to path, after its
/// console line. A source whose entry cannot be written as UTF-8 is left out with one line
/// on the error stream. Throws IOERROR code 2 when the file cannot be written.
void writeCompilationDatabase(const WorkspaceConverter& converter, const std::string& path);
