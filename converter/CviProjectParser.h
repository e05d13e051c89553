#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CviLineReader.h"

class ProjectGroup;
class WorkspaceConverter;

/// The text after the first "=" of line; the whole line when it has none.
std::string lineValue(const std::string& line);
/// The drive form of a CVI absolute path: \c\dir\x.h becomes c:\dir\x.h, "\" becomes
/// empty; a path that does not begin with "\" is returned unchanged.
std::string driveFromCviPath(const std::string& path);
/// text with the letters a to z in upper case; every other byte unchanged.
std::string toUpper(std::string text);

/// Reads one CVI project file into a group: source files into folder groups below
/// it, include folders and definitions into the group itself. Reused for every project.
class CviProjectParser {
public:
    explicit CviProjectParser(WorkspaceConverter* converter);

    void setGroup(ProjectGroup* target) { group = target; }
    void setConverter(WorkspaceConverter* owner) { converter = owner; }
    void setCviDir(const std::string& folder) { cviDir = folder; }
    void setAcceptedExtensions(const std::vector<std::string>& list) { acceptedExtensions = list; }

    /// Opens a project file. Throws AsciiReaderError code 2 when it cannot be opened.
    void open(const std::string& path);
    /// Reads the open file to its end into the group, then closes it; never fails.
    void parse();
    /// True when the path's extension is in the accepted list, or the list is empty.
    bool isAcceptedExtension(const std::string& path) const;

private:
    /// The next line of the open file; false at its end.
    bool readLine(std::string& line);
    void readSourceEntry();
    void readIncludeFileEntry();
    void readIncludePaths();
    void readCompilerDefines(const std::string& line);
    /// projectFilePath up to and including its last "\".
    std::string projectFolder() const;

    ProjectGroup* group = nullptr;
    WorkspaceConverter* converter = nullptr;
    std::string cviDir;
    std::string projectFilePath;
    std::unique_ptr<CviLineReader> input;
    std::vector<std::string> acceptedExtensions;
};
