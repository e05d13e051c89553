#include <gtest/gtest.h>

#include <sstream>

#include "ConsoleStream.h"
#include "FakeHost.h"

namespace {

/// A host whose console shows every piece of text it is handed in brackets.
class BracketingHost : public FakeHost {
public:
    std::string consoleTextOf(const std::string& text) override { return "[" + text + "]"; }
};

} // namespace

TEST(ConsoleStreams, TextIsHandedOverWholeAtEveryFlushAndWhenTheStreamEnds) {
    BracketingHost host;
    std::ostringstream console;
    {
        platform::ConsoleStream stream(console, host);
        stream << "Could not open file: "
               << "C:\\a.prj" << '\n';
        EXPECT_EQ(console.str(), "");
        stream << std::flush;
        EXPECT_EQ(console.str(), "[Could not open file: C:\\a.prj\n]");
        stream << std::flush;
        stream << "  Creating Group - a" << std::endl << "rest";
        EXPECT_EQ(console.str(), "[Could not open file: C:\\a.prj\n][  Creating Group - a\n]");
    }
    EXPECT_EQ(console.str(), "[Could not open file: C:\\a.prj\n][  Creating Group - a\n][rest]");
}

TEST(ConsoleStreams, WithoutConversionTheBytesPassAsTheyAre) {
    FakeHost host;
    std::ostringstream console;
    platform::ConsoleStream stream(console, host);
    const std::string bytes("\xCE\xC2\0\xFF\r\n", 6);
    stream << bytes << std::flush;
    EXPECT_EQ(console.str(), bytes);
    EXPECT_TRUE(stream.good());
}

TEST(ConsoleStreams, AConsoleThatFailsFailsTheStream) {
    BracketingHost host;
    std::ostringstream console;
    console.setstate(std::ios::badbit);
    platform::ConsoleStream stream(console, host);
    stream << "line" << std::endl;
    EXPECT_TRUE(stream.bad());
}
