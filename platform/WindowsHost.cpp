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

/// True when the last part of path ends in a space or a dot (but is not "." or ".."): the
/// system drops those bytes from a last part, so it would act on another name than the one
/// given, and the same name inside a longer path would not reach it.
bool endsInDroppedBytes(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    const std::string last = separator == std::string::npos ? path : path.substr(separator + 1);
    if (last.empty() || last == "." || last == "..")
        return false;
    return last.back() == ' ' || last.back() == '.';
}

/// The ANSI API reads a path up to its first NUL byte, and drops the trailing spaces and dots
/// of its last part: such a path would act on another file than the one named, so it names
/// nothing.
bool namesNothing(const std::string& path) {
    return path.find('\0') != std::string::npos || endsInDroppedBytes(path);
}

/// A current folder in the form the programs use ("C:\dir" or a network "\\server\share"),
/// from what the system gives; nothing for a folder on no drive (Wine shows a host folder
/// outside its drives as "unix\..." or "\\?\unix\...").
std::optional<std::string> driveFormOf(const std::string& folder) {
    const std::string literal = "\\\\?\\";
    if (folder.compare(0, literal.size(), literal) == 0) {
        const std::string rest = folder.substr(literal.size());
        if (rest.compare(0, 4, "UNC\\") == 0)
            return "\\" + rest.substr(3);
        return driveFormOf(rest.size() >= 3 && rest[1] == ':' ? rest : std::string());
    }
    if (folder.size() >= 3 && isDriveLetter(folder[0]) && folder[1] == ':' && folder[2] == '\\')
        return folder;
    if (folder.size() >= 3 && folder[0] == '\\' && folder[1] == '\\' && folder[2] != '.')
        return folder;
    return std::nullopt;
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
            return driveFormOf(buffer);
        }
        // Too small: got is the size needed, the terminating zero included.
        buffer.resize(got);
    }
}

/// text from the system's ANSI code page as UTF-8; nothing when a byte has no character there.
std::optional<std::string> ansiToUtf8(const std::string& text) {
    if (text.empty())
        return text;
    const int size = static_cast<int>(text.size());
    const int wide =
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (wide <= 0)
        return std::nullopt;
    std::wstring utf16(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), size, &utf16[0], wide);
    const int narrow = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, utf16.data(), wide,
                                           nullptr, 0, nullptr, nullptr);
    if (narrow <= 0)
        return std::nullopt;
    std::string utf8(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, utf16.data(), wide, &utf8[0], narrow,
                        nullptr, nullptr);
    return utf8;
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
        // "D:" alone makes the folder kept for drive D current. A drive without a kept folder
        // is entered at its root with the letter as typed: upper case, so both spellings agree.
        const std::string upperDrive = std::string(1, upper(drive[0])) + ":";
        return SetCurrentDirectoryA(upperDrive.c_str()) != 0;
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

    std::optional<FolderListing> readFolder(const std::string& folder) override {
        if (namesNothing(folder) || folder.empty())
            return std::nullopt;
        const DWORD attributes = GetFileAttributesA(folder.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return std::nullopt;
        const char last = folder.back();
        const std::string pattern =
            folder + (last == '\\' || last == '/' || last == ':' ? "*" : "\\*");
        FolderListing names;
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            // A drive root holds no "." or "..": empty, it has nothing to find.
            return GetLastError() == ERROR_FILE_NOT_FOUND ? std::optional(names) : std::nullopt;
        do {
            const std::string name = found.cFileName;
            const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (name == "." || name == "..")
                continue;
            // The ANSI API shows a character that the code page lacks as "?", naming nothing.
            if (name.find('?') != std::string::npos)
                names.unnamed.push_back({name, isFolder, NoName::NotInCodePage});
            else
                names.entries.push_back(
                    {name, isFolder, (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
        } while (FindNextFileA(search, &found));
        const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
        FindClose(search);
        if (!complete)
            return std::nullopt;
        return names;
    }

    // Only the case overlay asks, and Windows, whose names ignore case, writes none.
    std::optional<FolderIdentity> folderIdentity(const std::string&) override {
        return std::nullopt;
    }

    bool namesIgnoreCase() const override { return true; }

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

    bool replaceFile(const std::string& from, const std::string& to) override {
        return !namesNothing(from) && !namesNothing(to) &&
               MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    bool removeFile(const std::string& path) override {
        return !namesNothing(path) && DeleteFileA(path.c_str()) != 0;
    }

    std::string windowsPathOf(const std::string& hostPath) override {
        std::string path = hostPath;
        for (char& c : path)
            if (c == '/')
                c = '\\';
        return path;
    }

    // A path is its own host path here, on a drive that exists or not: the tools take it
    // as it is. It lacks a UTF-8 form only where the system reads another name or the ANSI
    // code page has no character for a byte.
    Utf8Path utf8PathOf(const std::string& path) override {
        if (namesNothing(path))
            return NoUtf8Path::OtherName;
        if (auto text = ansiToUtf8(path))
            return std::move(*text);
        return NoUtf8Path::NotUtf8;
    }

    std::optional<std::string> utf8TextOf(const std::string& text) override {
        return ansiToUtf8(text);
    }
};

} // namespace

std::unique_ptr<Host> makeSystemHost() {
    return std::make_unique<WindowsHost>();
}

void letClosedPipesFailWrites() {
    // Windows has no signal for it: a write to a closed pipe fails with an error already.
}

std::unique_ptr<Host> makeCodePageHost() {
    return makeSystemHost();
}

} // namespace platform
