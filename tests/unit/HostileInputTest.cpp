#include <gtest/gtest.h>

#include <sstream>

#include "CommandLine.h"
#include "FakeHost.h"

// Odd and hostile CVI files and arguments, each through a whole run on the in-memory host:
// the run ends with its message and status, and what it wrote before a failure stays.

namespace {

using namespace std::string_literals;

struct Hostile : ::testing::Test {
    FakeHost host;
    std::ostringstream console;

    Hostile() { reset(); }
    /// A host with C:\out, the current folder C:\ws, and an empty console.
    void reset() {
        host = FakeHost();
        host.addFolder("C:\\out");
        host.setCurrentFolder("C:\\ws");
        console.str("");
    }
    int run(const std::vector<std::string>& args) { return runQuorvel(args, host, console); }
    /// A run of source into C:\out.
    int convert(const std::string& source) { return run({source, "C:\\cvi", "C:\\out"}); }
};

const std::string started = "Creating Corvane/Corvane++ Project ...\n";
const std::string completed = "Corvane/Corvane++ Project Completed!\n";

/// The section of a group without sub-groups, with the project name all.
std::string section(const std::string& name, const std::string& source, const std::string& group,
                    const std::string& files = "") {
    return "StartProjectMarker\r\nFolderName=" + name + "\r\nSourcePath=" + source +
           "\r\nOutputPath=" + group + "\\output\\\r\nSubsPers=C:\\out\\person\\all.p_s\r\n" +
           "AnalPers=C:\\out\\person\\all.p_a\r\nCompPers=C:\\out\\person\\all.p_c\r\n" + files +
           "EndContainedFilesMarker\r\n";
}

} // namespace

TEST_F(Hostile, BinaryBytesAndNulBytesAroundEntriesLeaveTheEntriesIntact) {
    std::string junk;
    for (int byte = 0; byte < 256; ++byte)
        junk += static_cast<char>(byte);
    host.addFile("C:\\ws\\all.cws",
                 junk + "\r\n\0\0\0\r\nProject 0001 = \"p.prj\"\r\n"s + junk + "\r\n\0[\r\n"s);
    host.addFile("C:\\ws\\p.prj", junk + "\n[File 0001]\nFile Type = \"CSource\"\n\0\xff\x80\n"s +
                                      "Path = \"a\0b.c\"\nFolder = \"F\0G\"\n["s + junk);
    EXPECT_EQ(convert("C:\\ws\\all.cws"), 0) << console.str();
    EXPECT_EQ(console.str(), started + "  Creating Group - all\n  Creating Group - p\n" +
                                 "  Creating Group - F\0G\n"s + completed);
    // The NUL bytes stay part of the name and the path, byte for byte.
    const std::string file = host.fileBytes("C:\\out\\all.prj");
    EXPECT_NE(file.find("FolderName=F\0G\r\nSourcePath=C:\\ws\\\r\n"s), std::string::npos);
    EXPECT_NE(file.find("\r\na\0b.c\r\nEndContainedFilesMarker\r\n"s), std::string::npos);
}

TEST_F(Hostile, FilesOfOnlyBracketLinesHoldNothing) {
    std::string brackets;
    for (int i = 0; i < 1000; ++i)
        brackets += i % 2 ? "[\r\n" : "[\n";
    host.addFile("C:\\ws\\all.cws", brackets + "Project 0001 = \"p.prj\"\n" + brackets);
    host.addFile("C:\\ws\\p.prj", brackets);
    EXPECT_EQ(convert("C:\\ws\\all.cws"), 0);
    EXPECT_EQ(host.fileBytes("C:\\out\\all.prj"),
              "VersionTag45\r\nStartProjectMarker\r\nFolderName=all\r\n"
              "SourcePath=C:\\out\\all\\\r\nOutputPath=C:\\out\\all\\output\\\r\n"
              "SubsPers=C:\\out\\person\\all.p_s\r\nAnalPers=C:\\out\\person\\all.p_a\r\n"
              "CompPers=C:\\out\\person\\all.p_c\r\nEndContainedFilesMarker\r\n"
              "StartSubProjectMarker\r\n" +
                  section("p", "C:\\ws\\", "C:\\out\\all\\p") + "EndSubProjectMarker\r\n");
}

