// QUORVEL_CODEPAGE: CVI files in a Windows ANSI code page next to UTF-8 file names.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <nlohmann/json.hpp>

#include "Sandbox.h"
#include "WineRunner.h"

namespace fs = std::filesystem;

namespace {

/// A name in UTF-8 and the same name in the code page.
struct Name {
    std::string utf8;
    std::string bytes;
};

/// A project folder and its CVI folder group, named in one code page.
struct Language {
    std::string codePage;
    Name folder;
    Name group;
};

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.codePage;
}

const Language chinese{"936",
                       {"\xE6\xB8\xA9\xE5\xBA\xA6", "\xCE\xC2\xB6\xC8"}, // 温度
                       {"\xE6\xBA\x90\xE6\x96\x87\xE4\xBB\xB6",          // 源文件
                        "\xD4\xB4\xCE\xC4\xBC\xFE"}};
const Language cyrillic{
    "1251",
    {"\xD0\x94\xD0\xB0\xD1\x82\xD1\x87\xD0\xB8\xD0\xBA", "\xC4\xE0\xF2\xF7\xE8\xEA"}, // Датчик
    {"\xD0\x98\xD1\x81\xD1\x85\xD0\xBE\xD0\xB4\xD0\xBD\xD0\xB8\xD0\xBA\xD0\xB8", // Исходники
     "\xC8\xF1\xF5\xEE\xE4\xED\xE8\xEA\xE8"}};

/// The workspace D.cws in the folder D names the project D.prj, whose one source file lies
/// in the CVI folder G and whose include folder is D\inc; all in the code page's bytes.
std::string workspace(const Language& language) {
    return "[Workspace Header]\r\nVersion = 1301\r\nProject 0001 = \"" + language.folder.bytes +
           ".prj\"\r\n";
}

std::string project(const Language& language) {
    const std::string& folder = language.folder.bytes;
    const std::string& group = language.group.bytes;
    return "[Project Header]\r\nVersion = 1301\r\n\r\n[Folders]\r\nFolder 0 = \"" + group +
           "\"\r\n\r\n[File 0001]\r\nFile Type = \"CSource\"\r\nPath Is Rel = True\r\n"
           "Path Rel To = \"Project\"\r\nPath Rel Path = \"" +
           folder + ".c\"\r\nExclude = False\r\nFolder = \"" + group +
           "\"\r\nFolder Id = 0\r\n\r\n[Include Paths]\r\nInclude Path 1 Is Rel = False\r\n"
           "Include Path 1 = \"c:/" +
           folder + "/inc\"\r\n";
}

/// The console lines of a completed run, with names as the console shows them.
std::string completed(const std::string& folder, const std::string& group) {
    return "Creating Corvane/Corvane++ Project ...\n  Creating Group - " + folder +
           "\n  Creating Group - " + folder + "\n  Creating Analyser Personality - C:\\out\\" +
           folder + "\\" + folder + "\\person\\" + folder + ".p_a\n  Creating Group - " + group +
           "\nCorvane/Corvane++ Project Completed!\n";
}

/// The files and folders below the destination after a completed run.
std::vector<std::string> completedTree(const std::string& folder, const std::string& group) {
    const std::string f = folder;
    std::vector<std::string> tree = {f,
                                     f + ".prj",
                                     f + "/output",
                                     f + "/person",
                                     f + "/" + f,
                                     f + "/" + f + "/output",
                                     f + "/" + f + "/person",
                                     f + "/" + f + "/person/" + f + ".p_a",
                                     f + "/" + f + "/" + group,
                                     f + "/" + f + "/" + group + "/output",
                                     "person",
                                     "person/" + f + ".p_a",
                                     "person/" + f + ".p_c",
                                     "person/" + f + ".p_s"};
    std::sort(tree.begin(), tree.end());
    return tree;
}

/// Every file and folder below a folder of the sandbox, as sorted host paths relative to it.
std::vector<std::string> treeOf(const Sandbox& box, const std::string& folder) {
    std::vector<std::string> tree;
    const fs::path top = box.host(folder);
    for (const auto& entry : fs::recursive_directory_iterator(top))
        tree.push_back(entry.path().lexically_relative(top).string());
    std::sort(tree.begin(), tree.end());
    return tree;
}

