#include <gtest/gtest.h>

#include "FailingInputs.h"
#include "WriterFixture.h"

// An input that fails while it is read must not pass as a shorter file.

namespace {

const std::string& workspace = failingInputsWorkspace;
const std::string& mainProject = failingInputsMainProject;

struct ReadFailure : WriterFixture {
    void SetUp() override {
        WriterFixture::SetUp();
        host.addFile("C:\\ws\\all.cws", workspace);
        host.addFile("C:\\ws\\main\\main.prj", mainProject);
        host.addFile("C:\\ws\\drv\\drv.prj", "");
    }
};

} // namespace

TEST_F(ReadFailure, InputFailingPartWayEndsTheRunBeforeAnythingIsWritten) {
    const struct {
        const char* file;
        std::size_t afterBytes;
    } cases[] = {
        {"C:\\ws\\all.cws", workspace.find("Project 0002") + 3},
        {"C:\\ws\\main\\main.prj", 0},
        {"C:\\ws\\main\\main.prj", mainProject.find("Path Rel Path")},
        // Inside the second part of a split value, while the reader looks ahead.
        {"C:\\ws\\main\\main.prj", mainProject.find("/DTWO")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + (" after " + std::to_string(c.afterBytes)));
        converter.reset();
        host = FakeHost();
        console.str("");
        SetUp();
        host.failReadAfter(c.file, c.afterBytes);
        EXPECT_EQ(converter->run(), 1);
        EXPECT_EQ(console.str(), std::string("Could not open file: ") + c.file + "\n");
        EXPECT_TRUE(host.writtenFiles.empty());
        EXPECT_TRUE(host.madeFolders.empty());
    }
}

TEST_F(ReadFailure, BasePersonalityFailingPartWayCountsAsOneThatCannotBeOpened) {
    host.addFile("C:\\base.p_a", "-x\r\n-y\r\n");
    host.failReadAfter("C:\\base.p_a", 5);
    converter->setAnalyserPersonality("C:\\base.p_a");
    EXPECT_EQ(converter->run(), 0);
    EXPECT_EQ(console.str(),
              "Creating Corvane/Corvane++ Project ...\n"
              "  Creating Group - all\n"
              "Couldnt open file\n"
              "  Creating Group - main\n"
              "  Creating Analyser Personality - C:\\out\\all\\main\\person\\main.p_a\n"
              "Couldnt open file\n"
              "  Creating Group - Source Files\n"
              "  Creating Group - drv\n"
              "Corvane/Corvane++ Project Completed!\n");
    EXPECT_EQ(host.fileBytes("C:\\out\\person\\all.p_a"), "");
    EXPECT_EQ(host.fileBytes("C:\\out\\all\\main\\person\\main.p_a"),
              "-d \"ONE\"\r\n-d \"TWO\"\r\n");
}
