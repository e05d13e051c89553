#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "Sandbox.h"
#include "WineRunner.h"

namespace fs = std::filesystem;

namespace {

/// A CVI source entry kept relative to its project, in the given CVI folder.
std::string sourceEntry(const std::string& file, const std::string& folder) {
    return "[File 0001]\r\nFile Type = \"CSource\"\r\nPath Is Rel = True\r\n"
           "Path Rel To = \"Project\"\r\nPath Rel Path = \"" +
           file + "\"\r\nFolder = \"" + folder + "\"\r\n";
}

/// Every path below a host folder, relative to it and "/"-separated.
std::vector<std::string> entriesBelow(const fs::path& folder) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries.push_back(fs::relative(entry.path(), folder).generic_string());
    std::sort(entries.begin(), entries.end());
    return entries;
}

/// A chain of nested folders below a host folder, each named part, made and removed
/// through open folders, since its whole path is longer than one system call takes.
class DeepFolder {
public:
    DeepFolder(const fs::path& base, std::string part, int depth)
        : base(base), part(std::move(part)), depth(depth) {
        int folder = open(base.c_str(), O_RDONLY | O_DIRECTORY);
        for (int level = 0; level < depth && folder >= 0; ++level) {
            mkdirat(folder, this->part.c_str(), 0777);
            const int next = openat(folder, this->part.c_str(), O_RDONLY | O_DIRECTORY);
            close(folder);
            folder = next;
        }
        made = folder >= 0;
        if (made)
            close(folder);
    }
    ~DeepFolder() {
        std::vector<int> levels{open(base.c_str(), O_RDONLY | O_DIRECTORY)};
        while (static_cast<int>(levels.size()) <= depth && levels.back() >= 0)
            levels.push_back(openat(levels.back(), part.c_str(), O_RDONLY | O_DIRECTORY));
        for (std::size_t level = levels.size() - 1; level-- > 0;) {
            if (levels[level + 1] >= 0)
                close(levels[level + 1]);
            unlinkat(levels[level], part.c_str(), AT_REMOVEDIR);
        }
        if (levels[0] >= 0)
            close(levels[0]);
    }
    DeepFolder(const DeepFolder&) = delete;
    DeepFolder& operator=(const DeepFolder&) = delete;

    bool made = false;

private:
    fs::path base;
    std::string part;
    int depth;
};

} // namespace

