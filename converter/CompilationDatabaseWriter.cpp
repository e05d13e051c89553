#include "CompilationDatabaseWriter.h"

#include <map>
#include <set>
#include <unordered_set>

#include "CaseOverlay.h"
#include "CaseOverlayWriter.h"
#include "CompilationDatabase.h"
#include "Host.h"
#include "OutputFile.h"
#include "WorkspaceConverter.h"

void writeCompilationDatabase(const WorkspaceConverter& converter, const std::string& path) {
    platform::Host& host = converter.getHost();
    converter.printLine("  Creating Compilation Database - " + path);
    // Each project's configuration, and the CVI folders it searches, which depend on its width.
    std::set<const ProjectGroup*> projects;
    std::map<const ProjectGroup*, std::pair<const CviBuild*, std::vector<std::string>>> builds;
    // A tree filled by hand has no projects read: its sources build "Debug".
    std::string missed;
    const CviBuild debug = chooseBuild(CviProjectConfigs(), "", "", missed);
    builds.emplace(nullptr,
                   std::make_pair(&debug, cviHeaderFolders(converter.getCviDir(), debug, host)));
    for (const ProjectBuild& project : converter.getProjectBuilds()) {
        projects.insert(project.group);
        builds.emplace(project.group,
                       std::make_pair(&project.build, cviHeaderFolders(converter.getCviDir(),
                                                                       project.build, host)));
    }
    const std::optional<CaseOverlayPlace> overlay = caseOverlayPlace(converter, path);
    // Entries are written as they are made, never held together: a large workspace's database
    // runs to hundreds of megabytes. What the overlay needs of them is the folders they search,
    // far fewer, each kept once.
    std::vector<std::string> searchedFolders;
    std::unordered_set<std::string> searched;
    OutputFile::create(host, path, [&](OutputFile& file) {
        // Each part left out is told once in a run, however many sources would carry it.
        std::set<std::string> told;
        std::string item;
        bool first = true;
        for (const CompileSource& source :
             collectCompileSources(converter.getRootGroup(), projects)) {
            const auto& [build, cviFolders] = builds.at(source.project);
            std::vector<std::string> leftOut;
            if (auto entry = makeDatabaseEntry(source, *build, cviFolders, host, leftOut)) {
                if (overlay) {
                    passCaseOverlay(*entry, overlay->hostPath);
                    for (std::string& folder : entry->searchedFolders)
                        if (searched.insert(folder).second)
                            searchedFolders.push_back(std::move(folder));
                }
                item.clear();
                appendDatabaseItem(item, *entry, first);
                first = false;
                file.write(item);
            }
            for (const std::string& part : leftOut)
                if (told.insert(part).second)
                    converter.printError("Left out of the Compilation Database: " + part);
        }
        file.write(databaseEnd(!first));
    });
    if (overlay)
        writeCaseOverlay(converter, overlay->path, searchedFolders);
}
