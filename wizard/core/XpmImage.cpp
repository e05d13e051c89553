#include "XpmImage.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace wizard {

std::optional<XpmImage> readXpm(const char* const* xpm) {
    XpmImage image;
    int colours = 0, keyLength = 0;
    if (std::sscanf(xpm[0], "%d %d %d %d", &image.width, &image.height, &colours, &keyLength) !=
            4 ||
        image.width <= 0 || image.height <= 0 || keyLength <= 0)
        return std::nullopt;
    const auto key = static_cast<std::size_t>(keyLength);
    std::map<std::string, std::uint32_t> palette;
    for (int i = 1; i <= colours; ++i) {
        // The key itself may hold a "#": the colour follows it.
        const char* hash = std::strchr(xpm[i] + keyLength, '#');
        if (!hash)
            return std::nullopt;
        palette[std::string(xpm[i], key)] =
            static_cast<std::uint32_t>(std::strtoul(hash + 1, nullptr, 16));
    }
    image.pixels.reserve(static_cast<std::size_t>(image.width) *
                         static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        const char* row = xpm[1 + colours + y];
        for (std::size_t x = 0; x < static_cast<std::size_t>(image.width); ++x) {
            const auto found = palette.find(std::string(row + x * key, key));
            image.pixels.push_back(found == palette.end() ? 0xffffffu : found->second);
        }
    }
    return image;
}

} // namespace wizard
