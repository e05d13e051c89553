#pragma once

#include <string>
#include <vector>

/// Values that a naive quoting breaks: blanks, double quotes, trailing backslashes, both.
inline const std::vector<std::string> nastyItems = {
    "plain",
    "C:\\Program Files\\National Instruments\\CVI85",
    "a\"b",
    "\"",
    "C:\\out dir\\",
    "C:\\out\\",
    "say \"hi\"\\",
    "\\\"",
    "tab\there",
    "\\\\server\\share\\",
    ""};
