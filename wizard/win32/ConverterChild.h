#pragma once

#include <memory>
#include <string>
#include <thread>
#include <windows.h>

#include "WizardFace.h"

namespace tessellon {

/// Where a running child reports: each chunk of its standard output is posted to window as
/// outputMessage (wParam: tag; lParam: a std::string* that the receiver takes over), then
/// its end as endMessage (wParam: tag; lParam: its exit code), always after its last chunk.
struct ChildReports {
    HWND window;
    UINT outputMessage;
    UINT endMessage;
    WPARAM tag;
};

/// One run of a console program whose standard output comes back through a pipe, read off
/// the GUI thread. Its standard input is the null device; its standard error is the
/// caller's own, or the null device when the caller has none.
class ConverterChild : public wizard::ConverterChild {
public:
    /// Starts commandLine, whose first item the system searches for as a program (its
    /// bytes in the ANSI code page); null when it cannot be started.
    static std::unique_ptr<ConverterChild> start(const std::string& commandLine,
                                                 const ChildReports& reports);

    /// Kills the child if it still runs and waits until it and its reader have ended.
    ~ConverterChild() override;

    ConverterChild(const ConverterChild&) = delete;
    ConverterChild& operator=(const ConverterChild&) = delete;

private:
    ConverterChild(HANDLE process, HANDLE output, const ChildReports& reports);

    HANDLE process;
    std::thread reader;
};

/// True when a child's exit code says it returned from its program rather than being ended
/// by an exception of the system (an access violation and the like: 0xC0000000 and above).
bool endedNormally(DWORD exitCode);

} // namespace tessellon