TEST(HostileInput, FolderNameThatClimbsOutOfTheDestinationStopsTheRunBeforeItsFolders) {
    Sandbox box;
    box.writeFile("C:\\ws\\p.prj", "[Build Options]\r\nCompiler Defines = \"/DLEVEL=2\"\r\n" +
                                       sourceEntry("a.c", "..\\..\\evil") + "[Include Paths]\r\n");
    box.makeFolder("C:\\out");
    const RunResult result = box.run({"C:\\ws\\p.prj", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Creating Corvane/Corvane++ Project ...\n"
                          "  Creating Group - p\n"
                          "  Creating Analyser Personality - C:\\out\\p\\person\\p.p_a\n"
                          "Could not create directory: C:\\out\\p\\..\\..\\evil\n");
    // The root's section and personality, written before the failure, are intact.
    EXPECT_EQ(box.readFile("C:\\out\\p.prj"), "VersionTag45\r\n"
                                              "StartProjectMarker\r\n"
                                              "FolderName=p\r\n"
                                              "SourcePath=C:\\ws\\\r\n"
                                              "OutputPath=C:\\out\\p\\output\\\r\n"
                                              "SubsPers=C:\\out\\person\\p.p_s\r\n"
                                              "AnalPers=C:\\out\\p\\person\\p.p_a\r\n"
                                              "CompPers=C:\\out\\person\\p.p_c\r\n"
                                              "EndContainedFilesMarker\r\n"
                                              "StartSubProjectMarker\r\n");
    EXPECT_EQ(box.readFile("C:\\out\\p\\person\\p.p_a"), "-d \"LEVEL=2\"\r\n");
    // Nothing appeared beside the destination or the sources.
    EXPECT_EQ(entriesBelow(box.host("C:\\")),
              (std::vector<std::string>{"out", "out/p", "out/p.prj", "out/p/output", "out/p/person",
                                        "out/p/person/p.p_a", "out/person", "out/person/p.p_c",
                                        "out/person/p.p_s", "ws", "ws/p.prj"}));
}

TEST(HostileInput, HundredMegabyteLineIsReadThroughAndTheEntriesAroundItStay) {
    Sandbox box;
    box.makeFolder("C:\\out");
    box.writeFile("C:\\ws\\all.cws", "Project 0001 = \"p.prj\"\r\n");
    {
        // A source entry, then one line of 100 MB inside it, without a line end.
        std::ofstream project(box.host("C:\\ws\\p.prj"), std::ios::binary);
        project << sourceEntry("a.c", "F") << "Comment = ";
        const std::string chunk(1 << 20, 'x');
        for (int i = 0; i < 100; ++i)
            project << chunk;
    }
    const RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Creating Corvane/Corvane++ Project ...\n"
                          "  Creating Group - all\n"
                          "  Creating Group - p\n"
                          "  Creating Group - F\n"
                          "Corvane/Corvane++ Project Completed!\n");
    const std::string file = box.readFile("C:\\out\\all.prj");
    EXPECT_NE(file.find("\r\nC:\\ws\\a.c\r\nEndContainedFilesMarker\r\n"), std::string::npos);
    EXPECT_LT(file.size(), 2000u);
}

TEST(HostileInput, ProjectFileThatIsAFolderCannotBeOpened) {
    Sandbox box;
    box.makeFolder("C:\\out");
    box.makeFolder("C:\\ws\\p.prj");
    box.writeFile("C:\\ws\\all.cws", "Project 0001 = \"p.prj\"\r\n");
    const RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Could not open file: C:\\ws\\p.prj\n");
    EXPECT_TRUE(fs::is_empty(box.host("C:\\out")));
}

TEST(HostileInput, DestinationThatIsAFileStaysAsItWas) {
    Sandbox box;
    box.writeFile("C:\\ws\\all.cws", "");
    box.writeFile("C:\\out", "a file");
    const RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Could not write file: C:\\out\\all.prj\n");
    EXPECT_EQ(box.readFile("C:\\out"), "a file");
}

TEST(HostileInput, ReadOnlyDestinationTakesNothingAndKeepsWhatItHeld) {
    Sandbox box;
    box.writeFile("C:\\ws\\all.cws", "");
    box.writeFile("C:\\out\\keep.txt", "kept");
    fs::permissions(box.host("C:\\out"), fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(box.host("C:\\out\\probe")))
        GTEST_SKIP() << "this user writes into read-only folders (root ignores permission bits)";
    const RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Could not write file: C:\\out\\all.prj\n");
    EXPECT_EQ(box.readFile("C:\\out\\keep.txt"), "kept");
    EXPECT_EQ(entriesBelow(box.host("C:\\out")), std::vector<std::string>{"keep.txt"});
}

TEST(HostileInput, CurrentFolderDeeperThanTheSystemPathLimit) {
    if (underWine())
        GTEST_SKIP() << "Windows makes no folder longer than MAX_PATH current";
    Sandbox box;
    box.writeFile("C:\\ws\\all.cws", "");
    box.makeFolder("C:\\out");
    box.makeFolder("C:\\deep");
    // 21 levels of 200 bytes: more than 4,096 bytes below C:\deep.
    const std::string part(200, 'd');
    const DeepFolder deep(box.host("C:\\deep"), part, 21);
    ASSERT_TRUE(deep.made);
    std::string cwd = "C:\\deep";
    for (int level = 0; level < 21; ++level)
        cwd += "\\" + part;

    // Absolute arguments never need the current folder.
    RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"}, cwd);
    EXPECT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_TRUE(box.isFile("C:\\out\\all.prj"));

    // Relative ones are completed with the whole folder, which the host cannot open.
    result = box.run({"all.cws", "C:\\cvi", "C:\\out"}, cwd);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Could not open file: " + cwd + "\\all.cws\n");
    EXPECT_EQ(result.err, "");
}

