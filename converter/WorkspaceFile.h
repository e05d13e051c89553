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

/// The build configuration the workspace names for each of its projects, in the order of
/// readWorkspaceProjects: the "Build Configuration" of the "[Project Header NNNN]" section
/// that has the number of the "Project NNNN" line; empty where it names none. Throws
/// AsciiReaderError code 2 when the file fails while it is read.
std::vector<std::string> readWorkspaceConfigurations(CviLineReader& reader);
