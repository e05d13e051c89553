#include "Bands.h"

#include <cstring>

#include "XpmImage.h"

namespace tessellon {

namespace {

// The bands are written by images/make_bands.py.
#include "../images/footer.xpm"
#include "../images/header.xpm"

} // namespace

HBITMAP bitmapOfXpm(const char* const* xpm) {
    const std::optional<wizard::XpmImage> image = wizard::readXpm(xpm);
    if (!image)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image->width;
    info.bmiHeader.biHeight = -image->height; // rows top first, as the image lists them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    // 0x00rrggbb is the layout of a 32-bit DIB pixel.
    if (bitmap)
        std::memcpy(bits, image->pixels.data(), image->pixels.size() * sizeof image->pixels[0]);
    return bitmap;
}

HBITMAP headerBand() {
    return bitmapOfXpm(header_xpm);
}

HBITMAP footerBand() {
    return bitmapOfXpm(footer_xpm);
}

} // namespace tessellon
