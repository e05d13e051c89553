#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CommandLine.h"
#include "CompilationDatabase.h"
#include "CviSourceEntry.h"
#include "DiskNames.h"
#include "FakeHost.h"
#include "LeftOut.h"
#include "ProjectGroup.h"
#include "WorkspaceConverter.h"

namespace {

using Strings = std::vector<std::string>;

/// clang and the CVI dialect flags that begin every entry of a Debug build without C99.
const Strings dialect = {"clang",          "--target=i686-pc-windows-msvc",
                         "-std=gnu89",     "-D_CVI_=1301",
                         "-D_NI_mswin_=1", "-D_WIN32=1",
                         "-D_M_IX86=600",  "-D_NI_mswin32_=1",
                         "-D_NI_i386_=1",  "-D_CVI_DEBUG_=1"};

/// The arguments of an entry: the dialect, then rest, each "-I<folder>" of it made "-I" and the
/// folder, then "-c", "-x", "c" and file.
Strings withDialect(const Strings& rest, const std::string& file) {
    Strings arguments = dialect;
    for (const std::string& argument : rest) {
        if (argument.compare(0, 2, "-I") == 0) {
            arguments.emplace_back("-I");
            arguments.push_back(argument.substr(2));
        } else {
            arguments.push_back(argument);
        }
    }
    arguments.insert(arguments.end(), {"-c", "-x", "c", file});
    return arguments;
}

/// A CVI source entry relative to its project.
std::string source(const std::string& file, const std::string& folder) {
    return cviSourceEntry(file, folder);
}

struct Database : ::testing::Test {
    FakeHost host;
    std::ostringstream console;
    std::ostringstream errors;

    Database() { reset(); }
    /// A fresh host with C:\out, a CVI folder with toolslib\toolbox but without include\ansi, and
    /// the current folder C:\ws; an empty console and error stream.
    void reset() {
        host = FakeHost();
        console.str("");
        errors.str("");
        host.addFolder("C:\\out");
        host.addFolder("C:\\cvi\\toolslib\\toolbox");
        host.addFolder("C:\\cvi\\include");
        host.addFolder("C:\\cvi\\sdk\\include");
        host.setCurrentFolder("C:\\ws");
    }
    /// Sources named relative to folder, each made on the host.
    void addSources(const std::string& folder, const Strings& files) {
        for (const std::string& file : files)
            host.addFile(folder + "\\" + file, "");
    }
    int run(const Strings& args) { return runQuorvel(args, host, console, errors); }
    /// The database file, parsed.
    nlohmann::json database(const std::string& path = "C:\\out\\compile_commands.json") {
        return nlohmann::json::parse(host.fileBytes(path));
    }
    /// The workspace C:\ws\all.cws with the projects main and drv.
    void addWorkspace() {
        host.addFile("C:\\ws\\all.cws", "Project 0001 = \"main/main.prj\"\n"
                                        "Project 0002 = \"drv/drv.prj\"\n");
        host.addFile("C:\\ws\\main\\main.prj",
                     source("main.c", "Source Files") + source("main.h", "Source Files") +
                         source("util.C", "Source Files") + source("notes.txt", "Extra") +
                         source("main.c", "Extra") +
                         "[Default Build Config Debug]\n"
                         "Compiler Defines = \"/DDEBUG /DRATE=10 /D\"\n"
                         "\n"
                         "[Include Paths]\n"
                         "Include Path 1 Is Rel = False\n"
                         "Include Path 1 = \"/C/ws/inc\"\n"
                         "Include Path 2 Is Rel = True\n"
                         "Include Path 2 Rel To = \"CVI\"\n"
                         "Include Path 2 Rel Path = \"toolslib/toolbox\"\n"
                         "Include Path 3 Is Rel = False\n"
                         "Include Path 3 = \"\"\n");
        host.addFile("C:\\ws\\drv\\drv.prj", source("drv.c", "Source Files"));
        addSources("C:\\ws\\main", {"main.c", "main.h", "util.C"});
        addSources("C:\\ws\\drv", {"drv.c"});
    }
};

const std::string workspaceConsole =
    "Creating Corvane/Corvane++ Project ...\n"
    "  Creating Group - all\n"
    "  Creating Group - main\n"
    "  Creating Analyser Personality - C:\\out\\all\\main\\person\\main.p_a\n"
    "  Creating Group - Source Files\n"
    "  Creating Group - Extra\n"
    "  Creating Group - drv\n"
    "  Creating Group - Source Files\n";
const std::string completed = "Corvane/Corvane++ Project Completed!\n";

/// The text of a database holding entries, as the step writes it an item at a time.
std::string renderCompilationDatabase(const std::vector<DatabaseEntry>& entries) {
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i)
        appendDatabaseItem(text, entries[i], i == 0);
    text += databaseEnd(!entries.empty());
    return text;
}

} // namespace

