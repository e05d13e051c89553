#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "ChildProcess.h"

namespace {

struct TempFolder {
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "bench-test-XXXXXX");
        path = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string read(const std::string& name) const {
        std::ifstream file(path / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    std::filesystem::path path;
};

} // namespace

TEST(ChildProcess, RunsFromTheFolderWithTheExtraVariablesAndKeepsItsOutput) {
    TempFolder folder;
    setenv("BENCH_TEST_KEPT", "kept", 1);
    setenv("BENCH_TEST_REPLACED", "old", 1);
    const ChildRun run = runChild(
        {"sh", "-c",
         "printf '%s %s %s\\n' \"$BENCH_TEST_KEPT\" \"$BENCH_TEST_REPLACED\" \"$PWD\"; "
         "echo noise >&2; exit 3"},
        folder.path.string(), {{"BENCH_TEST_REPLACED", "new"}}, (folder.path / "out.txt").string());
    EXPECT_EQ(run.status, 3);
    EXPECT_GT(run.seconds, 0);
    EXPECT_GT(run.peakKib, 0);
    EXPECT_EQ(folder.read("out.txt"), "kept new " + folder.path.string() + "\n");
    // The runner's own environment is left as it was.
    EXPECT_STREQ(std::getenv("BENCH_TEST_REPLACED"), "old");
    unsetenv("BENCH_TEST_KEPT");
    unsetenv("BENCH_TEST_REPLACED");
}

TEST(ChildProcess, AProgramThatCannotStartEndsWithStatus127) {
    TempFolder folder;
    EXPECT_EQ(runChild({"no-such-program-for-the-bench"}, folder.path.string(), {}).status, 127);
    EXPECT_EQ(runChild({"true"}, (folder.path / "missing").string(), {}).status, 127);
}

TEST(ChildProcess, AProgramKilledBySignalHasNoExitStatus) {
    TempFolder folder;
    EXPECT_EQ(runChild({"sh", "-c", "kill -9 $$"}, folder.path.string(), {}).status, -1);
}
