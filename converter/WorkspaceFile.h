#pragma once

#include <string>
#include <vector>

#include "CviLineReader.h"

/// True when line names a project of a workspace: its key, before the first "="
/// and without surrounding spaces, is "Project", one space and decimal digits.
bool isProjectLine(const std::string& line);

/// The project files a workspace lists, in file order: each project line's value
/// (trimValue) joined to workspaceFolder with "\", whatever the value looks like.
/// Throws AsciiReaderError code 2 when the file fails while it is read.
std::vector<std::string> readWorkspaceProjects(CviLineReader& reader,
                                               const std::string& workspaceFolder);