TEST(CSources, AreTheFilesWhoseExtensionIsCInEitherCase) {
    EXPECT_TRUE(isCSource("C:\\ws\\main.c"));
    EXPECT_TRUE(isCSource("C:\\ws\\MAIN.C"));
    EXPECT_TRUE(isCSource("C:\\ws\\v1.2\\a.b.c"));
    EXPECT_FALSE(isCSource("C:\\ws\\main.h"));
    EXPECT_FALSE(isCSource("C:\\ws\\main.cpp"));
    EXPECT_FALSE(isCSource("C:\\ws\\main.c.bak"));
    EXPECT_FALSE(isCSource("C:\\ws.c\\main"));
    EXPECT_FALSE(isCSource("C:\\ws.c/main"));
    EXPECT_FALSE(isCSource("C:\\ws\\c"));
}

TEST(RenderDatabase, EscapesBackslashesQuotesAndControlsAndKeepsSpacesAndUtf8) {
    const DatabaseEntry entry{"C:\\my \"quoted\" dir",
                              {"clang", "-DNAME=\"x\"", "-DTAB=a\tb", "-I\\\\server\\share\\"},
                              "C:\\dir with spaces\\M\xC3\xBCller.c"};
    EXPECT_EQ(renderCompilationDatabase({entry}),
              "[\n"
              "  {\n"
              "    \"directory\": \"C:\\\\my \\\"quoted\\\" dir\",\n"
              "    \"arguments\": [\n"
              "      \"clang\",\n"
              "      \"-DNAME=\\\"x\\\"\",\n"
              "      \"-DTAB=a\\tb\",\n"
              "      \"-I\\\\\\\\server\\\\share\\\\\"\n"
              "    ],\n"
              "    \"file\": \"C:\\\\dir with spaces\\\\M\xC3\xBCller.c\"\n"
              "  }\n"
              "]\n");
    EXPECT_EQ(renderCompilationDatabase({}), "[]\n");
}

TEST(RenderDatabase, WrittenAnEntryAtATimeIsTheJsonDumpIndentedByTwo) {
    const std::vector<DatabaseEntry> entries = {
        {"/w", {"clang", "-DQ=\"\x01\b\f\n\r\x1f\x7f\"", "-c", "/w/a.c"}, "/w/a.c"},
        {"/w", {}, "/w/b.c"},
        {"/v", {"clang"}, "/v/\xC3\xBC.c"}};
    nlohmann::ordered_json dump = nlohmann::ordered_json::array();
    for (const DatabaseEntry& entry : entries)
        dump.push_back(
            {{"directory", entry.directory}, {"arguments", entry.arguments}, {"file", entry.file}});
    EXPECT_EQ(renderCompilationDatabase(entries), dump.dump(2) + "\n");
}

TEST_F(Database, IsWrittenAfterTheProjectFileWithOneEntryPerListedCSource) {
    addWorkspace();
    EXPECT_EQ(run({"all.cws", "C:\\cvi", "C:\\out", "-cdb", "C:\\out\\compile_commands.json"}), 0);
    EXPECT_EQ(console.str(), workspaceConsole +
                                 "  Creating Compilation Database - "
                                 "C:\\out\\compile_commands.json\n" +
                                 completed);
    EXPECT_EQ(errors.str(), "");
    // The project's include folders in the personality's order (the empty one gives no bare
    // "-I"), the CVI folders that exist but main names itself, then the definitions (the
    // nameless one gives no "-D").
    const Strings mainFlags = {
        "-IC:\\cvi\\toolslib\\toolbox", "-IC:\\ws\\inc", "-IC:\\cvi\\include",
        "-IC:\\cvi\\sdk\\include",      "-DDEBUG",       "-DRATE=10"};
    auto mainEntry = [&](const std::string& file) {
        return nlohmann::json{{"directory", "C:\\ws\\main"},
                              {"arguments", withDialect(mainFlags, file)},
                              {"file", file}};
    };
    const nlohmann::json expected = nlohmann::json::array(
        {mainEntry("C:\\ws\\main\\main.c"), mainEntry("C:\\ws\\main\\util.C"),
         mainEntry("C:\\ws\\main\\main.c"),
         nlohmann::json{{"directory", "C:\\ws\\drv"},
                        {"arguments", withDialect({"-IC:\\cvi\\toolslib\\toolbox",
                                                   "-IC:\\cvi\\include", "-IC:\\cvi\\sdk\\include"},
                                                  "C:\\ws\\drv\\drv.c")},
                        {"file", "C:\\ws\\drv\\drv.c"}}});
    EXPECT_EQ(database(), expected);
    EXPECT_EQ(host.writtenFiles.back(), "C:\\out\\compile_commands.json");
}

