#include "CompilationDatabaseWriter.h"

#include "CompilationDatabase.h"
#include "Errors.h"
#include "Host.h"
#include "WorkspaceConverter.h"

namespace {

/// Creates or truncates the file at path and writes text to it. Throws IOERROR code 2 when
/// the file cannot be opened or closed.
void writeDatabaseFile(platform::Host& host, const std::string& path, const std::string& text) {
    auto file = host.openTextForWriting(path);
    if (!file)
        throw IOERROR(2, path);
    file->write(text);
    if (!file->close())
        throw IOERROR(2, path);
}

} // namespace

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
    writeDatabaseFile(host, path, renderCompilationDatabase(entries));
}
