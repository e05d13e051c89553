#include "WorkspaceGenerator.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "CviText.h"

namespace {

/// splitmix64: the same numbers for a seed on every platform and standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    /// A number from 0 to bound - 1.
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }

private:
    std::uint64_t state;
};

constexpr const char* subsystems[] = {
    "motion",  "daq",     "serial", "display",  "logger", "config", "safety",    "calibration",
    "network", "storage", "sensor", "actuator", "report", "panel",  "sequencer", "thermal"};
constexpr const char* nouns[] = {"driver", "buffer",  "parser",  "queue",  "timer",   "state",
                                 "filter", "channel", "limits",  "format", "session", "cache",
                                 "trace",  "utils",   "monitor", "table"};
constexpr int subsystemCount = sizeof subsystems / sizeof *subsystems;
constexpr int nounCount = sizeof nouns / sizeof *nouns;

/// A chunk this large is handed to the sink, so no file is held whole.
constexpr std::size_t chunkBytes = 1 << 20;

std::string numbered(const char* format, long number) {
    char text[96];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

std::string capitalised(std::string word) {
    if (!word.empty() && word[0] >= 'a' && word[0] <= 'z')
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

/// How CVI writes an absolute path: C:\ws\x becomes /c/ws/x.
std::string cviForm(const std::string& windowsPath) {
    std::string path = windowsPath;
    if (path.size() >= 2 && path[1] == ':') {
        const char drive = path[0] >= 'A' && path[0] <= 'Z' ? char(path[0] - 'A' + 'a') : path[0];
        path = "/" + std::string(1, drive) + path.substr(2);
    }
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string windowsForm(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

/// A CVI folder: the name the project file gives it, the disk folder of its files and
/// the word that names its headers' folder.
struct Folder {
    std::string name;
    std::string disk;
    std::string slug;
};

/// Folder 0 is "Source Files"; the others are named after a subsystem and a noun, every
/// other one nested below "Modules/" the way CVI shows sub-folders.
std::vector<Folder> makeFolders(int count, Random& random) {
    std::vector<Folder> folders;
    folders.push_back({"Source Files", "src", "common"});
    const int offset = random.below(subsystemCount * nounCount);
    for (int k = 1; k < count; ++k) {
        // A stride coprime to the table size visits every pair once before repeating.
        const int pick = (offset + 7 * k) % (subsystemCount * nounCount);
        const std::string subsystem = subsystems[pick % subsystemCount];
        const std::string noun = nouns[pick / subsystemCount];
        std::string name = capitalised(subsystem) + " " + capitalised(noun) + "s";
        std::string slug = subsystem + "_" + noun;
        std::string disk = "src/" + subsystem + "/" + noun + "s";
        const int round = (k - 1) / (subsystemCount * nounCount);
        if (round > 0) {
            name += " " + std::to_string(round + 1);
            slug += "_" + std::to_string(round + 1);
            disk += "_" + std::to_string(round + 1);
        }
        if (k % 2 == 1)
            name = "Modules/" + name;
        folders.push_back({name, disk, slug});
    }
    return folders;
}

/// Generates one CVI project file, piece by piece, and counts what it holds.
class ProjectGenerator {
public:
    ProjectGenerator(const WorkspaceShape& shape, Random& random, FileSink& sink,
                     GeneratedFigures& figures)
        : shape(shape), random(random), sink(sink), figures(figures) {}

    /// Writes the project file path (relative to the generated folder) of the project
    /// in projectFolder, a Windows folder with its trailing "\".
    void generate(const std::string& path, const std::string& projectFolder,
                  const std::string& subsystem);

private:
    void header(const std::string& path);
    void folderSection();
    void sourceEntry(int index);
    void includeEntry(int index);
    void otherEntry(const char* type, const char* extension, const std::string& folder,
                    int folderId);
    void entryStart(const char* type);
    /// The relative path keys and the absolute "Path" that CVI writes after them.
    void relativePath(const std::string& relative);
    void buildConfig(const char* name, bool release);
    void tailSections();
    void flushIfLarge();

    const WorkspaceShape& shape;
    Random& random;
    FileSink& sink;
    GeneratedFigures& figures;
    CviText text;
    std::string folder;
    std::string subsystem;
    std::vector<Folder> folders;
    std::string defines;
    int entryNumber = 0;
};

void ProjectGenerator::flushIfLarge() {
    if (text.text().size() >= chunkBytes) {
        figures.inputBytes += text.text().size();
        sink.append(text.take());
    }
}

void ProjectGenerator::header(const std::string& path) {
    const int entries = shape.sourcesPerProject + shape.includeFilesPerProject +
                        shape.sourcesPerProject / 50 + shape.sourcesPerProject / 100;
    text.section("Project Header");
    text.bare("Version", "1302");
    text.quoted("Pathname", cviForm(folder + path.substr(path.rfind('/') + 1)));
    text.quoted("CVI Dir", "/c/program files (x86)/national instruments/cvi2017");
    text.quoted("CVI Shared Dir", "/C/Program Files (x86)/National Instruments/Shared/CVI");
    text.quoted("CVI Pub Local Dir", "/C/ProgramData/National Instruments/CVI2017");
    text.quoted("CVI Pub Global Dir", "/C/ProgramData/National Instruments/CVI");
    text.quoted("IVI Standard Root Dir", "/C/Program Files (x86)/IVI Foundation/IVI");
    text.quoted("VXIplug&play Framework Dir", "/C/Program Files (x86)/IVI Foundation/VISA/winnt");
    text.bare("Number of Files", std::to_string(entries));
    text.quoted("Target Type", "Executable");
    text.bare("Flags", "2064");
}

void ProjectGenerator::folderSection() {
    text.section("Folders");
    text.bare("Instrument Files Folder Not Added Yet", "True");
    for (std::size_t k = 0; k < folders.size(); ++k) {
        const std::string& name = folders[k].name;
        text.quoted("Folder " + std::to_string(k), name);
        text.quoted("FolderEx " + std::to_string(k), name.substr(name.rfind('/') + 1));
    }
    const char* const others[] = {"Include Files", "User Interface Files", "Library Files"};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string number = std::to_string(folders.size() + k);
        text.quoted("Folder " + number, others[k]);
        text.quoted("FolderEx " + number, others[k]);
    }
}

void ProjectGenerator::entryStart(const char* type) {
    ++entryNumber;
    text.section(numbered("File %04ld", entryNumber));
    text.quoted("File Type", type);
    text.bare("Res Id", std::to_string(entryNumber));
}

void ProjectGenerator::relativePath(const std::string& relative) {
    text.bare("Path Is Rel", "True");
    text.quoted("Path Rel To", "Project");
    text.quoted("Path Rel Path", relative);
    text.quoted("Path", cviForm(folder) + relative);
}

void ProjectGenerator::sourceEntry(int index) {
    // Every folder gets a file first; after that the folders come in no order.
    const int pick = index < static_cast<int>(folders.size())
                         ? index
                         : random.below(static_cast<int>(folders.size()));
    const Folder& target = folders[pick];
    const std::string file =
        target.slug + "_" + nouns[random.below(nounCount)] + numbered("_%04ld.c", index);
    const bool excluded = index >= static_cast<int>(folders.size()) && random.below(100) == 0;
    const bool absolute = random.below(40) == 0;

    entryStart("CSource");
    std::string held;
    if (absolute) {
        const std::string path = "/c/shared/" + subsystem + "/lib/" + file;
        text.bare("Path Is Rel", "False");
        text.quoted("Path", path);
        held = windowsForm(path);
    } else {
        const std::string relative = target.disk + "/" + file;
        relativePath(relative);
        held = folder + windowsForm(relative);
    }
    text.bare("Exclude", excluded ? "True" : "False");
    text.bare("Compile Into Object File", "False");
    text.bare("Project Flags", "0");
    text.quoted("Folder", target.name);
    text.bare("Folder Id", std::to_string(pick));
    if (!excluded) {
        ++figures.sourceEntries;
        figures.sourcePathBytes += held.size();
    }
}

void ProjectGenerator::includeEntry(int index) {
    entryStart("Include");
    const Folder& owner = folders[index % folders.size()];
    relativePath("include/" + owner.slug + "/" + subsystem + numbered("_%03ld.h", index));
    text.bare("Exclude", "False");
    text.bare("Project Flags", "0");
    text.quoted("Folder", "Include Files");
    text.bare("Folder Id", std::to_string(folders.size()));
}

void ProjectGenerator::otherEntry(const char* type, const char* extension,
                                  const std::string& folderName, int folderId) {
    entryStart(type);
    relativePath("res/" + subsystem + numbered("_%03ld", entryNumber) + extension);
    text.bare("Exclude", "False");
    text.bare("Project Flags", "0");
    text.quoted("Folder", folderName);
    // The folders of the other kinds are listed after the source and include folders.
    text.bare("Folder Id", std::to_string(folders.size() + folderId));
}

void ProjectGenerator::buildConfig(const char* name, bool release) {
    text.section(std::string("Default Build Config ") + name);
    text.quoted("Config Name", release ? "Release" : "Debug");
    text.bare("Is 64-Bit", "False");
    text.bare("Is Release", release ? "True" : "False");
    text.quoted("Default Calling Convention", "cdecl");
    text.quoted("Optimization Level", release ? "Optimize for speed (level 2)" : "Disabled");
    text.bare("Require Prototypes", "True");
    text.quoted("Selected Warning Level", "Common");
    text.bare("Stack Size", "250000");
    text.bare("Image Base Address", "4194304");
    text.quoted("Compiler Defines", defines);
    text.bare("Sign", "False");
    text.bare("Icon File Is Rel", "False");
    text.quoted("Icon File", "");
    text.quoted("Application Title", capitalised(subsystem) + " station");
    text.quoted("Runtime Support", "Full Runtime Support");
    text.quoted("Runtime Binding", "Shared");
    text.bare("Generate Map File", "False");
    text.quoted("Numeric File Version", "1,0,0,0");
    text.quoted("File Description",
                capitalised(subsystem) + (release ? " (Release x86)" : " (Debug x86)"));
    text.quoted("Original Filename", subsystem + ".exe");
}

void ProjectGenerator::tailSections() {
    text.section("Compiler Options");
    text.quoted("Default Calling Convention", "cdecl");
    text.bare("Require Prototypes", "True");
    text.bare("Enable C99 Extensions", "True");
    text.section("Run Options");
    text.bare("Stack Size", "250000");
    text.bare("Stack Commit", "4096");
    text.section("Compiler Defines");
    text.quoted("Compiler Defines", defines);
    text.section("Include Paths");
    for (int i = 1; i <= shape.includePathsPerProject; ++i) {
        const std::string key = "Include Path " + std::to_string(i);
        if (i % 2 == 1) {
            const std::string relative = numbered("../common/include/level%02ld", i);
            text.bare(key + " Is Rel", "True");
            text.quoted(key + " Rel To", "Project");
            text.quoted(key + " Rel Path", relative);
            text.quoted(key, cviForm(folder) + relative);
        } else {
            text.bare(key + " Is Rel", "False");
            text.quoted(key, "/c/Program Files (x86)/National Instruments/CVI2017/toolslib/" +
                                 std::string(nouns[i % nounCount]));
        }
    }
    text.section("Create Executable");
    text.bare("Executable File_Debug Is Rel", "True");
    text.quoted("Executable File_Debug Rel To", "Project");
    text.quoted("Executable File_Debug Rel Path", subsystem + "_dbg.exe");
    text.quoted("Executable File_Debug", cviForm(folder) + subsystem + "_dbg.exe");
    text.quoted("DLL Exports", "Include File Symbols");
    text.quoted("Where to Copy DLL", "Do not copy");
    text.section("External Compiler Support");
    text.bare("UIR Callbacks File Option", "0");
    text.bare("Using LoadExternalModule", "False");
}

void ProjectGenerator::generate(const std::string& path, const std::string& projectFolder,
                                const std::string& projectSubsystem) {
    folder = projectFolder;
    subsystem = projectSubsystem;
    folders = makeFolders(std::max(1, shape.foldersPerProject), random);
    defines = "/DWIN32_LEAN_AND_MEAN";
    for (int i = 1; i < shape.definesPerProject; ++i)
        defines += " /D" + capitalised(nouns[i % nounCount]) + numbered("_LEVEL%ld=", i) +
                   std::to_string(random.below(10));
    entryNumber = 0;
    sink.start(path);

    header(path);
    folderSection();
    const int used = std::min(static_cast<int>(folders.size()), shape.sourcesPerProject);
    figures.groups += used;
    for (int i = 0; i < shape.sourcesPerProject; ++i) {
        sourceEntry(i);
        if (i % 50 == 49)
            otherEntry("User Interface Resource", ".uir", "User Interface Files", 1);
        if (i % 100 == 99)
            otherEntry("Library", ".lib", "Library Files", 2);
        flushIfLarge();
    }
    for (int i = 0; i < shape.includeFilesPerProject; ++i)
        includeEntry(i);
    text.section("Custom Build Configs");
    text.bare("Num Custom Build Configs", "0");
    buildConfig("Debug", false);
    buildConfig("Release", true);
    tailSections();
    figures.inputBytes += text.text().size();
    sink.append(text.take());
}

/// "C:\ws" and "x" give "C:\ws\x\".
std::string subFolder(const std::string& folder, const std::string& name) {
    return name.empty() ? folder + "\\" : folder + "\\" + name + "\\";
}

} // namespace

GeneratedFigures generateWorkspace(const WorkspaceShape& shape, const std::string& name,
                                   const std::string& windowsFolder, FileSink& sink) {
    GeneratedFigures figures;
    figures.groups = 1 + static_cast<std::size_t>(shape.projects);
    Random random(shape.seed);
    struct Project {
        std::string directory;
        std::string subsystem;
    };
    std::vector<Project> projects;
    CviText workspace;
    workspace.section("Workspace Header");
    workspace.bare("Version", "1302");
    workspace.quoted("Pathname", cviForm(windowsFolder + "\\" + name + ".cws"));
    workspace.quoted("CVI Dir", "/c/program files (x86)/national instruments/cvi2017");
    workspace.bare("Number of Projects", std::to_string(shape.projects));
    workspace.bare("Active Project", "1");
    for (int p = 1; p <= shape.projects; ++p) {
        const std::string subsystem = subsystems[random.below(subsystemCount)];
        const std::string directory = numbered("p%04ld_", p) + subsystem;
        const std::string key = numbered("Project %04ld", p);
        workspace.quoted(key, directory + "/" + directory + ".prj");
        if (p % 3 == 0)
            workspace.bare(key + " Collapsed", "True");
        projects.push_back({directory, subsystem});
    }
    workspace.bare("Drag Bar Left", "240");
    workspace.bare("Window Top", "40");
    workspace.bare("Maximized", "True");
    for (int p = 1; p <= shape.projects; ++p) {
        workspace.section(numbered("Project Header %04ld", p));
        workspace.bare("Version", "1302");
        workspace.quoted("Build Configuration", "Debug");
        workspace.bare("Batch Build Release", "False");
    }
    sink.start(name + ".cws");
    figures.inputBytes += workspace.text().size();
    sink.append(workspace.take());

    ProjectGenerator generator(shape, random, sink, figures);
    for (const Project& project : projects)
        generator.generate(project.directory + "/" + project.directory + ".prj",
                           subFolder(windowsFolder, project.directory), project.subsystem);
    return figures;
}

GeneratedFigures generateProject(const WorkspaceShape& shape, const std::string& name,
                                 const std::string& windowsFolder, FileSink& sink) {
    GeneratedFigures figures;
    figures.groups = 1;
    Random random(shape.seed);
    ProjectGenerator generator(shape, random, sink, figures);
    generator.generate(name + ".prj", subFolder(windowsFolder, std::string()),
                       subsystems[random.below(subsystemCount)]);
    return figures;
}
