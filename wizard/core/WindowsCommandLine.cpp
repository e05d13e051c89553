#include "WindowsCommandLine.h"

namespace wizard {

namespace {

/// One item, quoted when it is empty or holds a blank or a double quote. Inside quotes a run
/// of backslashes is literal unless a double quote follows it: then each backslash is
/// doubled, and the quote itself gets one more.
std::string quoted(const std::string& item) {
    if (!item.empty() && item.find_first_of(" \t\n\v\"") == std::string::npos)
        return item;
    std::string result = "\"";
    std::size_t backslashes = 0;
    for (const char c : item) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            result.append(2 * backslashes + 1, '\\');
        else
            result.append(backslashes, '\\');
        backslashes = 0;
        result += c;
    }
    // The closing quote follows: backslashes before it are doubled so that it stays a quote.
    result.append(2 * backslashes, '\\');
    result += '"';
    return result;
}

} // namespace

std::string windowsCommandLine(const std::vector<std::string>& items) {
    std::string line;
    for (const std::string& item : items) {
        if (!line.empty())
            line += ' ';
        line += quoted(item);
    }
    return line;
}

} // namespace wizard
