// PathEdit: adds a folder to the user's PATH or takes it away again, for the installer and
// its uninstaller. The value is read and written whole, at any length and in its own type
// (REG_EXPAND_SZ stays REG_EXPAND_SZ), and running programs are told that it changed.
//   PathEdit add <folder>      PathEdit remove <folder>
// Status 0: the PATH changed; 2: nothing to change; 1: the PATH could not be read or written
// (it is then left as it was).
#include <cstdio>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

#include "PathList.h"

namespace {

constexpr wchar_t valueName[] = L"Path";

struct PathValue {
    std::wstring text;
    DWORD type = REG_EXPAND_SZ;
};

/// The user's PATH as the registry holds it; nothing when it cannot be read.
std::optional<PathValue> readPath(HKEY key) {
    PathValue value;
    std::vector<wchar_t> buffer(1024);
    for (;;) {
        DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LONG status = RegQueryValueExW(key, valueName, nullptr, &value.type,
                                             reinterpret_cast<BYTE*>(buffer.data()), &bytes);
        if (status == ERROR_FILE_NOT_FOUND) {
            value.type = REG_EXPAND_SZ;
            return value;
        }
        if (status == ERROR_MORE_DATA) {
            buffer.resize(bytes / sizeof(wchar_t) + 1);
            continue;
        }
        if (status != ERROR_SUCCESS || (value.type != REG_SZ && value.type != REG_EXPAND_SZ))
            return std::nullopt;
        value.text.assign(buffer.data(), bytes / sizeof(wchar_t));
        // The stored bytes end with the terminating null, or with none at all.
        while (!value.text.empty() && value.text.back() == L'\0')
            value.text.pop_back();
        return value;
    }
}

// A PATH that the edit empties is removed: it was missing before the folder was added.
bool writePath(HKEY key, const PathValue& value) {
    if (value.text.empty())
        return RegDeleteValueW(key, valueName) == ERROR_SUCCESS;
    const DWORD bytes = static_cast<DWORD>((value.text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, valueName, 0, value.type,
                          reinterpret_cast<const BYTE*>(value.text.c_str()),
                          bytes) == ERROR_SUCCESS;
}

int edit(bool add, const std::wstring& folder) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Environment", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        std::fwprintf(stderr, L"PathEdit: cannot open the user's environment\n");
        return 1;
    }
    std::optional<PathValue> value = readPath(key);
    if (!value) {
        RegCloseKey(key);
        std::fwprintf(stderr, L"PathEdit: cannot read the user's PATH\n");
        return 1;
    }
    const std::wstring edited = add ? installer::withFolder(value->text, folder)
                                    : installer::withoutFolder(value->text, folder);
    if (edited == value->text) {
        RegCloseKey(key);
        std::wprintf(add ? L"PATH already holds %ls\n" : L"PATH does not hold %ls\n",
                     folder.c_str());
        return 2;
    }
    value->text = edited;
    const bool written = writePath(key, *value);
    RegCloseKey(key);
    if (!written) {
        std::fwprintf(stderr, L"PathEdit: cannot write the user's PATH\n");
        return 1;
    }
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                        reinterpret_cast<LPARAM>(L"Environment"), SMTO_ABORTIFHUNG, 5000, nullptr);
    std::wprintf(add ? L"Added to PATH: %ls\n" : L"Removed from PATH: %ls\n", folder.c_str());
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring action = argc == 3 ? argv[1] : L"";
    if (action != L"add" && action != L"remove") {
        std::fwprintf(stderr, L"usage: PathEdit add|remove <folder>\n");
        return 1;
    }
    return edit(action == L"add", argv[2]);
}
