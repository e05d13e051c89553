#include "CompilationDatabaseStep.h"

#include <unordered_set>

#include "CaseOverlay.h"
#include "CaseOverlayWriter.h"
#include "CompilationDatabase.h"
#include "DiskNames.h"
#include "Errors.h"
#include "Host.h"
#include "LeftOut.h"
#include "OutputFile.h"
#include "ProjectGroup.h"
#include "StringHelpers.h"
#include "WindowsPath.h"

namespace {

/// What path names, for telling two paths apart: without "." and ".." parts, the drive letter
/// in upper case, and every letter where the host's names ignore case.
std::string placeOf(const std::string& path, bool ignoreCase) {
    std::string place = withoutDotParts(path);
    if (ignoreCase)
        return toUpper(place);
    if (place.size() >= 2 && place[1] == ':')
        place[0] = toUpper(place.substr(0, 1))[0];
    return place;
}

/// Every file of group and of the groups below it.
void addSources(const ProjectGroup& group, std::vector<RunFile>& files) {
    for (const std::string& file : group.getFiles())
        files.push_back({"the source file", file});
    for (const auto& subGroup : group.getSubGroups())
        addSources(*subGroup, files);
}

} // namespace

bool CompilationDatabaseStep::prepare() {
    return refusesNoRunFile() && (!inputs.append || readKeptEntries());
}

bool CompilationDatabaseStep::refusesNoRunFile() const {
    const bool ignoreCase = host.namesIgnoreCase();
    std::vector<RunFile> outputs = {{"the Compilation Database", inputs.path}};
    if (!ignoreCase)
        outputs.push_back({"the Case Overlay", caseOverlayPathOf(inputs.path)});
    std::vector<RunFile> files = inputs.runFiles;
    for (const DatabaseProject& project : inputs.projects)
        addSources(*project.group, files);
    DiskNames disk(host);
    // Where names heed case, a source the project names in another case than the disk is still
    // the file that an output spelt as on the disk would replace.
    auto replaces = [&](const RunFile& output, const RunFile& file) {
        if (placeOf(file.path, ignoreCase) == placeOf(output.path, ignoreCase))
            return true;
        const std::string existing = withoutDotParts(output.path);
        const std::optional<std::string> found = disk.find(withoutDotParts(file.path));
        return found && host.exists(existing) && placeOf(*found, false) == placeOf(existing, false);
    };
    // Each file's place is made once: a large workspace lists hundreds of thousands.
    std::vector<std::string> outputPlaces;
    for (const RunFile& output : outputs)
        outputPlaces.push_back(placeOf(output.path, true));
    std::vector<const RunFile*> replaced(outputs.size(), nullptr);
    for (const RunFile& file : files) {
        const std::string place = placeOf(file.path, true);
        for (std::size_t i = 0; i < outputs.size(); ++i)
            if (!replaced[i] && place == outputPlaces[i] && replaces(outputs[i], file))
                replaced[i] = &file;
    }
    for (std::size_t i = 0; i < outputs.size(); ++i)
        if (replaced[i]) {
            log.printError("Not written: " + outputs[i].role + " " + outputs[i].path +
                           " would replace " + replaced[i]->role + " " + replaced[i]->path);
            return false;
        }
    return true;
}

bool CompilationDatabaseStep::readKeptEntries() {
    // A database that is not there yet is made, as without appending.
    if (!host.exists(inputs.path))
        return true;
    std::optional<std::string> text;
    if (auto reader = host.openTextForReading(inputs.path))
        text = reader->readAll();
    if (!text) {
        log.printError("Not written: the Compilation Database " + inputs.path + " cannot be read");
        return false;
    }
    keptText = std::move(*text);
    std::optional<std::vector<ReadEntry>> entries = readCompilationDatabase(keptText);
    if (!entries) {
        log.printError("Not written: " + inputs.path + " is not a compilation database");
        return false;
    }
    kept = std::move(*entries);
    return true;
}

