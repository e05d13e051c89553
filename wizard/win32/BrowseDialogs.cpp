#include "BrowseDialogs.h"

#include <commdlg.h>
#include <shlobj.h>
#include <vector>

#include "BrowseTable.h"

namespace tessellon {

namespace {

/// The folder a dialog opens in: start itself when it is a folder, else the folder holding it.
std::string folderOf(const std::string& start) {
    const DWORD attributes = GetFileAttributesA(start.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return start;
    const std::size_t separator = start.find_last_of("\\/");
    if (separator == std::string::npos)
        return start;
    return start.substr(0, separator == 0 || (separator == 2 && start[1] == ':') ? separator + 1
                                                                                 : separator);
}

struct FolderRequest {
    const char* caption;
    std::string start;
};

int CALLBACK folderCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        const auto* request = reinterpret_cast<const FolderRequest*>(data);
        SetWindowTextA(dialog, request->caption);
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE,
                     reinterpret_cast<LPARAM>(request->start.c_str()));
    }
    return 0;
}

} // namespace

std::string browseForFile(HWND owner, const char* caption, const char* filter,
                          const std::string& start, bool toWrite) {
    // The text shown, then its patterns.
    const std::string filters = std::string(filter) + '\0' + wizard::filterPatterns(filter) + '\0';
    const std::string folder = folderOf(start);
    std::vector<char> chosen(32768, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = caption;
    // The current folder stays where it is: settings.txt is read and written there.
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    // A file to write may be new; one that exists is written or added to without a question.
    if (!toWrite)
        dialog.Flags |= OFN_FILEMUSTEXIST;
    if (!(toWrite ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog)))
        return {};
    return chosen.data();
}

std::string browseForFolder(HWND owner, const char* caption, const std::string& start) {
    FolderRequest request{caption, folderOf(start)};
    char chosen[MAX_PATH] = {};
    BROWSEINFOA dialog{};
    dialog.hwndOwner = owner;
    dialog.pszDisplayName = chosen;
    dialog.lpszTitle = caption;
    dialog.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    dialog.lpfn = folderCallback;
    dialog.lParam = reinterpret_cast<LPARAM>(&request);
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&dialog);
    if (!item)
        return {};
    const bool named = SHGetPathFromIDListA(item, chosen);
    CoTaskMemFree(item);
    return named ? std::string(chosen) : std::string();
}

} // namespace tessellon
