#pragma once

#include <windows.h>

namespace tessellon {

/// A bitmap of an XPM image as wizard::readXpm reads it; null when the image cannot be made.
HBITMAP bitmapOfXpm(const char* const* xpm);

/// The header band that tops every page, 532 x 36 pixels.
HBITMAP headerBand();

/// The footer band under every page's content, 532 x 19 pixels.
HBITMAP footerBand();

} // namespace tessellon
