#include <gtest/gtest.h>

#include "Utf8.h"

using platform::isValidUtf8;

TEST(Utf8, AcceptsEveryWellFormedLength) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("C:\\ws\\main.c"));
    EXPECT_TRUE(isValidUtf8("M\xC3\xBCller"));             // U+00FC
    EXPECT_TRUE(isValidUtf8("\xE2\x82\xAC"));              // U+20AC
    EXPECT_TRUE(isValidUtf8("\xED\x9F\xBF"));              // U+D7FF, just below the surrogates
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));          // U+1F600
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));          // U+10FFFF
    EXPECT_TRUE(isValidUtf8(std::string_view("a\0b", 3))); // NUL is a character too
}

TEST(Utf8, RejectsCodePageBytesBrokenSequencesAndForbiddenValues) {
    EXPECT_FALSE(isValidUtf8("M\xFCller"));        // Windows-1252 u umlaut
    EXPECT_FALSE(isValidUtf8("\x80"));             // continuation without a lead
    EXPECT_FALSE(isValidUtf8("\xC3"));             // lead at the end
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));         // three-byte form cut short
    EXPECT_FALSE(isValidUtf8("\xE2(\xAC"));        // lead followed by ASCII
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));         // overlong NUL
    EXPECT_FALSE(isValidUtf8("\xC1\xBF"));         // overlong two-byte
    EXPECT_FALSE(isValidUtf8("\xE0\x9F\xBF"));     // overlong three-byte
    EXPECT_FALSE(isValidUtf8("\xF0\x8F\xBF\xBF")); // overlong four-byte
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate U+D800
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xF5\x80\x80\x80")); // lead that never starts a character
    EXPECT_FALSE(isValidUtf8("\xFF"));
}
