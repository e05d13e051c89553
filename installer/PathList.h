#pragma once

#include <string>

namespace installer {

/// The PATH value with folder added as its last element, or the value unchanged when one of
/// its elements already names folder. Every other byte of the value is kept.
std::wstring withFolder(const std::wstring& path, const std::wstring& folder);

/// The PATH value without the last element that names folder and one separator beside it, so
/// that it reads as before withFolder added it; the value unchanged when no element names it.
std::wstring withoutFolder(const std::wstring& path, const std::wstring& folder);

} // namespace installer