TEST(HostileInput, OptionAtTheVeryEndOfTheArgumentsIsIgnored) {
    Sandbox box;
    box.writeFile("C:\\ws\\all.cws", "");
    box.makeFolder("C:\\out");
    const RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out", "-ext", "c", "-pn"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Creating Corvane/Corvane++ Project ...\n"
                          "  Creating Group - all\n"
                          "Corvane/Corvane++ Project Completed!\n");
    EXPECT_TRUE(box.isFile("C:\\out\\all.prj"));
}

TEST(HostileInput, PathsWithNulBytesNameNothingRatherThanTheirStart) {
    using namespace std::string_literals;
    Sandbox box;
    box.makeFolder("C:\\out");
    box.writeFile("C:\\ws\\p.prj", sourceEntry("a.c", "F\0G"s));
    box.writeFile("C:\\ws\\all.cws", "Project 0001 = \"p.prj\0x\"\r\n"s);
    RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Could not open file: C:\\ws\\p.prj\0x\n"s);

    result = box.run({"C:\\ws\\p.prj", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Creating Corvane/Corvane++ Project ...\n"
                          "  Creating Group - p\n"
                          "Could not create directory: C:\\out\\p\\F\0G\n"s);
    // No folder F stands for the group.
    EXPECT_EQ(entriesBelow(box.host("C:\\out\\p")), (std::vector<std::string>{"output", "person"}));
}

TEST(HostileInput, ProjectFileNamedSoThatTheRootIsDotDotStaysInTheDestination) {
    // The root group is the file name without its last four bytes: "...prj" gives "..".
    Sandbox box;
    box.makeFolder("C:\\out");
    box.writeFile("C:\\ws\\...prj", sourceEntry("a.c", "F"));
    const RunResult result = box.run({"C:\\ws\\...prj", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Creating Corvane/Corvane++ Project ...\n"
                          "Could not create directory: C:\\out\\..\n");
    // The project name is "." (two extensions removed), so the project file is "..prj".
    EXPECT_EQ(box.readFile("C:\\out\\..prj"), "VersionTag45\r\n");
    EXPECT_EQ(entriesBelow(box.host("C:\\")),
              (std::vector<std::string>{"out", "out/..prj", "ws", "ws/...prj"}));
}

TEST(HostileInput, ACviFolderEndingInASpaceOrDotIsMadeAsNamedOrNotAtAll) {
    // Windows drops the trailing spaces and dots of a path's last part, so such a folder would
    // be made under another name, and the paths below it would miss it. There it fails before
    // anything is made for it; elsewhere it is made as named.
    for (const std::string folder : {" padded ", "dot."}) {
        SCOPED_TRACE(folder);
        Sandbox box;
        box.makeFolder("C:\\out");
        box.writeFile("C:\\ws\\p.prj", sourceEntry("a.c", folder));
        const RunResult result = box.run({"C:\\ws\\p.prj", "C:\\cvi", "C:\\out"});
        if (underWine()) {
            EXPECT_EQ(result.status, 1);
            EXPECT_EQ(result.out, "Creating Corvane/Corvane++ Project ...\n"
                                  "  Creating Group - p\n"
                                  "Could not create directory: C:\\out\\p\\" +
                                      folder + "\n");
            EXPECT_EQ(entriesBelow(box.host("C:\\out\\p")),
                      (std::vector<std::string>{"output", "person"}));
        } else {
            EXPECT_EQ(result.status, 0) << result.out;
            EXPECT_TRUE(box.isFolder("C:\\out\\p\\" + folder + "\\output"));
        }
    }
}
