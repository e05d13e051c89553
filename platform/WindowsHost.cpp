#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "Host.h"
#include "StdioFile.h"

namespace platform {

namespace {

bool isDriveLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

/// The ANSI API reads a path up to its first NUL byte and would act on a shorter path than
/// the one named: such a path names nothing.
bool namesNothing(const std::string& path) {
    return path.find('\0') != std::string::npos;
}

std::optional<std::string> currentDirectory() {
    // Asked for its size first: a current folder may be longer than any fixed buffer.
    std::string buffer;
    for (;;) {
        const DWORD got = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), &buffer[0]);
        if (got == 0)
            return std::nullopt;
        if (got < buffer.size()) {
            buffer.resize(got);
            return buffer;
        }
        // Too small: got is the size needed, the terminating zero included.
        buffer.resize(got);
    }
}

/// The host on Windows: the paths are the system's own, passed to the ANSI API as they are.
class WindowsHost : public Host {
public:
    std::optional<std::string> currentFolder() override { return currentDirectory(); }

    bool makeDriveCurrent(const std::string& drive) override {
        if (drive.size() != 2 || drive[1] != ':' || !isDriveLetter(drive[0]))
            return false;
        // Windows remembers a drive's folder only in the "=X:" variable, which the command
        // shell keeps but SetCurrentDirectory does not; without it the way back would land
        // at the root of the drive we leave.
        const auto folder = currentDirectory();
        if (folder && folder->size() >= 2 && (*folder)[1] == ':' && isDriveLetter((*folder)[0])) {
            const std::string name = std::string("=") + upper((*folder)[0]) + ":";
            SetEnvironmentVariableA(name.c_str(), folder->c_str());
        }
        // "D:" alone makes the folder kept for drive D current.
        return SetCurrentDirectoryA(drive.c_str()) != 0;
    }

    bool exists(const std::string& path) override {
        return !namesNothing(path) && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    FolderResult makeFolder(const std::string& path) override {
        if (namesNothing(path))
            return FolderResult::Failed;
        if (CreateDirectoryA(path.c_str(), nullptr))
            return FolderResult::Created;
        return GetLastError() == ERROR_ALREADY_EXISTS ? FolderResult::AlreadyExists
                                                      : FolderResult::Failed;
    }

    std::unique_ptr<ByteSource> openForReading(const std::string& path) override {
        if (namesNothing(path))
            return nullptr;
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return nullptr;
        return openStdioSource(path);
    }

    std::unique_ptr<ByteSink> openForWriting(const std::string& path) override {
        if (namesNothing(path))
            return nullptr;
        return openStdioSink(path);
    }

    std::string windowsPathOf(const std::string& hostPath) override {
        std::string path = hostPath;
        for (char& c : path)
            if (c == '/')
                c = '\\';
        return path;
    }
};

} // namespace

std::unique_ptr<Host> makeSystemHost() {
    return std::make_unique<WindowsHost>();
}

std::unique_ptr<Host> makeCodePageHost() {
    return makeSystemHost();
}

} // namespace platform
