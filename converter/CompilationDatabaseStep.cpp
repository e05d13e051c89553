#include "CompilationDatabaseStep.h"

#include <unordered_set>

#include "CaseOverlay.h"
#include "CaseOverlayWriter.h"
#include "CompilationDatabase.h"
#include "DiskNames.h"
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

bool mayWriteCompilationDatabase(const DatabaseInputs& inputs, platform::Host& host,
                                 const RunLog& log) {
    const bool ignoreCase = host.namesIgnoreCase();
    std::vector<RunFile> outputs = {{"the Compilation Database", inputs.path}};
    if (!ignoreCase)
        outputs.push_back({"the Case Overlay", caseOverlayPathOf(inputs.path)});
    std::vector<RunFile> files = inputs.runFiles;
    for (const DatabaseProject& project : inputs.projects)
        addSources(*project.group, files);
    for (const RunFile& output : outputs) {
        const std::string place = placeOf(output.path, ignoreCase);
        for (const RunFile& file : files)
            if (placeOf(file.path, ignoreCase) == place) {
                log.printError("Not written: " + output.role + " " + output.path +
                               " would replace " + file.role + " " + file.path);
                return false;
            }
    }
    return true;
}

void writeCompilationDatabase(const DatabaseInputs& inputs, platform::Host& host,
                              const RunLog& log) {
    log.printLine("  Creating Compilation Database - " + inputs.path);
    const std::optional<CaseOverlayPlace> overlay = caseOverlayPlace(inputs.path, host, log);
    const std::string overlayPath = overlay ? overlay->hostPath : std::string();
    // Entries are written as they are made, never held together: a large workspace's database
    // runs to hundreds of megabytes. What the overlay needs of them is the folders they search,
    // far fewer, each kept once.
    std::vector<std::string> searchedFolders;
    std::unordered_set<std::string> known;
    OutputFile::create(host, inputs.path, [&](OutputFile& file) {
        LeftOutLines told(log, databaseLeftOutHeading);
        LeftOut leftOut;
        DiskNames disk(host);
        std::vector<std::string> searched;
        std::string item;
        bool first = true;
        for (const DatabaseProject& project : inputs.projects) {
            // The CVI folders an entry searches depend on the build's width.
            const std::vector<std::string> cviFolders =
                cviHeaderFolders(inputs.cviDir, project.build, host);
            for (const CompileSource& source : collectCompileSources(*project.group)) {
                searched.clear();
                if (auto entry = makeDatabaseEntry(source, project.build, cviFolders, overlayPath,
                                                   disk, host, leftOut, searched)) {
                    item.clear();
                    appendDatabaseItem(item, *entry, first);
                    first = false;
                    file.write(item);
                    if (overlay)
                        for (std::string& folder : searched)
                            if (known.insert(folder).second)
                                searchedFolders.push_back(std::move(folder));
                }
                told.tell(leftOut);
            }
        }
        file.write(databaseEnd(!first));
    });
    if (overlay)
        writeCaseOverlay(overlay->path, searchedFolders, host, log);
}
