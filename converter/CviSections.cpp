#include "CviSections.h"

#include "StringHelpers.h"

const std::string* CviSection::valueOf(const std::string& key) const {
    for (const auto& [name, value] : keys)
        if (name == key)
            return &value;
    return nullptr;
}

std::vector<CviSection> readCviSections(CviLineReader& reader,
                                        const std::function<bool(const std::string&)>& select) {
    std::vector<CviSection> sections;
    bool keeping = select(std::string());
    if (keeping)
        sections.emplace_back();
    std::string line;
    while (reader.readLine(line)) {
        if (!line.empty() && line[0] == '[') {
            const std::size_t close = line.find(']');
            std::string name = line.substr(1, close == std::string::npos ? close : close - 1);
            keeping = select(name);
            if (keeping)
                sections.push_back({std::move(name), {}});
            continue;
        }
        if (!keeping || line.empty())
            continue;
        const std::size_t equals = line.find('=');
        sections.back().keys.emplace_back(
            stripChar(line.substr(0, equals), ' '),
            equals == std::string::npos ? std::string() : trimValue(line.substr(equals + 1)));
    }
    return sections;
}