TEST_F(Hostile, EntriesThatNeverEndAreTakenAtTheEndOfTheFile) {
    // Each project ends inside an entry, without a line end after its last line.
    struct Case {
        std::string project;
        std::string file;
        std::string expected;
    };
    const Case cases[] = {
        {"[File 0001]\nFile Type = \"CSource\"\nFolder = \"F\"\nPath = \"/c/ws/a.c\"",
         "C:\\out\\p.prj", "\r\n\\c\\ws\\a.c\r\nEndContainedFilesMarker\r\n"},
        {"[Include Paths]\nInclude Path 1 = \"/d/inc\"", "C:\\out\\p\\person\\p.p_a",
         "-i \"d:\\inc\"\r\n"},
        {"[Build]\nCompiler Defines = \"/DA=1 /DB", "C:\\out\\p\\person\\p.p_a",
         "-d \"A=1\"\r\n-d \"B\"\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.project);
        reset();
        host.addFile("C:\\ws\\p.prj", c.project);
        EXPECT_EQ(convert("C:\\ws\\p.prj"), 0) << console.str();
        EXPECT_NE(host.fileBytes(c.file).find(c.expected), std::string::npos)
            << host.fileBytes(c.file);
    }
}

TEST_F(Hostile, WorkspaceThatListsItselfIsReadOnceMoreAsAProjectOfNoFiles) {
    host.addFile("C:\\ws\\all.cws", "Project 0001 = \"all.cws\"\nProject 0002 = \"./all.cws\"\n");
    EXPECT_EQ(convert("C:\\ws\\all.cws"), 0);
    EXPECT_EQ(console.str(),
              started + "  Creating Group - all\n  Creating Group - all\n" + completed);
    // The entry that equals the source path is read into the root, like a single project.
    EXPECT_EQ(host.fileBytes("C:\\out\\all.prj"),
              "VersionTag45\r\n" + section("all", "C:\\ws\\", "C:\\out\\all") +
                  "StartSubProjectMarker\r\n" + section("all", "C:\\ws\\.\\", "C:\\out\\all\\all") +
                  "EndSubProjectMarker\r\n");
}

TEST_F(Hostile, ProjectFileThatIsAFolderCannotBeOpenedAndNothingIsWritten) {
    host.addFile("C:\\ws\\all.cws", "Project 0001 = \"p.prj\"\n");
    host.addFolder("C:\\ws\\p.prj");
    EXPECT_EQ(convert("C:\\ws\\all.cws"), 1);
    EXPECT_EQ(console.str(), "Could not open file: C:\\ws\\p.prj\n");
    EXPECT_EQ(host.writtenFiles, std::vector<std::string>());
    EXPECT_EQ(host.madeFolders, std::vector<std::string>());
}

TEST_F(Hostile, DestinationThatIsAFileCannotTakeTheProjectFileAndStaysAsItWas) {
    host.addFile("C:\\ws\\all.cws", "");
    host.addFile("C:\\dest", "a file");
    EXPECT_EQ(run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\dest"}), 1);
    EXPECT_EQ(console.str(), "Could not write file: C:\\dest\\all.prj\n");
    EXPECT_EQ(host.fileBytes("C:\\dest"), "a file");
    EXPECT_EQ(host.madeFolders, std::vector<std::string>());
}

TEST_F(Hostile, OptionAtTheVeryEndOfTheArgumentsIsIgnored) {
    host.addFile("C:\\ws\\all.cws", "");
    for (const char* option : {"-pn", "-mp", "-ap", "-cp", "-ext"}) {
        SCOPED_TRACE(option);
        console.str("");
        EXPECT_EQ(run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out", option}), 0);
        EXPECT_EQ(console.str(), started + "  Creating Group - all\n" + completed);
        EXPECT_EQ(host.fileBytes("C:\\out\\all.prj"),
                  "VersionTag45\r\n" + section("all", "C:\\out\\all\\", "C:\\out\\all"));
    }
    // As the third argument an option is the destination, and its value is examined too.
    console.str("");
    EXPECT_EQ(run({"C:\\ws\\all.cws", "C:\\cvi", "-pn"}), 1);
    EXPECT_EQ(console.str(), "Could not write file: C:\\ws\\-pn\\all.prj\n");
}
