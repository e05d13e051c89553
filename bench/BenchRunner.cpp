#include "BenchRunner.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <stdexcept>
#include <unistd.h>

#include "FolderSink.h"
#include "Measurement.h"
#include "ProjectFileSummary.h"

namespace {

/// Counts what would be written, for sizing a file before generating it.
class CountingSink : public FileSink {
public:
    void start(const std::string&) override {}
    void append(const std::string& bytes) override { total += bytes.size(); }
    std::size_t total = 0;
};

/// The shape of the workspaces: a folder per five files, as CVI users tend to have.
WorkspaceShape workspaceShape(int projects, int files, std::uint64_t seed) {
    WorkspaceShape shape;
    shape.projects = projects;
    shape.sourcesPerProject = files;
    shape.foldersPerProject = std::max(1, files / 5);
    shape.includeFilesPerProject = std::max(1, files / 10);
    shape.seed = seed;
    return shape;
}

/// The smallest input the parse figure reads.
constexpr std::size_t largeFileBytes = 50u << 20;
constexpr double mebibyte = 1024.0 * 1024.0;
/// The case overlay that Quorvel writes beside compile_commands.json on this system.
const char* const overlayName = "compile_commands.overlay.json";

std::string milliseconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", seconds * 1e3);
    return text;
}

std::string withCommas(std::size_t number) {
    std::string digits = std::to_string(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

std::string firstLineOf(const std::string& path, const std::string& prefix) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
        if (line.compare(0, prefix.size(), prefix) == 0)
            return line.substr(line.find(':') + 2);
    return "unknown";
}

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

/// Before every timed command: what the last one wrote goes to disk now, not during it.
void settle() {
    sync();
}

} // namespace

BenchRunner::BenchRunner(BenchOptions options, std::ostream& out)
    : options(std::move(options)), out(out) {}

BenchRunner::Input BenchRunner::generate(const std::string& name, const WorkspaceShape& shape,
                                         bool singleProject) {
    const std::string folder = "C:\\ws\\" + name;
    FolderSink sink(options.work / "ws" / name);
    Input input;
    input.name = name;
    if (singleProject) {
        input.figures = generateProject(shape, name, folder, sink);
        input.source = folder + "\\" + name + ".prj";
    } else {
        input.figures = generateWorkspace(shape, name, folder, sink);
        input.source = folder + "\\" + name + ".cws";
    }
    return input;
}

std::filesystem::path BenchRunner::outFolder(const Input& input, const std::string& folder) const {
    return options.work / "out" / input.name / folder;
}

