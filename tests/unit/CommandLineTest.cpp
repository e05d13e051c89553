#include <gtest/gtest.h>

#include <sstream>

#include "CommandLine.h"
#include "FakeHost.h"
#include "WorkspaceConverter.h"

namespace {

struct MakeAbsolute : ::testing::Test {
    MakeAbsolute() {
        host.addDrive('D');
        host.setDriveFolder("D:\\src\\lib");
        host.setCurrentFolder("C:\\proj");
    }
    FakeHost host;
};

} // namespace

TEST_F(MakeAbsolute, KeepsDriveAbsoluteAndRootedPathsUnchanged) {
    EXPECT_EQ(makeAbsolute("D:\\src\\ws.cws", host), "D:\\src\\ws.cws");
    EXPECT_EQ(makeAbsolute("\\src\\ws.cws", host), "\\src\\ws.cws");
    EXPECT_EQ(makeAbsolute("\\\\server\\share\\ws.cws", host), "\\\\server\\share\\ws.cws");
}

TEST_F(MakeAbsolute, JoinsRelativePathsToTheCurrentFolderWithoutNormalising) {
    EXPECT_EQ(makeAbsolute("ws.cws", host), "C:\\proj\\ws.cws");
    EXPECT_EQ(makeAbsolute("..\\x\\", host), "C:\\proj\\..\\x\\");
    EXPECT_EQ(makeAbsolute("a/b", host), "C:\\proj\\a/b");
    EXPECT_EQ(makeAbsolute(".", host), "C:\\proj");
    EXPECT_EQ(makeAbsolute("", host), "C:\\proj\\");
    host.setCurrentFolder("C:\\");
    EXPECT_EQ(makeAbsolute("ws.cws", host), "C:\\\\ws.cws");
}

TEST_F(MakeAbsolute, CompletesDriveRelativePathsFromThatDrivesFolderAndRestoresTheDrive) {
    EXPECT_EQ(makeAbsolute("D:ws.cws", host), "D:\\src\\lib\\ws.cws");
    EXPECT_EQ(makeAbsolute("D:", host), "D:\\src\\lib\\");
    EXPECT_EQ(*host.currentFolder(), "C:\\proj");
    // Only "\" counts as a separator: C:/x is relative to drive C's current folder.
    EXPECT_EQ(makeAbsolute("C:/x", host), "C:\\proj\\/x");
}

TEST_F(MakeAbsolute, UsesTheUnchangedCurrentFolderWhenTheDriveCannotBeMadeCurrent) {
    EXPECT_EQ(makeAbsolute("Q:ws.cws", host), "C:\\proj\\ws.cws");
    EXPECT_EQ(*host.currentFolder(), "C:\\proj");
}

TEST(DefaultProjectName, RemovesUpToTwoExtensionsOfTheFileName) {
    EXPECT_EQ(defaultProjectName("C:\\work\\ctrl.cws"), "ctrl");
    EXPECT_EQ(defaultProjectName("C:\\work.new\\ctrl.cws"), "ctrl");
    EXPECT_EQ(defaultProjectName("C:\\work\\ctrl.old.prj"), "ctrl");
    EXPECT_EQ(defaultProjectName("C:\\work\\ctrl"), "ctrl");
    EXPECT_EQ(defaultProjectName("C:\\work.new\\ctrl"), "work");
}

namespace {

struct Options : ::testing::Test {
    WorkspaceConverter& converterFor(const std::vector<std::string>& args) {
        host.setCurrentFolder("C:\\proj");
        converter = std::make_unique<WorkspaceConverter>("C:\\proj\\ws.cws", "C:\\cvi", "C:\\out",
                                                         host, console);
        applyOptions(args, *converter, host);
        return *converter;
    }
    FakeHost host;
    std::ostringstream console;
    std::unique_ptr<WorkspaceConverter> converter;
};

} // namespace

TEST_F(Options, SplitExtensionListsAtEveryCommaAndAddUpAcrossOptions) {
    using List = std::vector<std::string>;
    EXPECT_EQ(converterFor({"s", "c", "d", "-ext", "c,h"}).getExtensions(), (List{"c", "h"}));
    EXPECT_EQ(converterFor({"s", "c", "d", "-ext", "c,,h"}).getExtensions(), (List{"c", "", "h"}));
    EXPECT_EQ(converterFor({"s", "c", "d", "-ext", "c,"}).getExtensions(), (List{"c", ""}));
    EXPECT_EQ(converterFor({"s", "c", "d", "-ext", "c", "-ext", "h"}).getExtensions(),
              (List{"c", "h"}));
}

TEST_F(Options, PersonalitiesAreMadeAbsoluteAndTheProjectNameIsKeptAsGiven) {
    auto& converter = converterFor({"s", "c", "d", "-pn", "My.Project", "-mp", "msg.p_s", "-ap",
                                    "D:\\a.p_a", "-cp", "\\c.p_c"});
    EXPECT_EQ(converter.getProjectName(), "My.Project");
    EXPECT_EQ(converter.getMessagePersonality(), "C:\\proj\\msg.p_s");
    EXPECT_EQ(converter.getAnalyserPersonality(), "D:\\a.p_a");
    EXPECT_EQ(converter.getCompilerPersonality(), "\\c.p_c");
}

TEST_F(Options, ScanAdvancesByOneSoAValueIsExaminedToo) {
    auto& converter = converterFor({"s", "c", "d", "-pn", "-mp", "x"});
    EXPECT_EQ(converter.getProjectName(), "-mp");
    EXPECT_EQ(converter.getMessagePersonality(), "C:\\proj\\x");
}

TEST_F(Options, LaterValuesReplaceEarlierOnesAndOddArgumentsAreIgnored) {
    auto& converter =
        converterFor({"s", "c", "d", "-pn", "a", "-PN", "b", "-pnx", "c", "-pn", "d", "-mp"});
    EXPECT_EQ(converter.getProjectName(), "d");
    // An option at the very end has no value and is ignored.
    EXPECT_EQ(converter.getMessagePersonality(), "");
}

TEST_F(Options, PositionalArgumentsAreScannedAsWell) {
    auto& converter = converterFor({"-pn", "name", "d"});
    EXPECT_EQ(converter.getProjectName(), "name");
}

TEST(RunQuorvel, FewerThanThreeArgumentsPrintTheUsageAndTouchNothing) {
    FakeHost host;
    std::ostringstream console;
    EXPECT_EQ(runQuorvel({"a", "b"}, host, console), 0);
    EXPECT_EQ(console.str(), "Usage: Quorvel <source_workspace|source_proj> <path_to_cvi> "
                             "<dest_folder> [-pn dest_proj_name]\n"
                             "[-mp message_personality] [-ap analyser_personality] "
                             "[-cp compiler_personality] [-ext file_extension]\n");
    EXPECT_TRUE(host.madeFolders.empty());
}
