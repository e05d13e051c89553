#include <gtest/gtest.h>

#include <sstream>

#include "FakeHost.h"
#include "WorkspaceConverter.h"
#include "WorkspaceFile.h"

namespace {

struct Driver : ::testing::Test {
    FakeHost host;
    std::ostringstream console;

    /// Runs a conversion of source into C:\out and returns its status.
    int convert(const std::string& source, WorkspaceConverter*& keep) {
        converter =
            std::make_unique<WorkspaceConverter>(source, "C:\\cvi", "C:\\out", host, console);
        converter->setProjectName("all");
        keep = converter.get();
        return converter->run();
    }
    std::vector<std::string> names(const ProjectGroup& group) {
        std::vector<std::string> result;
        for (const auto& sub : group.getSubGroups())
            result.push_back(sub->getName());
        return result;
    }
    std::unique_ptr<WorkspaceConverter> converter;
};

} // namespace

TEST(WorkspaceLines, OnlyNumberedProjectKeysNameProjects) {
    EXPECT_TRUE(isProjectLine("Project 0001 = \"a.prj\""));
    EXPECT_TRUE(isProjectLine("   Project 12=a.prj  "));
    EXPECT_TRUE(isProjectLine("Project 7   =   x"));
    EXPECT_FALSE(isProjectLine("\tProject 0001 = \"a.prj\""));
    EXPECT_FALSE(isProjectLine("[Project Header 0001]"));
    EXPECT_FALSE(isProjectLine("Project 0001 Collapsed = True"));
    EXPECT_FALSE(isProjectLine("Project 0001 Folder Modules/XY Stages Collapsed = True"));
    EXPECT_FALSE(isProjectLine("Pathname = \"/c/Users/me/Projects/app.cws\""));
    EXPECT_FALSE(isProjectLine("Active Project = 1"));
    EXPECT_FALSE(isProjectLine("Project  0001 = a.prj"));
    EXPECT_FALSE(isProjectLine("Project = a.prj"));
    EXPECT_FALSE(isProjectLine("Project 0x1 = a.prj"));
}

TEST_F(Driver, GivesEveryWorkspaceProjectItsGroupInFileOrder) {
    host.addFile("C:\\ws\\all.cws", "[Workspace Header]\r\n"
                                    "Pathname = \"/c/Users/me/Projects/all.cws\"\r\n"
                                    "Project 0001 = \"main/main.prj\"\r\n"
                                    "  Project 0002 =   \"sub dir/ctrl.old.prj\"  \r\n"
                                    "\tProject 0003 = \"tabbed.prj\"\r\n"
                                    "Project 0001 Collapsed = True\r\n"
                                    "Project 0004 = main/main.prj\r\n"
                                    "[Project Header 0001]\r\n");
    host.addFile("C:\\ws\\main\\main.prj", "");
    host.addFile("C:\\ws\\sub dir\\ctrl.old.prj", "");
    host.addFolder("C:\\out");
    WorkspaceConverter* run;
    EXPECT_EQ(convert("C:\\ws\\all.cws", run), 0);
    const ProjectGroup& root = run->getRootGroup();
    EXPECT_EQ(root.getName(), "all");
    EXPECT_EQ(root.getSourceFolder(), "");
    EXPECT_EQ(names(root), (std::vector<std::string>{"main", "ctrl", "main"}));
    EXPECT_EQ(root.getSubGroups()[1]->getSourceFolder(), "C:\\ws\\sub dir\\");
    EXPECT_EQ(root.getSubGroups()[2]->getSourceFolder(), "C:\\ws\\main\\");
}

TEST_F(Driver, ConvertsASourceWithoutCwsAsOneProjectInTheRoot) {
    host.addFile("C:\\w\\ctrl.old.prj", "");
    host.addFile("C:\\w\\UPPER.CWS", "Project 0001 = \"x.prj\"\n");
    host.addFolder("C:\\out");
    WorkspaceConverter* run;
    EXPECT_EQ(convert("C:\\w\\ctrl.old.prj", run), 0);
    EXPECT_EQ(run->getRootGroup().getName(), "ctrl.old");
    EXPECT_EQ(run->getRootGroup().getSourceFolder(), "C:\\w\\");
    EXPECT_TRUE(run->getRootGroup().getSubGroups().empty());

    EXPECT_EQ(convert("C:\\w\\UPPER.CWS", run), 0);
    EXPECT_EQ(run->getRootGroup().getName(), "UPPER");
    EXPECT_TRUE(run->getRootGroup().getSubGroups().empty());
}

TEST_F(Driver, ReportsAMissingWorkspace) {
    WorkspaceConverter* run;
    EXPECT_EQ(convert("C:\\ws\\all.cws", run), 1);
    EXPECT_EQ(console.str(), "Could not open file: C:\\ws\\all.cws\n");
}

TEST_F(Driver, ReportsAMissingProjectBeforeWritingAnything) {
    host.addFile("C:\\ws\\all.cws", "Project 0001 = \"a/one.prj\"\nProject 0002 = \"b/two.prj\"\n");
    host.addFile("C:\\ws\\a\\one.prj", "");
    host.addFolder("C:\\out");
    WorkspaceConverter* run;
    EXPECT_EQ(convert("C:\\ws\\all.cws", run), 1);
    EXPECT_EQ(console.str(), "Could not open file: C:\\ws\\b\\two.prj\n");
    EXPECT_FALSE(host.exists("C:\\out\\all.prj"));
    EXPECT_TRUE(host.madeFolders.empty());
}

TEST_F(Driver, ReportsAMissingDestinationFolder) {
    host.addFile("C:\\ws\\all.cws", "");
    WorkspaceConverter* run;
    EXPECT_EQ(convert("C:\\ws\\all.cws", run), 1);
    EXPECT_EQ(console.str(), "Could not write file: C:\\out\\all.prj\n");
}

TEST_F(Driver, JoinsEveryValueToTheWorkspaceFolderAsItStands) {
    host.addFile("C:\\ws\\all.cws", "Project 0001 = \"C:/abs/x.prj\"\n");
    WorkspaceConverter* run;
    EXPECT_EQ(convert("C:\\ws\\all.cws", run), 1);
    EXPECT_EQ(console.str(), "Could not open file: C:\\ws\\C:\\abs\\x.prj\n");
}
