#pragma once

#include <string>
#include <windows.h>

namespace tessellon {

/// The system's open-file dialog, or its save-file dialog when toWrite (a file that need not
/// exist), with caption and filter ("Name (*a *b)": the patterns in the parentheses), opened at
/// start; the chosen file, or empty when the user cancels.
std::string browseForFile(HWND owner, const char* caption, const char* filter,
                          const std::string& start, bool toWrite);

/// The system's folder picker with caption, opened at start; the chosen folder, or empty
/// when the user cancels.
std::string browseForFolder(HWND owner, const char* caption, const std::string& start);

} // namespace tessellon
