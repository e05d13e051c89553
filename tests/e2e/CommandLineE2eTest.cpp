#include <gtest/gtest.h>

#include "Sandbox.h"
#include "WineRunner.h"

namespace {

const std::string usage = "Usage: Quorvel <source_workspace|source_proj> <path_to_cvi> "
                          "<dest_folder> [-pn dest_proj_name]\n"
                          "[-mp message_personality] [-ap analyser_personality] "
                          "[-cp compiler_personality] [-ext file_extension]\n";

/// A CVI project with one source file per name, all in the folder Source Files.
std::string project(const std::vector<std::string>& files) {
    std::string text = "[Project Header]\r\nVersion = 1301\r\n";
    int number = 1;
    for (const std::string& file : files) {
        text += "\r\n[File 000" + std::to_string(number++) + "]\r\n";
        text += "File Type = \"CSource\"\r\nPath Is Rel = True\r\nPath Rel To = \"Project\"\r\n";
        text += "Path Rel Path = \"" + file + "\"\r\nExclude = False\r\n";
        text += "Folder = \"Source Files\"\r\nFolder Id = 0\r\n";
    }
    return text;
}

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(CommandLineRun, FewerThanThreeArgumentsPrintTheUsageAndSucceed) {
    Sandbox box;
    for (const auto& args : std::vector<std::vector<std::string>>{{}, {"a"}, {"a", "b"}}) {
        const RunResult result = box.run(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, usage);
    }
}

TEST(CommandLineRun, RelativeArgumentsAreCompletedFromTheCurrentFolder) {
    Sandbox box;
    box.writeFile("C:\\proj\\ws.cws", "Project 0001 = \"p/p.prj\"\r\n");
    box.writeFile("C:\\proj\\p\\p.prj", project({"a.c"}));
    box.makeFolder("C:\\proj\\out");
    const RunResult result = box.run({"ws.cws", "cvi", "out"}, "C:\\proj");
    EXPECT_EQ(result.status, 0) << result.out;
    const std::string file = box.readFile("C:\\proj\\out\\ws.prj");
    EXPECT_TRUE(holds(file, "FolderName=ws\r\nSourcePath=C:\\proj\\out\\ws\\\r\n")) << file;
    EXPECT_TRUE(holds(file, "FolderName=p\r\nSourcePath=C:\\proj\\p\\\r\n")) << file;
    EXPECT_TRUE(holds(file, "\r\nC:\\proj\\p\\a.c\r\n")) << file;
    EXPECT_TRUE(box.isFolder("C:\\proj\\out\\ws\\p\\Source Files\\output"));
}

TEST(CommandLineRun, DriveRelativeArgumentsOnTheCurrentDriveUseItsCurrentFolder) {
    Sandbox box;
    box.writeFile("C:\\ws\\x.cws", "Project 0001 = \"p.prj\"\r\n");
    box.writeFile("C:\\ws\\p.prj", project({"a.c"}));
    box.makeFolder("C:\\ws\\out");
    const RunResult result =
        box.run({"C:x.cws", "c:cvi", "C:out", "-mp", "C:/m.p_s", "-cp", "c:c.p_c"}, "C:\\ws");
    EXPECT_EQ(result.status, 0) << result.out;
    const std::string file = box.readFile("C:\\ws\\out\\x.prj");
    EXPECT_TRUE(holds(file, "FolderName=p\r\nSourcePath=C:\\ws\\\r\n")) << file;
    EXPECT_TRUE(holds(file, "SubsPers=C:\\ws\\/m.p_s\r\n")) << file;
    EXPECT_TRUE(holds(file, "CompPers=C:\\ws\\c.p_c\r\n")) << file;
}

TEST(CommandLineRun, DotAndEmptySourcesNameTheCurrentFolder) {
    Sandbox box;
    box.makeFolder("C:\\proj\\out");
    EXPECT_EQ(box.run({".", "cvi", "out"}, "C:\\proj").out, "Could not open file: C:\\proj\n");
    const RunResult empty = box.run({"", "cvi", "out"}, "C:\\proj");
    EXPECT_EQ(empty.out, "Could not open file: C:\\proj\\\n");
    EXPECT_EQ(empty.status, 1);
}

TEST(CommandLineRun, DriveRelativeSourceUsesThatDriveAndRestoresTheCurrentOne) {
    Sandbox box;
    box.mapDrive('D');
    box.writeFile("D:\\ws.cws", "Project 0001 = \"p.prj\"\r\n");
    box.writeFile("D:\\p.prj", project({"x.c"}));
    box.makeFolder("C:\\proj\\out");
    const RunResult result = box.run({"D:ws.cws", "cvi", "out"}, "C:\\proj");
    EXPECT_EQ(result.status, 0) << result.out;
    // D: was never made current before, so its folder is its root, read as D:\ .
    const std::string file = box.readFile("C:\\proj\\out\\ws.prj");
    EXPECT_TRUE(holds(file, "FolderName=p\r\nSourcePath=D:\\\\\r\n")) << file;
    EXPECT_TRUE(holds(file, "\r\nD:\\\\x.c\r\n")) << file;
}

TEST(CommandLineRun, ExtensionListFiltersSourceFilesWithoutRegardToCase) {
    Sandbox box;
    box.writeFile("C:\\w\\one.prj", project({"x.C", "y.cpp", "z.h", "w.res"}));
    box.makeFolder("C:\\out");
    const RunResult result =
        box.run({"C:\\w\\one.prj", "C:\\cvi", "C:\\out", "-ext", "c,h", "-ext", "res"});
    EXPECT_EQ(result.status, 0) << result.out;
    const std::string file = box.readFile("C:\\out\\one.prj");
    EXPECT_TRUE(holds(file, "C:\\w\\x.C\r\nC:\\w\\z.h\r\nC:\\w\\w.res\r\nEndContainedFiles"))
        << file;
    EXPECT_FALSE(holds(file, "y.cpp"));
}

TEST(CommandLineRun, ProjectNameKeepsItsDotAndPathsWithBlanksStayOneArgument) {
    Sandbox box;
    box.writeFile("C:\\my work\\one.prj", project({"a.c"}));
    box.makeFolder("C:\\out dir");
    const RunResult result =
        box.run({"C:\\my work\\one.prj", "C:\\cvi", "C:\\out dir", "-pn", "My.Project"});
    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_TRUE(box.isFile("C:\\out dir\\My.Project.prj"));
    EXPECT_TRUE(box.isFile("C:\\out dir\\person\\My.Project.p_c"));
    EXPECT_TRUE(holds(box.readFile("C:\\out dir\\My.Project.prj"), "FolderName=one\r\n"));
}

TEST(CommandLineRun, FailuresPrintOneLineAndEndWithStatusOne) {
    Sandbox box;
    box.makeFolder("C:\\out");
    RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.out, "Could not open file: C:\\ws\\all.cws\n");
    EXPECT_EQ(result.status, 1);

