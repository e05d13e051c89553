#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "LineSplitter.h"

TEST(LineSplitter, FindsTheSameLinesAndKeysWhereverTheBlocksEnd) {
    // A carriage return ends a line only before a line feed; the last line has none.
    const std::string text = "[File 0001]\r\n"
                             "Path = \"a\\b.c\"\r\n"
                             "no key\r\n"
                             "\r\n"
                             "Empty =\r\n"
                             "x=y\rz\n"
                             "last = 1";
    for (std::size_t block = 1; block <= text.size(); ++block) {
        LineSplitter splitter;
        for (std::size_t from = 0; from < text.size(); from += block)
            splitter.feed(std::string_view(text).substr(from, block));
        const SplitCounts counts = splitter.finish();
        EXPECT_EQ(counts.lines, 7u) << "blocks of " << block;
        EXPECT_EQ(counts.keyed, 4u) << "blocks of " << block;
        EXPECT_EQ(counts.valueBytes, 7u + 0 + 3 + 1) << "blocks of " << block;
    }
}
