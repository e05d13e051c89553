#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "Sandbox.h"
#include "WorkedExample.h"

namespace {

const char* const workspace = "[Workspace Header]\n"
                              "Version = 1301\n"
                              "Pathname = \"/c/ws/all.cws\"\n"
                              "Number of Projects = 2\n"
                              "Active Project = 1\n"
                              "Project 0001 = \"main/main.prj\"\n"
                              "Project 0002 = \"drv/drv.prj\"\n"
                              "Drag Bar Left = 200\n"
                              "\n"
                              "[Project Header 0001]\n"
                              "Version = 1301\n"
                              "Build Configuration = \"Debug\"\n"
                              "\n"
                              "[Project Header 0002]\n"
                              "Version = 1301\n"
                              "Build Configuration = \"Debug\"\n";

/// One CVI source entry kept relative to its project, in the folder "Source Files".
std::string sourceEntry(int number, const std::string& project, const std::string& file) {
    return "[File 000" + std::to_string(number) +
           "]\n"
           "File Type = \"CSource\"\n"
           "Res Id = " +
           std::to_string(number) +
           "\n"
           "Path Is Rel = True\n"
           "Path Rel To = \"Project\"\n"
           "Path Rel Path = \"" +
           file +
           "\"\n"
           "Path = \"/c/ws/" +
           project + "/" + file +
           "\"\n"
           "Exclude = False\n"
           "Project Flags = 0\n"
           "Folder = \"Source Files\"\n"
           "Folder Id = 0\n"
           "\n";
}

std::string projectHeader(const std::string& project, int files) {
    return "[Project Header]\n"
           "Version = 1301\n"
           "Pathname = \"/c/ws/" +
           project + "/" + project +
           ".prj\"\n"
           "Number of Files = " +
           std::to_string(files) +
           "\n"
           "Target Type = \"Executable\"\n"
           "\n"
           "[Folders]\n"
           "Folder 0 = \"Source Files\"\n"
           "FolderEx 0 = \"Source Files\"\n"
           "\n";
}

const std::string mainProject = projectHeader("main", 2) + sourceEntry(1, "main", "main.c") +
                                sourceEntry(2, "main", "util.c") +
                                "[Default Build Config Debug]\n"
                                "Config Name = \"Debug\"\n"
                                "Is 64-Bit = False\n"
                                "Compiler Defines = \"/DDEBUG\"\n"
                                "\n"
                                "[Include Paths]\n"
                                "Include Path 1 Is Rel = False\n"
                                "Include Path 1 = \"/C/ws/inc\"\n"
                                "\n"
                                "[Create Executable]\n"
                                "Executable File_Debug Is Rel = True\n";

const std::string drvProject = projectHeader("drv", 1) + sourceEntry(1, "drv", "drv.c") +
                               "[Default Build Config Debug]\n"
                               "Config Name = \"Debug\"\n"
                               "Compiler Defines = \"\"\n";

/// Every folder and file below a host folder, relative to it, "/"-separated and sorted.
std::vector<std::string> treeBelow(const std::filesystem::path& folder) {
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        entries.push_back(std::filesystem::relative(entry.path(), folder).generic_string() +
                          (entry.is_directory() ? "/" : ""));
    std::sort(entries.begin(), entries.end());
    return entries;
}

struct WorkedExample : ::testing::Test {
    Sandbox box;

    void SetUp() override {
        box.writeFile("C:\\ws\\all.cws", crlf(workspace));
        box.writeFile("C:\\ws\\main\\main.prj", crlf(mainProject));
        box.writeFile("C:\\ws\\drv\\drv.prj", crlf(drvProject));
        box.makeFolder("C:\\out");
    }
};

} // namespace

TEST_F(WorkedExample, ConvertsTheWorkspaceIntoTheListedProjectFolderAndPersonalities) {
    const RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, workedExampleConsole);
    EXPECT_EQ(box.readFile("C:\\out\\all.prj"), workedExampleListing);

    EXPECT_EQ(treeBelow(box.host("C:\\out")), (std::vector<std::string>{
                                                  "all.prj",
                                                  "all/",
                                                  "all/drv/",
                                                  "all/drv/Source Files/",
                                                  "all/drv/Source Files/output/",
                                                  "all/drv/output/",
                                                  "all/drv/person/",
                                                  "all/main/",
                                                  "all/main/Source Files/",
                                                  "all/main/Source Files/output/",
                                                  "all/main/output/",
                                                  "all/main/person/",
                                                  "all/main/person/main.p_a",
                                                  "all/output/",
                                                  "all/person/",
                                                  "person/",
                                                  "person/all.p_a",
                                                  "person/all.p_c",
                                                  "person/all.p_s",
                                              }));
    EXPECT_EQ(box.readFile("C:\\out\\all\\main\\person\\main.p_a"),
              "-i \"C:\\ws\\inc\"\r\n-d \"DEBUG\"\r\n");
    for (const char* empty :
         {"C:\\out\\person\\all.p_s", "C:\\out\\person\\all.p_a", "C:\\out\\person\\all.p_c"}) {
        EXPECT_TRUE(box.isFile(empty)) << empty;
        EXPECT_EQ(box.readFile(empty), "") << empty;
    }
}

TEST_F(WorkedExample, SecondRunRewritesTheOwnPersonalityAndKeepsTheDefault) {
    box.writeFile("C:\\base\\base.p_a", "-w1\r\n");
    ASSERT_EQ(box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"}).status, 0);
    const RunResult again =
        box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out", "-ap", "C:\\base\\base.p_a"});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(box.readFile("C:\\out\\all.prj"), workedExampleListing);
    EXPECT_EQ(box.readFile("C:\\out\\all\\main\\person\\main.p_a"),
              "-i \"C:\\ws\\inc\"\r\n-d \"DEBUG\"\r\n-w1\r\n");
    EXPECT_EQ(box.readFile("C:\\out\\person\\all.p_a"), "");
    EXPECT_EQ(box.readFile("C:\\base\\base.p_a"), "-w1\r\n");
}

TEST_F(WorkedExample, FolderThatCannotBeMadeStopsTheRunAndKeepsTheLinesWritten) {
    // A plain file stands where drv's group folder belongs, so its output folder fails.
    box.makeFolder("C:\\out\\all");
    box.writeFile("C:\\out\\all\\drv", "");
    const RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 1);
    // Everything up to main's folder group, then the failure.
    const std::string console = workedExampleConsole;
    const std::string mainDone = "Source Files\n";
    EXPECT_EQ(result.out, console.substr(0, console.find(mainDone) + mainDone.size()) +
                              "Could not create directory: C:\\out\\all\\drv\\output\\\n");
    const std::string listing = workedExampleListing;
    const std::string mainEnd = "EndSubProjectMarker\r\n";
    EXPECT_EQ(box.readFile("C:\\out\\all.prj"),
              listing.substr(0, listing.find(mainEnd) + mainEnd.size()));
    EXPECT_EQ(box.readFile("C:\\out\\all\\main\\person\\main.p_a"),
              "-i \"C:\\ws\\inc\"\r\n-d \"DEBUG\"\r\n");
}
