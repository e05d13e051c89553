#include "CompilationDatabaseWriter.h"

#include <set>

#include "CaseOverlayWriter.h"
#include "CompilationDatabase.h"
#include "Host.h"
#include "OutputFile.h"
#include "WorkspaceConverter.h"

void writeCompilationDatabase(const WorkspaceConverter& converter, const std::string& path) {
    platform::Host& host = converter.getHost();
    converter.printLine("  Creating Compilation Database - " + path);
    const std::vector<std::string> cviFolders = cviHeaderFolders(converter.getCviDir(), host);
    std::vector<DatabaseEntry> entries;
    // Each part left out is told once in a run, however many sources would carry it.
    std::set<std::string> told;
    for (const CompileSource& source : collectCompileSources(converter.getRootGroup())) {
        std::vector<std::string> leftOut;
        if (auto entry = makeDatabaseEntry(source, cviFolders, host, leftOut))
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
