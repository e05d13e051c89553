// Shows Tessellon.exe at each of its four pages and saves what the screen shows of its client
// area as tessellon-win32-page0.bmp ... page3.bmp in the folder given as the only argument.
// The paths are those of the Qt pictures, made under C:\ for the time of the run.
#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

#include "WindowPicture.h"
#include "WizardDriver.h"

namespace {

/// The folders and files the pictures show, made for the run and removed after it.
class ExamplePaths {
public:
    ExamplePaths() {
        for (const char* folder :
             {"C:\\examples", "C:\\examples\\weather", "C:\\Program Files",
              "C:\\Program Files\\National Instruments",
              "C:\\Program Files\\National Instruments\\CVI85", "C:\\out", "C:\\personalities"}) {
            if (CreateDirectoryA(folder, nullptr))
                made.insert(made.begin(), folder);
        }
        for (const char* file :
             {"C:\\examples\\weather\\weather.cws", "C:\\personalities\\misra.p_a"}) {
            HANDLE created = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
            if (created != INVALID_HANDLE_VALUE) {
                CloseHandle(created);
                files.push_back(file);
            }
        }
    }
    ~ExamplePaths() {
        for (const std::string& file : files)
            DeleteFileA(file.c_str());
        for (const std::string& folder : made)
            RemoveDirectoryA(folder.c_str());
    }

private:
    std::vector<std::string> made;
    std::vector<std::string> files;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessellon_win32_pictures <folder>\n");
        return 2;
    }
    const std::string folder = windowsPathOf(argv[1]);
    CreateDirectoryA(folder.c_str(), nullptr);
    ExamplePaths paths;
    ScratchFolder scratch;
    WizardDriver wizard(scratch.path(), {});
    if (!wizard.found()) {
        std::fprintf(stderr, "no window (under Wine this needs an X display)\n");
        return 1;
    }
    wizard.type(tessellon::CVIWorkspaceEdit, "C:\\examples\\weather\\weather.cws");
    wizard.type(tessellon::CorvaneProjectEdit, "C:\\out");
    wizard.type(tessellon::CorvaneNameEdit, "weather");
    wizard.type(tessellon::AnalPersonEdit, "C:\\personalities\\misra.p_a");
    wizard.click(tessellon::cCheck);
    wizard.click(tessellon::hCheck);
    for (int page = 0; page < 4; ++page) {
        HWND window = GetAncestor(wizard.control(tessellon::Page0), GA_ROOT);
        SetForegroundWindow(window);
        // What the screen shows is drawn once the window has handled its paint messages.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Sleep(500);
        const std::string file = folder + "\\tessellon-win32-page" + std::to_string(page) + ".bmp";
        if (!saveClientArea(window, file)) {
            std::fprintf(stderr, "could not write %s\n", file.c_str());
            return 1;
        }
        if (page < 3) {
            if (!wizard.enabled(tessellon::NextButton))
                return 1;
            wizard.click(tessellon::NextButton);
        }
    }
    return 0;
}
