#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "Errors.h"
#include "FakeHost.h"
#include "ProjectGroup.h"
#include "WorkspaceConverter.h"

namespace {

/// text with every line feed preceded by a carriage return.
std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

/// A converter of C:\ws\all.cws (a workspace that lists no project) into C:\out,
/// whose root group the tests fill the way the readers would.
struct Writer : ::testing::Test {
    FakeHost host;
    std::ostringstream console;
    std::unique_ptr<WorkspaceConverter> converter;

    void SetUp() override {
        host.addFile("C:\\ws\\all.cws", "");
        host.addFolder("C:\\out");
        converter = std::make_unique<WorkspaceConverter>("C:\\ws\\all.cws", "C:\\cvi", "C:\\out",
                                                         host, console);
        converter->setProjectName("all");
    }
    // The converter hands its root out read-only; the tree is built here as the
    // driver and the reader would build it.
    ProjectGroup& root() { return const_cast<ProjectGroup&>(converter->getRootGroup()); }
    ProjectGroup& add(ProjectGroup& parent, const std::string& name,
                      const std::string& sourceFolder) {
        auto group = std::make_unique<ProjectGroup>(name, converter.get());
        group->setSourceFolder(sourceFolder);
        ProjectGroup& added = *group;
        parent.addSubGroup(std::move(group));
        return added;
    }
    /// The tree of the workspace with main (two files, an include folder, DEBUG) and drv.
    void buildWorkedExample() {
        ProjectGroup& main = add(root(), "main", "C:\\ws\\main\\");
        main.addIncludePath("C:\\ws\\inc");
        main.setDefine("DEBUG", "");
        ProjectGroup& mainFiles = add(main, "Source Files", "C:\\ws\\main\\");
        mainFiles.addFile("C:\\ws\\main\\main.c");
        mainFiles.addFile("C:\\ws\\main\\util.c");
        ProjectGroup& drv = add(root(), "drv", "C:\\ws\\drv\\");
        add(drv, "Source Files", "C:\\ws\\drv\\").addFile("C:\\ws\\drv\\drv.c");
    }
    std::string projectFile() { return host.fileBytes("C:\\out\\all.prj"); }
};

const char* const rootSection = "VersionTag45\n"
                                "StartProjectMarker\n"
                                "FolderName=all\n"
                                "SourcePath=C:\\out\\all\\\n"
                                "OutputPath=C:\\out\\all\\output\\\n"
                                "SubsPers=C:\\out\\person\\all.p_s\n"
                                "AnalPers=C:\\out\\person\\all.p_a\n"
                                "CompPers=C:\\out\\person\\all.p_c\n"
                                "EndContainedFilesMarker\n";

/// The project file of the worked example: all, main with Source Files, drv with Source Files.
const std::string workedListing = std::string(rootSection) +
                                  "StartSubProjectMarker\n"
                                  "StartProjectMarker\n"
                                  "FolderName=main\n"
                                  "SourcePath=C:\\ws\\main\\\n"
                                  "OutputPath=C:\\out\\all\\main\\output\\\n"
                                  "SubsPers=C:\\out\\person\\all.p_s\n"
                                  "AnalPers=C:\\out\\all\\main\\person\\main.p_a\n"
                                  "CompPers=C:\\out\\person\\all.p_c\n"
                                  "EndContainedFilesMarker\n"
                                  "StartSubProjectMarker\n"
                                  "StartProjectMarker\n"
                                  "FolderName=Source Files\n"
                                  "SourcePath=C:\\ws\\main\\\n"
                                  "OutputPath=C:\\out\\all\\main\\Source Files\\output\\\n"
                                  "SubsPers=C:\\out\\person\\all.p_s\n"
                                  "AnalPers=C:\\out\\all\\main\\person\\main.p_a\n"
                                  "CompPers=C:\\out\\person\\all.p_c\n"
                                  "C:\\ws\\main\\main.c\n"
                                  "C:\\ws\\main\\util.c\n"
                                  "EndContainedFilesMarker\n"
                                  "EndSubProjectMarker\n"
                                  "StartProjectMarker\n"
                                  "FolderName=drv\n"
                                  "SourcePath=C:\\ws\\drv\\\n"
                                  "OutputPath=C:\\out\\all\\drv\\output\\\n"
                                  "SubsPers=C:\\out\\person\\all.p_s\n"
                                  "AnalPers=C:\\out\\person\\all.p_a\n"
                                  "CompPers=C:\\out\\person\\all.p_c\n"
                                  "EndContainedFilesMarker\n"
                                  "StartSubProjectMarker\n"
                                  "StartProjectMarker\n"
                                  "FolderName=Source Files\n"
                                  "SourcePath=C:\\ws\\drv\\\n"
                                  "OutputPath=C:\\out\\all\\drv\\Source Files\\output\\\n"
                                  "SubsPers=C:\\out\\person\\all.p_s\n"
                                  "AnalPers=C:\\out\\person\\all.p_a\n"
                                  "CompPers=C:\\out\\person\\all.p_c\n"
                                  "C:\\ws\\drv\\drv.c\n"
                                  "EndContainedFilesMarker\n"
                                  "EndSubProjectMarker\n"
                                  "EndSubProjectMarker\n";

} // namespace

