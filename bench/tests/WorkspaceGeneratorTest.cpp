#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "ProjectFileSummary.h"
#include "WorkspaceConverter.h"
#include "WorkspaceGenerator.h"

namespace {

/// Keeps generated files in memory, and how many pieces each arrived in.
struct MemorySink : FileSink {
    void start(const std::string& path) override {
        current = path;
        order.push_back(path);
        files[path];
    }
    void append(const std::string& bytes) override {
        files[current] += bytes;
        ++pieces[current];
    }
    std::size_t totalBytes() const {
        std::size_t total = 0;
        for (const auto& [path, bytes] : files)
            total += bytes.size();
        return total;
    }
    std::string current;
    std::vector<std::string> order;
    std::map<std::string, std::string> files;
    std::map<std::string, int> pieces;
};

WorkspaceShape smallShape(std::uint64_t seed = 7) {
    WorkspaceShape shape;
    shape.projects = 3;
    shape.sourcesPerProject = 120;
    shape.foldersPerProject = 9;
    shape.includeFilesPerProject = 12;
    shape.includePathsPerProject = 5;
    shape.definesPerProject = 6;
    shape.seed = seed;
    return shape;
}

ProjectFileSummary summarise(const std::string& bytes) {
    std::istringstream file(bytes);
    return summariseProjectFile(file);
}

std::size_t countLines(const std::string& text, const std::string& start) {
    std::size_t count = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        count += line.compare(0, start.size(), start) == 0;
    return count;
}

/// Converts what sink holds, placed in folder, with Quorvel's own converter.
struct Conversion {
    Conversion(const MemorySink& sink, const std::string& folder, const std::string& source) {
        for (const auto& [path, bytes] : sink.files) {
            std::string windows = folder + "\\" + path;
            std::replace(windows.begin(), windows.end(), '/', '\\');
            host.addFile(windows, bytes);
        }
        host.addFolder("C:\\out");
        converter =
            std::make_unique<WorkspaceConverter>(source, "C:\\cvi", "C:\\out", host, console);
        converter->setProjectName("bench");
        status = converter->run();
    }
    FakeHost host;
    std::ostringstream console;
    std::unique_ptr<WorkspaceConverter> converter;
    int status = -1;
};

} // namespace

TEST(WorkspaceGenerator, GivesTheSameFilesForASeedAndOthersForAnotherSeed) {
    MemorySink first, again, other;
    generateWorkspace(smallShape(7), "ws", "C:\\ws", first);
    generateWorkspace(smallShape(7), "ws", "C:\\ws", again);
    generateWorkspace(smallShape(8), "ws", "C:\\ws", other);
    EXPECT_EQ(first.files, again.files);
    EXPECT_NE(first.files, other.files);
    EXPECT_EQ(first.order.front(), "ws.cws");
    EXPECT_EQ(first.order.size(), 4u);
}

TEST(WorkspaceGenerator, FiguresAreWhatTheConverterHoldsAndWrites) {
    MemorySink sink;
    const GeneratedFigures figures = generateWorkspace(smallShape(), "ws", "C:\\ws", sink);
    EXPECT_EQ(figures.inputBytes, sink.totalBytes());
    EXPECT_EQ(figures.groups, 1u + 3u + 3u * 9u);
    // A few entries are excluded; the rest is held.
    EXPECT_LT(figures.sourceEntries, 3u * 120u);
    EXPECT_GT(figures.sourceEntries, 3u * 120u * 9u / 10u);

    Conversion conversion(sink, "C:\\ws", "C:\\ws\\ws.cws");
    ASSERT_EQ(conversion.status, 0) << conversion.console.str();
    const ProjectFileSummary summary = summarise(conversion.host.fileBytes("C:\\out\\bench.prj"));
    EXPECT_EQ(summary.groups, figures.groups);
    EXPECT_EQ(summary.files, figures.sourceEntries);
    EXPECT_EQ(summary.fileBytes, figures.sourcePathBytes);
}