std::filesystem::path BenchRunner::freshFolder(const Input& input, const std::string& kind) {
    const int number = ++foldersMade[input.name + "/" + kind];
    const std::filesystem::path folder = outFolder(input, kind + std::to_string(number));
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path BenchRunner::projectFile(const Input& input,
                                               const std::filesystem::path& folder) const {
    return folder / "out" / (input.name + ".prj");
}

ChildRun BenchRunner::convert(const Input& input, const std::filesystem::path& folder,
                              bool withDatabase, bool append) {
    // Every run writes D:\out, drive D: being a folder of its own: the files of all runs
    // match byte for byte, and no run makes its folders where an earlier one deleted
    // (ext4 passes over recently freed inodes one by one when it allocates).
    std::filesystem::create_directories(folder / "out");
    std::vector<std::string> command = {options.quorvel, input.source, "C:\\cvi", "D:\\out"};
    if (withDatabase)
        command.insert(command.end(),
                       {append ? "-cdbappend" : "-cdb", "D:\\out\\compile_commands.json"});
    const ChildRun run = runChild(
        command, options.work.string(),
        {{"QUORVEL_DRIVE_C", options.work.string()}, {"QUORVEL_DRIVE_D", folder.string()}});
    if (run.status != 0)
        throw std::runtime_error("Quorvel failed on " + input.source + " with status " +
                                 std::to_string(run.status));
    return run;
}

void BenchRunner::convertFinished(const Input& input) {
    convert(input, outFolder(input, "done"));
    std::ifstream file(projectFile(input, outFolder(input, "done")), std::ios::binary);
    const ProjectFileSummary summary = summariseProjectFile(file);
    if (summary.groups != input.figures.groups || summary.files != input.figures.sourceEntries ||
        summary.fileBytes != input.figures.sourcePathBytes)
        throw std::runtime_error(
            "the conversion of " + input.source +
            " does not hold what was generated: " + std::to_string(summary.groups) + " groups, " +
            std::to_string(summary.files) + " files");
}

void BenchRunner::checkSameAsFinished(const Input& input, const std::filesystem::path& folder) {
    // Compared piece by piece: the runner's own memory shows in the peak of the
    // programs it starts, so it holds no file whole.
    std::ifstream made(projectFile(input, folder), std::ios::binary);
    std::ifstream finished(projectFile(input, outFolder(input, "done")), std::ios::binary);
    std::string a(1 << 16, '\0');
    std::string b(1 << 16, '\0');
    for (;;) {
        made.read(&a[0], static_cast<std::streamsize>(a.size()));
        finished.read(&b[0], static_cast<std::streamsize>(b.size()));
        if (made.gcount() != finished.gcount() ||
            a.compare(0, made.gcount(), b, 0, finished.gcount()) != 0)
            throw std::runtime_error("a run of " + input.source + " wrote another project file");
        if (made.gcount() == 0)
            return;
    }
}

ChildRun BenchRunner::timedConversion(const Input& input, bool withDatabase) {
    const std::filesystem::path folder = freshFolder(input, withDatabase ? "cdbrun" : "run");
    const ChildRun run = convert(input, folder, withDatabase);
    checkSameAsFinished(input, folder);
    if (withDatabase && !std::filesystem::is_regular_file(folder / "out" / overlayName))
        throw std::runtime_error("a run of " + input.source + " with -cdb wrote no case overlay");
    return run;
}

ChildRun BenchRunner::reference(const std::vector<std::string>& command) {
    const ChildRun run = runChild(command, options.work.string(), {});
    if (run.status != 0)
        throw std::runtime_error(command.front() + " failed with status " +
                                 std::to_string(run.status));
    return run;
}

std::size_t BenchRunner::entriesIn(const std::filesystem::path& database) {
    std::ifstream file(database);
    std::size_t entries = 0;
    for (std::string line; std::getline(file, line);)
        entries += line.compare(0, 13, "    \"file\": ") == 0;
    return entries;
}

void BenchRunner::makeSourcesOf(const std::filesystem::path& projectFile) {
    std::ifstream file(projectFile);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // A section's file lines are the ones that are neither keys nor markers; the
        // database's entries are its C sources.
        const bool cSource = line.size() > 2 && (line.compare(line.size() - 2, 2, ".c") == 0 ||
                                                 line.compare(line.size() - 2, 2, ".C") == 0);
        if (!cSource || line.find('=') != std::string::npos)
            continue;
        // A rooted path lies on the current drive, C:.
        const std::size_t root = line.compare(0, 3, "C:\\") == 0 ? 3 : line[0] == '\\' ? 1 : 0;
        if (root == 0 || line.compare(0, 2, "\\\\") == 0)
            throw std::runtime_error("a generated source lies outside drive C: " + line);
        std::string path = options.work.string() + "/" + line.substr(root);
        std::replace(path.begin(), path.end(), '\\', '/');
        const std::filesystem::path source(path);
        std::filesystem::create_directories(source.parent_path());
        std::ofstream{source};
    }
}

void BenchRunner::header() {
    char hostName[256] = {};
    gethostname(hostName, sizeof hostName - 1);
    out << "Quorvel benchmark: " << options.runs << " runs a measurement, medians, seed "
        << options.seed << "\n";
    out << "machine: " << hostName << ", " << firstLineOf("/proc/cpuinfo", "model name") << ", "
        << sysconf(_SC_NPROCESSORS_ONLN) << " cores, load " << loadAverage() << " at start\n\n";
    char line[200];
    std::snprintf(line, sizeof line, "%-26s %-26s %-11s %-20s %6s  %-8s\n", "figure", "input",
                  "quorvel", "reference", "ratio", "target");
    out << line;
}

void BenchRunner::row(const std::string& figure, const std::string& input,
                      const std::string& quorvel, const std::string& reference, double ratio,
                      const std::string& target, bool met) {
    const char* verdict = target.empty() ? "" : met ? "met" : "MISSED";
    char shown[16] = "";
    if (ratio >= 0)
        std::snprintf(shown, sizeof shown, "%.2f", ratio);
    char line[200];
    std::snprintf(line, sizeof line, "%-26s %-26s %-11s %-20s %6s  %-8s %s\n", figure.c_str(),
                  input.c_str(), quorvel.c_str(), reference.c_str(), shown, target.c_str(),
                  verdict);
    out << line << std::flush;
}

