#include "Sandbox.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#include "WineRunner.h"

namespace fs = std::filesystem;

namespace {

std::string program() {
    if (const char* chosen = std::getenv("QUORVEL_UNDER_TEST"))
        return chosen;
    return QUORVEL_PROGRAM;
}

std::string driveFolderName(char letter) {
    return std::string("drive_") + letter;
}

/// chdir that also reaches a folder whose path is too long for one call, part by part.
bool enterFolder(const fs::path& folder) {
    if (chdir(folder.c_str()) == 0)
        return true;
    if (errno != ENAMETOOLONG)
        return false;
    for (const fs::path& part : folder)
        if (chdir(part.c_str()) != 0)
            return false;
    return true;
}

} // namespace

Sandbox::Sandbox() {
    std::string pattern = (fs::temp_directory_path() / "quorvel-e2e-XXXXXX").string();
    if (!mkdtemp(&pattern[0]))
        throw std::runtime_error("cannot make a sandbox folder");
    root = pattern;
    mapDrive('C');
}

Sandbox::~Sandbox() {
    std::error_code ignored;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
    // A link is not followed: it may point at a system file such as /dev/full.
    for (auto& entry : fs::recursive_directory_iterator(root, ignored))
        fs::permissions(entry.path(), fs::perms::owner_all,
                        fs::perm_options::add | fs::perm_options::nofollow, ignored);
    fs::remove_all(root, ignored);
}

void Sandbox::mapDrive(char letter) {
    fs::create_directories(root / driveFolderName(letter));
    drives.push_back(letter);
}

void Sandbox::setVariable(const std::string& name, const std::string& value) {
    variables.emplace_back(name, value);
}

fs::path Sandbox::host(const std::string& windowsPath) const {
    fs::path path = root / driveFolderName(windowsPath.at(0));
    std::string rest = windowsPath.substr(2);
    for (char& c : rest)
        if (c == '\\')
            c = '/';
    while (!rest.empty() && rest[0] == '/')
        rest.erase(0, 1);
    return rest.empty() ? path : path / rest;
}

void Sandbox::writeFile(const std::string& windowsPath, const std::string& bytes) const {
    const fs::path path = host(windowsPath);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Sandbox::readFile(const std::string& windowsPath) const {
    std::ifstream in(host(windowsPath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Sandbox::isFolder(const std::string& windowsPath) const {
    return fs::is_directory(host(windowsPath));
}

bool Sandbox::isFile(const std::string& windowsPath) const {
    return fs::is_regular_file(host(windowsPath));
}

void Sandbox::makeFolder(const std::string& windowsPath) const {
    fs::create_directories(host(windowsPath));
}

RunResult Sandbox::run(const std::vector<std::string>& args, const std::string& cwd,
                       StandardOutput output) const {
    return runIn(host(cwd), args, output);
}

RunResult Sandbox::runOutsideDrives(const std::vector<std::string>& args) const {
    return runIn(root, args);
}

RunResult Sandbox::runIn(const fs::path& folder, const std::vector<std::string>& args,
                         StandardOutput output) const {
    int outPipe[2];
    int errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
        throw std::runtime_error("cannot make pipes");
    std::vector<std::string> command = {program()};
    command.insert(command.end(), args.begin(), args.end());
    // A Windows program runs under Wine, which sees the same drive folders as drive letters.
    const auto wine = WineRunner::fromEnvironment();
    std::vector<fs::path> wineAdded;
    if (wine) {
        std::vector<std::pair<char, fs::path>> table;
        for (char letter : drives)
            table.emplace_back(letter, root / driveFolderName(letter));
        wineAdded = wine->prepare(root / "wine", table);
        command = wine->command(root / "wine", command[0], args);
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(outPipe[1], 1);
        if (output == StandardOutput::FullDisk) {
            const int full = open("/dev/full", O_WRONLY);
            if (full < 0 || dup2(full, 1) < 0)
                _exit(125);
            close(full);
        } else if (output == StandardOutput::ClosedPipe) {
            int unread[2];
            if (pipe(unread) != 0 || dup2(unread[1], 1) < 0)
                _exit(125);
            close(unread[0]);
            close(unread[1]);
        }
        dup2(errPipe[1], 2);
        close(outPipe[0]);
        close(errPipe[0]);
        // Only 1 and 2 may hold the pipes: a process that outlives the program (Wine's
        // services) must not keep them open.
        close(outPipe[1]);
        close(errPipe[1]);
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            unsetenv((std::string("QUORVEL_DRIVE_") + letter).c_str());
        for (char letter : drives)
            setenv((std::string("QUORVEL_DRIVE_") + letter).c_str(),
                   (root / driveFolderName(letter)).c_str(), 1);
        unsetenv("QUORVEL_CODEPAGE");
        for (const auto& [name, value] : variables)
            setenv(name.c_str(), value.c_str(), 1);
        if (!enterFolder(folder))
            _exit(126);
        execCommand(command);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    RunResult result;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        poll(fds, 2, -1);
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (wine) {
        wine->finish(root / "wine", wineAdded);
        result.out = WineRunner::consoleText(result.out);
        result.err = WineRunner::consoleText(result.err);
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}
