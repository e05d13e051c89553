#pragma once

#include <string>
#include <vector>

namespace wizard {

/// The command line that hands items to a Windows program whole: the C runtime's parser
/// reads each item back exactly, blanks, double quotes and backslashes included.
std::string windowsCommandLine(const std::vector<std::string>& items);

} // namespace wizard