    box.writeFile("C:\\ws\\all.cws", "Project 0001 = \"gone/gone.prj\"\r\n");
    result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.out, "Could not open file: C:\\ws\\gone\\gone.prj\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(box.isFile("C:\\out\\all.prj"));

    box.writeFile("C:\\ws\\all.cws", "");
    result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\nowhere"});
    EXPECT_EQ(result.out, "Could not write file: C:\\nowhere\\all.prj\n");
    EXPECT_EQ(result.status, 1);
}

TEST(CommandLineRun, WorkspaceLinesMayCarryQuotesBlanksTabsAndForwardSlashes) {
    Sandbox box;
    box.writeFile("C:\\ws\\all.cws", "[Workspace Header]\r\n"
                                     "Pathname = \"/c/Projects/all.cws\"\r\n"
                                     "   Project 0001 =   \"sub dir/ctrl.prj\"   \r\n"
                                     "Project 0002 = plain.prj\r\n"
                                     "\tProject 0003 = \"tabbed.prj\"\r\n"
                                     "Project 0004 = \"sub dir/ctrl.prj\"\r\n"
                                     "Project 0001 Collapsed = True\r\n");
    box.writeFile("C:\\ws\\sub dir\\ctrl.prj", project({"c.c"}));
    box.writeFile("C:\\ws\\plain.prj", project({}));
    box.makeFolder("C:\\out");
    const RunResult result = box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(result.out, "Creating Corvane/Corvane++ Project ...\n"
                          "  Creating Group - all\n"
                          "  Creating Group - ctrl\n"
                          "  Creating Group - Source Files\n"
                          "  Creating Group - plain\n"
                          "  Creating Group - ctrl\n"
                          "  Creating Group - Source Files\n"
                          "Corvane/Corvane++ Project Completed!\n");
    const std::string file = box.readFile("C:\\out\\all.prj");
    EXPECT_TRUE(holds(file, "FolderName=ctrl\r\nSourcePath=C:\\ws\\sub dir\\\r\n")) << file;
}

TEST(CommandLineRun, ACurrentFolderOnNoDriveIsExplainedOnStandardError) {
    // Under Wine too: a host folder that no drive holds is no current folder there either.
    Sandbox box;
    const RunResult result = box.runOutsideDrives({"a.cws", "cvi", "out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err, "");
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1);
}
