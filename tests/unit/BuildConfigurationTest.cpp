// Which build configuration a compilation database describes for each CVI project, and the
// folders of the CVI installation its entries search.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CommandLine.h"
#include "CompilationDatabase.h"
#include "CviBuild.h"
#include "FakeHost.h"

namespace {

using Strings = std::vector<std::string>;

std::string sourceEntry(const std::string& file) {
    return "[File 0001]\r\nFile Type = \"CSource\"\r\nPath Is Rel = True\r\n"
           "Path Rel To = \"Project\"\r\nPath Rel Path = \"" +
           file + "\"\r\nExclude = False\r\nFolder = \"Source Files\"\r\n\r\n";
}

std::string configuration(const std::string& header, const std::string& keys) {
    return "[" + header + "]\r\n" + keys + "\r\n";
}

/// A project of CVI 2010 and later, saved with CR LF: the four default configurations, each
/// with definitions of its own (Debug's split over two keys), and a custom one.
const std::string newProject =
    "[Project Header]\r\nVersion = 1301\r\n\r\n" + sourceEntry("a.c") +
    "[Custom Build Configs]\r\nNum Custom Build Configs = 2\r\n\r\n" +
    configuration("Default Build Config Debug",
                  "Config Name = \"Debug\"\r\nIs 64-Bit = False\r\nIs Release = False\r\n"
                  "Default Calling Convention = \"cdecl\"\r\nEnable C99 Extensions = True\r\n"
                  "Compiler Defines Line0001 = \"/DWIN32_LEAN_AND_MEAN /DMODULE_A\"\r\n"
                  "Compiler Defines Line0002 = \" /DMODULE_B=2\"\r\n") +
    configuration(
        "Default Build Config Release",
        "Config Name = \"Release\"\r\nIs 64-Bit = False\r\nIs Release = True\r\n"
        "Enable C99 Extensions = True\r\nCompiler Defines = \"/DWIN32_LEAN_AND_MEAN\"\r\n") +
    configuration("Default Build Config Debug64",
                  "Config Name = \"Debug64\"\r\nIs 64-Bit = True\r\nIs Release = False\r\n"
                  "Enable C99 Extensions = True\r\nCompiler Defines = \"/DWIDE\"\r\n") +
    configuration("Default Build Config Release64",
                  "Config Name = \"Release64\"\r\nIs 64-Bit = True\r\nIs Release = True\r\n"
                  "Enable C99 Extensions = True\r\nCompiler Defines = \"/DWIDE /DSHIP\"\r\n") +
    configuration("Custom Build Config 1",
                  "Config Name = \"Fast\"\r\nIs 64-Bit = False\r\nIs Release = True\r\n"
                  "Default Calling Convention = \"stdcall\"\r\nEnable C99 Extensions = False\r\n"
                  "Compiler Defines = \"/DFAST\"\r\n") +
    configuration("Custom Build Config 2",
                  "Config Name = \"Probe\"\r\nIs 64-Bit = True\r\nIs Release = False\r\n"
                  "Enable C99 Extensions = True\r\nCompiler Defines = \"/DPROBE\"\r\n") +
    "[Compiler Defines]\r\nCompiler Defines = \"/DWIN32_LEAN_AND_MEAN\"\r\n";

/// A project of CVI 9 or older, saved with LF: one set of options and definitions.
const std::string oldProject = "[Project Header]\nVersion = 801\n\n"
                               "[File 0001]\nFile Type = \"CSource\"\nPath Is Rel = True\n"
                               "Path Rel To = \"Project\"\nPath Rel Path = \"b.c\"\n"
                               "Exclude = False\nFolder = \"Source Files\"\n\n"
                               "[Compiler Options]\nDefault Calling Convention = \"stdcall\"\n\n"
                               "[Compiler Defines]\nCompiler Defines = \"/DOLD\"\n";

struct ConfigurationCase {
    std::string name;
    /// The workspace's "Build Configuration" for its two projects; the new project converted
    /// alone when both are null.
    const char* firstBuilds;
    const char* secondBuilds;
    Strings options;
    /// The arguments of each entry between "clang" and "-c".
    std::vector<Strings> flags;
    std::string errors;
};

const Strings debug32 = {"--target=i686-pc-windows-msvc",
                         "-std=gnu99",
                         "-D_CVI_=1301",
                         "-D_NI_mswin_=1",
                         "-D_WIN32=1",
                         "-D_M_IX86=600",
                         "-D_NI_mswin32_=1",
                         "-D_NI_i386_=1",
                         "-D_CVI_DEBUG_=1"};

Strings with(Strings flags, const Strings& more) {
    flags.insert(flags.end(), more.begin(), more.end());
    return flags;
}

const ConfigurationCase configurationCases[] = {
    {"AProjectAloneBuildsDebugWithItsSplitDefinitions",
     nullptr,
     nullptr,
     {},
     {with(debug32, {"-DMODULE_A", "-DMODULE_B=2", "-DWIN32_LEAN_AND_MEAN"})},
     ""},
    {"TheWorkspaceNamesRelease64",
     "Release64",
     "Release64",
     {},
     {{"--target=x86_64-pc-windows-msvc", "-std=gnu99", "-D_CVI_=1301", "-D_NI_mswin_=1",
       "-D_WIN32=1", "-D_WIN64=1", "-D_M_X64=100", "-D_M_AMD64=100", "-D_NI_mswin64_=1", "-DSHIP",
       "-DWIDE"},
      // 64-bit Windows has one calling convention: the old project's stdcall adds nothing.
      {"--target=x86_64-pc-windows-msvc", "-std=gnu89", "-D_CVI_=1301", "-D_NI_mswin_=1",
       "-D_WIN32=1", "-D_WIN64=1", "-D_M_X64=100", "-D_M_AMD64=100", "-D_NI_mswin64_=1", "-DOLD"}},
     ""},
    {"TheOptionOverridesTheWorkspace",
     "Release64",
     "Release",
     {"-cdbconfig", "Debug64"},
     {{"--target=x86_64-pc-windows-msvc", "-std=gnu99", "-D_CVI_=1301", "-D_NI_mswin_=1",
       "-D_WIN32=1", "-D_WIN64=1", "-D_M_X64=100", "-D_M_AMD64=100", "-D_NI_mswin64_=1",
       "-D_CVI_DEBUG_=1", "-DWIDE"},
      {"--target=x86_64-pc-windows-msvc", "-std=gnu89", "-D_CVI_=1301", "-D_NI_mswin_=1",
       "-D_WIN32=1", "-D_WIN64=1", "-D_M_X64=100", "-D_M_AMD64=100", "-D_NI_mswin64_=1",
       "-D_CVI_DEBUG_=1", "-DOLD"}},
     ""},
    {"ACustomNameIsFoundAndAProjectWithoutItKeepsItsOwn",
     "Debug",
     "Release",
     {"-cdbconfig", "Fast"},
     {{"--target=i686-pc-windows-msvc", "-std=gnu89", "-D_CVI_=1301", "-D_NI_mswin_=1",
       "-D_WIN32=1", "-D_M_IX86=600", "-D_NI_mswin32_=1", "-D_NI_i386_=1", "-mrtd", "-DFAST"},
      {"--target=i686-pc-windows-msvc", "-std=gnu89", "-D_CVI_=1301", "-D_NI_mswin_=1",
       "-D_WIN32=1", "-D_M_IX86=600", "-D_NI_mswin32_=1", "-D_NI_i386_=1", "-mrtd", "-DOLD"}},
     "No build configuration Fast in C:\\ws\\old\\old.prj: the Compilation Database describes "
     "its Release\n"},
    // A custom name says nothing of the width: its keys do.
    {"ACustom64BitConfigurationBuildsFor64Bit",
     nullptr,
     nullptr,
     {"-cdbconfig", "Probe"},
     {{"--target=x86_64-pc-windows-msvc", "-std=gnu99", "-D_CVI_=1301", "-D_NI_mswin_=1",
       "-D_WIN32=1", "-D_WIN64=1", "-D_M_X64=100", "-D_M_AMD64=100", "-D_NI_mswin64_=1",
       "-D_CVI_DEBUG_=1", "-DPROBE"}},
     ""},
    {"AConfigurationTheWorkspaceNamesButTheProjectLacksFallsBackToDebug",
     "Nightly",
     "",
     {},
     {with(debug32, {"-DMODULE_A", "-DMODULE_B=2", "-DWIN32_LEAN_AND_MEAN"}),
      {"--target=i686-pc-windows-msvc", "-std=gnu89", "-D_CVI_=1301", "-D_NI_mswin_=1",
       "-D_WIN32=1", "-D_M_IX86=600", "-D_NI_mswin32_=1", "-D_NI_i386_=1", "-D_CVI_DEBUG_=1",
       "-mrtd", "-DOLD"}},
     "No build configuration Nightly in C:\\ws\\new\\new.prj: the Compilation Database "
     "describes its Debug\n"},
};

struct Configuration : ::testing::TestWithParam<ConfigurationCase> {
    FakeHost host;
    std::ostringstream console;
    std::ostringstream errors;

