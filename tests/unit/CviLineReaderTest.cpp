#include <gtest/gtest.h>

#include <cstdio>

#include "CviLineReader.h"
#include "FakeHost.h"
#include "WorkspaceFile.h"

namespace {

/// Every line a CviLineReader gives for a file of the given bytes.
std::vector<std::string> linesOf(const std::string& bytes) {
    FakeHost host;
    host.addFile("C:\\f.prj", bytes);
    CviLineReader reader(host.openTextForReading("C:\\f.prj"));
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line))
        lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(CviLineReaderPlain, EmptyFileHasNoLines) {
    EXPECT_EQ(linesOf(""), Lines{});
}

TEST(CviLineReaderPlain, LineEndsAreRemovedWhateverTheirForm) {
    EXPECT_EQ(linesOf("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(linesOf("\n\r\n"), (Lines{"", ""}));
    // A carriage return elsewhere is a byte of the line.
    EXPECT_EQ(linesOf("a\rb\r\r\n"), (Lines{"a\rb\r"}));
}

TEST(CviLineReaderPlain, OtherLinesPassUnchanged) {
    const std::string bytes = "[File 0001]\n"
                              "  Path = \"/c/a.c\"  \n"
                              "Line0001 = \"x\"\n"
                              "Path Line0001 = unquoted\n"
                              "Path Line001 = \"three digits\"\n"
                              "PathLine0001 = \"no space\"\n"
                              "Path Line0001\n"
                              "Path Line0002 = \"a second part alone\"\n"
                              "\xff\x01 = \"\xfe\"";
    EXPECT_EQ(linesOf(bytes),
              (Lines{"[File 0001]", "  Path = \"/c/a.c\"  ", "Line0001 = \"x\"",
                     "Path Line0001 = unquoted", "Path Line001 = \"three digits\"",
                     "PathLine0001 = \"no space\"", "Path Line0001",
                     "Path Line0002 = \"a second part alone\"", "\xff\x01 = \"\xfe\""}));
}

TEST(CviLineReaderSplit, PartsAreJoinedWithNothingAddedOrTrimmed) {
    EXPECT_EQ(
        linesOf("Path Line0001 = \"/c/Program Files (x86)/CVI2017/progressba\"\r\n"
                "Path Line0002 = \"r.fp\"\r\n"
                "Exclude = False\r\n"),
        (Lines{"Path = \"/c/Program Files (x86)/CVI2017/progressbar.fp\"", "Exclude = False"}));
    EXPECT_EQ(linesOf("Compiler Defines Line0001 = \"/DA /DB \"\n"
                      "Compiler Defines Line0002 = \"  /DC\"\n"
                      "Compiler Defines Line0003 = \" \"\n"
                      "Compiler Defines Line0004 = \"\"\n"
                      "Compiler Defines Line0005 = \"\"\"\n"),
              (Lines{"Compiler Defines = \"/DA /DB   /DC \"\""}));
}

TEST(CviLineReaderSplit, KeyAndValueMayBeSpacedAnyWay) {
    EXPECT_EQ(linesOf("  Include Path 3 Line0001=\"/c/a\"   \n"
                      "  Include Path 3 Line0002   =    \"/b\"\n"),
              (Lines{"  Include Path 3 = \"/c/a/b\""}));
}

TEST(CviLineReaderSplit, RunEndsAtTheFirstLineThatDoesNotContinueIt) {
    // A different line: the run is joined so far and the line follows unchanged.
    EXPECT_EQ(linesOf("Path Line0001 = \"a\"\nExclude = False\nPath Line0002 = \"b\"\n"),
              (Lines{"Path = \"a\"", "Exclude = False", "Path Line0002 = \"b\""}));
    // A part out of order.
    EXPECT_EQ(linesOf("Path Line0001 = \"a\"\nPath Line0003 = \"c\"\nPath Line0002 = \"b\"\n"),
              (Lines{"Path = \"a\"", "Path Line0003 = \"c\"", "Path Line0002 = \"b\""}));
    // The next part of another key.
    EXPECT_EQ(linesOf("Path Rel Path Line0001 = \"a\"\nPath Line0002 = \"b\"\n"),
              (Lines{"Path Rel Path = \"a\"", "Path Line0002 = \"b\""}));
    // A part whose value is not quoted.
    EXPECT_EQ(linesOf("Path Line0001 = \"a\"\nPath Line0002 = b\n"),
              (Lines{"Path = \"a\"", "Path Line0002 = b"}));
}

TEST(CviLineReaderSplit, LineThatEndsARunMayStartTheNext) {
    EXPECT_EQ(linesOf("Path Rel Path Line0001 = \"../x\"\n"
                      "Path Rel Path Line0002 = \"y.c\"\n"
                      "Path Line0001 = \"/c/x\"\n"
                      "Path Line0002 = \"y.c\"\n"
                      "Path Line0001 = \"/d/\"\n"
                      "Path Line0002 = \"z.c\""),
              (Lines{"Path Rel Path = \"../xy.c\"", "Path = \"/c/xy.c\"", "Path = \"/d/z.c\""}));
}

TEST(CviLineReaderSplit, RunAtTheEndOfTheFileIsJoined) {
    EXPECT_EQ(linesOf("a\nPath Line0001 = \"x\"\nPath Line0002 = \"y\""),
              (Lines{"a", "Path = \"xy\""}));
    EXPECT_EQ(linesOf("Path Line0001 = \"x\"\r\n"), (Lines{"Path = \"x\""}));
}

TEST(CviLineReaderSplit, RunLongerThanFourDigitsGoesOn) {
    std::string bytes;
    std::string expected = "Tab = \"";
    for (int part = 1; part <= 10001; ++part) {
        char key[32];
        std::snprintf(key, sizeof key, "Tab Line%04d = \"", part);
        const std::string content(part % 7, static_cast<char>('a' + part % 26));
        bytes += key + content + "\"\n";
        expected += content;
    }
    expected += '"';
    EXPECT_EQ(linesOf(bytes + "end"), (Lines{expected, "end"}));
}

TEST(CviLineReaderSplit, WorkspaceProjectLineSplitIntoPartsNamesOneProject) {
    FakeHost host;
    host.addFile("C:\\ws\\all.cws", "[Workspace Header]\r\n"
                                    "Project 0001 Line0001 = \"modules/a very long folder na\"\r\n"
                                    "Project 0001 Line0002 = \"me/main.prj\"\r\n"
                                    "Project 0002 = \"drv.prj\"\r\n");
    CviLineReader reader(host.openTextForReading("C:\\ws\\all.cws"));
    EXPECT_EQ(readWorkspaceProjects(reader, "C:\\ws"),
              (Lines{"C:\\ws\\modules/a very long folder name/main.prj", "C:\\ws\\drv.prj"}));
}