TEST_F(Database, FileIsTextWithCrLfLineEndsAndADriveRootKeepsItsSeparator) {
    host.addFile("C:\\one.prj", source("a.c", "Source Files") + "[Default Build Config Debug]\n"
                                                                "Compiler Defines = \"/DX\"\n");
    host.addFile("C:\\a.c", "");
    ASSERT_EQ(run({"C:\\one.prj", "C:\\nocvi", "C:\\out", "-cdb", "C:\\out\\db.json"}), 0);
    EXPECT_EQ(host.fileBytes("C:\\out\\db.json"), "[\r\n"
                                                  "  {\r\n"
                                                  "    \"directory\": \"C:\\\\\",\r\n"
                                                  "    \"arguments\": [\r\n"
                                                  "      \"clang\",\r\n"
                                                  "      \"--target=i686-pc-windows-msvc\",\r\n"
                                                  "      \"-std=gnu89\",\r\n"
                                                  "      \"-D_CVI_=1301\",\r\n"
                                                  "      \"-D_NI_mswin_=1\",\r\n"
                                                  "      \"-D_WIN32=1\",\r\n"
                                                  "      \"-D_M_IX86=600\",\r\n"
                                                  "      \"-D_NI_mswin32_=1\",\r\n"
                                                  "      \"-D_NI_i386_=1\",\r\n"
                                                  "      \"-D_CVI_DEBUG_=1\",\r\n"
                                                  "      \"-DX\",\r\n"
                                                  "      \"-c\",\r\n"
                                                  "      \"-x\",\r\n"
                                                  "      \"c\",\r\n"
                                                  "      \"C:\\\\a.c\"\r\n"
                                                  "    ],\r\n"
                                                  "    \"file\": \"C:\\\\a.c\"\r\n"
                                                  "  }\r\n"
                                                  "]\r\n");
}

