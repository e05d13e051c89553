#include "CviText.h"

#include <cstdio>

void CviText::section(std::string_view name) {
    if (anySection)
        bytes += "\r\n";
    anySection = true;
    bytes.append("[").append(name).append("]\r\n");
}

void CviText::line(std::string_view key, std::string_view value) {
    bytes.append(key).append(" = ").append(value).append("\r\n");
}

void CviText::bare(std::string_view key, std::string_view value) {
    line(key, value);
}

void CviText::quoted(std::string_view key, std::string_view value) {
    if (value.size() <= partLength) {
        bytes.append(key).append(" = \"").append(value).append("\"\r\n");
        return;
    }
    unsigned number = 1;
    for (std::size_t from = 0; from < value.size(); from += partLength, ++number) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, " Line%04u", number);
        bytes.append(key).append(suffix).append(" = \"");
        bytes.append(value.substr(from, partLength)).append("\"\r\n");
    }
}

std::string CviText::take() {
    std::string taken;
    taken.swap(bytes);
    return taken;
}
