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

TEST(TextFiles, ReadErrorIsNoEndOfFile) {
    FakeHost host;
    host.addFile("C:\\t.txt", "one\r\ntwo\r\nthree\r\n");
    host.failReadAfter("C:\\t.txt", 7);
    auto reader = host.openTextForReading("C:\\t.txt");
    std::string line;
    ASSERT_TRUE(reader->readLine(line));
    EXPECT_EQ(line, "one");
    EXPECT_FALSE(reader->failed());
    // "tw" was read before the error: it is no line of the file.
    EXPECT_FALSE(reader->readLine(line));
    EXPECT_TRUE(reader->failed());
    EXPECT_EQ(host.openTextForReading("C:\\t.txt")->readAll(), std::nullopt);

    // Reading up to the very end is no error, with or without a last line end.
    host.failReadAfter("C:\\t.txt", 17);
    EXPECT_EQ(host.openTextForReading("C:\\t.txt")->readAll(), "one\ntwo\nthree\n");
    host.addFile("C:\\u.txt", "last");
    auto unended = host.openTextForReading("C:\\u.txt");
    ASSERT_TRUE(unended->readLine(line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(unended->readLine(line));
    EXPECT_FALSE(unended->failed());
}

TEST(TextFiles, WriterHandsNothingToTheHostAfterItsFirstFailure) {
    FakeHost host;
    host.failStep("C:\\o.txt", FileStep::Write, 10);
    auto writer = host.openTextForWriting("C:\\o.txt");
    EXPECT_TRUE(writer->writeLine("short"));
    // A write that fills the buffer reaches the host at once and fails there.
    EXPECT_FALSE(writer->writeLine(std::string(70000, 'z')));
    EXPECT_FALSE(writer->writeLine("more"));
    EXPECT_FALSE(writer->flush());
    EXPECT_FALSE(writer->close());
    EXPECT_EQ(host.fileBytes("C:\\o.txt"), "short\r\nzzz");

    // A refused flush leaves the rest unwritten, and the close says so too.
    host.failStep("C:\\f.txt", FileStep::Flush);
    writer = host.openTextForWriting("C:\\f.txt");
    EXPECT_TRUE(writer->writeLine("a"));
    EXPECT_FALSE(writer->flush());
    EXPECT_FALSE(writer->writeLine("b"));
    EXPECT_FALSE(writer->close());
    EXPECT_EQ(host.fileBytes("C:\\f.txt"), "a\r\n");

    host.failStep("C:\\c.txt", FileStep::Close);
    writer = host.openTextForWriting("C:\\c.txt");
    EXPECT_TRUE(writer->writeLine("a"));
    EXPECT_TRUE(writer->flush());
    EXPECT_FALSE(writer->close());
    EXPECT_FALSE(writer->close());
}