TEST(WorkspaceGenerator, EveryProjectGivesIncludeFoldersAndDefinitionsToItsPersonality) {
    MemorySink sink;
    generateWorkspace(smallShape(), "ws", "C:\\ws", sink);
    Conversion conversion(sink, "C:\\ws", "C:\\ws\\ws.cws");
    ASSERT_EQ(conversion.status, 0);
    const auto& projects = conversion.converter->getRootGroup().getSubGroups();
    ASSERT_EQ(projects.size(), 3u);
    for (const auto& project : projects) {
        // One folder per source folder that has headers, and every include-path line.
        EXPECT_EQ(project->getIncludePaths().size(), 9u + 5u) << project->getName();
        EXPECT_EQ(project->getDefines().size(), 6u) << project->getName();
        EXPECT_EQ(project->getSubGroups().size(), 9u);
        const std::string personality = conversion.host.fileBytes(
            "C:\\out\\ws\\" + project->getName() + "\\person\\" + project->getName() + ".p_a");
        EXPECT_EQ(countLines(personality, "-i \""), 14u);
        EXPECT_EQ(countLines(personality, "-d \""), 6u);
    }
}

TEST(WorkspaceGenerator, WritesValuesTheWayCviDoesLongOnesSplitIntoParts) {
    MemorySink sink;
    generateWorkspace(smallShape(), "ws", "C:\\ws", sink);
    const std::string& project = sink.files.at(sink.order[1]);
    EXPECT_EQ(project.compare(0, 18, "[Project Header]\r\n"), 0);
    EXPECT_NE(project.find("Path Line0002 = \""), std::string::npos);
    EXPECT_NE(project.find("Compiler Defines Line0001 = \"/DWIN32_LEAN_AND_MEAN /D"),
              std::string::npos);
    EXPECT_NE(project.find("\r\n[Include Paths]\r\nInclude Path 1 Is Rel = True\r\n"),
              std::string::npos);
    EXPECT_EQ(project.find("\n\n"), std::string::npos);
    EXPECT_EQ(countLines(project, "File Type = \"CSource\""), 120u);
    EXPECT_EQ(countLines(project, "File Type = \"Include\""), 12u);
}

TEST(WorkspaceGenerator, OneProjectFileHoldsItsFolderGroupsBelowTheRoot) {
    WorkspaceShape shape = smallShape();
    shape.sourcesPerProject = 4000;
    shape.foldersPerProject = 25;
    MemorySink sink;
    const GeneratedFigures figures = generateProject(shape, "big", "C:\\one", sink);
    ASSERT_EQ(sink.order, std::vector<std::string>{"big.prj"});
    // A file of more than a megabyte arrives in pieces, so none is held whole.
    EXPECT_GT(sink.files["big.prj"].size(), 1u << 20);
    EXPECT_GT(sink.pieces["big.prj"], 1);
    EXPECT_EQ(figures.inputBytes, sink.totalBytes());
    EXPECT_EQ(figures.groups, 26u);

    Conversion conversion(sink, "C:\\one", "C:\\one\\big.prj");
    ASSERT_EQ(conversion.status, 0);
    const ProjectFileSummary summary = summarise(conversion.host.fileBytes("C:\\out\\bench.prj"));
    EXPECT_EQ(summary.groups, figures.groups);
    EXPECT_EQ(summary.files, figures.sourceEntries);
    EXPECT_EQ(summary.fileBytes, figures.sourcePathBytes);
}

TEST(WorkspaceGenerator, FewerFilesThanFoldersUseOneFolderPerFile) {
    WorkspaceShape shape = smallShape();
    shape.sourcesPerProject = 3;
    MemorySink sink;
    const GeneratedFigures figures = generateWorkspace(shape, "ws", "C:\\ws", sink);
    EXPECT_EQ(figures.groups, 1u + 3u + 3u * 3u);
    EXPECT_EQ(figures.sourceEntries, 9u);
}
