#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class OutputFile;
class WorkspaceConverter;

/// One node of the output tree: a section of the Corvane project file, with its
/// source files, include folders, definitions and owned sub-groups.
class ProjectGroup {
public:
    /// A group with the given name and nothing else; converter must outlive it.
    ProjectGroup(std::string name, WorkspaceConverter* converter);
    /// Destroys the sub-groups, in list order, before the group's own data.
    ~ProjectGroup();
    ProjectGroup(const ProjectGroup&) = delete;
    ProjectGroup& operator=(const ProjectGroup&) = delete;

    /// The first sub-group, in list order, whose name equals name byte for byte; null if none.
    ProjectGroup* findSubGroup(const std::string& name) const;
    /// Appends group to the sub-groups; the group takes ownership.
    void addSubGroup(std::unique_ptr<ProjectGroup> group);
    /// Appends a source file path; a path added twice is held twice.
    void addFile(std::string path);
    /// Inserts an include folder; no effect when the same text is already held.
    void addIncludePath(const std::string& folder);
    /// Sets the value of a definition, replacing an earlier one.
    void setDefine(const std::string& name, const std::string& value);
    /// Replaces the folder of the CVI project the group came from.
    void setSourceFolder(const std::string& folder);

    /// Writes this group's section and, depth first, those of its sub-groups, making
    /// their folders and personality files on the way. Throws IOERROR when a folder
    /// cannot be created (code 1) or a file cannot be written (code 2).
    void write(OutputFile& out, const std::string& parentPath,
               std::string handedDownAnalyserPersonality) const;
    /// Writes the group's own analyser personality ("-i " and "-d " lines, then the
    /// "-ap" file's content). Throws IOERROR code 2 when the file cannot be written.
    void writeAnalyserPersonality(const std::string& path) const;
    /// The paths of the analyser personalities that write gives this group and those below it,
    /// appended to paths in the order written; parentPath as write takes it.
    void listOwnPersonalities(const std::string& parentPath, std::vector<std::string>& paths) const;
    /// Makes one folder unless something exists under path. Throws IOERROR code 1
    /// with path unchanged when it cannot be made.
    void createFolder(const std::string& path) const;

    const std::string& getName() const { return name; }
    const std::string& getSourceFolder() const { return sourceFolder; }
    const std::vector<std::string>& getFiles() const { return files; }
    const std::set<std::string>& getIncludePaths() const { return includePaths; }
    const std::map<std::string, std::string>& getDefines() const { return defines; }
    const std::vector<std::unique_ptr<ProjectGroup>>& getSubGroups() const { return subGroups; }

private:
    /// The folder that holds the group's folder: the destination, then parentPath, with a final
    /// "\".
    std::string parentFolderOf(const std::string& parentPath) const;
    /// The path of the group's own analyser personality in its groupFolder.
    std::string ownPersonalityOf(const std::string& groupFolder) const;
    /// Makes the group folder (and the nested folders of a name with separators),
    /// its output folder and, with sub-groups, its person folder; returns the group folder.
    std::string createGroupFolders(const std::string& parentPath) const;
    /// The path after "SubsPers=" or "CompPers=": given when named on the command line,
    /// else the default with extension, recreated empty. Throws IOERROR code 1 when the
    /// person folder cannot be made, code 2 when a required default cannot be created
    /// or a default that opened cannot be closed.
    std::string resolveProjectWidePersonality(const std::string& given,
                                              const std::string& extension, bool required) const;
    /// Writes the "AnalPers=" line and any analyser personality file; returns the
    /// value handed down to the sub-groups. Throws IOERROR.
    std::string resolveAnalyserPersonality(OutputFile& out, const std::string& parentPath,
                                           const std::string& groupFolder,
                                           const std::string& handedDown) const;
    /// Creates an analyser personality file: the "-i " and "-d " lines when ownLines,
    /// then the "-ap" file's content. Throws IOERROR code 2 when path cannot be written.
    void writeAnalyserFile(const std::string& path, bool ownLines) const;

    std::string name;
    std::string sourceFolder;
    std::vector<std::string> files;
    std::set<std::string> includePaths;
    std::map<std::string, std::string> defines;
    std::vector<std::unique_ptr<ProjectGroup>> subGroups;
    WorkspaceConverter* converter;
    /// The first sub-group of each name, so that a lookup costs no scan of the list.
    std::unordered_map<std::string, ProjectGroup*> firstSubGroupByName;
};