void CompilationDatabaseStep::write() {
    log.printLine("  Creating Compilation Database - " + inputs.path);
    overlay = caseOverlayPlace(inputs.path, host, log);
    if (!inputs.append) {
        OutputFile::create(host, inputs.path, [this](OutputFile& file) { writeEntries(file); });
    } else {
        // Written whole beside the old database before it takes its place: a run that fails
        // on the way leaves the entries of the other projects as they were.
        const std::string beside = inputs.path + ".new";
        try {
            OutputFile::create(host, beside, [this](OutputFile& file) { writeEntries(file); });
            if (!host.replaceFile(beside, inputs.path))
                throw IOERROR(2, inputs.path);
        } catch (const IOERROR&) {
            host.removeFile(beside);
            log.printError("The Compilation Database " + inputs.path + " is left as it was");
            throw IOERROR(2, inputs.path);
        }
    }
    if (overlay)
        writeCaseOverlay(overlay->path, searchedFolders, host, log);
}

std::unordered_set<std::string> CompilationDatabaseStep::sourcesWritten(DiskNames& disk) {
    std::unordered_set<std::string> files;
    LeftOut untold;
    for (const DatabaseProject& project : inputs.projects)
        for (const CompileSource& source : collectCompileSources(*project.group))
            if (std::optional<SourcePaths> paths = sourcePathsOf(source, disk, host, untold))
                files.insert(std::move(paths->file));
    return files;
}

void CompilationDatabaseStep::writeEntries(OutputFile& file) {
    const std::string overlayPath = overlay ? overlay->hostPath : std::string();
    DiskNames disk(host);
    std::string item;
    bool first = true;
    if (!kept.empty()) {
        const std::unordered_set<std::string> replaced = sourcesWritten(disk);
        for (const ReadEntry& entry : kept) {
            if (replaced.count(entry.file))
                continue;
            item = first ? "[\n  " : ",\n  ";
            item += entry.text;
            first = false;
            file.write(item);
            // Only an entry that passes an overlay can name this one.
            if (overlay && entry.text.find("-ivfsoverlay") != std::string_view::npos)
                if (std::optional<ReadEntry> whole = readDatabaseEntry(entry.text))
                    addKeptSearchedFolders(*whole);
        }
    }
    // Entries are written as they are made, never held together: a large workspace's database
    // runs to hundreds of megabytes. What the overlay needs of them is the folders they search,
    // far fewer, each kept once.
    LeftOutLines told(log, databaseLeftOutHeading);
    LeftOut leftOut;
    std::vector<std::string> searched;
    for (const DatabaseProject& project : inputs.projects) {
        // The CVI folders an entry searches depend on the build's width.
        const std::vector<std::string> cviFolders =
            cviHeaderFolders(inputs.cviDir, project.build, host);
        for (const CompileSource& source : collectCompileSources(*project.group)) {
            searched.clear();
            if (auto entry = makeDatabaseEntry(source, project.build, cviFolders, overlayPath, disk,
                                               host, leftOut, searched)) {
                item.clear();
                appendDatabaseItem(item, *entry, first);
                first = false;
                file.write(item);
                if (overlay)
                    for (std::string& folder : searched)
                        addSearchedFolder(std::move(folder));
            }
            told.tell(leftOut);
        }
    }
    file.write(databaseEnd(!first));
}

void CompilationDatabaseStep::addKeptSearchedFolders(const ReadEntry& entry) {
    const std::vector<std::string>& arguments = entry.arguments;
    const std::string joined = "-ivfsoverlay" + overlay->hostPath;
    bool namesOverlay = false;
    for (std::size_t i = 0; i < arguments.size(); ++i)
        namesOverlay = namesOverlay || arguments[i] == joined ||
                       (arguments[i] == "-ivfsoverlay" && i + 1 < arguments.size() &&
                        arguments[i + 1] == overlay->hostPath);
    if (!namesOverlay)
        return;
    // The folders as the entry gives them to clang: relative ones from its directory.
    auto hostFolder = [&entry](const std::string& folder) {
        return isAbsolutePath(folder) ? folder : entry.directory + "/" + folder;
    };
    const std::size_t leaf = entry.file.find_last_of("/\\");
    if (leaf != std::string::npos)
        addSearchedFolder(host.windowsPathOf(entry.file.substr(0, leaf + 1)));
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "-I" && i + 1 < arguments.size())
            addSearchedFolder(host.windowsPathOf(hostFolder(arguments[++i])));
        else if (arguments[i].size() > 2 && arguments[i].compare(0, 2, "-I") == 0)
            addSearchedFolder(host.windowsPathOf(hostFolder(arguments[i].substr(2))));
    }
}

void CompilationDatabaseStep::addSearchedFolder(std::string folder) {
    folder = withoutTrailingSeparator(std::move(folder));
    if (known.insert(folder).second)
        searchedFolders.push_back(std::move(folder));
}