TEST_F(Database, AFolderOrDefinitionWithoutAUtf8FormIsLeftOutOfEveryEntryAndToldOnce) {
    // What a real project carries from its author's machine: a folder on a drive that is not
    // mapped here, a folder and a definition in the bytes of another code page.
    const std::string settings = "[Default Build Config Debug]\n"
                                 "Compiler Defines = \"/DAUTHOR=M\xFCller /DRATE=10\"\n"
                                 "\n"
                                 "[Include Paths]\n"
                                 "Include Path 1 Is Rel = False\n"
                                 "Include Path 1 = \"/e/_Projects/lib/include\"\n"
                                 "Include Path 2 Is Rel = False\n"
                                 "Include Path 2 = \"/C/ws/M\xFCller\"\n"
                                 "Include Path 3 Is Rel = False\n"
                                 "Include Path 3 = \"/C/ws/inc\"\n";
    host.addFile("C:\\ws\\all.cws", "Project 0001 = \"a/a.prj\"\n"
                                    "Project 0002 = \"b/b.prj\"\n");
    host.addFile("C:\\ws\\a\\a.prj", source("one.c", "S") + source("two.c", "S") + settings);
    host.addFile("C:\\ws\\b\\b.prj", source("b.c", "S") + settings);
    addSources("C:\\ws\\a", {"one.c", "two.c"});
    addSources("C:\\ws\\b", {"b.c"});
    ASSERT_EQ(run({"all.cws", "C:\\cvi", "C:\\out", "-cdb", "C:\\out\\cc.json"}), 0);

    EXPECT_EQ(errors.str(),
              "Left out of the Compilation Database: include folder C:\\ws\\M\xFCller "
              "(cannot be written as UTF-8)\n"
              "Left out of the Compilation Database: include folder "
              "e:\\_Projects\\lib\\include (drive E: is not mapped)\n"
              "Left out of the Compilation Database: definition AUTHOR=M\xFCller "
              "(cannot be written as UTF-8)\n");
    // Every source keeps its entry, with everything else in the same order.
    auto entry = [](const std::string& folder, const std::string& file) {
        return nlohmann::json{
            {"directory", folder},
            {"arguments",
             withDialect({"-IC:\\ws\\inc", "-IC:\\cvi\\toolslib\\toolbox", "-IC:\\cvi\\include",
                          "-IC:\\cvi\\sdk\\include", "-DRATE=10"},
                         folder + "\\" + file)},
            {"file", folder + "\\" + file}};
    };
    EXPECT_EQ(database("C:\\out\\cc.json"),
              nlohmann::json::array({entry("C:\\ws\\a", "one.c"), entry("C:\\ws\\a", "two.c"),
                                     entry("C:\\ws\\b", "b.c")}));
    // The analyser personalities keep what the database cannot hold.
    EXPECT_EQ(host.fileBytes("C:\\out\\all\\a\\person\\a.p_a"),
              "-i \"C:\\ws\\M\xFCller\"\r\n"
              "-i \"C:\\ws\\inc\"\r\n"
              "-i \"e:\\_Projects\\lib\\include\"\r\n"
              "-d \"AUTHOR=M\xFCller\"\r\n"
              "-d \"RATE=10\"\r\n");
    EXPECT_EQ(console.str().substr(console.str().size() - completed.size()), completed);
}

TEST_F(Database, ASourceIsLeftOutOnlyWhenItsOwnFileOrFolderHasNoUtf8Form) {
    // ok.c stays; the file M?ller.c (listed twice) and the CVI source of the project in the
    // folder M?ller have no UTF-8 form, the one by its name, the other by its folder's.
    auto cviSource = [](const std::string& file) {
        return "[File 0001]\n"
               "File Type = \"CSource\"\n"
               "Path Is Rel = True\n"
               "Path Rel To = \"CVI\"\n"
               "Path Rel Path = \"" +
               file + "\"\nExclude = False\nFolder = \"CVI\"\n\n";
    };
    host.addFile("C:\\ws\\all.cws", "Project 0001 = \"a/a.prj\"\n"
                                    "Project 0002 = \"M\xFCller/m.prj\"\n");
    host.addFile("C:\\ws\\a\\a.prj",
                 source("ok.c", "S") + source("M\xFCller.c", "S") + source("M\xFCller.c", "Again"));
    host.addFile("C:\\ws\\M\xFCller\\m.prj", cviSource("toolslib\\m.c"));
    addSources("C:\\ws\\a", {"ok.c"});
    addSources("C:\\cvi\\toolslib", {"m.c"});
    ASSERT_EQ(run({"all.cws", "C:\\cvi", "C:\\out", "-cdb", "C:\\out\\cc.json"}), 0);
    EXPECT_EQ(errors.str(), "Left out of the Compilation Database: C:\\ws\\a\\M\xFCller.c "
                            "(cannot be written as UTF-8)\n"
                            "Left out of the Compilation Database: C:\\cvi\\toolslib\\m.c "
                            "(project folder C:\\ws\\M\xFCller: cannot be written as UTF-8)\n");
    nlohmann::json written = database("C:\\out\\cc.json");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0]["file"], "C:\\ws\\a\\ok.c");

    // A CVI installation on a drive that is not mapped: its sources name nothing here, and
    // its header folders, which do not exist, are not named at all.
    reset();
    host.addFile("C:\\ws\\a\\a.prj", source("ok.c", "S") + cviSource("toolslib\\t.c"));
    addSources("C:\\ws\\a", {"ok.c"});
    ASSERT_EQ(run({"C:\\ws\\a\\a.prj", "e:\\cvi", "C:\\out", "-cdb", "C:\\out\\cc.json"}), 0);
    EXPECT_EQ(errors.str(), "Left out of the Compilation Database: e:\\cvi\\toolslib\\t.c "
                            "(drive E: is not mapped)\n");
    written = database("C:\\out\\cc.json");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0]["arguments"], withDialect({}, "C:\\ws\\a\\ok.c"));
}

