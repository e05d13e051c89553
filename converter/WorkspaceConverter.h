#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "CviProjectParser.h"
#include "DatabaseInputs.h"
#include "ProjectGroup.h"
#include "RunLog.h"

namespace platform {
class Host;
}

/// The one object of a conversion run: its settings, the group tree and the reader.
class WorkspaceConverter {
public:
    /// Keeps the three absolute paths and creates the root group, named after the
    /// source file. host, console and errors must outlive the converter.
    WorkspaceConverter(const std::string& sourcePath, const std::string& cviDir,
                       const std::string& destFolder, platform::Host& host, std::ostream& console,
                       std::ostream& errors);
    /// A converter whose lines for the error stream go to the console.
    WorkspaceConverter(const std::string& sourcePath, const std::string& cviDir,
                       const std::string& destFolder, platform::Host& host, std::ostream& console)
        : WorkspaceConverter(sourcePath, cviDir, destFolder, host, console, console) {}
    ~WorkspaceConverter();
    WorkspaceConverter(const WorkspaceConverter&) = delete;
    WorkspaceConverter& operator=(const WorkspaceConverter&) = delete;

    /// Appends every comma-separated part of one "-ext" value, empty parts included.
    void addExtensions(const std::string& value);
    void setProjectName(const std::string& value) { projectName = value; }
    void setMessagePersonality(const std::string& value) { messagePersonality = value; }
    void setAnalyserPersonality(const std::string& value) { analyserPersonality = value; }
    void setCompilerPersonality(const std::string& value) { compilerPersonality = value; }
    /// Asks for a compilation database at the absolute path value as well; with append, one
    /// that keeps the entries already there but for this run's sources.
    void setCompilationDatabase(const std::string& value, bool append = false) {
        compilationDatabase = value;
        appendDatabase = append;
    }
    /// Asks the compilation database to describe the configuration named value for every
    /// project that has it.
    void setDatabaseConfiguration(const std::string& value) { databaseConfiguration = value; }

    std::string getCviDir() const { return cviDir; }
    std::string getDestFolder() const { return destFolder; }
    std::string getProjectName() const { return projectName; }
    std::string getMessagePersonality() const { return messagePersonality; }
    std::string getAnalyserPersonality() const { return analyserPersonality; }
    std::string getCompilerPersonality() const { return compilerPersonality; }
    /// The compilation database's path; empty when none is asked for.
    std::string getCompilationDatabase() const { return compilationDatabase; }
    /// Whether the compilation database keeps the entries already in it ("-cdbappend").
    bool getAppendDatabase() const { return appendDatabase; }
    /// The configuration named with "-cdbconfig"; empty when none is.
    std::string getDatabaseConfiguration() const { return databaseConfiguration; }
    const std::vector<std::string>& getExtensions() const { return extensions; }
    /// The destination folder's "person" folder, with its trailing "\".
    std::string getProjectPersonFolder() const { return destFolder + "\\person\\"; }
    /// The project-wide default personality with extension (".p_s", ".p_a", ".p_c").
    std::string getDefaultPersonality(const std::string& extension) const {
        return getProjectPersonFolder() + projectName + extension;
    }
    /// The Corvane project file: the destination folder, the project name and ".prj".
    std::string projectFilePath() const { return destFolder + "\\" + projectName + ".prj"; }
    const ProjectGroup& getRootGroup() const { return *rootGroup; }

    /// The host every file and folder goes through.
    platform::Host& getHost() const { return host; }
    /// Prints one console line and flushes it.
    void printLine(const std::string& line) const { log.printLine(line); }

    /// The whole conversion: reads every project, then writes. Returns 0, or 1 after
    /// printing the one line that says what failed.
    int run();
    /// Writes the Corvane project file; returns 0. Throws IOERROR.
    int writeProjectFile();

private:
    /// True when the source is read as a workspace: its path contains ".cws".
    bool sourceIsWorkspace() const { return sourcePath.find(".cws") != std::string::npos; }
    /// The CVI project files to convert, in order. Throws AsciiReaderError code 2
    /// when the workspace file cannot be opened or fails while it is read.
    std::vector<std::string> readProjectList();
    /// One project of the list once read: its file and the group it was read into.
    struct ReadProject {
        std::string path;
        const ProjectGroup* group;
    };
    /// Reads every project of the list into its group.
    std::vector<ReadProject> readProjects(const std::vector<std::string>& projects);
    /// The compilation database step's inputs: the build configuration each project read
    /// builds, chosen from those the workspace names and those of its own file; a project that
    /// lacks a configuration asked for is told on the error stream. Throws AsciiReaderError
    /// code 2.
    DatabaseInputs readDatabaseInputs(const std::vector<ReadProject>& projects);
    /// The files the run reads or writes besides the projects' sources: the workspace, the
    /// projects, the project file and every personality file it names or writes.
    std::vector<RunFile> runFilesOf(const std::vector<ReadProject>& projects) const;
    /// Opens a CVI file for reading by lines, naming it for the failure line. Throws
    /// AsciiReaderError code 2 when it cannot be opened.
    CviLineReader openCviFile(const std::string& path);

    std::string sourcePath;
    std::string cviDir;
    std::string destFolder;
    std::string projectName;
    std::string messagePersonality;
    std::string analyserPersonality;
    std::string compilerPersonality;
    std::vector<std::string> extensions;
    std::string compilationDatabase;
    bool appendDatabase = false;
    std::string databaseConfiguration;
    platform::Host& host;
    RunLog log;
    std::unique_ptr<ProjectGroup> rootGroup;
    CviProjectParser parser;
    /// The project file being read, for the failure line.
    std::string failedInput;
};
