#pragma once

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "CaseOverlayWriter.h"
#include "DatabaseFile.h"
#include "DatabaseInputs.h"
#include "RunLog.h"

namespace platform {
class Host;
}
class DiskNames;
class OutputFile;

/// The compilation database step of a run: the entry of every C source of its projects, and
/// where the host's names heed letter case the case overlay beside the database. Made before
/// anything of the run is written, so that prepare can stop the run; write comes after the
/// project file.
class CompilationDatabaseStep {
public:
    /// host and log must outlive the step.
    CompilationDatabaseStep(DatabaseInputs inputs, platform::Host& host, const RunLog& log)
        : inputs(std::move(inputs)), host(host), log(log) {}

    /// True when the database and its overlay may be written. False, after one line on the
    /// error stream, when one of them would replace a file the run reads or writes (a run file
    /// of the inputs or a source of its projects), or when the entries to be kept cannot be
    /// read from a file that is not a compilation database.
    bool prepare();

    /// Writes the database, after its console line, then the overlay. What an entry leaves out
    /// is told on the error stream, one line for each distinct part in the run. An appended
    /// database is written beside the old one and takes its place once whole. Throws IOERROR
    /// code 2 when a file cannot be written.
    void write();

private:
    /// True when no output names a file the run reads or writes; else tells which.
    bool refusesNoRunFile() const;
    /// Reads the entries an appended database keeps; false, after its line, when it has none
    /// to give.
    bool readKeptEntries();
    /// Writes the kept entries that this run does not replace, then this run's own, to file.
    void writeEntries(OutputFile& file);
    /// The UTF-8 host paths of the sources this run writes an entry for.
    std::unordered_set<std::string> sourcesWritten(DiskNames& disk);
    /// Adds the folders that a kept entry naming the overlay searches.
    void addKeptSearchedFolders(const ReadEntry& entry);
    /// Adds a searched folder, once.
    void addSearchedFolder(std::string folder);

    DatabaseInputs inputs;
    platform::Host& host;
    const RunLog& log;
    std::optional<CaseOverlayPlace> overlay;
    /// The text of an appended database as it was, and its entries, in order.
    std::string keptText;
    std::vector<ReadEntry> kept;
    /// What the overlay lists: the folders the entries search, each once, in the order met.
    std::vector<std::string> searchedFolders;
    std::unordered_set<std::string> known;
};
