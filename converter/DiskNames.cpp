#include "DiskNames.h"

#include <algorithm>

#include "Host.h"
#include "StringHelpers.h"

std::optional<std::string> DiskNames::find(const std::string& path) {
    if (host.exists(path))
        return path;
    const std::size_t separator = path.rfind('\\');
    if (separator == std::string::npos || separator + 1 == path.size())
        return std::nullopt;
    // The folder is found first, so that a wrong case anywhere up the path is mended too.
    const std::string parent = path.substr(0, separator == 2 && path[1] == ':' ? 3 : separator);
    if (parent == path)
        return std::nullopt;
    const std::optional<std::string> folder = find(parent);
    if (!folder)
        return std::nullopt;
    const std::string name = toUpper(path.substr(separator + 1));
    for (const std::string& candidate : namesIn(*folder))
        if (toUpper(candidate) == name)
            return (folder->back() == '\\' ? *folder : *folder + "\\") + candidate;
    return std::nullopt;
}

std::optional<std::string> DiskNames::findFolder(const std::string& path) {
    auto [known, fresh] = folders.try_emplace(path);
    if (fresh)
        known->second = find(path);
    return known->second;
}

const std::vector<std::string>& DiskNames::namesIn(const std::string& folder) {
    auto [known, fresh] = listed.try_emplace(folder);
    if (fresh) {
        if (auto entries = host.listFolder(folder))
            for (const platform::FolderEntry& entry : *entries)
                known->second.push_back(entry.name);
        std::sort(known->second.begin(), known->second.end());
    }
    return known->second;
}