bool BenchRunner::wholeConversion() {
    struct Size {
        const char* name;
        int projects;
        int files;
    };
    bool met = true;
    for (const Size size :
         {Size{"small", 10, 100}, Size{"medium", 200, 500}, Size{"large", 2000, 100}}) {
        const Input input =
            generate(size.name, workspaceShape(size.projects, size.files, options.seed), false);
        convertFinished(input);
        // cp -a makes the same folders and files again, from the finished tree.
        const std::string finished = (outFolder(input, "done") / "out" / ".").string();
        auto copy = [&] {
            return reference({"cp", "-a", finished, freshFolder(input, "cp").string()});
        };
        const auto samples =
            interleaved(options.runs, {[&] { return timedConversion(input); }, copy}, settle);
        const double ratio = median(roundRatios(samples[0], samples[1]));
        const bool isLarge = std::string(size.name) == "large";
        if (isLarge) {
            met = ratio <= 1.5;
            largePeakKib = samples[0].peakKib;
            largePathBytes = input.figures.sourcePathBytes;
        }
        const std::string label = std::string(size.name) + " " + std::to_string(size.projects) +
                                  " x " + std::to_string(size.files);
        row("1 conversion / cp -a", label, milliseconds(median(samples[0].seconds)),
            "cp -a " + milliseconds(median(samples[1].seconds)), ratio, isLarge ? "<= 1.5" : "",
            met);
        if (isLarge)
            met = conversionWithDatabase(input, label) && met;
    }
    return met;
}

bool BenchRunner::conversionWithDatabase(const Input& input, const std::string& label) {
    // The generated projects name sources that are not there, which the database leaves out:
    // they are made first, empty, from the finished conversion's project file.
    makeSourcesOf(projectFile(input, outFolder(input, "done")));
    const std::filesystem::path done = outFolder(input, "cdbdone");
    convert(input, done, true);
    const std::string finished = (done / "out" / ".").string();
    auto copy = [&] {
        return reference({"cp", "-a", finished, freshFolder(input, "cdbcp").string()});
    };
    const auto samples =
        interleaved(options.runs, {[&] { return timedConversion(input, true); }, copy}, settle);
    const double ratio = median(roundRatios(samples[0], samples[1]));
    const bool met = ratio <= 1.5;
    row("1 with -cdb / cp -a", label, milliseconds(median(samples[0].seconds)),
        "cp -a " + milliseconds(median(samples[1].seconds)), ratio, "<= 1.5", met);
    // Appending into a database that holds every entry of the run already: each is read back
    // and replaced, against a plain -cdb run.
    auto appended = [&] {
        const std::filesystem::path folder = freshFolder(input, "cdbappend");
        std::filesystem::create_directories(folder / "out");
        std::filesystem::copy_file(done / "out" / "compile_commands.json",
                                   folder / "out" / "compile_commands.json");
        const ChildRun run = convert(input, folder, true, true);
        // Each entry names its own run's overlay: the count of entries is what must not change.
        if (entriesIn(folder / "out" / "compile_commands.json") !=
            entriesIn(done / "out" / "compile_commands.json"))
            throw std::runtime_error("appending " + input.source +
                                     " to its own database changed its entries");
        return run;
    };
    const auto appends =
        interleaved(options.runs, {appended, [&] { return timedConversion(input, true); }}, settle);
    const double appendRatio = median(roundRatios(appends[0], appends[1]));
    row("1 -cdbappend / -cdb", label, milliseconds(median(appends[0].seconds)),
        "-cdb " + milliseconds(median(appends[1].seconds)), appendRatio, "<= 1.5",
        appendRatio <= 1.5);
    const auto database = std::filesystem::file_size(done / "out" / "compile_commands.json");
    const auto overlay = std::filesystem::file_size(done / "out" / overlayName);
    char sizes[160];
    std::snprintf(sizes, sizeof sizes, "  (large: database %.1f MiB, case overlay %.1f MiB)\n",
                  database / mebibyte, overlay / mebibyte);
    out << sizes;
    return met && appendRatio <= 1.5;
}

