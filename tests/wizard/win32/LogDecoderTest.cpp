// The converter's output is decoded in the code page it was written in, also when the pipe
// hands a character over in two reads.
#include <gtest/gtest.h>
#include <string>

#include "LogDecoder.h"

namespace {

struct SplitOutput {
    const char* name;
    UINT codePage;
    std::string first;      ///< the bytes of the first read
    std::string second;     ///< the bytes of the second read
    std::wstring text;      ///< what the two decode to together
    std::wstring firstText; ///< what the first read alone decodes to
};

class LogDecoderTest : public testing::TestWithParam<SplitOutput> {};

} // namespace

TEST_P(LogDecoderTest, ACharacterSplitBetweenReadsArrivesWhole) {
    const SplitOutput& output = GetParam();
    tessellon::LogDecoder decoder(output.codePage);
    const std::wstring first = decoder.decode(output.first);
    EXPECT_EQ(first, output.firstText);
    const std::wstring second = decoder.decode(output.second);
    EXPECT_EQ(first + second + decoder.finish(), output.text);
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, LogDecoderTest,
    testing::Values(
        // 温度 in GBK, split after the lead byte of 温.
        SplitOutput{"GbkLeadByteAtTheEnd", 936, "- \xCE", "\xC2\xB6\xC8\n", L"- \u6E29\u5EA6\n",
                    L"- "},
        // A trail byte in the ASCII range (0x40) must not be taken for a lead byte.
        SplitOutput{"GbkTrailByteLooksLikeAscii", 936, "\x81\x40\xCE", "\xC2", L"\u4E02\u6E29",
                    L"\u4E02"},
        // Погода in code page 1251: every byte is a character of its own.
        SplitOutput{"Cyrillic", 1251, "\xCF\xEE\xE3", "\xEE\xE4\xE0\r\n",
                    L"\u041F\u043E\u0433\u043E\u0434\u0430\r\n", L"\u041F\u043E\u0433"},
        // € in UTF-8, split after two of its three bytes.
        SplitOutput{"Utf8", CP_UTF8, "= \xE2\x82", "\xAC", L"= \u20AC", L"= "}),
    [](const testing::TestParamInfo<SplitOutput>& info) { return info.param.name; });

TEST(LogDecoder, ALeadByteThatNoTrailByteFollowsIsNotLostAtTheEnd) {
    tessellon::LogDecoder decoder(936);
    EXPECT_EQ(decoder.decode("a\xCE"), L"a");
    EXPECT_EQ(decoder.finish().size(), 1u);
    EXPECT_EQ(decoder.finish(), L"");
}
