#include <gtest/gtest.h>

#include <sstream>

#include "FakeHost.h"
#include "ProjectGroup.h"
#include "WorkspaceConverter.h"

namespace {

struct Tree : ::testing::Test {
    FakeHost host;
    std::ostringstream console;
    WorkspaceConverter converter{"C:\\w\\ws.cws", "C:\\cvi", "C:\\out", host, console};
    ProjectGroup root{"root", &converter};

    ProjectGroup* add(ProjectGroup& parent, const std::string& name) {
        auto group = std::make_unique<ProjectGroup>(name, &converter);
        ProjectGroup* raw = group.get();
        parent.addSubGroup(std::move(group));
        return raw;
    }
};

} // namespace

TEST_F(Tree, FindSubGroupReturnsTheFirstExactMatchInListOrder) {
    ProjectGroup* first = add(root, "Source Files");
    add(root, "source files");
    ProjectGroup* second = add(root, "Source Files");
    EXPECT_EQ(root.findSubGroup("Source Files"), first);
    EXPECT_NE(root.findSubGroup("source files"), first);
    EXPECT_EQ(root.findSubGroup("Source"), nullptr);
    EXPECT_EQ(root.getSubGroups().size(), 3u);
    EXPECT_EQ(root.getSubGroups()[2].get(), second);
    EXPECT_EQ(root.findSubGroup(""), nullptr);
    ProjectGroup* unnamed = add(root, "");
    EXPECT_EQ(root.findSubGroup(""), unnamed);
}

TEST_F(Tree, FilesKeepOrderAndDuplicates) {
    root.addFile("b.c");
    root.addFile("a.c");
    root.addFile("b.c");
    EXPECT_EQ(root.getFiles(), (std::vector<std::string>{"b.c", "a.c", "b.c"}));
}

TEST_F(Tree, IncludePathsAreAByteOrderedSetOfDistinctTexts) {
    root.addIncludePath("c:\\b");
    root.addIncludePath("C:\\b");
    root.addIncludePath("c:\\a");
    root.addIncludePath("c:\\b");
    EXPECT_EQ(root.getIncludePaths(), (std::set<std::string>{"C:\\b", "c:\\a", "c:\\b"}));
    EXPECT_EQ(*root.getIncludePaths().begin(), "C:\\b");
}

TEST_F(Tree, DefinesKeepTheLastValueAndEmptyValues) {
    root.setDefine("LEVEL", "1");
    root.setDefine("LEVEL", "2");
    root.setDefine("DEBUG", "");
    EXPECT_EQ(root.getDefines().at("LEVEL"), "2");
    EXPECT_EQ(root.getDefines().count("DEBUG"), 1u);
    EXPECT_EQ(root.getDefines().begin()->first, "DEBUG");
}
