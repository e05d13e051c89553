#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace wizard {

/// The pixels of an image, rows top first, each pixel 0x00rrggbb.
struct XpmImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

/// The image of an XPM with colour keys of any length and "#rrggbb" colours; a pixel whose
/// key has no colour is white. None when the header cannot be read or a colour lacks "#".
std::optional<XpmImage> readXpm(const char* const* xpm);

} // namespace wizard
