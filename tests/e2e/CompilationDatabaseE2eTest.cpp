// The bundled example converted with -cdb, and clangd reading every source through the
// database it wrote.
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

} // namespace

TEST_F(ExampleDatabase, HoldsEveryExampleSourceWithItsProjectsFoldersAndDefinitions) {
    ASSERT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(result.err, "");
    const std::string tail = "  Creating Compilation Database - C:\\out\\compile_commands.json\n"
                             "Corvane/Corvane++ Project Completed!\n";
    ASSERT_GE(result.out.size(), tail.size());
    EXPECT_EQ(result.out.substr(result.out.size() - tail.size()), tail);

    const Strings dialect = {"clang",          "--target=i686-pc-windows-msvc",
                             "-std=gnu99",     "-D_CVI_=1301",
                             "-D_NI_mswin_=1", "-D_NI_mswin32_=1",
                             "-D_NI_i386_=1"};
    // The CVI installation has no sdk\include: only the folders that exist are named.
    const Strings cviFolders = {"-I" + pathOf("C:\\examples\\cvi\\include"),
                                "-I" + pathOf("C:\\examples\\cvi\\include\\ansi")};
    auto entry = [&](const std::string& folder, const std::string& file, const Strings& own,
                     const Strings& defines) {
        Strings arguments = dialect;
        arguments.insert(arguments.end(), own.begin(), own.end());
        arguments.insert(arguments.end(), cviFolders.begin(), cviFolders.end());
        arguments.insert(arguments.end(), defines.begin(), defines.end());
        arguments.push_back("-c");
        arguments.push_back(pathOf(folder + "\\" + file));
        return nlohmann::json{{"directory", pathOf(folder)},
                              {"arguments", arguments},
                              {"file", pathOf(folder + "\\" + file)}};
    };
    const std::string station = "C:\\examples\\weather\\station";
    const Strings stationFolders = {"-I" + pathOf("C:\\examples\\cvi\\toolslib\\toolbox"),
                                    "-I" + pathOf(station + "\\..\\include")};
    const Strings stationDefines = {"-DDEBUG", "-DSTATION_RATE=10", "-DWIN32_LEAN_AND_MEAN"};
    const nlohmann::json expected = nlohmann::json::array(
        {entry(station, "main.c", stationFolders, stationDefines),
         entry(station, "sampling.c", stationFolders, stationDefines),
         entry(station, "drivers\\anemometer.c", stationFolders, stationDefines),
         entry("C:\\examples\\weather\\display panel", "panel.c", {}, {})});
    EXPECT_EQ(entries(), expected);
}

TEST_F(ExampleDatabase, LetsClangdParseEveryExampleSourceWithoutAnError) {
    if (underWine())
        GTEST_SKIP() << "the database of Quorvel.exe holds Windows paths, for Windows tools";
    ASSERT_EQ(result.status, 0) << result.out;
    const nlohmann::json written = entries();
    ASSERT_EQ(written.size(), 4u);
    const fs::path log = box.host("C:\\clangd.log");
    for (const auto& item : written) {
        const std::string file = item["file"];
        EXPECT_EQ(clangdCheck(file, box.host("C:\\out"), log), 0) << textOf(log);
    }

    // The check has teeth: without the project's definition the same source fails.
    nlohmann::json lost = written;
    for (auto& item : lost) {
        auto& arguments = item["arguments"];
        arguments.erase(std::remove(arguments.begin(), arguments.end(), "-DSTATION_RATE=10"),
                        arguments.end());
    }
    box.writeFile("C:\\lost\\compile_commands.json", lost.dump());
    EXPECT_NE(clangdCheck(written[1]["file"], box.host("C:\\lost"), log), 0);
    EXPECT_NE(textOf(log).find("STATION_RATE must come from the project's compiler defines"),
              std::string::npos)
        << textOf(log);
}
