#include <gtest/gtest.h>

#include <string>

#include "CviText.h"

TEST(CviText, WritesSectionsAndKeysWithCrLfAndABlankLineBetweenSections) {
    CviText text;
    text.section("Project Header");
    text.bare("Version", "1302");
    text.quoted("Target Type", "Executable");
    text.section("File 0001");
    text.quoted("Icon File", "");
    EXPECT_EQ(text.text(), "[Project Header]\r\n"
                           "Version = 1302\r\n"
                           "Target Type = \"Executable\"\r\n"
                           "\r\n"
                           "[File 0001]\r\n"
                           "Icon File = \"\"\r\n");
}

TEST(CviText, SplitsAQuotedValueLongerThanOneCviLineIntoNumberedParts) {
    const std::string eighty(80, 'a');
    CviText text;
    text.quoted("Path", eighty);
    EXPECT_EQ(text.text(), "Path = \"" + eighty + "\"\r\n");

    CviText split;
    split.quoted("Path", eighty + std::string(80, 'b') + "c");
    EXPECT_EQ(split.text(), "Path Line0001 = \"" + eighty + "\"\r\n" + "Path Line0002 = \"" +
                                std::string(80, 'b') + "\"\r\n" + "Path Line0003 = \"c\"\r\n");
}

TEST(CviText, TakingTheTextKeepsCountingSectionsOfTheSameFile) {
    CviText text;
    text.section("A");
    EXPECT_EQ(text.take(), "[A]\r\n");
    EXPECT_EQ(text.text(), "");
    text.section("B");
    EXPECT_EQ(text.take(), "\r\n[B]\r\n");
}
