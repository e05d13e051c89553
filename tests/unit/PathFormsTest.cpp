#include <gtest/gtest.h>

#include <array>

#include "CompilationDatabase.h"
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

struct SourceArgument : ::testing::TestWithParam<std::array<const char*, 3>> {};

// cppcheck reads an argument that begins with "/D" as a definition, and any tool reads one that
// begins with "-" as an option.
TEST_P(SourceArgument, NamesAPosixSourceFromItsDirectory) {
    EXPECT_EQ(sourceArgumentOf(GetParam()[0], GetParam()[1]), GetParam()[2]);
}

INSTANTIATE_TEST_SUITE_P(Paths, SourceArgument,
                         ::testing::Values(std::array{"/Data/ws/a.c", "/Data/ws", "a.c"},
                                           std::array{"/Data/ws/drv/b.c", "/Data/ws/", "drv/b.c"},
                                           std::array{"/Data/cvi/toolslib/t.c", "/Data/ws/main",
                                                      "../../cvi/toolslib/t.c"},
                                           std::array{"/D.c", "/", "D.c"},
                                           std::array{"/ws/-x.c", "/ws", "./-x.c"},
                                           std::array{"C:\\ws\\a.c", "C:\\ws", "C:\\ws\\a.c"}));
