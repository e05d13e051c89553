#include <gtest/gtest.h>

#include <algorithm>

#include "Errors.h"
#include "OutputFile.h"
#include "WorkedExample.h"
#include "WriterFixture.h"

namespace {

using Writer = WriterFixture;

const std::string listing = workedExampleListing;

} // namespace

TEST_F(Writer, WorkedExampleGivesTheListingTheConsoleLinesAndTheFolders) {
    buildWorkedExample();
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(projectFile(), listing);
    EXPECT_EQ(console.str(), workedExampleConsole);
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
    EXPECT_EQ(projectFile(), upTo(listing, "EndContainedFilesMarker\r\n"));
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
    EXPECT_EQ(console.str(), upTo(workedExampleConsole, "Source Files\n") +
                                 "Could not create directory: C:\\out\\all\\drv\\output\\\n");
    EXPECT_EQ(projectFile(), upTo(listing, "EndSubProjectMarker\r\n"));
    EXPECT_FALSE(host.exists("C:\\out\\all\\drv\\Source Files"));
}

// The file is looked at before it is closed, so it holds only what was handed to the
// host before the failure.
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
         // drv's section up to the sub-group whose folder fails.
         "OutputPath=C:\\out\\all\\drv\\output\\\r\n"
         "SubsPers=C:\\out\\person\\all.p_s\r\n"
         "AnalPers=C:\\out\\person\\all.p_a\r\n"
         "CompPers=C:\\out\\person\\all.p_c\r\n"
         "EndContainedFilesMarker\r\n"
         "StartSubProjectMarker\r\n"},
        {"C:\\out\\person", nullptr, 1, "C:\\out\\person\\",
         "OutputPath=C:\\out\\all\\output\\\r\n"},
        {nullptr, "C:\\out\\all\\main\\person\\main.p_a", 2, "C:\\out\\all\\main\\person\\main.p_a",
         "AnalPers=C:\\out\\all\\main\\person\\main.p_a\r\n"},
        {nullptr, "C:\\out\\person\\all.p_c", 2, "C:\\out\\person\\all.p_c",
         "AnalPers=C:\\out\\person\\all.p_a\r\n"},
        {nullptr, "C:\\out\\person\\all.p_a", 2, "C:\\out\\person\\all.p_a",
         "AnalPers=C:\\out\\person\\all.p_a\r\n"},
    };
    const std::string sections = listing.substr(std::string("VersionTag45\r\n").size());
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
        OutputFile::create(host, "C:\\out\\all.prj", [&](OutputFile& out) {
            try {
                root().write(out, "", "C:\\out\\person\\all.p_a");
                ADD_FAILURE() << "no failure";
            } catch (const IOERROR& error) {
                EXPECT_EQ(error.code, c.code);
                EXPECT_EQ(error.path, c.path);
            }
            EXPECT_EQ(projectFile(), upTo(sections, c.lastLines));
        });
    }
}
