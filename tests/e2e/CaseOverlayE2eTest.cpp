// Clang reading a project through the case overlay of the database that Quorvel wrote for it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include "Sandbox.h"
#include "WineRunner.h"

namespace fs = std::filesystem;

namespace {

/// The exit status of clang -fsyntax-only on a database entry, run in its directory as the
/// tools run it; its messages in log.
int checkSyntax(const nlohmann::json& entry, const fs::path& log) {
    std::string command = "cd '" + entry["directory"].get<std::string>() + "' &&";
    for (const std::string word : entry["arguments"])
        command += " '" + (word == "-c" ? std::string("-fsyntax-only") : word) + "'";
    const int status = std::system((command + " >'" + log.string() + "' 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(CaseOverlayOnDisk,
     GivesClangTheExactFileOfTwinsTheRelativeFolderAndNothingOfOtherFileSystems) {
    if (underWine())
        GTEST_SKIP() << "Windows ignores letter case itself: Quorvel.exe writes no overlay";
    Sandbox box;
    // Drive D: is the host's root, which an include folder names.
    box.setVariable("QUORVEL_DRIVE_D", "/");
    box.writeFile("C:\\ws\\proj\\a.h", "#define FROM_A 1\n");
    box.writeFile("C:\\ws\\proj\\A.h", "#error A.h read for a.h\n");
    box.writeFile("C:\\ws\\proj\\sub\\s.h", "#define FROM_SUB 1\n");
    box.writeFile("C:\\ws\\proj\\Sub\\s.h", "#error Sub/s.h read for sub/s.h\n");
    box.writeFile("C:\\ws\\include\\h.h", "#define FROM_H 1\n");
    box.writeFile("C:\\ws\\proj\\main.c", "#include \"a.h\"\n"
                                          "#include \"sub/s.h\"\n"
                                          "#include \"H.H\"\n"
                                          "int both = FROM_A + FROM_SUB + FROM_H;\n");
    box.writeFile("C:\\ws\\proj\\p.prj",
                  "[File 0001]\nFile Type = \"CSource\"\nPath Is Rel = True\n"
                  "Path Rel To = \"Project\"\nPath Rel Path = \"main.c\"\nExclude = False\n"
                  "Folder = \"Source Files\"\n\n"
                  "[Include Paths]\n"
                  "Include Path 1 Is Rel = False\nInclude Path 1 = \"../include\"\n"
                  "Include Path 2 Is Rel = False\nInclude Path 2 = \"/d/\"\n");
    box.makeFolder("C:\\out");
    const RunResult result = box.run(
        {"C:\\ws\\proj\\p.prj", "C:\\cvi", "C:\\out", "-cdb", "C:\\out\\compile_commands.json"});
    ASSERT_EQ(result.status, 0) << result.out << result.err;
    EXPECT_NE(result.err.find("Left out of the Case Overlay: files C:\\ws\\proj\\A.h and "
                              "C:\\ws\\proj\\a.h (their names differ only in letter case)\n"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("Left out of the Case Overlay: folder d:\\proc "
                              "(on another file system)\n"),
              std::string::npos)
        << result.err;

    const auto entries = nlohmann::json::parse(box.readFile("C:\\out\\compile_commands.json"));
    ASSERT_EQ(entries.size(), 1u);
    const fs::path log = box.host("C:\\clang.log");
    EXPECT_EQ(checkSyntax(entries[0], log), 0) << std::ifstream(log).rdbuf();

    const auto overlay =
        nlohmann::json::parse(box.readFile("C:\\out\\compile_commands.overlay.json"));
    for (const auto& folder : overlay["roots"]) {
        const std::string name = folder["name"];
        EXPECT_NE(name.rfind("/proc", 0), 0u) << name;
    }
}
