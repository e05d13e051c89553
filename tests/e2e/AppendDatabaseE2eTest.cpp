// One compilation database for a whole repository: the example's workspace and a project of
// its own appended into one database.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include "CviSourceEntry.h"
#include "Sandbox.h"
#include "WineRunner.h"

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

const char* const database = "C:\\repo\\compile_commands.json";

/// The example at C:\examples and a lone project C:\probe\probe.prj beside it.
struct AppendedDatabase : ::testing::Test {
    Sandbox box;

    void SetUp() override {
        fs::copy(EXAMPLES_FOLDER, box.host("C:\\examples"), fs::copy_options::recursive);
        box.writeFile("C:\\probe\\probe.prj", cviSourceEntry("probe.c"));
        box.writeFile("C:\\probe\\probe.c", "#include <ansi_c.h>\nint probe(void) { return 0; }\n");
        for (const char* folder : {"C:\\repo", "C:\\out", "C:\\probe out"})
            box.makeFolder(folder);
    }
    RunResult convert(const std::string& source, const std::string& destination) {
        return box.run({source, "C:\\examples\\cvi", destination, "-cdbappend", database});
    }
    RunResult workspace() { return convert("C:\\examples\\weather\\weather.cws", "C:\\out"); }
    RunResult probe() { return convert("C:\\probe\\probe.prj", "C:\\probe out"); }
    /// Each entry's file without its folder, in order.
    Strings leaves() const {
        Strings names;
        for (const auto& entry : nlohmann::json::parse(box.readFile(database))) {
            const std::string file = entry["file"];
            names.push_back(file.substr(file.find_last_of("/\\") + 1));
        }
        return names;
    }
};

int clangdCheck(const std::string& file, const fs::path& folder) {
    const std::string command = "clangd --check='" + file + "' --compile-commands-dir='" +
                                folder.string() + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST_F(AppendedDatabase, HoldsTheEntriesOfBothConversionsWithOneOverlay) {
    ASSERT_EQ(workspace().status, 0);
    const RunResult second = probe();
    ASSERT_EQ(second.status, 0) << second.out << second.err;
    const Strings stationAndPanel = leaves();
    ASSERT_EQ(stationAndPanel.back(), "probe.c");
    // Converting the workspace again replaces its own entries and keeps the probe's first.
    ASSERT_EQ(workspace().status, 0);
    Strings again = leaves();
    ASSERT_EQ(again.front(), "probe.c");
    std::rotate(again.begin(), again.begin() + 1, again.end());
    EXPECT_EQ(again, stationAndPanel);
    if (underWine())
        return;
    // Every entry names the one overlay beside the database.
    const std::string overlay =
        "-ivfsoverlay" + box.host("C:\\repo\\compile_commands.overlay.json").string();
    for (const auto& entry : nlohmann::json::parse(box.readFile(database))) {
        const Strings arguments = entry["arguments"];
        EXPECT_EQ(std::count(arguments.begin(), arguments.end(), overlay), 1) << entry["file"];
    }
    for (const char* source : {"C:\\probe\\probe.c", "C:\\examples\\weather\\station\\main.c"})
        EXPECT_EQ(clangdCheck(box.host(source).string(), box.host("C:\\repo")), 0) << source;
}

TEST_F(AppendedDatabase, LeavesAFileThatIsNotOneOrCannotBeReplacedAsItWas) {
    box.writeFile(database, "[{\"file\": \"a.c\"}]");
    RunResult refused = workspace();
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              std::string("Not written: ") + database + " is not a compilation database\n");
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(box.readFile(database), "[{\"file\": \"a.c\"}]");
    EXPECT_FALSE(box.isFile("C:\\out\\weather.prj"));

    // The new database cannot be written beside the old one: the old one stays whole.
    box.writeFile(database, "[]");
    ASSERT_EQ(probe().status, 0);
    const std::string before = box.readFile(database);
    box.makeFolder(std::string(database) + ".new");
    refused = workspace();
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              std::string("The Compilation Database ") + database + " is left as it was\n");
    EXPECT_EQ(box.readFile(database), before);
}
