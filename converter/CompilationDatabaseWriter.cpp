#include "CompilationDatabaseWriter.h"

#include "CompilationDatabase.h"
#include "Host.h"
#include "OutputFile.h"
#include "WorkspaceConverter.h"

void writeCompilationDatabase(const WorkspaceConverter& converter, const std::string& path) {
    platform::Host& host = converter.getHost();
    converter.printLine("  Creating Compilation Database - " + path);
    const std::vector<std::string> cviFolders = cviHeaderFolders(converter.getCviDir(), host);
    std::vector<DatabaseEntry> entries;
    for (const CompileSource& source : collectCompileSources(converter.getRootGroup())) {
        std::string unwritable;
        if (auto entry = makeDatabaseEntry(source, cviFolders, host, unwritable))
            entries.push_back(std::move(*entry));
        else
            converter.printError("Left out of the Compilation Database: " + source.file +
                                 " (cannot be written as UTF-8: " + unwritable + ")");
    }
    const std::string text = renderCompilationDatabase(entries);
    OutputFile::create(host, path, [&text](OutputFile& file) { file.write(text); });
}
