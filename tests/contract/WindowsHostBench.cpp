#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <windows.h>

#include "HostBench.h"
#include "HostContract.h"

namespace fs = std::filesystem;

namespace {

bool driveAnswers(char letter) {
    const std::string root = std::string(1, letter) + ":\\";
    return GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES;
}

/// Empties a drive's root folder (the library's folder listing does not open a drive root).
void removeEverythingIn(const std::string& root) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((root + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            fs::remove_all(root + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool underWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

/// The system's host on two drives that are scratch folders: the test runner maps them under
/// Wine (QUORVEL_WINE_DRIVE_X names the host folder of drive X:), and they are emptied first.
class WindowsHostBench : public HostBench {
public:
    WindowsHostBench() : saved(fs::current_path()) {
        for (char letter = 'A'; letter <= 'Z' && letters.size() < 2; ++letter) {
            const std::string name = std::string("QUORVEL_WINE_DRIVE_") + letter;
            if (GetEnvironmentVariableA(name.c_str(), nullptr, 0) > 0 && driveAnswers(letter))
                letters.push_back(letter);
        }
        for (char letter : letters)
            removeEverythingIn(std::string(1, letter) + ":\\");
    }
    ~WindowsHostBench() override {
        forgetDriveFolders();
        fs::current_path(saved);
    }

    bool available(std::string& whyNot) override {
        whyNot = "needs two drives on scratch folders, mapped by the test runner under Wine "
                 "(QUORVEL_WINE_DRIVE_X)";
        return letters.size() == 2;
    }
    char firstDrive() const override { return letters[0]; }
    char secondDrive() const override { return letters[1]; }

    platform::Host& start(const std::string& folder) override {
        forgetDriveFolders();
        moveTo(folder);
        host = platform::makeSystemHost();
        return *host;
    }
    void moveTo(const std::string& folder) override {
        ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str())) << folder;
    }
    bool leaveEveryDrive(std::string& whyNot) override {
        whyNot = "on Windows every folder lies on a drive or a network share";
        // Wine shows a host folder through its literal form when no drive holds it.
        return underWine() && SetCurrentDirectoryA("\\\\?\\unix\\tmp");
    }

    void putFolder(const std::string& path) override { fs::create_directories(path); }
    void putFile(const std::string& path, const std::string& bytes) override {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::optional<std::string> bytesOf(const std::string& path) override {
        if (!fs::is_regular_file(path))
            return std::nullopt;
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool isFolder(const std::string& path) override { return fs::is_directory(path); }

    std::optional<char> unmappedDrive(std::string& whyNot) override {
        for (char letter = 'Z'; letter >= 'A'; --letter)
            if (!driveAnswers(letter))
                return letter;
        whyNot = "every drive letter names a drive here";
        return std::nullopt;
    }
    bool unmappedDrivesHaveHostPaths() const override { return true; }
    bool keepsTrailingSpacesAndDots() const override { return false; }
    bool acceptsQuotesAndControlBytesInNames() const override { return false; }

private:
    /// A program starts with no folder kept for the drives it has not been on.
    void forgetDriveFolders() {
        for (char letter : letters) {
            const std::string name = std::string("=") + letter + ":";
            SetEnvironmentVariableA(name.c_str(), nullptr);
        }
    }

    fs::path saved;
    std::vector<char> letters;
    std::unique_ptr<platform::Host> host;
};

const BenchMaker bench{"Windows", [] { return std::make_unique<WindowsHostBench>(); }};

} // namespace

INSTANTIATE_TEST_SUITE_P(Windows, HostContract, ::testing::Values(bench), benchName);
INSTANTIATE_TEST_SUITE_P(Windows, CommandLineContract, ::testing::Values(bench), benchName);
