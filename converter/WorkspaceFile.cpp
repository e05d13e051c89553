#include "WorkspaceFile.h"

#include <map>

#include "CviSections.h"
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

std::vector<std::string> readWorkspaceConfigurations(CviLineReader& reader) {
    const std::string headerPrefix = "Project Header ";
    std::vector<std::string> projectNumbers;
    std::map<std::string, std::string> configurationOf;
    for (const CviSection& section :
         readCviSections(reader, [](const std::string&) { return true; })) {
        const bool isHeader = section.name.compare(0, headerPrefix.size(), headerPrefix) == 0;
        for (const auto& [key, value] : section.keys) {
            if (isProjectLine(key + "="))
                projectNumbers.push_back(key.substr(std::string("Project ").size()));
            else if (isHeader && key == "Build Configuration")
                configurationOf[section.name.substr(headerPrefix.size())] = value;
        }
    }
    std::vector<std::string> configurations;
    for (const std::string& number : projectNumbers)
        configurations.push_back(configurationOf[number]);
    return configurations;
}
