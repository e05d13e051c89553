#include "WindowsPath.h"

#include <vector>

namespace {

/// The length of path's root: "C:\" (or "C:" alone), "\\server\share\", "\", or none.
std::size_t rootLength(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':')
        return path.size() >= 3 && path[2] == '\\' ? 3 : 2;
    if (path.compare(0, 2, "\\\\") == 0) {
        // The server and the share are the root: ".." never climbs above them.
        std::size_t end = path.find('\\', 2);
        if (end != std::string::npos)
            end = path.find('\\', end + 1);
        return end == std::string::npos ? path.size() : end + 1;
    }
    return !path.empty() && path[0] == '\\' ? 1 : 0;
}

} // namespace

std::string withoutTrailingSeparator(std::string folder) {
    const bool driveRoot = folder.size() == 3 && folder[1] == ':';
    if (!driveRoot && folder.size() > 1 && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

std::string withoutDotParts(const std::string& given) {
    std::string path = given;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    const std::size_t root = rootLength(path);
    std::vector<std::string> parts;
    std::size_t start = root;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..")
                parts.pop_back();
            else if (root == 0)
                parts.push_back(part);
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result = path.substr(0, root);
    for (std::size_t i = 0; i < parts.size(); ++i)
        result += (i ? "\\" : "") + parts[i];
    const bool trailing = path.size() > root && path.back() == '\\';
    if (trailing && !parts.empty())
        result += '\\';
    return result;
}
