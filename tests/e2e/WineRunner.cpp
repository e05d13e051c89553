#include "WineRunner.h"

#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value)
        return std::nullopt;
    return std::string(value);
}

/// Makes link point at target, replacing a link that points elsewhere.
void link(const fs::path& target, const fs::path& link) {
    std::error_code error;
    if (fs::is_symlink(link) && fs::read_symlink(link) == target)
        return;
    fs::remove(link, error);
    fs::create_directory_symlink(target, link, error);
    if (error)
        throw std::runtime_error("cannot link " + link.string() + ": " + error.message());
}

/// Runs a command to its end, its output dropped, with WINEPREFIX set to prefix.
void runQuietly(const std::vector<std::string>& command, const fs::path& prefix) {
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        setenv("WINEPREFIX", prefix.c_str(), 1);
        execCommand(command);
    }
    int status = 0;
    if (child > 0)
        waitpid(child, &status, 0);
}

} // namespace

std::optional<WineRunner> WineRunner::fromEnvironment() {
    const auto script = environment("QUORVEL_WINE_RUN");
    const auto loader = environment("QUORVEL_WINE");
    const auto dlls = environment("QUORVEL_WINE_DLLS");
    const auto shared = environment("QUORVEL_WINE_PREFIX");
    if (!script || !loader || !dlls || !shared)
        return std::nullopt;
    WineRunner runner;
    runner.script = *script;
    runner.loader = *loader;
    runner.dlls = *dlls;
    runner.shared = *shared;
    return runner;
}

std::vector<fs::path>
WineRunner::prepare(const fs::path& prefix,
                    const std::vector<std::pair<char, fs::path>>& drives) const {
    std::vector<fs::path> added;
    fs::create_directories(prefix / "dosdevices");
    for (const auto& [letter, folder] : drives) {
        const char lower = static_cast<char>(letter - 'A' + 'a');
        link(folder, prefix / "dosdevices" / (std::string(1, lower) + ":"));
        if (letter != 'C')
            continue;
        // Wine loads from C:\windows\system32 and makes the profile folders below C:\users.
        for (const char* name : {"windows", "users"})
            if (!fs::exists(folder / name))
                added.push_back(folder / name);
        fs::create_directories(folder / "windows");
        link(dlls, folder / "windows" / "system32");
    }
    // A new prefix would have Wine make a registry with wineboot on every run, for seconds;
    // the shared prefix has one made already, which the runner script makes on first use.
    if (!fs::exists(prefix / "system.reg")) {
        if (!fs::exists(shared / "system.reg"))
            runQuietly({script, loader, dlls, shared.string(), "hostname.exe"}, shared);
        for (const char* name : {"system.reg", "user.reg", "userdef.reg", ".update-timestamp"})
            fs::copy_file(shared / name, prefix / name, fs::copy_options::overwrite_existing);
    }
    return added;
}

std::vector<std::string> WineRunner::command(const fs::path& prefix, const std::string& program,
                                             const std::vector<std::string>& args) const {
    std::vector<std::string> command = {script, loader, dlls, prefix.string(), program};
    command.insert(command.end(), args.begin(), args.end());
    return command;
}

void WineRunner::finish(const fs::path& prefix, const std::vector<fs::path>& added) const {
    fs::path server = fs::path(loader).parent_path() / "wineserver64";
    if (!fs::exists(server))
        server = fs::path(loader).parent_path() / "wineserver";
    runQuietly({server.string(), "-k"}, prefix);
    runQuietly({server.string(), "-w"}, prefix);
    // remove_all takes the system32 link away, never what it points at.
    std::error_code ignored;
    for (const fs::path& folder : added)
        fs::remove_all(folder, ignored);
}

std::string WineRunner::consoleText(const std::string& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n')
            text += bytes[i];
    return text;
}

bool underWine() {
    return WineRunner::fromEnvironment().has_value();
}

void execCommand(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& part : command)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}
