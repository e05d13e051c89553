#include <gtest/gtest.h>

#include "StringHelpers.h"

TEST(StringHelpers, StripCharRemovesOnlyTheOuterRuns) {
    EXPECT_EQ(stripChar("  a b  ", ' '), "a b");
    EXPECT_EQ(stripChar("    ", ' '), "");
    EXPECT_EQ(stripChar("", ' '), "");
    EXPECT_EQ(stripChar("\ta \t", ' '), "\ta \t");
    EXPECT_EQ(stripChar("\"\"x\"", '"'), "x");
}

TEST(StringHelpers, TrimValueStripsSpacesThenQuotes) {
    EXPECT_EQ(trimValue("  \"C:\\a b\\x.c\"  "), "C:\\a b\\x.c");
    EXPECT_EQ(trimValue("   "), "");
    EXPECT_EQ(trimValue("  \"\"  "), "");
    EXPECT_EQ(trimValue("\" \""), " ");
    // Quotes come off only after the spaces, so a space outside a quote protects it.
    EXPECT_EQ(trimValue("\"x\" \t"), "x\" \t");
    EXPECT_EQ(trimValue("\t\"x\""), "\t\"x");
}

TEST(StringHelpers, NativeSeparatorsTurnEverySlash) {
    EXPECT_EQ(toNativeSeparators("/c/dir//x.c"), "\\c\\dir\\\\x.c");
    EXPECT_EQ(toNativeSeparators("a\\b"), "a\\b");
}
