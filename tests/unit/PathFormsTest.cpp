#include <gtest/gtest.h>

#include "WindowsPath.h"

struct DotParts : ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(DotParts, GoAsWindowsRemovesThemByTheText) {
    EXPECT_EQ(withoutDotParts(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DotParts,
    ::testing::Values(std::pair{"C:\\a\\b\\..\\c.c", "C:\\a\\c.c"},
                      std::pair{"C:\\a\\.\\b\\\\c.c", "C:\\a\\b\\c.c"},
                      std::pair{"C:/a/../../../b.c", "C:\\b.c"}, std::pair{"C:\\a\\..", "C:\\"},
                      std::pair{"C:\\a\\b\\", "C:\\a\\b\\"},
                      std::pair{"\\\\srv\\share\\..\\x.c", "\\\\srv\\share\\x.c"},
                      std::pair{"\\a\\..\\..\\b", "\\b"},
                      std::pair{"..\\a\\..\\..\\b", "..\\..\\b"}, std::pair{"C:a\\..\\b", "C:b"}));
