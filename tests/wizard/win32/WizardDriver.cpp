#include "WizardDriver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    const char* windowClass;
    const char* caption;
    HWND found;
};

BOOL CALLBACK findTopWindow(HWND candidate, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(candidate, &owner);
    char name[64] = {}, caption[64] = {};
    GetClassNameA(candidate, name, sizeof name);
    GetWindowTextA(candidate, caption, sizeof caption);
    if (owner == search->processId && IsWindowVisible(candidate) &&
        std::string(name) == search->windowClass &&
        (!search->caption || std::string(caption) == search->caption)) {
        search->found = candidate;
        return FALSE;
    }
    return TRUE;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK findChild(HWND candidate, LPARAM data) {
    auto* search = reinterpret_cast<ChildSearch*>(data);
    if (GetDlgCtrlID(candidate) == search->id) {
        search->found = candidate;
        return FALSE;
    }
    return TRUE;
}

/// The environment block of this process with the variables given replacing their namesakes.
std::string environmentWith(const std::map<std::string, std::string>& added) {
    std::map<std::string, std::string> variables;
    char* block = GetEnvironmentStringsA();
    for (const char* entry = block; *entry; entry += std::strlen(entry) + 1) {
        const std::string text = entry;
        const std::size_t equals = text.find('=', 1);
        if (equals != std::string::npos)
            variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    FreeEnvironmentStringsA(block);
    for (const auto& [name, value] : added) {
        // Names are case-insensitive: drop the system's own spelling first.
        for (auto it = variables.begin(); it != variables.end();)
            it = _stricmp(it->first.c_str(), name.c_str()) == 0 ? variables.erase(it) : ++it;
        variables[name] = value;
    }
    std::string environment;
    for (const auto& [name, value] : variables)
        environment += name + '=' + value + '\0';
    return environment + '\0';
}

void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

// Lengths are asked for with WM_GETTEXTLENGTH: GetWindowTextLength does not ask a window of
// another process under Wine.

std::string windowsPathOf(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':')
        return path;
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/')
            c = '\\';
    }
    return windows;
}

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    folder = std::string(temp) + "tessellon-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++counter);
    removeTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    removeTree(folder);
}

std::string fileBytes(const std::string& path) {
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, file))
            bytes.append(buffer, got);
        std::fclose(file);
    }
    return bytes;
}

bool eventually(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 1200; ++tries) {
        if (condition())
            return true;
        Sleep(50);
    }
    return condition();
}

WizardDriver::WizardDriver(const std::string& folder,
                           const std::map<std::string, std::string>& environment) {
    const char* given = std::getenv("TESSELLON_EXE");
    const std::string program = windowsPathOf(given ? given : TESSELLON_EXE);
    std::string environmentBlock = environmentWith(environment);
    std::string commandLine = "Tessellon";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                        &environmentBlock[0], folder.c_str(), &startup, &process))
        return;
    WaitForInputIdle(process.hProcess, 60000);
    eventually([&] {
        Search search{process.dwProcessId, "Tessellon", nullptr, nullptr};
        EnumWindows(findTopWindow, reinterpret_cast<LPARAM>(&search));
        window = search.found;
        return window != nullptr || ended();
    });
}

WizardDriver::~WizardDriver() {
    if (!process.hProcess)
        return;
    if (!ended()) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 60000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

HWND WizardDriver::control(int id) const {
    ChildSearch search{id, nullptr};
    EnumChildWindows(window, findChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WizardDriver::text(int id) const {
    HWND found = control(id);
    std::vector<char> buffer(static_cast<std::size_t>(SendMessageA(found, WM_GETTEXTLENGTH, 0, 0)) +
                             1);
    const LRESULT got =
        SendMessageA(found, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), static_cast<std::size_t>(got));
}

std::wstring WizardDriver::wideText(int id) const {
    HWND found = control(id);
    std::vector<wchar_t> buffer(
        static_cast<std::size_t>(SendMessageW(found, WM_GETTEXTLENGTH, 0, 0)) + 1);
    const LRESULT got =
        SendMessageW(found, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data(), static_cast<std::size_t>(got));
}

bool WizardDriver::enabled(int id) const {
    return IsWindowEnabled(control(id)) != FALSE;
}

bool WizardDriver::visible(int id) const {
    return IsWindowVisible(control(id)) != FALSE;
}

bool WizardDriver::red(int id) const {
    return GetPropA(control(id), tessellon::missingPathProperty) != nullptr;
}

bool WizardDriver::checked(int id) const {
    return SendMessageA(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND WizardDriver::edit(int id) const {
    HWND found = control(id);
    // A combo box takes its keys in the edit control inside it.
    HWND inner = FindWindowExA(found, nullptr, "Edit", nullptr);
    return inner ? inner : found;
}

void WizardDriver::type(int id, const std::string& text) {
    HWND edit = this->edit(id);
    const auto end = static_cast<WPARAM>(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0));
    SendMessageA(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
    for (const char c : text) {
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
        // The key goes up again: lParam's previous-state and transition bits.
        SendMessageA(edit, WM_KEYUP, 0, static_cast<LPARAM>(0xC0000001u));
    }
}

void WizardDriver::clear(int id) {
    HWND edit = this->edit(id);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CHAR, VK_BACK, 1);
    SendMessageA(edit, WM_KEYUP, VK_BACK, static_cast<LPARAM>(0xC0000001u));
}

void WizardDriver::backspace(int id) {
    HWND edit = this->edit(id);
    const auto end = static_cast<WPARAM>(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0));
    SendMessageA(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(edit, WM_CHAR, VK_BACK, 1);
    SendMessageA(edit, WM_KEYUP, VK_BACK, static_cast<LPARAM>(0xC0000001u));
}

void WizardDriver::click(int id) {
    SendMessageA(control(id), BM_CLICK, 0, 0);
}

void WizardDriver::choose(int id, int index) {
    HWND combo = control(id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // A choice picked by the user is announced; one set by a message is not.
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

HWND WizardDriver::dialog(const char* caption) const {
    Search search{process.dwProcessId, "#32770", caption, nullptr};
    EnumWindows(findTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WizardDriver::messageBox() const {
    return dialog("Tessellon");
}

std::string WizardDriver::messageText(HWND box) {
    // The text of a message box is its static control 0xFFFF.
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

bool WizardDriver::ended() const {
    return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
}

bool WizardDriver::waitForEnd() const {
    return WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
}
