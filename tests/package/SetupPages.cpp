// Starts the installer given as the first argument and walks its pages with Next as a user
// would, up to the folder page, whose Next would install: each page must show its heading, and
// the folder page must offer C:\Program Files\Quorvel. The first page is saved as
// quorvel-setup-page0.bmp in the folder given as the second argument. Status 0 when all pages
// opened; 1 with a line on standard error when one did not.
#include <cstdio>
#include <string>
#include <windows.h>

#include "WindowPicture.h"

namespace {

// The controls of an NSIS installer's window: the frame of the page (a dialog of its own
// inside the window), the Next button, the heading above every page but the first, and the
// folder field of the folder page.
constexpr int pageId = 1018, nextId = 1, headingId = 1037, folderId = 1019;

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK visibleWindowOf(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window) && GetDlgItem(window, pageId)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

/// The installer's window once it shows a page; nullptr after 20 s.
HWND waitForWindow(DWORD process) {
    for (int tries = 0; tries < 200; ++tries) {
        Search search{process, nullptr};
        EnumWindows(visibleWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(100);
    }
    return nullptr;
}

/// Whether the window's heading reads heading within 20 s.
bool waitForHeading(HWND window, const std::string& heading) {
    for (int tries = 0; tries < 200; ++tries) {
        char text[256] = "";
        GetDlgItemTextA(window, headingId, text, sizeof text);
        if (text == heading)
            return true;
        Sleep(100);
    }
    return false;
}

int walk(DWORD process, const std::string& folder) {
    HWND window = waitForWindow(process);
    if (!window) {
        std::fprintf(stderr, "the installer shows no window (under Wine this needs a display)\n");
        return 1;
    }
    SetForegroundWindow(window);
    // What the screen shows is drawn once the window has handled its paint messages.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(500);
    const std::string picture = folder + "\\quorvel-setup-page0.bmp";
    if (!saveClientArea(window, picture)) {
        std::fprintf(stderr, "could not write %s\n", picture.c_str());
        return 1;
    }
    for (const char* heading :
         {"License Agreement", "Choose Components", "Choose Install Location"}) {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(nextId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, nextId)));
        if (!waitForHeading(window, heading)) {
            std::fprintf(stderr, "Next did not open the page \"%s\"\n", heading);
            return 1;
        }
    }
    // The heading is set before the page's controls are made.
    char offered[MAX_PATH] = "";
    for (int tries = 0; tries < 200 && !offered[0]; ++tries) {
        Sleep(100);
        GetDlgItemTextA(FindWindowExA(window, nullptr, "#32770", nullptr), folderId, offered,
                        sizeof offered);
    }
    if (std::string(offered) != "C:\\Program Files\\Quorvel") {
        std::fprintf(stderr, "the folder page offers \"%s\"\n", offered);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quorvel_setup_pages <setup.exe> <folder>\n");
        return 2;
    }
    std::string command = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    const int status = walk(child.dwProcessId, argv[2]);
    TerminateProcess(child.hProcess, 0);
    WaitForSingleObject(child.hProcess, 10000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return status;
}