TEST_F(Writer, WorkedExampleGivesTheListingTheConsoleLinesAndTheFolders) {
    buildWorkedExample();
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(projectFile(), crlf(workedListing));
    EXPECT_EQ(console.str(),
              "Creating Corvane/Corvane++ Project ...\n"
              "  Creating Group - all\n"
              "  Creating Group - main\n"
              "  Creating Analyser Personality - C:\\out\\all\\main\\person\\main.p_a\n"
              "  Creating Group - Source Files\n"
              "  Creating Group - drv\n"
              "  Creating Group - Source Files\n"
              "Corvane/Corvane++ Project Completed!\n");
    // Group folder, its output, its person folder with sub-groups; the project person
    // folder comes with the root's message personality.
    EXPECT_EQ(host.madeFolders, (std::vector<std::string>{
                                    "C:\\out\\all",
                                    "C:\\out\\all\\output",
                                    "C:\\out\\all\\person",
                                    "C:\\out\\person",
                                    "C:\\out\\all\\main",
                                    "C:\\out\\all\\main\\output",
                                    "C:\\out\\all\\main\\person",
                                    "C:\\out\\all\\main\\Source Files",
                                    "C:\\out\\all\\main\\Source Files\\output",
                                    "C:\\out\\all\\drv",
                                    "C:\\out\\all\\drv\\output",
                                    "C:\\out\\all\\drv\\person",
                                    "C:\\out\\all\\drv\\Source Files",
                                    "C:\\out\\all\\drv\\Source Files\\output",
                                }));
}

TEST_F(Writer, GroupWithoutSubGroupsHasNoPersonFolderAndNoSubProjectMarkers) {
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(projectFile(), crlf(rootSection));
    EXPECT_FALSE(host.exists("C:\\out\\all\\person"));
    EXPECT_EQ(host.madeFolders, (std::vector<std::string>{"C:\\out\\all", "C:\\out\\all\\output",
                                                          "C:\\out\\person"}));
}