/// A sandbox with the CVI files in the folder D, with the names on disk in UTF-8 or, for the
/// program without a code page, in the code page's own bytes.
struct CodePageRun : ::testing::TestWithParam<Language> {
    void SetUp() override {
        if (underWine())
            GTEST_SKIP() << "a Windows program takes its code page from the system";
    }
    static void prepare(Sandbox& box, const Language& language, bool utf8Names) {
        const std::string folder =
            "C:\\" + (utf8Names ? language.folder.utf8 : language.folder.bytes);
        const std::string name = utf8Names ? language.folder.utf8 : language.folder.bytes;
        box.writeFile(folder + "\\" + name + ".cws", workspace(language));
        box.writeFile(folder + "\\" + name + ".prj", project(language));
        box.makeFolder("C:\\out");
    }
    static std::vector<std::string> arguments(const std::string& folder) {
        return {"C:\\" + folder + "\\" + folder + ".cws", "C:\\cvi", "C:\\out"};
    }
};

} // namespace

TEST_P(CodePageRun, UtfEightNamesOnDiskConvertAsTheWindowsProgramDoes) {
    const Language& language = GetParam();
    const std::string& folder = language.folder.utf8;
    Sandbox box;
    prepare(box, language, true);
    box.setVariable("QUORVEL_CODEPAGE", language.codePage);
    const RunResult result = box.run(arguments(folder));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, completed(folder, language.group.utf8));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(treeOf(box, "C:\\out"), completedTree(folder, language.group.utf8));

    // The files hold the code page's bytes: those of a run where the names on disk are
    // those bytes too, as they are on Windows.
    Sandbox windows;
    prepare(windows, language, false);
    const RunResult bytes = windows.run(arguments(language.folder.bytes));
    EXPECT_EQ(bytes.status, 0);
    EXPECT_EQ(bytes.out, completed(language.folder.bytes, language.group.bytes));
    EXPECT_EQ(treeOf(windows, "C:\\out"),
              completedTree(language.folder.bytes, language.group.bytes));
    const std::string projectFile = box.readFile("C:\\out\\" + folder + ".prj");
    EXPECT_EQ(projectFile, windows.readFile("C:\\out\\" + language.folder.bytes + ".prj"));
    EXPECT_NE(projectFile.find("FolderName=" + language.group.bytes + "\r\n"), std::string::npos)
        << projectFile;
    const std::string personality = "\\person\\" + folder + ".p_a";
    EXPECT_EQ(box.readFile("C:\\out\\" + folder + "\\" + folder + personality),
              "-i \"c:\\" + language.folder.bytes + "\\inc\"\r\n");
}

TEST_P(CodePageRun, WithoutTheVariableTheCodePageNamesNameNoFile) {
    const Language& language = GetParam();
    const std::string& folder = language.folder.utf8;
    Sandbox box;
    prepare(box, language, true);
    const RunResult result = box.run(arguments(folder));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "Could not open file: C:\\" + folder + "\\" + language.folder.bytes + ".prj\n");
    EXPECT_EQ(treeOf(box, "C:\\out"), std::vector<std::string>{});
}

TEST_P(CodePageRun, TheCompilationDatabaseHoldsTheNamesAndDefinitionsInUtf8) {
    const Language& language = GetParam();
    const std::string& folder = language.folder.utf8;
    Sandbox box;
    prepare(box, language, true);
    // The database names only a source that is there.
    box.writeFile("C:\\" + folder + "\\" + folder + ".c", "");
    // A definition whose value is a name in the code page.
    box.writeFile("C:\\" + folder + "\\" + folder + ".prj",
                  project(language) + "\r\n[Compiler Options]\r\nCompiler Defines = \"/DPLACE=" +
                      language.group.bytes + "\"\r\n");
    box.setVariable("QUORVEL_CODEPAGE", language.codePage);
    std::vector<std::string> args = arguments(folder);
    args.insert(args.end(), {"-cdb", "C:\\out\\compile_commands.json"});
    const RunResult result = box.run(args);
    ASSERT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_EQ(result.err, "");
    const auto entries = nlohmann::json::parse(box.readFile("C:\\out\\compile_commands.json"));
    ASSERT_EQ(entries.size(), 1u) << entries.dump();
    const std::string projectFolder = "C:\\" + folder;
    EXPECT_EQ(entries[0]["file"], box.host(projectFolder + "\\" + folder + ".c").string());
    EXPECT_EQ(entries[0]["directory"], box.host(projectFolder).string());
    const auto& args0 = entries[0]["arguments"];
    const std::vector<std::string> include = {"-I", box.host(projectFolder + "\\inc").string()};
    EXPECT_NE(std::search(args0.begin(), args0.end(), include.begin(), include.end()), args0.end())
        << args0.dump();
    const std::string definition = "-DPLACE=" + language.group.utf8;
    EXPECT_NE(std::find(args0.begin(), args0.end(), definition), args0.end()) << args0.dump();
}