    Configuration() {
        host.addFolder("C:\\out");
        host.addFile("C:\\ws\\new\\new.prj", newProject);
        host.addFile("C:\\ws\\old\\old.prj", oldProject);
        host.addFile("C:\\ws\\new\\a.c", "");
        host.addFile("C:\\ws\\old\\b.c", "");
    }
    int run(const std::string& source, const Strings& options) {
        Strings args = {source, "C:\\nocvi", "C:\\out", "-cdb", "C:\\out\\cc.json"};
        args.insert(args.end(), options.begin(), options.end());
        return runQuorvel(args, host, console, errors);
    }
};

} // namespace

TEST_P(Configuration, DecidesTheFlagsAndDefinitionsOfEachProjectsEntries) {
    const ConfigurationCase& given = GetParam();
    std::string source = "C:\\ws\\new\\new.prj";
    Strings files = {"C:\\ws\\new\\a.c"};
    if (given.firstBuilds) {
        source = "C:\\ws\\all.cws";
        files.push_back("C:\\ws\\old\\b.c");
        host.addFile(source, "[Workspace Header]\nProject 0001 = \"new/new.prj\"\n"
                             "Project 0001 Collapsed = True\n"
                             "Project 0002 = \"old/old.prj\"\n\n"
                             "[Project Header 0002]\nBuild Configuration = \"" +
                                 std::string(given.secondBuilds) +
                                 "\"\n\n"
                                 "[Project Header 0001]\nBuild Configuration = \"" +
                                 given.firstBuilds + "\"\n");
    }
    ASSERT_EQ(run(source, given.options), 0) << console.str();
    EXPECT_EQ(errors.str(), given.errors);
    const nlohmann::json written = nlohmann::json::parse(host.fileBytes("C:\\out\\cc.json"));
    ASSERT_EQ(written.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        Strings arguments = with({"clang"}, given.flags[i]);
        arguments.insert(arguments.end(), {"-c", "-x", "c", files[i]});
        EXPECT_EQ(written[i]["arguments"], arguments) << files[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Database, Configuration, ::testing::ValuesIn(configurationCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(Configuration, LeavesThePersonalityEveryDefinitionOfTheProject) {
    ASSERT_EQ(run("C:\\ws\\new\\new.prj", {"-cdbconfig", "Release64"}), 0);
    EXPECT_EQ(host.fileBytes("C:\\out\\new\\person\\new.p_a"), "-d \"FAST\"\r\n"
                                                               "-d \"MODULE_A\"\r\n"
                                                               "-d \"MODULE_B=2\"\r\n"
                                                               "-d \"PROBE\"\r\n"
                                                               "-d \"SHIP\"\r\n"
                                                               "-d \"WIDE\"\r\n"
                                                               "-d \"WIN32_LEAN_AND_MEAN\"\r\n");
}

struct SearchCase {
    std::string configuration;
    Strings folders;
};

class SearchOrder : public ::testing::TestWithParam<SearchCase> {};

// Present: two toolslib folders, include, sdk\include, the 32-bit VXIplug&play and the
// 64-bit IVI include folders. Missing: instr, include\ansi and the other two roots' folders.
TEST_P(SearchOrder, NamesTheCviFoldersThatExistInCvisOrderForTheBuildsWidth) {
    FakeHost host;
    for (const char* folder :
         {"C:\\cvi\\toolslib\\toolbox", "C:\\cvi\\toolslib\\custctrl", "C:\\cvi\\include",
          "C:\\cvi\\sdk\\include", "C:\\VXI\\winnt\\include", "C:\\IVI64\\include"})
        host.addFolder(folder);
    host.addFile("C:\\cvi\\toolslib\\readme.txt", "");
    host.addFile("C:\\p.prj", "[Project Header]\n"
                              "IVI Standard Root Dir = \"/C/IVI\"\n"
                              "VXIplug&play Framework Dir = \"/C/VXI/winnt\"\n"
                              "IVI Standard Root 64-bit Dir = \"/C/IVI64\"\n"
                              "VXIplug&play Framework 64-bit Dir = \"/C/VXI/win64\"\n");
    CviLineReader reader(host.openTextForReading("C:\\p.prj"));
    std::string missed;
    const CviBuild build =
        chooseBuild(readProjectConfigs(reader), GetParam().configuration, "", missed);
    EXPECT_EQ(cviHeaderFolders("C:\\cvi", build, host), GetParam().folders);
}

INSTANTIATE_TEST_SUITE_P(
    Database, SearchOrder,
    ::testing::Values(
        SearchCase{"Debug",
                   {"C:\\cvi\\toolslib\\custctrl", "C:\\cvi\\toolslib\\toolbox", "C:\\cvi\\include",
                    "C:\\VXI\\winnt\\include", "C:\\cvi\\sdk\\include"}},
        SearchCase{"Release64",
                   {"C:\\cvi\\toolslib\\custctrl", "C:\\cvi\\toolslib\\toolbox", "C:\\cvi\\include",
                    "C:\\IVI64\\include", "C:\\cvi\\sdk\\include"}}),
    [](const auto& info) { return info.param.configuration; });
