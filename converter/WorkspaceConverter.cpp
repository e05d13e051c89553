#include "WorkspaceConverter.h"

#include <optional>
#include <ostream>

#include "CompilationDatabaseStep.h"
#include "Errors.h"
#include "Host.h"
#include "OutputFile.h"
#include "StringHelpers.h"
#include "WorkspaceFile.h"

namespace {

/// The root group's name: the file name of path without its last four bytes.
std::string rootGroupName(const std::string& sourcePath) {
    std::string name = afterLastBackslash(sourcePath);
    if (name.size() >= 4)
        name.resize(name.size() - 4);
    return name;
}

/// A workspace project's group name: its file name cut before the first ".".
std::string projectGroupName(const std::string& projectPath) {
    const std::string name = afterLastBackslash(projectPath);
    return name.substr(0, name.find('.'));
}

} // namespace

WorkspaceConverter::WorkspaceConverter(const std::string& sourcePath, const std::string& cviDir,
                                       const std::string& destFolder, platform::Host& host,
                                       std::ostream& console, std::ostream& errors)
    : sourcePath(sourcePath), cviDir(cviDir), destFolder(destFolder),
      host(host), log{console, errors},
      rootGroup(std::make_unique<ProjectGroup>(rootGroupName(sourcePath), this)), parser(this) {}

WorkspaceConverter::~WorkspaceConverter() {
    rootGroup.reset();
}

void WorkspaceConverter::addExtensions(const std::string& value) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = value.find(',', from);
        if (comma == std::string::npos) {
            extensions.push_back(value.substr(from));
            return;
        }
        extensions.push_back(value.substr(from, comma - from));
        from = comma + 1;
    }
}

std::vector<std::string> WorkspaceConverter::readProjectList() {
    if (!sourceIsWorkspace())
        return {sourcePath};
    CviLineReader reader = openCviFile(sourcePath);
    return readWorkspaceProjects(reader, beforeLastBackslash(sourcePath));
}

CviLineReader WorkspaceConverter::openCviFile(const std::string& path) {
    failedInput = path;
    auto file = host.openTextForReading(path);
    if (!file)
        throw AsciiReaderError(2);
    return CviLineReader(std::move(file));
}

std::vector<WorkspaceConverter::ReadProject>
WorkspaceConverter::readProjects(const std::vector<std::string>& projects) {
    std::vector<ReadProject> read;
    for (const std::string& entry : projects) {
        const std::string projectPath = toNativeSeparators(entry);
        ProjectGroup* target = rootGroup.get();
        if (entry == sourcePath) {
            rootGroup->setSourceFolder(folderOf(projectPath));
        } else {
            auto group = std::make_unique<ProjectGroup>(projectGroupName(projectPath), this);
            group->setSourceFolder(folderOf(projectPath));
            target = group.get();
            rootGroup->addSubGroup(std::move(group));
        }
        parser.setGroup(target);
        parser.setConverter(this);
        parser.setCviDir(cviDir);
        parser.setAcceptedExtensions(extensions);
        failedInput = projectPath;
        parser.open(projectPath);
        parser.parse();
        read.push_back({projectPath, target});
    }
    return read;
}

DatabaseInputs WorkspaceConverter::readDatabaseInputs(const std::vector<ReadProject>& projects) {
    // The configurations are read in a pass of their own over the files, and only for a
    // database: the group reader takes each project's keys as they come, and a run without a
    // database reads exactly what it always did.
    std::vector<std::string> named;
    if (sourceIsWorkspace()) {
        CviLineReader workspace = openCviFile(sourcePath);
        // In the order of the project lines, as the project list itself.
        named = readWorkspaceConfigurations(workspace);
    }
    DatabaseInputs inputs{compilationDatabase, appendDatabase, cviDir, {}, runFilesOf(projects)};
    for (const ReadProject& project : projects) {
        CviLineReader file = openCviFile(project.path);
        const CviProjectConfigs configs = readProjectConfigs(file);
        const std::size_t number = inputs.projects.size();
        std::string missed;
        CviBuild build = chooseBuild(configs, databaseConfiguration,
                                     number < named.size() ? named[number] : std::string(), missed);
        if (!missed.empty())
            log.printError("No build configuration " + missed + " in " + project.path +
                           ": the Compilation Database describes its " + build.name);
        inputs.projects.push_back({project.group, std::move(build)});
    }
    return inputs;
}

std::vector<RunFile>
WorkspaceConverter::runFilesOf(const std::vector<ReadProject>& projects) const {
    std::vector<RunFile> files;
    if (sourceIsWorkspace())
        files.push_back({"the workspace", sourcePath});
    for (const ReadProject& project : projects)
        files.push_back({"the CVI project", project.path});
    files.push_back({"the Corvane project file", projectFilePath()});
    for (const char* extension : {".p_s", ".p_a", ".p_c"})
        files.push_back({"the personality file", getDefaultPersonality(extension)});
    for (const std::string* given :
         {&messagePersonality, &analyserPersonality, &compilerPersonality})
        if (!given->empty())
            files.push_back({"the personality file", *given});
    std::vector<std::string> ownPersonalities;
    rootGroup->listOwnPersonalities(std::string(), ownPersonalities);
    for (std::string& personality : ownPersonalities)
        files.push_back({"the personality file", std::move(personality)});
    return files;
}

int WorkspaceConverter::run() {
    try {
        const std::vector<ReadProject> projects = readProjects(readProjectList());
        std::optional<CompilationDatabaseStep> database;
        if (!compilationDatabase.empty()) {
            database.emplace(readDatabaseInputs(projects), host, log);
            if (!database->prepare())
                return 1;
        }
        writeProjectFile();
        if (database)
            database->write();
        printLine("Corvane/Corvane++ Project Completed!");
        return 0;
    } catch (const AsciiReaderError& error) {
        if (error.code == 2)
            printLine("Could not open file: " + failedInput);
    } catch (const IOERROR& error) {
        if (error.code == 1)
            printLine("Could not create directory: " + error.path);
        else if (error.code == 2)
            printLine("Could not write file: " + error.path);
    }
    return 1;
}

int WorkspaceConverter::writeProjectFile() {
    OutputFile::create(host, projectFilePath(), [this](OutputFile& out) {
        printLine("Creating Corvane/Corvane++ Project ...");
        out.writeLine("VersionTag45");
        out.flush();
        rootGroup->write(out, std::string(), getDefaultPersonality(".p_a"));
    });
    return 0;
}
