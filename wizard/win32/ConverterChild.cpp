#include "ConverterChild.h"

#include <vector>

namespace tessellon {

namespace {

/// A handle that the child inherits: the null device, opened for access.
HANDLE inheritableNull(DWORD access) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA("NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                       0, nullptr);
}

/// The caller's standard error as a handle the child inherits; the null device without one.
HANDLE inheritableError() {
    const HANDLE own = GetStdHandle(STD_ERROR_HANDLE);
    HANDLE copy = nullptr;
    if (own && own != INVALID_HANDLE_VALUE &&
        DuplicateHandle(GetCurrentProcess(), own, GetCurrentProcess(), &copy, 0, TRUE,
                        DUPLICATE_SAME_ACCESS))
        return copy;
    return inheritableNull(GENERIC_WRITE);
}

void readUntilEnd(HANDLE process, HANDLE output, ChildReports reports) {
    std::vector<char> buffer(4096);
    DWORD got = 0;
    while (ReadFile(output, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) &&
           got > 0) {
        auto chunk = std::make_unique<std::string>(buffer.data(), got);
        if (PostMessageA(reports.window, reports.outputMessage, reports.tag,
                         reinterpret_cast<LPARAM>(chunk.get())))
            chunk.release(); // the window owns it now
    }
    CloseHandle(output);
    // The pipe ends when the child's copy of it closes, at the latest when the child ends.
    WaitForSingleObject(process, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    PostMessageA(reports.window, reports.endMessage, reports.tag, static_cast<LPARAM>(code));
}

} // namespace

std::unique_ptr<ConverterChild> ConverterChild::start(const std::string& commandLine,
                                                      const ChildReports& reports) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return nullptr;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    const HANDLE input = inheritableNull(GENERIC_READ);
    const HANDLE error = inheritableError();

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = writeEnd;
    startup.hStdError = error;
    PROCESS_INFORMATION started{};
    std::string line = commandLine; // CreateProcessA may write into its command line
    // No console window of its own: the log shows what it writes.
    const BOOL ok = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                   nullptr, nullptr, &startup, &started);
    // The child holds its own copies; the pipe ends when the child's copy closes.
    CloseHandle(writeEnd);
    CloseHandle(input);
    CloseHandle(error);
    if (!ok) {
        CloseHandle(readEnd);
        return nullptr;
    }
    CloseHandle(started.hThread);
    return std::unique_ptr<ConverterChild>(new ConverterChild(started.hProcess, readEnd, reports));
}

ConverterChild::ConverterChild(HANDLE process, HANDLE output, const ChildReports& reports)
    : process(process), reader(readUntilEnd, process, output, reports) {}

ConverterChild::~ConverterChild() {
    TerminateProcess(process, 1); // does nothing once the child has ended
    WaitForSingleObject(process, INFINITE);
    reader.join();
    CloseHandle(process);
}

bool endedNormally(DWORD exitCode) {
    return exitCode < 0xC0000000u;
}

} // namespace tessellon