INSTANTIATE_TEST_SUITE_P(Languages, CodePageRun, ::testing::Values(chinese, cyrillic));

namespace {

struct CodePageRefusal : ::testing::Test {
    void SetUp() override {
        if (underWine())
            GTEST_SKIP() << "a Windows program takes its code page from the system";
        CodePageRun::prepare(box, chinese, true);
    }
    /// Runs the Chinese conversion with the code page and arguments given; nothing may be
    /// written and nothing printed on standard output.
    RunResult refused(const std::string& codePage, const std::vector<std::string>& args) {
        box.setVariable("QUORVEL_CODEPAGE", codePage);
        const RunResult result = box.run(args);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(treeOf(box, "C:\\out"), std::vector<std::string>{});
        return result;
    }
    Sandbox box;
};

} // namespace

TEST_F(CodePageRefusal, AValueThatNamesNoAnsiCodePageEndsTheRunNamingIt) {
    const auto args = CodePageRun::arguments(chinese.folder.utf8);
    for (const std::string value : {"abc", "99999", ""}) {
        EXPECT_EQ(refused(value, args).err,
                  "Quorvel: QUORVEL_CODEPAGE=\"" + value +
                      "\" names no code page this system converts; give the number of a "
                      "Windows ANSI code page, such as 936 or 1252\n");
    }
}

TEST_F(CodePageRefusal, AnArgumentTheCodePageCannotWriteEndsTheRunNamingIt) {
    const auto args = CodePageRun::arguments(chinese.folder.utf8);
    EXPECT_EQ(refused("1251", args).err, "Quorvel: argument 1 cannot be written in code page "
                                         "1251: " +
                                             args[0] + "\n");
    EXPECT_EQ(refused("936", {args[0], "C:\\cvi\xFF", "C:\\out"}).err,
              "Quorvel: argument 2 cannot be written in code page 936: C:\\cvi\xFF\n");
}

TEST_F(CodePageRefusal, ACurrentFolderTheCodePageCannotWriteEndsTheRunNamingIt) {
    const std::string folder = "C:\\" + chinese.folder.utf8;
    box.setVariable("QUORVEL_CODEPAGE", "1251");
    const RunResult result = box.run({"ws.cws", "cvi", "..\\out"}, folder);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "Quorvel: the name of the current folder cannot be written in code page 1251: " +
                  box.host(folder).string() + "\n");
}

TEST_F(CodePageRefusal, ACviFolderNotValidInTheCodePageIsMadeUnderNoName) {
    // A lead byte followed by a byte that cannot follow it is no GBK character.
    Language broken = chinese;
    broken.group.bytes = "\x81\x30";
    box.writeFile("C:\\" + chinese.folder.utf8 + "\\" + chinese.folder.utf8 + ".prj",
                  project(broken));
    box.setVariable("QUORVEL_CODEPAGE", "936");
    const std::string& folder = chinese.folder.utf8;
    const RunResult result = box.run(CodePageRun::arguments(folder));
    EXPECT_EQ(result.status, 1);
    // The run goes as far as the folder group, whose name shows its bytes as replacements.
    const std::string completedLines = completed(folder, "");
    EXPECT_EQ(result.out, completedLines.substr(0, completedLines.find("  Creating Group - \n")) +
                              "Could not create directory: C:\\out\\" + folder + "\\" + folder +
                              "\\\xEF\xBF\xBD" + "0\n");
    EXPECT_EQ(treeOf(box, "C:\\out\\" + folder + "\\" + folder),
              (std::vector<std::string>{"output", "person", "person/" + folder + ".p_a"}));
}
