#include "Bands.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace tessellon {

namespace {

// The bands are written by images/make_bands.py.
#include "../images/footer.xpm"
#include "../images/header.xpm"

} // namespace

HBITMAP bitmapOfXpm(const char* const* xpm) {
    int width = 0, height = 0, colours = 0, keyLength = 0;
    if (std::sscanf(xpm[0], "%d %d %d %d", &width, &height, &colours, &keyLength) != 4 ||
        width <= 0 || height <= 0 || keyLength <= 0)
        return nullptr;
    std::map<std::string, std::uint32_t> palette;
    for (int i = 1; i <= colours; ++i) {
        const char* line = xpm[i];
        // The key itself may hold a "#": the colour follows it.
        const char* hash = std::strchr(line + keyLength, '#');
        if (!hash)
            return nullptr;
        palette[std::string(line, static_cast<std::size_t>(keyLength))] =
            static_cast<std::uint32_t>(std::strtoul(hash + 1, nullptr, 16));
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows top first, as the image lists them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const char* row = xpm[1 + colours + y];
        for (int x = 0; x < width; ++x) {
            const auto found =
                palette.find(std::string(row + x * keyLength, static_cast<std::size_t>(keyLength)));
            // 0x00rrggbb is the layout of a 32-bit DIB pixel.
            pixels[y * width + x] = found == palette.end() ? 0xffffffu : found->second;
        }
    }
    return bitmap;
}

HBITMAP headerBand() {
    return bitmapOfXpm(header_xpm);
}

HBITMAP footerBand() {
    return bitmapOfXpm(footer_xpm);
}

} // namespace tessellon
