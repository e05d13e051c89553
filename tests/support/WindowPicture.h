#pragma once

#include <string>
#include <windows.h>

/// Writes the client area of window, as the screen shows it, to file as a 24-bit BMP; false
/// when the file cannot be written.
bool saveClientArea(HWND window, const std::string& file);
