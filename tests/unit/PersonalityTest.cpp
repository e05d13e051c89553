#include <gtest/gtest.h>

#include <sstream>

#include "Errors.h"
#include "WriterFixture.h"

namespace {

struct Personalities : WriterFixture {
    /// The text after key on every line of the project file that starts with it, in order.
    std::vector<std::string> values(const std::string& key) {
        std::vector<std::string> found;
        std::istringstream file(projectFile());
        std::string line;
        while (std::getline(file, line))
            if (line.compare(0, key.size(), key) == 0)
                found.push_back(line.substr(key.size(), line.size() - key.size() - 1));
        return found;
    }
    std::size_t count(const std::string& text) {
        const std::string all = console.str();
        std::size_t n = 0;
        for (std::size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++n;
        return n;
    }
};

const std::string defaultAnalyser = "C:\\out\\person\\all.p_a";

} // namespace

TEST_F(Personalities, WithoutOptionsEverySectionNamesTheEmptyProjectWideFiles) {
    host.addFile("C:\\out\\person\\all.p_s", "old message personality");
    host.addFile("C:\\out\\person\\all.p_c", "old compiler personality");
    add(add(root(), "drv"), "Source Files");
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(values("SubsPers="), std::vector<std::string>(3, "C:\\out\\person\\all.p_s"));
    EXPECT_EQ(values("AnalPers="), std::vector<std::string>(3, defaultAnalyser));
    EXPECT_EQ(values("CompPers="), std::vector<std::string>(3, "C:\\out\\person\\all.p_c"));
    EXPECT_TRUE(host.isFile("C:\\out\\person\\all.p_s"));
    EXPECT_EQ(host.fileBytes("C:\\out\\person\\all.p_s"), "");
    EXPECT_TRUE(host.isFile(defaultAnalyser));
    EXPECT_EQ(host.fileBytes(defaultAnalyser), "");
    EXPECT_TRUE(host.isFile("C:\\out\\person\\all.p_c"));
    EXPECT_EQ(host.fileBytes("C:\\out\\person\\all.p_c"), "");
}

TEST_F(Personalities, MessageAndCompilerFilesGivenAreOnlyNamed) {
    converter->setMessagePersonality("D:\\missing\\msg.p_s");
    converter->setCompilerPersonality("C:\\base\\comp.p_c");
    host.addFile("C:\\base\\comp.p_c", "compiler");
    add(root(), "drv");
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(values("SubsPers="), std::vector<std::string>(2, "D:\\missing\\msg.p_s"));
    EXPECT_EQ(values("CompPers="), std::vector<std::string>(2, "C:\\base\\comp.p_c"));
    EXPECT_FALSE(host.exists("C:\\out\\person\\all.p_s"));
    EXPECT_FALSE(host.exists("C:\\out\\person\\all.p_c"));
    EXPECT_EQ(host.fileBytes("C:\\base\\comp.p_c"), "compiler");
    // The default analyser personality still needs the project person folder.
    EXPECT_TRUE(host.isFile(defaultAnalyser));
}

TEST_F(Personalities, OwnPersonalityListsIncludeFoldersThenDefinitionsInByteOrder) {
    ProjectGroup& main = add(root(), "main");
    main.addIncludePath("c:\\inc");
    main.addIncludePath("C:\\inc");
    main.addIncludePath("C:\\a b\\\"q\"");
    main.setDefine("WIN32", "");
    main.setDefine("LEVEL", "A=B");
    main.setDefine("DEBUG", "1");
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(host.fileBytes("C:\\out\\all\\main\\person\\main.p_a"), "-i \"C:\\a b\\\"q\"\"\r\n"
                                                                      "-i \"C:\\inc\"\r\n"
                                                                      "-i \"c:\\inc\"\r\n"
                                                                      "-d \"DEBUG=1\"\r\n"
                                                                      "-d \"LEVEL=A=B\"\r\n"
                                                                      "-d \"WIN32\"\r\n");
    // Without sub-groups the person folder is made for the personality alone.
    EXPECT_TRUE(host.isFolder("C:\\out\\all\\main\\person"));
    EXPECT_EQ(values("AnalPers="),
              (std::vector<std::string>{defaultAnalyser, "C:\\out\\all\\main\\person\\main.p_a"}));
}

TEST_F(Personalities, AnalyserFileGivenIsCopiedAfterTheOwnLinesAndIntoTheDefault) {
    host.addFile("C:\\base\\base.p_a", "-w1\n-w2\r\n-quiet");
    converter->setAnalyserPersonality("C:\\base\\base.p_a");
    add(root(), "main").setDefine("DEBUG", "");
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(host.fileBytes("C:\\out\\all\\main\\person\\main.p_a"),
              "-d \"DEBUG\"\r\n-w1\r\n-w2\r\n-quiet");
    EXPECT_EQ(host.fileBytes(defaultAnalyser), "-w1\r\n-w2\r\n-quiet");
    EXPECT_EQ(host.fileBytes("C:\\base\\base.p_a"), "-w1\n-w2\r\n-quiet");
    EXPECT_EQ(count("Couldnt open file"), 0u);
}

TEST_F(Personalities, MissingAnalyserFileIsReportedOncePerFileAndTheRunSucceeds) {
    converter->setAnalyserPersonality("C:\\base\\missing.p_a");
    ProjectGroup& main = add(root(), "main");
    main.setDefine("DEBUG", "");
    add(main, "Source Files");
    add(root(), "drv").addIncludePath("C:\\inc");
    ASSERT_EQ(converter->run(), 0);
    // The root's default, main's and drv's own personalities: three files.
    EXPECT_EQ(count("Couldnt open file\n"), 3u);
    EXPECT_EQ(console.str().substr(console.str().size() - 37),
              "Corvane/Corvane++ Project Completed!\n");
    EXPECT_EQ(host.fileBytes("C:\\out\\all\\main\\person\\main.p_a"), "-d \"DEBUG\"\r\n");
    EXPECT_TRUE(host.isFile(defaultAnalyser));
}

TEST_F(Personalities, DefaultLeftByAnEarlierRunIsUsedUnchanged) {
    host.addFile(defaultAnalyser, "-earlier\r\n");
    host.addFile("C:\\base\\base.p_a", "-now\n");
    converter->setAnalyserPersonality("C:\\base\\base.p_a");
    add(root(), "drv");
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(values("AnalPers="), std::vector<std::string>(2, defaultAnalyser));
    EXPECT_EQ(host.fileBytes(defaultAnalyser), "-earlier\r\n");
}

TEST_F(Personalities, OwnFileLeftInAParentsPersonFolderIsTakenAndTheOwnFileIsRewritten) {
    const std::string mainOwn = "C:\\out\\all\\main\\person\\main.p_a";
    host.addFile(mainOwn, "-i \"C:\\old\"\r\n");
    host.addFile("C:\\out\\all\\drv\\person\\drv.p_a", "-i \"C:\\gone\"\r\n");
    // main has no include folders or definitions any more; drv still has one.
    add(add(root(), "main"), "Source Files");
    ProjectGroup& drv = add(root(), "drv");
    drv.setDefine("NEW", "");
    add(drv, "Source Files");
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(values("AnalPers="),
              (std::vector<std::string>{defaultAnalyser, defaultAnalyser, mainOwn,
                                        "C:\\out\\all\\drv\\person\\drv.p_a",
                                        "C:\\out\\all\\drv\\person\\drv.p_a"}));
    EXPECT_EQ(host.fileBytes(mainOwn), "-i \"C:\\old\"\r\n");
    EXPECT_EQ(host.fileBytes("C:\\out\\all\\drv\\person\\drv.p_a"), "-d \"NEW\"\r\n");
}

TEST_F(Personalities, SingleProjectRootWithDefinitionsIsNamedByItsFolderGroups) {
    root().setSourceFolder("C:\\ws\\");
    root().addIncludePath("C:\\ws\\inc");
    add(root(), "Source Files");
    add(root(), "Headers");
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(values("AnalPers="), std::vector<std::string>(3, "C:\\out\\all\\person\\all.p_a"));
    EXPECT_EQ(host.fileBytes("C:\\out\\all\\person\\all.p_a"), "-i \"C:\\ws\\inc\"\r\n");
    EXPECT_EQ(console.str(), "Creating Corvane/Corvane++ Project ...\n"
                             "  Creating Group - all\n"
                             "  Creating Analyser Personality - C:\\out\\all\\person\\all.p_a\n"
                             "  Creating Group - Source Files\n"
                             "  Creating Group - Headers\n"
                             "Corvane/Corvane++ Project Completed!\n");
    // Nothing needed the default analyser personality.
    EXPECT_FALSE(host.exists(defaultAnalyser));
}

TEST_F(Personalities, RootTakesAFileNamedDotPaInTheProjectPersonFolder) {
    host.addFile("C:\\out\\person\\.p_a", "");
    add(root(), "drv");
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(values("AnalPers="),
              (std::vector<std::string>{"C:\\out\\\\person\\.p_a", "C:\\out\\\\person\\.p_a"}));
    EXPECT_FALSE(host.exists(defaultAnalyser));
}

TEST_F(Personalities, AnalyserFileGivenThatIsTheOwnFileKeepsItsContent) {
    const std::string own = "C:\\out\\all\\main\\person\\main.p_a";
    host.addFile(own, "-w1\r\n");
    converter->setAnalyserPersonality(own);
    add(root(), "main").setDefine("DEBUG", "");
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(host.fileBytes(own), "-d \"DEBUG\"\r\n-w1\r\n");
}

TEST_F(Personalities, OwnFileThatCannotBeWrittenStopsTheRunAfterItsLine) {
    const std::string own = "C:\\out\\all\\main\\person\\main.p_a";
    host.failingWrites.insert(own);
    add(root(), "main").setDefine("DEBUG", "");
    add(root(), "drv");
    EXPECT_EQ(converter->run(), 1);
    EXPECT_EQ(console.str(), "Creating Corvane/Corvane++ Project ...\n"
                             "  Creating Group - all\n"
                             "  Creating Group - main\n"
                             "  Creating Analyser Personality - " +
                                 own +
                                 "\n"
                                 "Could not write file: " +
                                 own + "\n");
    const std::string file = projectFile();
    const std::string last = "AnalPers=" + own + "\r\n";
    EXPECT_EQ(file.substr(file.size() - last.size()), last);
    EXPECT_TRUE(host.isFolder("C:\\out\\all\\main\\person"));
}

TEST_F(Personalities, MessageDefaultThatCannotBeMadeIsSilent) {
    host.failingWrites.insert("C:\\out\\person\\all.p_s");
    ASSERT_EQ(converter->run(), 0);
    EXPECT_EQ(values("SubsPers="), std::vector<std::string>{"C:\\out\\person\\all.p_s"});
    EXPECT_FALSE(host.exists("C:\\out\\person\\all.p_s"));
    EXPECT_EQ(console.str(), "Creating Corvane/Corvane++ Project ...\n"
                             "  Creating Group - all\n"
                             "Corvane/Corvane++ Project Completed!\n");
}

TEST_F(Personalities, CreateFolderMakesOneLevelAndAcceptsWhatExists) {
    const ProjectGroup& group = root();
    host.addFile("C:\\out\\file", "");
    EXPECT_NO_THROW(group.createFolder("C:\\out\\file"));
    EXPECT_NO_THROW(group.createFolder("C:\\out\\one\\"));
    EXPECT_NO_THROW(group.createFolder("C:\\out\\one"));
    EXPECT_EQ(host.madeFolders, std::vector<std::string>{"C:\\out\\one"});
    try {
        group.createFolder("C:\\out\\a\\b\\");
        ADD_FAILURE() << "a folder whose parent is missing was made";
    } catch (const IOERROR& error) {
        EXPECT_EQ(error.code, 1);
        EXPECT_EQ(error.path, "C:\\out\\a\\b\\");
    }
    EXPECT_FALSE(host.exists("C:\\out\\a"));
}
