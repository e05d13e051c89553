#include "WorkspaceConverter.h"

#include <ostream>

#include "CompilationDatabaseWriter.h"
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
    : sourcePath(sourcePath), cviDir(cviDir), destFolder(destFolder), host(host), console(console),
      errors(errors), rootGroup(std::make_unique<ProjectGroup>(rootGroupName(sourcePath), this)),
      parser(this) {}

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

void WorkspaceConverter::printLine(const std::string& line) const {
    console << line << '\n';
    console.flush();
}

void WorkspaceConverter::printError(const std::string& line) const {
    errors << line << '\n';
    errors.flush();
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

void WorkspaceConverter::readProjects(const std::vector<std::string>& projects) {
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
        projectGroups.push_back(target);
        parser.setGroup(target);
        parser.setConverter(this);
        parser.setCviDir(cviDir);
        parser.setAcceptedExtensions(extensions);
        failedInput = projectPath;
        parser.open(projectPath);
        parser.parse();
    }
}

void WorkspaceConverter::readProjectBuilds(const std::vector<std::string>& projects) {
    std::vector<std::string> named;
    if (sourceIsWorkspace()) {
        CviLineReader workspace = openCviFile(sourcePath);
        named = readWorkspaceConfigurations(workspace);
    }
    for (std::size_t i = 0; i < projects.size(); ++i) {
        const std::string projectPath = toNativeSeparators(projects[i]);
        CviLineReader project = openCviFile(projectPath);
        const CviProjectConfigs configs = readProjectConfigs(project);
        std::string missed;
        CviBuild build = chooseBuild(configs, databaseConfiguration,
                                     i < named.size() ? named[i] : std::string(), missed);
        if (!missed.empty())
            printError("No build configuration " + missed + " in " + projectPath +
                       ": the Compilation Database describes its " + build.name);
        projectBuilds.push_back({projectGroups[i], std::move(build)});
    }
}

int WorkspaceConverter::run() {
    try {
        const std::vector<std::string> projects = readProjectList();
        readProjects(projects);
        if (!compilationDatabase.empty())
            readProjectBuilds(projects);
        return writeProjectFile();
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
    const std::string projectFile = destFolder + "\\" + projectName + ".prj";
    OutputFile::create(host, projectFile, [this](OutputFile& out) {
        printLine("Creating Corvane/Corvane++ Project ...");
        out.writeLine("VersionTag45");
        out.flush();
        rootGroup->write(out, std::string(), getDefaultPersonality(".p_a"));
    });
    if (!compilationDatabase.empty())
        writeCompilationDatabase(*this, compilationDatabase);
    printLine("Corvane/Corvane++ Project Completed!");
    return 0;
}
