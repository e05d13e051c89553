#include <gtest/gtest.h>

#include "FakeHost.h"

namespace {

std::vector<std::string> linesOf(FakeHost& host, const std::string& bytes) {
    host.addFile("C:\\t.txt", bytes);
    auto reader = host.openTextForReading("C:\\t.txt");
    std::vector<std::string> lines;
    std::string line;
    while (reader->readLine(line))
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(TextFiles, ReadingSplitsAtLineFeedsAndDropsOneCarriageReturnBeforeThem) {
    FakeHost host;
    using Lines = std::vector<std::string>;
    EXPECT_EQ(linesOf(host, ""), Lines{});
    EXPECT_EQ(linesOf(host, "a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(linesOf(host, "a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(linesOf(host, "a\r\r\nb\rc\r"), (Lines{"a\r", "b\rc\r"}));
    EXPECT_EQ(linesOf(host, std::string("x\0y\n", 4)), (Lines{std::string("x\0y", 3)}));
}

TEST(TextFiles, LongLinesCrossTheReadBuffer) {
    FakeHost host;
    const std::string longLine(200000, 'x');
    const auto lines = linesOf(host, longLine + "\r\n" + longLine);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], longLine);
    EXPECT_EQ(lines[1], longLine);
}

TEST(TextFiles, LinesAcrossManyReadsComeBackWhole) {
    FakeHost host;
    // The first line's carriage return is the last byte of one read, its line feed the
    // first of the next; the short lines after it straddle later reads anywhere.
    std::string bytes = std::string(65535, 'a') + "\r\n";
    std::vector<std::string> expected{std::string(65535, 'a')};
    for (int i = 0; i < 40000; ++i) {
        expected.push_back("line " + std::to_string(i) + std::string(i % 7, '.'));
        bytes += expected.back() + (i % 3 ? "\r\n" : "\n");
    }
    EXPECT_EQ(linesOf(host, bytes), expected);
}

TEST(TextFiles, WritingTurnsEveryLineFeedIntoCarriageReturnLineFeed) {
    FakeHost host;
    auto writer = host.openTextForWriting("C:\\o.txt");
    writer->writeLine("one");
    writer->write("two\nthree");
    writer->writeLine(std::string(70000, 'z'));
    writer->close();
    EXPECT_EQ(host.fileBytes("C:\\o.txt"),
              "one\r\ntwo\r\nthree" + std::string(70000, 'z') + "\r\n");
}

TEST(TextFiles, ReadAllDropsCarriageReturnsOnlyBeforeLineFeeds) {
    FakeHost host;
    host.addFile("C:\\a.p_a", "-x\r\n-y\r-z\n\r\nend");
    EXPECT_EQ(host.openTextForReading("C:\\a.p_a")->readAll(), "-x\n-y\r-z\n\nend");
}
