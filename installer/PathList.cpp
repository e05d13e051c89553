#include "PathList.h"

#include <cstddef>

namespace installer {
namespace {

// How Windows compares folder names: letters in either case, quotes around the element and
// backslashes at its end making no difference.
std::wstring comparable(std::wstring element) {
    if (element.size() >= 2 && element.front() == L'"' && element.back() == L'"')
        element = element.substr(1, element.size() - 2);
    while (!element.empty() && element.back() == L'\\')
        element.pop_back();
    for (wchar_t& c : element) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return element;
}

struct Span {
    std::size_t begin;
    std::size_t end;
};

// The last element of path that names folder; begin == npos when none does.
Span lastElementNaming(const std::wstring& path, const std::wstring& folder) {
    const std::wstring wanted = comparable(folder);
    Span found{std::wstring::npos, std::wstring::npos};
    std::size_t begin = 0;
    bool quoted = false;
    // A separator between double quotes belongs to the element, as Windows reads PATH.
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] == L'"')
            quoted = !quoted;
        if (i < path.size() && (quoted || path[i] != L';'))
            continue;
        if (i > begin && comparable(path.substr(begin, i - begin)) == wanted)
            found = {begin, i};
        begin = i + 1;
    }
    return found;
}

} // namespace

std::wstring withFolder(const std::wstring& path, const std::wstring& folder) {
    if (lastElementNaming(path, folder).begin != std::wstring::npos)
        return path;
    // A folder whose name holds the separator is one element only between quotes.
    const std::wstring element =
        folder.find(L';') == std::wstring::npos ? folder : L'"' + folder + L'"';
    if (path.empty())
        return element;
    // A value that ends in a separator keeps ending in one, so that removing the element
    // and its following separator gives the value back.
    if (path.back() == L';')
        return path + element + L';';
    return path + L';' + element;
}

std::wstring withoutFolder(const std::wstring& path, const std::wstring& folder) {
    const Span span = lastElementNaming(path, folder);
    if (span.begin == std::wstring::npos)
        return path;
    if (span.end < path.size())
        return path.substr(0, span.begin) + path.substr(span.end + 1);
    if (span.begin > 0)
        return path.substr(0, span.begin - 1);
    return std::wstring();
}

} // namespace installer
