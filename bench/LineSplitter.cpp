#include "LineSplitter.h"

#include <cstring>

void LineSplitter::feed(std::string_view block) {
    while (!block.empty()) {
        const void* end = std::memchr(block.data(), '\n', block.size());
        if (!end) {
            carried.append(block);
            return;
        }
        const auto length = static_cast<std::size_t>(static_cast<const char*>(end) - block.data());
        std::string_view text = block.substr(0, length);
        if (!carried.empty()) {
            carried.append(text);
            text = carried;
        }
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        line(text);
        carried.clear();
        block.remove_prefix(length + 1);
    }
}

SplitCounts LineSplitter::finish() {
    if (!carried.empty())
        line(carried);
    carried.clear();
    return counts;
}

void LineSplitter::line(std::string_view text) {
    ++counts.lines;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return;
    ++counts.keyed;
    const std::size_t value = text.find_first_not_of(' ', equals + 1);
    if (value != std::string_view::npos)
        counts.valueBytes += text.size() - value;
}
