#include <gtest/gtest.h>

#include "WriterFixture.h"

namespace {

/// main below the root, with a definition, and below it a folder group of the given name
/// that holds a file and a definition of its own (so it would write a personality file).
struct GroupFolderContainment : WriterFixture {
    void build(const std::string& folderName) {
        ProjectGroup& main = add(root(), "main", "C:\\ws\\main\\");
        main.setDefine("A", "1");
        ProjectGroup& folder = add(main, folderName, "C:\\ws\\main\\");
        folder.addFile("C:\\ws\\main\\m.c");
        folder.setDefine("B", "2");
    }
    /// Runs a fresh conversion of the tree that build gives; returns its status.
    int convertWith(const std::string& folderName) {
        converter.reset();
        host = FakeHost();
        console.str("");
        SetUp();
        build(folderName);
        return converter->run();
    }
    /// Every folder made and every file written that lies outside C:\out.
    std::vector<std::string> outside() {
        std::vector<std::string> found;
        for (const auto* made : {&host.madeFolders, &host.writtenFiles})
            for (const std::string& path : *made)
                if (path.rfind("C:\\out\\", 0) != 0)
                    found.push_back(path);
        return found;
    }
};

} // namespace

TEST_F(GroupFolderContainment, NameWithAParentSegmentFailsBeforeAnythingOfItsGroupExists) {
    const char* const names[] = {
        "..",        "../x",    "..\\x",
        "x/..",      "x\\..",   "a\\..\\b",
        "a/../b",    "\\..\\x", "../../../Windows/x",
        "..\\..\\x", "x/../..",
    };
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(convertWith(name), 1);
        const std::string groupFolder = std::string("C:\\out\\all\\main\\") + name;
        // The group is never announced; the failure names its folder as it would be.
        EXPECT_EQ(console.str(),
                  "Creating Corvane/Corvane++ Project ...\n"
                  "  Creating Group - all\n"
                  "  Creating Group - main\n"
                  "  Creating Analyser Personality - C:\\out\\all\\main\\person\\main.p_a\n"
                  "Could not create directory: " +
                      groupFolder + "\n");
        // main's section is complete up to its sub-groups; nothing of the bad group follows.
        const std::string file = projectFile();
        const std::string mainOpen = "CompPers=C:\\out\\person\\all.p_c\r\n"
                                     "EndContainedFilesMarker\r\n"
                                     "StartSubProjectMarker\r\n";
        ASSERT_GE(file.size(), mainOpen.size());
        EXPECT_EQ(file.substr(file.size() - mainOpen.size()), mainOpen);
        EXPECT_EQ(file.find("FolderName=main\r\n"), file.rfind("FolderName="));
        EXPECT_EQ(host.fileBytes("C:\\out\\all\\main\\person\\main.p_a"), "-d \"A=1\"\r\n");
        EXPECT_EQ(host.madeFolders.back(), "C:\\out\\all\\main\\person");
        EXPECT_EQ(outside(), std::vector<std::string>());
    }
}

TEST_F(GroupFolderContainment, DotsInsideANameAreOrdinary) {
    for (const char* name : {"..x", "a..b", "x..", "...", "a/.../b", ". .", "a/./b", "."}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(convertWith(name), 0) << console.str();
        EXPECT_NE(console.str().find(std::string("\n  Creating Group - ") + name + "\n"),
                  std::string::npos);
        EXPECT_EQ(outside(), std::vector<std::string>());
    }
}

TEST_F(GroupFolderContainment, RootNameWithAParentSegmentFailsBeforeAnyFolderIsMade) {
    // The root is named after the source file without its last four bytes: a project file
    // named "...prj" gives "..". Found by the conversion fuzz target.
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\ws\\a/../../x.cws", "C:\\out\\a/../../x"},
        {"C:\\ws\\...prj", "C:\\out\\.."},
        {"C:\\ws\\...cws", "C:\\out\\.."},
    };
    for (const auto& [source, groupFolder] : cases) {
        SCOPED_TRACE(source);
        host = FakeHost();
        console.str("");
        host.addFile(source, "");
        host.addFolder("C:\\out");
        converter =
            std::make_unique<WorkspaceConverter>(source, "C:\\cvi", "C:\\out", host, console);
        converter->setProjectName("all");
        EXPECT_EQ(converter->run(), 1);
        EXPECT_EQ(console.str(), std::string("Creating Corvane/Corvane++ Project ...\n"
                                             "Could not create directory: ") +
                                     groupFolder + "\n");
        EXPECT_EQ(projectFile(), "VersionTag45\r\n");
        EXPECT_EQ(host.madeFolders, std::vector<std::string>());
    }
}
