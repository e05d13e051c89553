#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CviLineReader.h"

class ProjectGroup;
class WorkspaceConverter;

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
    /// Reads the open file to its end into the group, then closes it. Throws
    /// AsciiReaderError code 2 when the file fails while it is read.
    void parse();
    /// True when the path's extension is in the accepted list, or the list is empty.
    bool isAcceptedExtension(const std::string& path) const;

private:
    /// How the first line after an entry's trigger line is trimmed.
    enum class FirstLine { TrimValue, StripSpaces };

    /// The next line of the open file; false at its end.
    bool readLine(std::string& line);
    /// The next line of the current entry: the first one trimmed as first says, the
    /// others unchanged. False when the entry has ended, at a line that begins with "["
    /// (consumed) or at the end of the file.
    bool readEntryLine(std::string& line, bool isFirst, FirstLine first);
    void readSourceEntry();
    void readIncludeFileEntry();
    void readIncludePaths();
    void readCompilerDefines(const std::string& line);
    /// relative joined to its base: the project folder, or cviDir and "\".
    std::string underBase(bool toProject, const std::string& relative) const;
    /// Like underBase, but an empty relative names the base folder itself, without a
    /// final "\".
    std::string folderUnderBase(bool toProject, const std::string& relative) const;
    /// Adds a source file to the sub-group of the given folder name, making it when needed.
    void addSourceFile(const std::string& folder, std::string path);

    ProjectGroup* group = nullptr;
    WorkspaceConverter* converter = nullptr;
    std::string cviDir;
    std::string projectFilePath;
    /// projectFilePath up to and including its last "\"; empty when it has none.
    std::string projectFolder;
    std::unique_ptr<CviLineReader> input;
    std::vector<std::string> acceptedExtensions;
    /// Buffers the entry readers reuse, so that an entry costs no memory of its own
    /// beyond the path it adds.
    std::string entryLine;
    std::string entryFolder;
};
