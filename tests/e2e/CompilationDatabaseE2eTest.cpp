// The bundled example converted with -cdb, and clangd and cppcheck reading every source
// through the database it wrote.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include "Sandbox.h"
#include "WineRunner.h"

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

const char* const database = "C:\\out\\compile_commands.json";
const char* const overlay = "C:\\out\\compile_commands.overlay.json";

/// clang and the CVI dialect flags of a Debug build, with C99 extensions or without.
Strings debugDialect(const char* standard) {
    return {"clang",          "--target=i686-pc-windows-msvc",
            standard,         "-D_CVI_=1301",
            "-D_NI_mswin_=1", "-D_WIN32=1",
            "-D_M_IX86=600",  "-D_NI_mswin32_=1",
            "-D_NI_i386_=1",  "-D_CVI_DEBUG_=1"};
}

/// The example workspace and its stand-in CVI installation at C:\examples, converted into
/// C:\out with a compilation database.
struct ExampleDatabase : ::testing::Test {
    Sandbox box;
    RunResult result;

    void SetUp() override {
        fs::copy(EXAMPLES_FOLDER, box.host("C:\\examples"), fs::copy_options::recursive);
        box.makeFolder("C:\\out");
        result = box.run({"C:\\examples\\weather\\weather.cws", "C:\\examples\\cvi", "C:\\out",
                          "-cdb", database});
    }
    /// A path as the database holds it: the Windows path itself under Wine, the sandbox's
    /// host path on Linux.
    std::string pathOf(const std::string& windowsPath) const {
        return underWine() ? windowsPath : box.host(windowsPath).string();
    }
    nlohmann::json entries() const { return nlohmann::json::parse(box.readFile(database)); }
};

