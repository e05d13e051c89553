#include "XpmImage.h"

#include <gtest/gtest.h>

using wizard::readXpm;

TEST(XpmImage, ReadsTwoCharacterKeysOneOfThemAHashRowsTopFirst) {
    const char* const xpm[] = {"3 2 2 2", "#. c #0a0b0c", "ab c #ffeedd", "#.ab#.", "zz#.ab"};
    const auto image = readXpm(xpm);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    // A key without a colour shows white.
    EXPECT_EQ(image->pixels, (std::vector<std::uint32_t>{0x0a0b0c, 0xffeedd, 0x0a0b0c, 0xffffff,
                                                         0x0a0b0c, 0xffeedd}));
}

TEST(XpmImage, AnUnreadableHeaderOrAColourWithoutAHashIsNoImage) {
    const char* const noSize[] = {"3 2 1", "a c #000000", "aaa", "aaa"};
    const char* const named[] = {"1 1 1 1", "a c black", "a"};
    EXPECT_FALSE(readXpm(noSize));
    EXPECT_FALSE(readXpm(named));
}
