#pragma once

#include <string>
#include <string_view>

/// Appends text to out as a JSON string, quoted and escaped as a JSON dump writes it: '"',
/// '\' and control bytes escaped, every other byte as it is. text must be valid UTF-8.
void appendJsonString(std::string& out, std::string_view text);