/// The exit status of clangd checking file with the database in folder; its output in log.
int clangdCheck(const std::string& file, const fs::path& folder, const fs::path& log) {
    const std::string command = "clangd --check='" + file + "' --compile-commands-dir='" +
                                folder.string() + "' >'" + log.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string textOf(const fs::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// The exit status of a command given as its words, in a shell in folder, as a tool runs an
/// entry's arguments in its directory; its output in log.
int runWords(const Strings& words, const fs::path& folder, const fs::path& log) {
    std::string command = "cd '" + folder.string() + "' && ";
    for (const std::string& word : words) {
        command += "'";
        for (char c : word)
            command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += "' ";
    }
    const int status = std::system((command + ">'" + log.string() + "' 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

/// The exit status of cppcheck checking the configuration of the database in folder; the
/// includes it misses in missing, "file:line:id:message" each; its output in log.
int cppcheckConfig(const fs::path& folder, const fs::path& log, Strings& missing) {
    const int status =
        runWords({"cppcheck", "--project=" + (folder / "compile_commands.json").string(),
                  "--check-config", "--template={file}:{line}:{id}:{message}"},
                 folder, log);
    std::ifstream in(log);
    missing.clear();
    for (std::string line; std::getline(in, line);)
        if (line.find(":missingInclude") != std::string::npos)
            missing.push_back(line);
    return status;
}

} // namespace

TEST_F(ExampleDatabase, HoldsEachExampleSourceThereByItsNameOnDiskAsCWithItsFoldersAndDefinitions) {
    ASSERT_EQ(result.status, 0) << result.out;
    // The station lists drivers\barometer.c, which is not there.
    EXPECT_EQ(result.err, "Left out of the Compilation Database: "
                          "C:\\examples\\weather\\station\\drivers\\barometer.c (not found)\n");
    // Windows ignores letter case already: Quorvel.exe writes no overlay.
    const std::string tail =
        std::string("  Creating Compilation Database - ") + database + "\n" +
        (underWine() ? "" : "  Creating Case Overlay - " + std::string(overlay) + "\n") +
        "Corvane/Corvane++ Project Completed!\n";
    EXPECT_EQ(box.isFile(overlay), !underWine());
    ASSERT_GE(result.out.size(), tail.size());
    EXPECT_EQ(result.out.substr(result.out.size() - tail.size()), tail);

    // The workspace builds the station as Debug and the display panel as Release64. The CVI
    // installation has no sdk\include: only the folders that exist are named, and the
    // station names its toolslib folder itself. "-I" and its folder are two arguments, the
    // overlay is joined to its option, and every source, CALIB.C too, is compiled as C.
    auto entry = [&](const std::string& folder, const std::string& file, const Strings& dialect,
                     const Strings& includes, const Strings& defines) {
        Strings arguments = dialect;
        for (const std::string& include : includes)
            arguments.insert(arguments.end(), {"-I", pathOf(include)});
        arguments.insert(arguments.end(), defines.begin(), defines.end());
        if (!underWine())
            arguments.push_back("-ivfsoverlay" + pathOf(overlay));
        // On Linux the source is named from the entry's directory: cppcheck takes a path that
        // begins with "/D" for a definition.
        std::string source = file;
        std::replace(source.begin(), source.end(), '\\', '/');
        arguments.insert(arguments.end(),
                         {"-c", "-x", "c", underWine() ? pathOf(folder + "\\" + file) : source});
        return nlohmann::json{{"directory", pathOf(folder)},
                              {"arguments", arguments},
                              {"file", pathOf(folder + "\\" + file)}};
    };
    const std::string cvi = "C:\\examples\\cvi";
    const std::string station = "C:\\examples\\weather\\station";
    const Strings stationFolders = {cvi + "\\toolslib\\toolbox", station + "\\..\\include",
                                    station + "\\..\\shared headers", cvi + "\\include",
                                    cvi + "\\include\\ansi"};
    const Strings stationDefines = {"-DDEBUG", "-DSTATION_RATE=10", "-DWIN32_LEAN_AND_MEAN"};
    const Strings stationDialect = debugDialect("-std=gnu99");
    const Strings release64 = {"clang",          "--target=x86_64-pc-windows-msvc",
                               "-std=gnu99",     "-D_CVI_=1301",
                               "-D_NI_mswin_=1", "-D_WIN32=1",
                               "-D_WIN64=1",     "-D_M_X64=100",
                               "-D_M_AMD64=100", "-D_NI_mswin64_=1"};
    auto stationEntry = [&](const std::string& file) {
        return entry(station, file, stationDialect, stationFolders, stationDefines);
    };
    // The project lists drivers\hygrometer.c, which is Hygrometer.c on disk: a host whose
    // names heed letter case gets the name it has there, Windows finds the one listed.
    const nlohmann::json expected = nlohmann::json::array(
        {stationEntry("main.c"), stationEntry("sampling.c"), stationEntry("CALIB.C"),
         stationEntry("drivers\\anemometer.c"),
         stationEntry(underWine() ? "drivers\\hygrometer.c" : "drivers\\Hygrometer.c"),
         entry("C:\\examples\\weather\\display panel", "panel.c", release64,
               {cvi + "\\toolslib\\toolbox", cvi + "\\include", cvi + "\\include\\ansi"}, {})});
    EXPECT_EQ(entries(), expected);
}

TEST_F(ExampleDatabase, LetsClangdParseAndCppcheckLoadEveryExampleSource) {
    if (underWine())
        GTEST_SKIP() << "the database of Quorvel.exe holds Windows paths, for Windows tools";
    ASSERT_EQ(result.status, 0) << result.out;
    const nlohmann::json written = entries();
    ASSERT_EQ(written.size(), 6u);
    const fs::path log = box.host("C:\\tool.log");
    for (const auto& item : written) {
        const std::string file = item["file"];
        EXPECT_EQ(clangdCheck(file, box.host("C:\\out"), log), 0) << textOf(log);
    }
    // cppcheck loads the whole database and finds every header of ours but one: it reads no
    // case overlay, so "Station.h", which is station.h on disk, is missing to it on Linux.
    Strings missing;
    EXPECT_EQ(cppcheckConfig(box.host("C:\\out"), log, missing), 0) << textOf(log);
    EXPECT_NE(textOf(log).find("6/6 files checked"), std::string::npos) << textOf(log);
    EXPECT_EQ(missing, Strings{written[3]["file"].get<std::string>() +
                               ":2:missingInclude:Include file: \"Station.h\" not found."})
        << textOf(log);

    // The checks have teeth: without the project's definition, built as the 32-bit Debug of
    // before, with CALIB.C left to its name's language or "-I" joined to a folder with a
    // blank, the same sources fail.
    nlohmann::json lost = written;
    for (auto& item : lost) {
        Strings arguments;
        for (const std::string& argument : item["arguments"].get<Strings>()) {
            if (argument == "-DSTATION_RATE=10" || argument == "-x" || argument == "c")
                continue;
            if (!arguments.empty() && arguments.back() == "-I")
                arguments.back() += argument;
            else
                arguments.push_back(argument);
        }
        item["arguments"] = arguments;
    }
    lost[5]["arguments"] = debugDialect("-std=gnu99");
    lost[5]["arguments"].insert(lost[5]["arguments"].end(), written[5]["arguments"].begin() + 10,
                                written[5]["arguments"].end());
    box.writeFile("C:\\lost\\compile_commands.json", lost.dump());
    const std::vector<std::pair<int, std::string>> failures = {
        {1, "STATION_RATE must come from the project's compiler defines"},
        {2, "invalid argument '-std=gnu99' not allowed with 'C++'"},
        {5, "the workspace builds the display panel as Release64"}};
    for (const auto& [index, message] : failures) {
        EXPECT_NE(clangdCheck(lost[index]["file"], box.host("C:\\lost"), log), 0) << message;
        EXPECT_NE(textOf(log).find(message), std::string::npos) << textOf(log);
    }
    cppcheckConfig(box.host("C:\\lost"), log, missing);
    EXPECT_NE(textOf(log).find("Include file: \"units.h\" not found."), std::string::npos)
        << textOf(log);
}

TEST_F(ExampleDatabase, FindsAHeaderNamedInAnotherCaseThroughTheOverlayAsClangWarns) {
    if (underWine())
        GTEST_SKIP() << "Windows ignores letter case itself: Quorvel.exe writes no overlay";
    ASSERT_EQ(result.status, 0) << result.out;
    const nlohmann::json written = entries();
    ASSERT_EQ(written.size(), 6u);
    // drivers\anemometer.c includes "Station.h", which is station.h on disk.
    const nlohmann::json& anemometer = written[3];
    const fs::path log = box.host("C:\\clang.log");

    Strings arguments = anemometer["arguments"];
    std::replace(arguments.begin(), arguments.end(), std::string("-c"),
                 std::string("-fsyntax-only"));
    EXPECT_EQ(runWords(arguments, anemometer["directory"].get<std::string>(), log), 0)
        << textOf(log);
    EXPECT_NE(textOf(log).find("warning: non-portable path to file '\"station.h\"'; specified "
                               "path differs in case from file name on disk "
                               "[-Wnonportable-include-path]"),
              std::string::npos)
        << textOf(log);

    // Without the overlay clangd misses the header.
    nlohmann::json plain = written;
    for (auto& item : plain) {
        auto& words = item["arguments"];
        const auto at = std::find(words.begin(), words.end(), "-ivfsoverlay" + pathOf(overlay));
        ASSERT_NE(at, words.end()) << words.dump();
        words.erase(at);
    }
    box.writeFile("C:\\plain\\compile_commands.json", plain.dump());
    EXPECT_NE(clangdCheck(anemometer["file"], box.host("C:\\plain"), log), 0);
    EXPECT_NE(textOf(log).find("'Station.h' file not found"), std::string::npos) << textOf(log);
}

TEST_F(ExampleDatabase, ThatWouldReplaceTheWorkspaceEndsTheRunBeforeAnythingIsWritten) {
    // Windows finds the workspace whatever the letter case; a host whose names heed it only
    // as it is spelt.
    const std::string named = std::string("C:\\examples\\weather\\station\\..\\") +
                              (underWine() ? "WEATHER.CWS" : "weather.cws");
    box.makeFolder("C:\\again");
    const RunResult again = box.run(
        {"C:\\examples\\weather\\weather.cws", "C:\\examples\\cvi", "C:\\again", "-cdb", named});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(again.err, "Not written: the Compilation Database " + named +
                             " would replace the workspace C:\\examples\\weather\\weather.cws\n");
    EXPECT_TRUE(fs::is_empty(box.host("C:\\again")));
    EXPECT_EQ(box.readFile("C:\\examples\\weather\\weather.cws"),
              textOf(fs::path(EXAMPLES_FOLDER) / "weather" / "weather.cws"));
}

namespace {

/// A project as real ones come from their author's machine: besides its own include folder
/// it names one on a drive that is not mapped here and one in the bytes of code page 949
/// ("공통"), and a definition in those bytes too. Its header lies in its own folder.
struct ForeignFolders : ::testing::Test {
    Sandbox box;
    RunResult result;
    const std::string korean = "\xB0\xF8\xC5\xEB";

    void SetUp() override {
        box.writeFile("C:\\ws\\inc\\plant.h", "#define PLANT_RATE (RATE * 2)\n"
                                              "int plant_rate(void);\n");
        box.writeFile("C:\\ws\\main.c",
                      "#include \"plant.h\"\n"
                      "#ifndef RATE\n"
                      "#error RATE must come from the project's compiler defines\n"
                      "#endif\n"
                      "int plant_rate(void) { return PLANT_RATE; }\n");
        box.makeFolder("C:\\ws\\" + korean);
        box.writeFile("C:\\ws\\plant.prj",
                      "[Project Header]\r\nVersion = 1301\r\n\r\n"
                      "[File 0001]\r\nFile Type = \"CSource\"\r\nPath Is Rel = True\r\n"
                      "Path Rel To = \"Project\"\r\nPath Rel Path = \"main.c\"\r\n"
                      "Exclude = False\r\nFolder = \"Source Files\"\r\n\r\n"
                      "[Default Build Config Debug]\r\n"
                      "Compiler Defines = \"/DRATE=10 /DAUTHOR=" +
                          korean +
                          "\"\r\n\r\n"
                          "[Include Paths]\r\n"
                          "Include Path 1 Is Rel = False\r\n"
                          "Include Path 1 = \"/e/_Projects/PersonalDev/cwsw_lib/include\"\r\n"
                          "Include Path 2 Is Rel = False\r\n"
                          "Include Path 2 = \"/C/ws/" +
                          korean +
                          "\"\r\n"
                          "Include Path 3 Is Rel = False\r\n"
                          "Include Path 3 = \"/C/ws/inc\"\r\n");
        box.makeFolder("C:\\out");
        result = box.run({"C:\\ws\\plant.prj", "C:\\cvi", "C:\\out", "-cdb", database});
    }
    nlohmann::json entries() const { return nlohmann::json::parse(box.readFile(database)); }
};

} // namespace

TEST_F(ForeignFolders, LeaveTheSourceItsEntryWithoutThemAndClangdChecksIt) {
    ASSERT_EQ(result.status, 0) << result.out << result.err;
    const nlohmann::json written = entries();
    ASSERT_EQ(written.size(), 1u) << written.dump();
    const auto& arguments = written[0]["arguments"];
    if (underWine()) {
        // Windows paths are the tools' own, on a drive that exists or not.
        EXPECT_EQ(result.err.find("e:\\_Projects"), std::string::npos) << result.err;
        for (const Strings& include :
             {Strings{"-I", "e:\\_Projects\\PersonalDev\\cwsw_lib\\include"},
              Strings{"-I", "C:\\ws\\inc"}})
            EXPECT_NE(
                std::search(arguments.begin(), arguments.end(), include.begin(), include.end()),
                arguments.end())
                << arguments.dump();
        return;
    }
    EXPECT_EQ(result.err,
              "Left out of the Compilation Database: include folder C:\\ws\\" + korean +
                  " (cannot be written as UTF-8)\n"
                  "Left out of the Compilation Database: include folder "
                  "e:\\_Projects\\PersonalDev\\cwsw_lib\\include (drive E: is not mapped)\n"
                  "Left out of the Compilation Database: definition AUTHOR=" +
                  korean +
                  " (cannot be written as UTF-8)\n"
                  "Left out of the Case Overlay: folder C:\\ws\\" +
                  korean + " (cannot be written as UTF-8)\n");
    const std::string file = box.host("C:\\ws\\main.c").string();
    Strings expected = debugDialect("-std=gnu89");
    expected.insert(expected.end(),
                    {"-I", box.host("C:\\ws\\inc").string(), "-DRATE=10",
                     "-ivfsoverlay" + box.host(overlay).string(), "-c", "-x", "c", "main.c"});
    EXPECT_EQ(written[0], (nlohmann::json{{"directory", box.host("C:\\ws").string()},
                                          {"arguments", expected},
                                          {"file", file}}));

    const fs::path log = box.host("C:\\clangd.log");
    EXPECT_EQ(clangdCheck(file, box.host("C:\\out"), log), 0) << textOf(log);
    // The check has teeth: without the entry, as before, clangd finds no project header.
    box.writeFile("C:\\none\\compile_commands.json", "[]");
    EXPECT_NE(clangdCheck(file, box.host("C:\\none"), log), 0);
    EXPECT_NE(textOf(log).find("'plant.h' file not found"), std::string::npos) << textOf(log);
}