TEST_F(Writer, NameWithSeparatorsNestsItsFoldersAndKeepsItsTextInTheFile) {
    ProjectGroup& main = add(root(), "main", "C:\\ws\\main\\");
    ProjectGroup& drivers = add(main, "Src/Drivers", "C:\\ws\\main\\");
    drivers.setDefine("LEVEL", "2");
    add(drivers, "Low", "C:\\ws\\main\\").addFile("C:\\ws\\main\\low.c");
    add(main, "a\\b", "C:\\ws\\main\\");
    ASSERT_EQ(converter->run(), 0);

    const std::string file = projectFile();
    const std::string own = "C:\\out\\all\\main\\Src/Drivers\\person\\Drivers.p_a";
    EXPECT_NE(file.find("FolderName=Src/Drivers\r\n"
                        "SourcePath=C:\\ws\\main\\\r\n"
                        "OutputPath=C:\\out\\all\\main\\Src/Drivers\\output\\\r\n"
                        "SubsPers=C:\\out\\person\\all.p_s\r\n"
                        "AnalPers=" +
                        own + "\r\n"),
              std::string::npos);
    // Its sub-group finds the personality as its candidate.
    EXPECT_NE(file.find("FolderName=Low\r\n"
                        "SourcePath=C:\\ws\\main\\\r\n"
                        "OutputPath=C:\\out\\all\\main\\Src/Drivers\\Low\\output\\\r\n"
                        "SubsPers=C:\\out\\person\\all.p_s\r\n"
                        "AnalPers=" +
                        own + "\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("FolderName=a\\b\r\n"), std::string::npos);
    EXPECT_EQ(host.fileBytes(own), "-d \"LEVEL=2\"\r\n");
    const std::vector<std::string> expected{
        "C:\\out\\all\\main\\Src",
        "C:\\out\\all\\main\\Src\\Drivers",
        "C:\\out\\all\\main\\Src\\Drivers\\output",
        "C:\\out\\all\\main\\Src\\Drivers\\person",
        "C:\\out\\all\\main\\Src\\Drivers\\Low",
        "C:\\out\\all\\main\\Src\\Drivers\\Low\\output",
        "C:\\out\\all\\main\\a",
        "C:\\out\\all\\main\\a\\b",
        "C:\\out\\all\\main\\a\\b\\output",
    };
    const std::vector<std::string> made(host.madeFolders.end() - expected.size(),
                                        host.madeFolders.end());
    EXPECT_EQ(made, expected);
}

TEST_F(Writer, SiblingsOfOneNameAreBothWrittenAndShareTheirFolder) {
    add(root(), "p", "C:\\ws\\p\\").setDefine("A", "1");
    add(root(), "p", "C:\\ws\\p2\\");
    ASSERT_EQ(converter->run(), 0);
    const std::string file = projectFile();
    const std::size_t first = file.find("FolderName=p\r\nSourcePath=C:\\ws\\p\\\r\n");
    const std::size_t second = file.find("FolderName=p\r\nSourcePath=C:\\ws\\p2\\\r\n");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    // The second finds no own personality of its parent and takes the default.
    EXPECT_NE(file.find("SourcePath=C:\\ws\\p2\\\r\n"
                        "OutputPath=C:\\out\\all\\p\\output\\\r\n"
                        "SubsPers=C:\\out\\person\\all.p_s\r\n"
                        "AnalPers=C:\\out\\person\\all.p_a\r\n"),
              std::string::npos);
    EXPECT_EQ(std::count(host.madeFolders.begin(), host.madeFolders.end(), "C:\\out\\all\\p"), 1);
}

TEST_F(Writer, ExistingFoldersAndFilesAreNoErrorAndKeepTheirContent) {
    host.addFile("C:\\out\\all\\output\\keep.txt", "kept");
    // A plain file where a folder is needed counts as existing; nothing is written below
    // an output folder, so this one never fails.
    host.addFile("C:\\out\\all\\main\\output", "not a folder");
    add(root(), "main", "C:\\ws\\main\\");
    EXPECT_EQ(converter->run(), 0);
    EXPECT_EQ(host.fileBytes("C:\\out\\all\\output\\keep.txt"), "kept");
    EXPECT_EQ(host.fileBytes("C:\\out\\all\\main\\output"), "not a folder");
    EXPECT_EQ(host.madeFolders,
              (std::vector<std::string>{"C:\\out\\all\\person", "C:\\out\\person"}));
}

TEST_F(Writer, PlainFileInPlaceOfAGroupFolderFailsBelowIt) {
    host.addFile("C:\\out\\all\\main", "not a folder");
    add(root(), "main", "C:\\ws\\main\\");
    EXPECT_EQ(converter->run(), 1);
    EXPECT_EQ(host.fileBytes("C:\\out\\all\\main"), "not a folder");
    EXPECT_NE(console.str().find("\nCould not create directory: C:\\out\\all\\main\\output\\\n"),
              std::string::npos);
}

TEST_F(Writer, FolderThatCannotBeMadeStopsTheRunWithItsPathAsPassed) {
    buildWorkedExample();
    host.failingFolders.insert("C:\\out\\all\\drv\\output");
    EXPECT_EQ(converter->run(), 1);
    EXPECT_EQ(console.str(),
              "Creating Corvane/Corvane++ Project ...\n"
              "  Creating Group - all\n"
              "  Creating Group - main\n"
              "  Creating Analyser Personality - C:\\out\\all\\main\\person\\main.p_a\n"
              "  Creating Group - Source Files\n"
              "Could not create directory: C:\\out\\all\\drv\\output\\\n");
    const std::string listing = crlf(workedListing);
    const std::string lastLines = "EndSubProjectMarker\r\nStartProjectMarker\r\nFolderName=drv\r\n";
    EXPECT_EQ(projectFile(), listing.substr(0, listing.find(lastLines) +
                                                   std::string("EndSubProjectMarker\r\n").size()));
    EXPECT_FALSE(host.exists("C:\\out\\all\\drv\\Source Files"));
}

// The writer is not closed here, so the file holds only what was handed to the host
// before the failure.
TEST_F(Writer, FileOnDiskHoldsEveryLineWrittenBeforeAFailure) {
    struct Case {
        const char* failingFolder;
        const char* failingWrite;
        int code;
        const char* path;
        const char* lastLines;
    };
    const Case cases[] = {
        {"C:\\out\\all\\drv\\Source Files", nullptr, 1, "C:\\out\\all\\drv\\Source Files",
         "FolderName=drv\nSourcePath=C:\\ws\\drv\\\nOutputPath=C:\\out\\all\\drv\\output\\\n"
         "SubsPers=C:\\out\\person\\all.p_s\nAnalPers=C:\\out\\person\\all.p_a\n"
         "CompPers=C:\\out\\person\\all.p_c\nEndContainedFilesMarker\nStartSubProjectMarker\n"},
        {"C:\\out\\person", nullptr, 1, "C:\\out\\person\\", "OutputPath=C:\\out\\all\\output\\\n"},
        {nullptr, "C:\\out\\all\\main\\person\\main.p_a", 2, "C:\\out\\all\\main\\person\\main.p_a",
         "AnalPers=C:\\out\\all\\main\\person\\main.p_a\n"},
        {nullptr, "C:\\out\\person\\all.p_c", 2, "C:\\out\\person\\all.p_c",
         "AnalPers=C:\\out\\person\\all.p_a\n"},
        {nullptr, "C:\\out\\person\\all.p_a", 2, "C:\\out\\person\\all.p_a",
         "AnalPers=C:\\out\\person\\all.p_a\n"},
    };
    const std::string listing = crlf(workedListing.substr(std::string("VersionTag45\n").size()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        converter.reset();
        host = FakeHost();
        SetUp();
        buildWorkedExample();
        if (c.failingFolder)
            host.failingFolders.insert(c.failingFolder);
        if (c.failingWrite)
            host.failingWrites.insert(c.failingWrite);
        auto out = host.openTextForWriting("C:\\out\\all.prj");
        ASSERT_TRUE(out);
        try {
            root().write(*out, "", "C:\\out\\person\\all.p_a");
            ADD_FAILURE() << "no failure";
        } catch (const IOERROR& error) {
            EXPECT_EQ(error.code, c.code);
            EXPECT_EQ(error.path, c.path);
        }
        const std::string last = crlf(c.lastLines);
        EXPECT_EQ(projectFile(), listing.substr(0, listing.find(last) + last.size()));
    }
}
