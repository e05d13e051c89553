#include "CompilationDatabaseWriter.h"

#include <map>
#include <set>

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
    std::vector<DatabaseEntry> entries;
    // Each part left out is told once in a run, however many sources would carry it.
    std::set<std::string> told;
    for (const CompileSource& source : collectCompileSources(converter.getRootGroup(), projects)) {
        const auto& [build, cviFolders] = builds.at(source.project);
        std::vector<std::string> leftOut;
        if (auto entry = makeDatabaseEntry(source, *build, cviFolders, host, leftOut))
            entries.push_back(std::move(*entry));
        for (const std::string& part : leftOut)
            if (told.insert(part).second)
                converter.printError("Left out of the Compilation Database: " + part);
    }
    const std::optional<std::string> overlay = prepareCaseOverlay(converter, path, entries);
    OutputFile::create(host, path, [&entries](OutputFile& file) {
        renderCompilationDatabase(entries, [&file](std::string_view piece) { file.write(piece); });
    });
    if (overlay)
        writeCaseOverlay(converter, *overlay, entries);
}