void BenchRunner::parseThroughput() {
    WorkspaceShape shape = workspaceShape(1, 0, options.seed);
    shape.foldersPerProject = 20;
    shape.includeFilesPerProject = 500;
    shape.includePathsPerProject = 8;
    shape.definesPerProject = 8;
    // Sized from two small trial runs, so that the file is large enough whatever an
    // entry's length turns out to be.
    std::size_t trial[2];
    for (int i = 0; i < 2; ++i) {
        CountingSink counter;
        shape.sourcesPerProject = 1000 * (i + 1);
        generateProject(shape, "parse", "C:\\ws\\parse", counter);
        trial[i] = counter.total;
    }
    const std::size_t perEntry = (trial[1] - trial[0]) / 1000;
    shape.sourcesPerProject =
        1000 + static_cast<int>((largeFileBytes - trial[0]) / perEntry * 101 / 100);
    const Input input = generate("parse", shape, true);
    if (input.figures.inputBytes < largeFileBytes)
        throw std::runtime_error("the large project file came out too small");
    convertFinished(input);
    const std::vector<std::string> split = {options.splitFloor,
                                            (options.work / "ws" / "parse" / "parse.prj").string()};
    const auto samples = interleaved(
        options.runs, {[&] { return timedConversion(input); }, [&] { return reference(split); }},
        settle);
    const double ratio = median(roundRatios(samples[0], samples[1]));
    char size[64];
    std::snprintf(size, sizeof size, "parse.prj %.1f MiB", input.figures.inputBytes / mebibyte);
    // No target: the floor is work that no reader avoids, not a cost a converter can reach.
    row("2 parse / line split", size, milliseconds(median(samples[0].seconds)),
        "split " + milliseconds(median(samples[1].seconds)), ratio, "", true);
}

bool BenchRunner::scaling() {
    // The same ten projects without a file give the cost that does not grow with the
    // entries (starting a process alone takes milliseconds on some machines); it is
    // taken off before the rest is shared out among the entries.
    const std::vector<int> factors = {0, 1, 10, 100};
    std::vector<Input> inputs;
    // A size runs 100 / factor times a round, so that every size is timed over about the
    // same stretch of each round: a moment of load then weighs on all of them alike,
    // rather than deciding a small run that lasts only milliseconds.
    std::vector<int> runsPerRound;
    for (const int factor : factors) {
        inputs.push_back(generate("scale" + std::to_string(factor),
                                  workspaceShape(10, 100 * factor, options.seed), false));
        runsPerRound.push_back(100 / std::max(1, factor));
    }
    std::vector<std::function<ChildRun()>> commands;
    for (const Input& input : inputs) {
        convertFinished(input);
        commands.push_back([&] { return timedConversion(input); });
    }
    const auto samples = interleaved(options.runs, commands, settle, runsPerRound);
    const double fixed = median(samples[0].seconds);
    row("3 fixed cost of a run", "10 projects, no files", milliseconds(fixed), "", -1, "", true);
    std::vector<double> perEntry;
    for (std::size_t i = 1; i < inputs.size(); ++i) {
        const double total = median(samples[i].seconds);
        perEntry.push_back((total - fixed) / inputs[i].figures.sourceEntries);
        char cost[32];
        std::snprintf(cost, sizeof cost, "%.2f us/entry", perEntry.back() * 1e6);
        row("3 time per entry",
            std::to_string(factors[i]) + "x, " + withCommas(inputs[i].figures.sourceEntries) +
                " entries",
            milliseconds(total), cost, perEntry.back() / perEntry.front(), "", true);
    }
    const auto [least, most] = std::minmax_element(perEntry.begin(), perEntry.end());
    const double ratio = *most / *least;
    row("3 largest / smallest", "time per entry", "", "", ratio, "<= 1.3", ratio <= 1.3);
    out << "  (figure 3 runs";
    for (std::size_t i = 0; i < factors.size(); ++i)
        out << (i == 0 ? " " : ", ") << runsPerRound[i] << " x " << factors[i] << "x";
    out << " a round; a round counts the mean of its runs)\n";
    return ratio <= 1.3;
}

bool BenchRunner::peakMemory() {
    const double peak = largePeakKib * 1024.0;
    const double allowance = 16 * mebibyte;
    const double ratio = (peak - allowance) / largePathBytes;
    char size[64];
    std::snprintf(size, sizeof size, "large, paths %.1f MiB", largePathBytes / mebibyte);
    char measured[32];
    std::snprintf(measured, sizeof measured, "%.1f MiB", peak / mebibyte);
    char bound[32];
    std::snprintf(bound, sizeof bound, "bound %.1f MiB",
                  (3 * largePathBytes + allowance) / mebibyte);
    row("4 (peak - 16 MiB) / paths", size, measured, bound, ratio, "<= 3", ratio <= 3);
    // A started program's peak counts what this process held when it started it.
    if (ownPeakKib() >= largePeakKib)
        out << "  (the runner's own peak, " << ownPeakKib() / 1024
            << " MiB, hides the converter's: the figure is an upper bound)\n";
    return ratio <= 3;
}

bool BenchRunner::run() {
    header();
    bool met = wholeConversion();
    parseThroughput();
    met = scaling() && met;
    met = peakMemory() && met;
    out << "\nload " << loadAverage() << " at the end; targets " << (met ? "all met" : "MISSED")
        << "\n";
    return met;
}
