#include <gtest/gtest.h>

#include "WorkedExample.h"
#include "WriterFixture.h"

// Every file the converter writes fails like one that cannot be opened, whatever step
// the host refuses: one line, status 1, and nothing written, made or printed after it.

namespace {

using WriteFailure = WriterFixture;

const std::string listing = workedExampleListing;
const std::string consoleLines = workedExampleConsole;
const std::string mainPersonality = "C:\\out\\all\\main\\person\\main.p_a";

struct Case {
    const char* what;
    const char* file;
    FileStep step;
    std::size_t afterBytes;
    /// The console up to and including this text, then the failure line.
    const char* consoleUpTo;
    /// The project file up to and including this text; null for the whole listing.
    const char* listingUpTo;
    /// The failing file's bytes afterwards.
    const char* fileHolds;
};

} // namespace

TEST_F(WriteFailure, AnyStepOfAnyFileEndsTheRunWithItsPathAndNothingAfter) {
    const Case cases[] = {
        {"project file, first write", "C:\\out\\all.prj", FileStep::Write, 0, "Project ...\n", "",
         ""},
        {"project file, first flush", "C:\\out\\all.prj", FileStep::Flush, 0, "Project ...\n",
         "VersionTag45\r\n", "VersionTag45\r\n"},
        // The disk fills up inside drv's "FolderName=" line; the lines are handed over
        // once drv's folders are made and its progress line is out.
        {"project file, a write in the middle", "C:\\out\\all.prj", FileStep::Write,
         listing.find("FolderName=drv") + 5, "Creating Group - drv\n", nullptr, nullptr},
        {"project file, close", "C:\\out\\all.prj", FileStep::Close, 0,
         "Creating Group - drv\n  Creating Group - Source Files\n", nullptr, nullptr},
        {"own analyser personality, first line", mainPersonality.c_str(), FileStep::Write, 0,
         "Personality - C:\\out\\all\\main\\person\\main.p_a\n",
         "AnalPers=C:\\out\\all\\main\\person\\main.p_a\r\n", ""},
        {"own analyser personality, second line", mainPersonality.c_str(), FileStep::Write,
         std::string("-i \"C:\\ws\\inc\"\r\n").size(),
         "Personality - C:\\out\\all\\main\\person\\main.p_a\n",
         "AnalPers=C:\\out\\all\\main\\person\\main.p_a\r\n", "-i \"C:\\ws\\inc\"\r\n"},
        {"own analyser personality, close", mainPersonality.c_str(), FileStep::Close, 0,
         "Personality - C:\\out\\all\\main\\person\\main.p_a\n",
         "AnalPers=C:\\out\\all\\main\\person\\main.p_a\r\n",
         "-i \"C:\\ws\\inc\"\r\n-d \"DEBUG\"\r\n"},
        // A default that could not be opened would pass unreported; one that opened and
        // then fails to close is a file the host could not write.
        {"default message personality, close", "C:\\out\\person\\all.p_s", FileStep::Close, 0,
         "Creating Group - all\n", "OutputPath=C:\\out\\all\\output\\\r\n", ""},
        {"default compiler personality, close", "C:\\out\\person\\all.p_c", FileStep::Close, 0,
         "Creating Group - all\n", "AnalPers=C:\\out\\person\\all.p_a\r\n", ""},
        {"default analyser personality, close", "C:\\out\\person\\all.p_a", FileStep::Close, 0,
         "Creating Group - all\n", "AnalPers=C:\\out\\person\\all.p_a\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        converter.reset();
        host = FakeHost();
        console.str("");
        SetUp();
        buildWorkedExample();
        host.failStep(c.file, c.step, c.afterBytes);

        EXPECT_EQ(converter->run(), 1);
        EXPECT_EQ(console.str(),
                  upTo(consoleLines, c.consoleUpTo) + "Could not write file: " + c.file + "\n");
        const std::string expected =
            c.listingUpTo ? upTo(listing, c.listingUpTo)
                          : (c.step == FileStep::Close ? listing : listing.substr(0, c.afterBytes));
        EXPECT_EQ(projectFile(), expected);
        if (c.fileHolds) {
            EXPECT_EQ(host.fileBytes(c.file), c.fileHolds);
        }
        // Nothing of the groups after the failure is made.
        if (c.step != FileStep::Close || std::string(c.file) != "C:\\out\\all.prj") {
            EXPECT_FALSE(host.exists("C:\\out\\all\\drv\\Source Files"));
        }
    }
}

TEST_F(WriteFailure, AnalyserPersonalityCopyThatFillsTheDiskStopsWithinIt) {
    // A base personality larger than the writer's buffer reaches the host before the
    // close, so the write that fails is one in the middle of the copy.
    const std::string base(100000, 'b');
    host.addFile("C:\\base.p_a", base);
    converter->setAnalyserPersonality("C:\\base.p_a");
    buildWorkedExample();
    host.failStep("C:\\out\\person\\all.p_a", FileStep::Write, 70000);

    EXPECT_EQ(converter->run(), 1);
    EXPECT_EQ(console.str(), upTo(consoleLines, "Creating Group - all\n") +
                                 "Could not write file: C:\\out\\person\\all.p_a\n");
    EXPECT_EQ(host.fileBytes("C:\\out\\person\\all.p_a"), std::string(70000, 'b'));
    EXPECT_EQ(projectFile(), upTo(listing, "AnalPers=C:\\out\\person\\all.p_a\r\n"));
}

TEST_F(WriteFailure, DefaultMessagePersonalityThatCannotBeOpenedStillPassesUnreported) {
    buildWorkedExample();
    host.failingWrites.insert("C:\\out\\person\\all.p_s");
    EXPECT_EQ(converter->run(), 0);
    EXPECT_EQ(console.str(), consoleLines);
    EXPECT_EQ(projectFile(), listing);
}
