#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "WorkspaceGenerator.h"

/// How the benchmark runs.
struct BenchOptions {
    /// The Quorvel program to measure.
    std::string quorvel;
    /// An empty folder for inputs and outputs; it is drive C: of every run.
    std::filesystem::path work;
    /// Runs per measurement (the medians need at least 5).
    int runs = 5;
    std::uint64_t seed = 1;
};

/// Generates the inputs, measures the converter against the file-system work it does
/// and against a plain read of its input, and prints one table.
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
    /// Converts input into C:\out\<name>\<folder>, which must exist and be empty.
    ChildRun convert(const Input& input, const std::string& folder);
    /// Converts input once into C:\out\<name>\done and checks the project file against
    /// the generated figures; the later runs must match it byte for byte.
    void convertFinished(const Input& input);
    /// Throws when the project file of folder differs from the finished one.
    void checkSameAsFinished(const Input& input, const std::string& folder);
    std::filesystem::path outFolder(const Input& input, const std::string& folder) const;
    /// Converts input into its "run" folder and checks the result against the finished one.
    ChildRun timedConversion(const Input& input);
    /// Runs a reference command from the work folder; throws when it fails.
    ChildRun reference(const std::vector<std::string>& command);
    /// Empties the given output folders of input and settles the disk.
    void freshFolders(const Input& input, const std::vector<std::string>& folders);

    bool wholeConversion();
    bool parseThroughput();
    bool scaling();
    bool peakMemory();

    /// One row of the table; target is empty for rows without one.
    void row(const std::string& figure, const std::string& size, const std::string& quorvel,
             const std::string& reference, double ratio, const std::string& target, bool met);
    void header();

    BenchOptions options;
    std::ostream& out;
    long largePeakKib = 0;
    std::size_t largePathBytes = 0;
};