TEST_F(Database, TheCviHeaderFoldersFollowTheRuleOfTheProjectsFolders) {
    host.addFolder("C:\\M\xFCller CVI\\include\\ansi");
    host.addFile("C:\\ws\\p.prj", source("a.c", "S") + source("b.c", "S"));
    addSources("C:\\ws", {"a.c", "b.c"});
    ASSERT_EQ(run({"C:\\ws\\p.prj", "C:\\M\xFCller CVI", "C:\\out", "-cdb", "C:\\out\\cc.json"}),
              0);
    EXPECT_EQ(errors.str(), "Left out of the Compilation Database: include folder "
                            "C:\\M\xFCller CVI\\include (cannot be written as UTF-8)\n"
                            "Left out of the Compilation Database: include folder "
                            "C:\\M\xFCller CVI\\include\\ansi (cannot be written as UTF-8)\n");
    const nlohmann::json written = database("C:\\out\\cc.json");
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[1]["arguments"], withDialect({}, "C:\\ws\\b.c"));
}

TEST(DatabaseEntry, EachPartWithoutAUtf8FormIsNamedWithItsReason) {
    using namespace std::string_literals;
    FakeHost host;
    host.addDrive('D');
    host.addFile("C:\\ws\\a.c", "");
    DiskNames disk(host);
    ProjectGroup settings("p", nullptr);
    for (const std::string& folder :
         {"d:\\inc"s, "q:\\inc"s, "C:\\a\0b"s, "C:\\M\xFCller"s, "\\inc"s, "inc"s})
        settings.addIncludePath(folder);
    CviBuild build;
    build.definitions = {{"N\xFC", ""}, {"V", "\xFC"}, {"OK", "1"}};
    LeftOut leftOut;
    Strings searched;
    const auto entry = makeDatabaseEntry({"C:\\ws\\a.c", "C:\\ws\\", &settings}, build,
                                         {"C:\\cvi\\include", "x:\\cvi\\sdk\\include"}, "", disk,
                                         host, leftOut, searched);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->directory, "C:\\ws");
    EXPECT_EQ(entry->file, "C:\\ws\\a.c");
    EXPECT_EQ(entry->arguments,
              withDialect({"-I\\inc", "-Id:\\inc", "-Iinc", "-IC:\\cvi\\include", "-DOK=1"},
                          "C:\\ws\\a.c"));
    EXPECT_EQ(leftOut.getParts(),
              (Strings{"include folder C:\\M\xFCller (cannot be written as UTF-8)",
                       "include folder C:\\a\0b (the system would take it for another "
                       "name)"s,
                       "include folder q:\\inc (drive Q: is not mapped)",
                       "include folder x:\\cvi\\sdk\\include (drive X: is not mapped)",
                       "definition N\xFC (cannot be written as UTF-8)",
                       "definition V=\xFC (cannot be written as UTF-8)"}));

    // The source's own file and folder: the file is told first, then the folder.
    const std::vector<std::pair<CompileSource, std::string>> sources = {
        {{"q:\\ws\\a.c", "q:\\ws\\", nullptr}, "q:\\ws\\a.c (drive Q: is not mapped)"},
        {{"C:\\ws\\\xFC.c", "C:\\ws\\", nullptr}, "C:\\ws\\\xFC.c (cannot be written as UTF-8)"},
        {{"C:\\ws\\a\0.c"s, "C:\\ws\\", nullptr},
         "C:\\ws\\a\0.c (the system would take it for another name)"s},
        {{"C:\\ws\\a.c", "q:\\", nullptr},
         "C:\\ws\\a.c (project folder q:\\: drive Q: is not mapped)"},
        {{"C:\\ws\\a.c", "C:\\\xFC\\", nullptr},
         "C:\\ws\\a.c (project folder C:\\\xFC: cannot be written as UTF-8)"}};
    for (const auto& [source, line] : sources) {
        leftOut.clear();
        EXPECT_FALSE(makeDatabaseEntry(source, build, {"q:\\cvi\\include"}, "", disk, host, leftOut,
                                       searched))
            << line;
        // Nothing else of a source left out whole is told.
        EXPECT_EQ(leftOut.getParts(), Strings{line});
    }
}

