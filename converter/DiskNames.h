#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {
class Host;
}

/// Finds files the way Windows does, letter case ignored, on a host whose names may heed it;
/// remembers each folder it had to list.
class DiskNames {
public:
    explicit DiskNames(platform::Host& host) : host(host) {}

    /// The path of the file or folder that path names, as the disk spells it: path itself when
    /// it exists as written, else each part matched to the name in its folder that differs only
    /// in letter case (the first in byte order where several do). Nothing when nothing is there.
    /// path must be absolute and without "." and ".." parts.
    std::optional<std::string> find(const std::string& path);

    /// find for a folder that many paths share, remembered.
    std::optional<std::string> findFolder(const std::string& path);

private:
    /// The names in folder, sorted; empty when it cannot be listed.
    const std::vector<std::string>& namesIn(const std::string& folder);

    platform::Host& host;
    std::unordered_map<std::string, std::vector<std::string>> listed;
    std::unordered_map<std::string, std::optional<std::string>> folders;
};
