#include "CompilationDatabaseStep.h"

#include <unordered_set>

#include "CaseOverlayWriter.h"
#include "CompilationDatabase.h"
#include "LeftOut.h"
#include "OutputFile.h"

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
                                                   host, leftOut, searched)) {
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