TEST_F(Database, ThatCannotBeOpenedFailsTheRunAfterItsLine) {
    addWorkspace();
    host.failingWrites.insert("C:\\out\\cc.json");
    EXPECT_EQ(run({"all.cws", "C:\\cvi", "C:\\out", "-cdb", "C:\\out\\cc.json"}), 1);
    EXPECT_EQ(console.str(), workspaceConsole +
                                 "  Creating Compilation Database - C:\\out\\cc.json\n"
                                 "Could not write file: C:\\out\\cc.json\n");
    EXPECT_TRUE(host.isFile("C:\\out\\all.prj"));
}

TEST_F(Database, RunWithoutItWritesAndPrintsExactlyWhatItDidBefore) {
    addWorkspace();
    // Without -cdb, -cdbconfig changes nothing either.
    ASSERT_EQ(run({"all.cws", "C:\\cvi", "C:\\out", "-cdbconfig", "Release64"}), 0);
    const std::string plainConsole = console.str();
    const Strings plainFiles = host.writtenFiles;
    const std::string plainProject = host.fileBytes("C:\\out\\all.prj");
    reset();
    addWorkspace();
    ASSERT_EQ(run({"all.cws", "C:\\cvi", "C:\\out", "-cdb", "C:\\out\\cc.json"}), 0);

    EXPECT_EQ(plainConsole, workspaceConsole + completed);
    EXPECT_EQ(console.str(), workspaceConsole +
                                 "  Creating Compilation Database - C:\\out\\cc.json\n" +
                                 completed);
    Strings withDatabase = plainFiles;
    withDatabase.push_back("C:\\out\\cc.json");
    EXPECT_EQ(host.writtenFiles, withDatabase);
    EXPECT_EQ(host.fileBytes("C:\\out\\all.prj"), plainProject);
}

TEST_F(Database, OptionIsMadeAbsoluteAndFollowsTheRulesOfTheOthers) {
    auto databaseFor = [&](const Strings& args) {
        WorkspaceConverter converter("C:\\ws\\all.cws", "C:\\cvi", "C:\\out", host, console);
        applyOptions(args, converter, host);
        return converter.getCompilationDatabase();
    };
    host.addDrive('D');
    host.setDriveFolder("D:\\db");
    EXPECT_EQ(databaseFor({"s", "c", "d"}), "");
    EXPECT_EQ(databaseFor({"s", "c", "d", "-cdb", "cc.json"}), "C:\\ws\\cc.json");
    EXPECT_EQ(databaseFor({"s", "c", "d", "-cdb", "D:cc.json"}), "D:\\db\\cc.json");
    EXPECT_EQ(databaseFor({"s", "c", "d", "-cdb", "a.json", "-cdb", "\\b.json"}), "\\b.json");
    EXPECT_EQ(databaseFor({"s", "c", "d", "-cdb", "a.json", "-CDB", "b.json", "-cdb"}),
              "C:\\ws\\a.json");
    // The scan advances by one: a value that reads "-cdb" is an option too.
    EXPECT_EQ(databaseFor({"s", "c", "d", "-pn", "-cdb", "x.json"}), "C:\\ws\\x.json");
    WorkspaceConverter converter("C:\\ws\\all.cws", "C:\\cvi", "C:\\out", host, console);
    applyOptions({"s", "c", "d", "-cdbconfig", "Release64", "-cdbconfig"}, converter, host);
    EXPECT_EQ(converter.getDatabaseConfiguration(), "Release64");
    // -cdb and -cdbappend are one setting: the later counts, path and all.
    for (const auto& [first, second] : {std::pair{"-cdb", "-cdbappend"}, {"-cdbappend", "-cdb"}}) {
        applyOptions({"s", "c", "d", first, "a.json", second, "b.json"}, converter, host);
        EXPECT_EQ(converter.getCompilationDatabase(), "C:\\ws\\b.json");
        EXPECT_EQ(converter.getAppendDatabase(), second == std::string("-cdbappend"));
    }
}

