#include <objbase.h>
#include <windows.h>

#include "TessellonWindow.h"
#include "WizardTexts.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    // The folder picker needs COM in a single-threaded apartment.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::unique_ptr<platform::Host> host;
    try {
        host = platform::makeSystemHost();
    } catch (const platform::HostError& error) {
        MessageBoxA(nullptr, error.what(), wizard::texts::failureCaption, MB_OK | MB_ICONERROR);
        return 1;
    }
    HWND window = tessellon::TessellonWindow::create(instance, std::move(host), show);
    const int status = window ? tessellon::TessellonWindow::run(window) : 1;
    CoUninitialize();
    return status;
}
