#include "WorkspaceFile.h"

#include "CviProjectParser.h"
#include "StringHelpers.h"

bool isProjectLine(const std::string& line) {
    // Workspaces also hold "Project 0001 Collapsed", "Pathname = .../Projects/..." and
    // the like; only the numbered project keys themselves name project files.
    const std::string stripped = stripChar(line, ' ');
    const std::string key = stripChar(stripped.substr(0, stripped.find('=')), ' ');
    const std::string prefix = "Project ";
    if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0)
        return false;
    return key.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

std::vector<std::string> readWorkspaceProjects(CviLineReader& reader,
                                               const std::string& workspaceFolder) {
    std::vector<std::string> projects;
    std::string line;
    while (reader.readLine(line)) {
        if (isProjectLine(line))
            projects.push_back(workspaceFolder + "\\" + trimValue(lineValue(line)));
    }
    return projects;
}
