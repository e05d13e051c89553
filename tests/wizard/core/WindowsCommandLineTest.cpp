// Each item of the converter's command line must reach the child whole: the C runtime's
// rules read every item back.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "NastyArguments.h"
#include "WindowsCommandLine.h"

namespace {

/// The arguments after the program name, as the C runtime splits a command line: blanks
/// separate outside quotes; 2n backslashes and a quote give n backslashes and toggle quoting;
/// 2n+1 backslashes and a quote give n backslashes and a quote; "" inside quotes is a quote;
/// other backslashes are literal.
std::vector<std::string> runtimeArguments(const std::string& line) {
    std::size_t i = 0;
    // The program name ends at the first blank; it takes no escapes.
    bool quoted = false;
    for (; i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t')); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
    }
    std::vector<std::string> arguments;
    for (;;) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i == line.size())
            return arguments;
        std::string argument;
        quoted = false;
        while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            std::size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    argument += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (backslashes == 0 && i < line.size())
                    argument += line[i++];
            }
        }
        arguments.push_back(argument);
    }
}

} // namespace

TEST(WindowsCommandLine, TheRuntimesRulesReadEveryItemBack) {
    std::vector<std::string> items{"Quorvel"};
    items.insert(items.end(), nastyItems.begin(), nastyItems.end());
    EXPECT_EQ(runtimeArguments(wizard::windowsCommandLine(items)), nastyItems);
    for (const std::string& item : nastyItems)
        EXPECT_EQ(runtimeArguments(wizard::windowsCommandLine({"Quorvel", item})),
                  std::vector<std::string>{item})
            << wizard::windowsCommandLine({"Quorvel", item});
}