TEST_F(Database, NamesEachSourceAsTheDiskSpellsItAndLeavesOutOneThatIsNotThere) {
    // What Windows finds, letter case ignored, a host whose names heed case finds too.
    host.ignoresCase = false;
    host.addFile("C:\\ws\\p.prj", source("Sub\\..\\MAIN.c", "S") + source("gone.c", "S") +
                                      source(".\\lib\\Util.C", "S"));
    addSources("C:\\ws", {"main.c", "LIB\\util.c"});
    ASSERT_EQ(run({"C:\\ws\\p.prj", "C:\\cvi", "C:\\out", "-cdb", "C:\\out\\cc.json"}), 0);
    EXPECT_EQ(errors.str(), "Left out of the Compilation Database: C:\\ws\\gone.c (not found)\n");
    const nlohmann::json written = database("C:\\out\\cc.json");
    ASSERT_EQ(written.size(), 2u);
    for (const auto& [entry, file] :
         {std::pair{written[0], "C:\\ws\\main.c"}, std::pair{written[1], "C:\\ws\\LIB\\util.c"}}) {
        EXPECT_EQ(entry["directory"], "C:\\ws");
        EXPECT_EQ(entry["file"], file);
        EXPECT_EQ(entry["arguments"].back(), file);
    }
}

struct RefusedPath : ::testing::TestWithParam<std::pair<const char*, const char*>> {};

// The database, or the case overlay beside it, would replace a file the run reads or writes.
TEST_P(RefusedPath, EndsTheRunBeforeAnythingIsWritten) {
    FakeHost host;
    host.ignoresCase = false;
    host.addFolder("C:\\out");
    host.addFile("C:\\ws\\all.cws", "Project 0001 = \"main/main.prj\"\n");
    host.addFile("C:\\ws\\main\\main.prj",
                 cviSourceEntry("main.c") + cviSourceEntry("main.overlay.json") +
                     cviSourceEntry("util.c") +
                     "[Default Build Config Debug]\nCompiler Defines = \"/DX\"\n");
    host.addFile("C:\\ws\\main\\main.c", "int x;");
    host.addFile("C:\\ws\\main\\main.overlay.json", "{}");
    host.addFile("C:\\ws\\main\\Util.c", "");
    std::ostringstream console;
    std::ostringstream errors;
    EXPECT_EQ(runQuorvel({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out", "-cdb", GetParam().first}, host,
                         console, errors),
              1);
    EXPECT_EQ(errors.str(), GetParam().second);
    EXPECT_EQ(console.str(), "");
    EXPECT_TRUE(host.writtenFiles.empty());
    EXPECT_TRUE(host.madeFolders.empty());
    EXPECT_EQ(host.fileBytes("C:\\ws\\main\\main.c"), "int x;");
}

INSTANTIATE_TEST_SUITE_P(
    Database, RefusedPath,
    ::testing::Values(
        std::pair{"c:\\ws\\main\\..\\all.cws",
                  "Not written: the Compilation Database c:\\ws\\main\\..\\all.cws would replace "
                  "the workspace C:\\ws\\all.cws\n"},
        std::pair{"C:\\ws\\main\\main.prj", "Not written: the Compilation Database "
                                            "C:\\ws\\main\\main.prj would replace the CVI "
                                            "project C:\\ws\\main\\main.prj\n"},
        std::pair{"C:\\ws\\main\\.\\main.c", "Not written: the Compilation Database "
                                             "C:\\ws\\main\\.\\main.c would replace the source "
                                             "file C:\\ws\\main\\main.c\n"},
        // Listed in another case than the disk has it, the source is still that file.
        std::pair{"C:\\ws\\main\\Util.c", "Not written: the Compilation Database "
                                          "C:\\ws\\main\\Util.c would replace the source "
                                          "file C:\\ws\\main\\util.c\n"},
        std::pair{"C:\\ws\\main\\main.json", "Not written: the Case Overlay "
                                             "C:\\ws\\main\\main.overlay.json would replace "
                                             "the source file C:\\ws\\main\\main.overlay.json\n"},
        std::pair{"C:\\out\\all.prj", "Not written: the Compilation Database C:\\out\\all.prj "
                                      "would replace the Corvane project file C:\\out\\all.prj\n"},
        std::pair{"C:\\out\\all\\main\\person\\main.p_a",
                  "Not written: the Compilation Database C:\\out\\all\\main\\person\\main.p_a "
                  "would replace the personality file C:\\out\\all\\main\\person\\main.p_a\n"},
        std::pair{"C:\\out\\person\\all.p_c",
                  "Not written: the Compilation Database C:\\out\\person\\all.p_c would replace "
                  "the personality file C:\\out\\person\\all.p_c\n"}));
