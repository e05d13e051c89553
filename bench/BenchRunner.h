#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "WorkspaceGenerator.h"

/// How the benchmark runs.
struct BenchOptions {
    /// The Quorvel program to measure.
    std::string quorvel;
    /// The program that reads a file and splits it into lines and keys: the floor of
    /// the parse figure.
    std::string splitFloor;
    /// An empty folder for inputs and outputs; it is drive C: of every run. Every
    /// output is kept until the end (several gigabytes), so that no run writes where
    /// an earlier one deleted.
    std::filesystem::path work;
    /// Runs per measurement (the medians need at least 5).
    int runs = 5;
    std::uint64_t seed = 1;
};

/// Generates the inputs, measures the converter against the file-system work it does
/// and against a plain split of its input into lines and keys, and prints one table.
class BenchRunner {
public:
    BenchRunner(BenchOptions options, std::ostream& out);

    /// Measures every figure and prints the table; true when every target is met.
    /// Throws std::runtime_error when a run fails or its output is not what the
    /// generated input calls for.
    bool run();

private:
    /// A generated input and what its conversion holds.
    struct Input {
        std::string name;
        /// The workspace or project file, as a Windows path on drive C:.
        std::string source;
        GeneratedFigures figures;
    };

    Input generate(const std::string& name, const WorkspaceShape& shape, bool singleProject);
    /// The folder of input's outputs with the given name: "done", "run3", "cp2".
    std::filesystem::path outFolder(const Input& input, const std::string& folder) const;
    /// A new, empty output folder of input for one run of the given kind ("run", "cp").
    std::filesystem::path freshFolder(const Input& input, const std::string& kind);
    /// The project file that a conversion into folder writes.
    std::filesystem::path projectFile(const Input& input,
                                      const std::filesystem::path& folder) const;
    /// Converts input with its destination in folder, with a compilation database (and its
    /// case overlay) in it when asked, appended to the one there with append; throws when
    /// Quorvel fails.
    ChildRun convert(const Input& input, const std::filesystem::path& folder,
                     bool withDatabase = false, bool append = false);
    /// Converts input once into its "done" folder and checks the project file against
    /// the generated figures; the timed runs must match it byte for byte.
    void convertFinished(const Input& input);
    /// Throws when the project file written into folder differs from the finished one.
    void checkSameAsFinished(const Input& input, const std::filesystem::path& folder);
    /// Converts input into a fresh folder and checks the result.
    ChildRun timedConversion(const Input& input, bool withDatabase = false);
    /// Runs a reference command from the work folder; throws when it fails.
    ChildRun reference(const std::vector<std::string>& command);

    /// Each figure prints its rows; those with a target say whether it was met.
    bool wholeConversion();
    /// The large conversion with -cdb against cp -a of its output; prints the overlay's size.
    bool conversionWithDatabase(const Input& input, const std::string& label);
    /// The number of entries in a database Quorvel wrote.
    static std::size_t entriesIn(const std::filesystem::path& database);
    /// Makes every C source that the Corvane project file lists, empty; throws for one outside
    /// drive C:, the work folder.
    void makeSourcesOf(const std::filesystem::path& projectFile);
    void parseThroughput();
    bool scaling();
    bool peakMemory();

    /// One row of the table; target is empty for rows without one, and a negative ratio
    /// is left blank.
    void row(const std::string& figure, const std::string& size, const std::string& quorvel,
             const std::string& reference, double ratio, const std::string& target, bool met);
    void header();

    BenchOptions options;
    std::ostream& out;
    long largePeakKib = 0;
    std::size_t largePathBytes = 0;
    /// How many output folders of each input and kind were made.
    std::map<std::string, int> foldersMade;
};
