#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

/// Runs a Windows program under test under Wine, with the sandbox's drives as real drive
/// letters. Chosen by the environment: QUORVEL_WINE_RUN names the runner script
/// (cmake/wine-run.sh), QUORVEL_WINE the Wine loader, QUORVEL_WINE_DLLS the folder of Wine's
/// own Windows DLLs and QUORVEL_WINE_PREFIX the build's prefix, whose registry each sandbox's
/// own prefix starts from.
class WineRunner {
public:
    /// The runner the environment asks for; nothing when the program under test is native.
    static std::optional<WineRunner> fromEnvironment();

    /// Makes prefix a Wine prefix whose dosdevices link each drive letter to its host folder,
    /// and gives drive C: the C:\windows\system32 that Wine loads its DLLs from. Returns the
    /// folders on drive C: that Wine adds and that were not there before, for finish. Throws
    /// std::runtime_error when the prefix cannot be made.
    std::vector<std::filesystem::path>
    prepare(const std::filesystem::path& prefix,
            const std::vector<std::pair<char, std::filesystem::path>>& drives) const;

    /// The command that runs program with args under Wine in prefix.
    std::vector<std::string> command(const std::filesystem::path& prefix,
                                     const std::string& program,
                                     const std::vector<std::string>& args) const;

    /// After a run: ends the Wine server of prefix and removes the folders Wine added, so
    /// that the drives hold only what the program under test made.
    void finish(const std::filesystem::path& prefix,
                const std::vector<std::filesystem::path>& added) const;

    /// Standard output or error as the tests compare it: a Windows program's console is in
    /// text mode, where the C runtime writes each line feed as CR LF; those become line feeds.
    static std::string consoleText(const std::string& bytes);

private:
    std::string script;
    std::string loader;
    std::string dlls;
    std::filesystem::path shared;
};

/// True when the program under test is a Windows program run under Wine: cases that stand for
/// the POSIX drive emulation alone do not apply then.
bool underWine();

/// In a child process: becomes command (the program's path first, then its arguments), or
/// ends with status 127 when it cannot.
[[noreturn]] void execCommand(const std::vector<std::string>& command);
