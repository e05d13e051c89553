// A compilation database that keeps the entries of other conversions ("-cdbappend").
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CommandLine.h"
#include "CviSourceEntry.h"
#include "DatabaseFile.h"
#include "FakeHost.h"

namespace {

using Strings = std::vector<std::string>;

const char* const databasePath = "C:\\out\\cc.json";

/// Two projects of their own, a\a.prj (a.c) and b\b.prj (b.c, A.H), on a host whose names heed
/// case.
struct Append : ::testing::Test {
    FakeHost host;
    std::ostringstream console;
    std::ostringstream errors;

    Append() {
        host.ignoresCase = false;
        host.addFolder("C:\\out");
        host.addFile("C:\\ws\\a\\a.prj", cviSourceEntry("a.c"));
        host.addFile("C:\\ws\\a\\a.c", "");
        host.addFile("C:\\ws\\b\\b.prj", cviSourceEntry("b.c"));
        host.addFile("C:\\ws\\b\\b.c", "");
        host.addFile("C:\\ws\\b\\A.H", "");
    }
    int run(const std::string& project, const std::string& option = "-cdbappend") {
        console.str("");
        errors.str("");
        return runQuorvel({project, "C:\\cvi", "C:\\out", option, databasePath}, host, console,
                          errors);
    }
    Strings files() {
        Strings names;
        for (const auto& entry : nlohmann::json::parse(host.fileBytes(databasePath)))
            names.push_back(entry["file"]);
        return names;
    }
};

/// An entry another tool wrote, in a layout of its own.
const std::string foreign = "{\"directory\":\"C:\\\\x\",\"command\":\"cc -c y.c\","
                            "\"file\":\"y.c\",\"output\":[1,{\"k\":null}]}";

} // namespace

TEST_F(Append, KeepsOtherEntriesAsTheyStandAndReplacesThoseOfThisRunsSources) {
    host.addFile(databasePath, "[" + foreign + "]");
    ASSERT_EQ(run("C:\\ws\\a\\a.prj"), 0) << errors.str();
    ASSERT_EQ(run("C:\\ws\\b\\b.prj"), 0) << errors.str();
    const std::string twoRuns = host.fileBytes(databasePath);
    EXPECT_EQ(twoRuns.substr(0, foreign.size() + 5), "[\r\n  " + foreign);
    EXPECT_EQ(files(), (Strings{"y.c", "C:\\ws\\a\\a.c", "C:\\ws\\b\\b.c"}));

    // The same conversions again, in the same order, give the same bytes.
    ASSERT_EQ(run("C:\\ws\\a\\a.prj"), 0);
    ASSERT_EQ(run("C:\\ws\\b\\b.prj"), 0);
    EXPECT_EQ(host.fileBytes(databasePath), twoRuns);
    // One overlay serves both projects' entries, kept or new.
    const auto overlay = nlohmann::json::parse(host.fileBytes("C:\\out\\cc.overlay.json"));
    Strings folders;
    for (const auto& folder : overlay["roots"])
        folders.push_back(folder["name"]);
    EXPECT_EQ(folders, (Strings{"C:\\ws\\a", "C:\\ws\\b"}));
    // Without appending, the database holds this run's entries alone.
    ASSERT_EQ(run("C:\\ws\\b\\b.prj", "-cdb"), 0);
    EXPECT_EQ(files(), Strings{"C:\\ws\\b\\b.c"});
}

TEST_F(Append, ToAFileThatIsNotADatabaseEndsTheRunAndLeavesIt) {
    for (const std::string& text :
         {std::string("{}"), std::string("[{\"directory\": \"/\", \"file\": \"a.c\"}]"),
          std::string("[") + foreign, std::string("[1]"), std::string("\xEF\xBB\xBFno")}) {
        host.addFile(databasePath, text);
        host.writtenFiles.clear();
        EXPECT_EQ(run("C:\\ws\\a\\a.prj"), 1) << text;
        EXPECT_EQ(errors.str(), "Not written: C:\\out\\cc.json is not a compilation database\n");
        EXPECT_EQ(console.str(), "");
        EXPECT_EQ(host.fileBytes(databasePath), text);
        EXPECT_TRUE(host.writtenFiles.empty());
    }
}

TEST_F(Append, AWriteThatFailsLeavesTheOldDatabaseWhole) {
    host.addFile(databasePath, "[" + foreign + "]");
    host.failStep("C:\\out\\cc.json.new", FileStep::Write, 10);
    EXPECT_EQ(run("C:\\ws\\a\\a.prj"), 1);
    EXPECT_EQ(host.fileBytes(databasePath), "[" + foreign + "]");
    EXPECT_FALSE(host.isFile("C:\\out\\cc.json.new"));
    EXPECT_EQ(errors.str(), "The Compilation Database C:\\out\\cc.json is left as it was\n");
    const std::string tail = "Could not write file: C:\\out\\cc.json\n";
    EXPECT_EQ(console.str().substr(console.str().size() - tail.size()), tail);
}

TEST(DatabaseFile, ReadsEscapesAndRefusesWhatIsNotJson) {
    const auto entries = readCompilationDatabase(
        " [ {\"file\": \"\\u00fc\\ud83d\\ude00.c\", \"arguments\": [\"-I\", \"a\\\"b\\\\\"],"
        " \"directory\": \"/w\"} ] ");
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 1u);
    EXPECT_EQ((*entries)[0].file, "/w/\xC3\xBC\xF0\x9F\x98\x80.c");
    EXPECT_EQ((*entries)[0].text.substr(0, 10), "{\"file\": \"");
    EXPECT_EQ(readDatabaseEntry((*entries)[0].text)->arguments, (Strings{"-I", "a\"b\\"}));
    EXPECT_EQ(readCompilationDatabase("[]")->size(), 0u);
    for (const char* text : {"", "[", "[]x", "[{\"file\":\"a\",\"directory\":\"b\",\"command\":1}]",
                             "[{\"file\":\"a\",\"directory\":\"b\",\"arguments\":[\"\\ud800\"]}]",
                             "[{\"file\":\"a\",\"directory\":\"b\",\"command\":\"\x01\"}]"})
        EXPECT_FALSE(readCompilationDatabase(text)) << text;
}
