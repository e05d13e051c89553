#include <gtest/gtest.h>

#include <filesystem>

#include "FailingInputs.h"
#include "Sandbox.h"
#include "WineRunner.h"

// Files and a console that the system refuses part-way, as a full disk or a vanished
// reader does: the run ends with its one failure line and status 1.

namespace fs = std::filesystem;

namespace {

/// A sandbox with the failing inputs and the destination C:\out.
struct FailingSystem : ::testing::Test {
    void SetUp() override {
        if (!fs::exists("/dev/full") || !fs::exists("/proc/self/mem"))
            GTEST_SKIP() << "this system has no /dev/full or no /proc/self/mem";
        box.writeFile("C:\\ws\\all.cws", failingInputsWorkspace);
        box.writeFile("C:\\ws\\main\\main.prj", failingInputsMainProject);
        box.writeFile("C:\\ws\\drv\\drv.prj", "");
        box.makeFolder("C:\\out");
    }
    /// Puts a link to target in place of the file at windowsPath.
    void link(const std::string& windowsPath, const fs::path& target) {
        fs::create_directories(box.host(windowsPath).parent_path());
        fs::create_symlink(target, box.host(windowsPath));
    }
    RunResult convert(StandardOutput output = StandardOutput::Captured) {
        return box.run({"C:\\ws\\all.cws", "C:\\cvi", "C:\\out"}, "C:\\", output);
    }
    Sandbox box;
};

} // namespace

TEST_F(FailingSystem, ProjectFileOnAFullDiskIsAFailureToWriteIt) {
    link("C:\\out\\all.prj", "/dev/full");
    const RunResult result = convert();
    EXPECT_EQ(result.out, "Creating Corvane/Corvane++ Project ...\n"
                          "Could not write file: C:\\out\\all.prj\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(box.isFolder("C:\\out\\all"));
}

TEST_F(FailingSystem, PersonalityOnAFullDiskIsAFailureToWriteIt) {
    link("C:\\out\\all\\main\\person\\main.p_a", "/dev/full");
    const RunResult result = convert();
    EXPECT_EQ(result.out, "Creating Corvane/Corvane++ Project ...\n"
                          "  Creating Group - all\n"
                          "  Creating Group - main\n"
                          "  Creating Analyser Personality - C:\\out\\all\\main\\person\\main.p_a\n"
                          "Could not write file: C:\\out\\all\\main\\person\\main.p_a\n");
    EXPECT_EQ(result.status, 1);
    const std::string file = box.readFile("C:\\out\\all.prj");
    const std::string last = "AnalPers=C:\\out\\all\\main\\person\\main.p_a\r\n";
    ASSERT_GE(file.size(), last.size());
    EXPECT_EQ(file.substr(file.size() - last.size()), last);
    EXPECT_FALSE(box.isFolder("C:\\out\\all\\main\\Source Files"));
}

TEST_F(FailingSystem, ProjectFileThatFailsWhileReadIsNotTakenForAShortOne) {
    // This process's own memory read from offset 0: it opens, and its first read fails.
    fs::remove(box.host("C:\\ws\\main\\main.prj"));
    link("C:\\ws\\main\\main.prj", "/proc/self/mem");
    const RunResult result = convert();
    EXPECT_EQ(result.out, "Could not open file: C:\\ws\\main\\main.prj\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(box.isFile("C:\\out\\all.prj"));
}

TEST_F(FailingSystem, ConsoleThatTakesNoLinesMakesAConversionAFailure) {
    for (const StandardOutput output : {StandardOutput::FullDisk, StandardOutput::ClosedPipe}) {
        SCOPED_TRACE(output == StandardOutput::FullDisk ? "full disk" : "closed pipe");
        fs::remove_all(box.host("C:\\out"));
        box.makeFolder("C:\\out");
        // Status 1, not an end by a signal; the conversion itself still completes.
        EXPECT_EQ(convert(output).status, 1);
        EXPECT_TRUE(box.isFile("C:\\out\\all\\main\\person\\main.p_a"));
        const std::string file = box.readFile("C:\\out\\all.prj");
        EXPECT_NE(file.find("\r\nC:\\ws\\main\\main.c\r\n"), std::string::npos) << file;
    }
}
