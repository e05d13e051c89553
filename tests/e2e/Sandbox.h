#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

/// What one run of a program left behind.
struct RunResult {
    int status = -1; ///< exit status, or -1 when the program did not exit normally
    std::string out; ///< standard output
    std::string err; ///< standard error
};

/// Where the program's standard output goes.
enum class StandardOutput {
    Captured,  ///< into RunResult::out
    FullDisk,  ///< /dev/full: every write fails with "no space"
    ClosedPipe ///< a pipe that nobody reads any more
};

/// A throwaway folder tree standing for drives: C: (and any drive mapped later)
/// is a folder of its own, and the program under test runs with the drive table.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    /// Gives drive letter a folder of its own (C: always has one).
    void mapDrive(char letter);
    /// Sets an environment variable for the runs; QUORVEL_CODEPAGE is unset unless set here.
    void setVariable(const std::string& name, const std::string& value);
    /// The host path of a drive-absolute Windows path ("C:\ws\all.cws").
    std::filesystem::path host(const std::string& windowsPath) const;
    /// Writes bytes to a file, making the folders above it.
    void writeFile(const std::string& windowsPath, const std::string& bytes) const;
    /// The bytes of a file; empty when there is none.
    std::string readFile(const std::string& windowsPath) const;
    bool isFolder(const std::string& windowsPath) const;
    bool isFile(const std::string& windowsPath) const;
    void makeFolder(const std::string& windowsPath) const;

    /// Runs the program under test with args from the drive-absolute folder cwd.
    RunResult run(const std::vector<std::string>& args, const std::string& cwd = "C:\\",
                  StandardOutput output = StandardOutput::Captured) const;
    /// Runs the program under test from a host folder that lies on no drive.
    RunResult runOutsideDrives(const std::vector<std::string>& args) const;

private:
    RunResult runIn(const std::filesystem::path& folder, const std::vector<std::string>& args,
                    StandardOutput output = StandardOutput::Captured) const;

    std::filesystem::path root;
    std::vector<char> drives;
    std::vector<std::pair<std::string, std::string>> variables;
};

/// text with every line feed preceded by a carriage return.
std::string crlf(const std::string& text);
