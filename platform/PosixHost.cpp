#include "PosixHost.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "StdioFile.h"
#include "Utf8.h"

namespace platform {

namespace {

std::optional<int> driveIndex(char letter) {
    if (letter >= 'a' && letter <= 'z')
        return letter - 'a';
    if (letter >= 'A' && letter <= 'Z')
        return letter - 'A';
    return std::nullopt;
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

std::optional<std::string> workingDirectory() {
    // getcwd needs a buffer that fits; grow it rather than cut a deep folder short.
    std::string buffer(4096, '\0');
    for (;;) {
        if (getcwd(&buffer[0], buffer.size())) {
            buffer.resize(std::char_traits<char>::length(buffer.c_str()));
            return buffer;
        }
        if (errno != ERANGE)
            return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
}

std::optional<std::string> environmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (!value)
        return std::nullopt;
    return std::string(value);
}

/// root holds path when path is the root itself or lies below it.
bool holds(const std::string& root, const std::string& path) {
    if (path.compare(0, root.size(), root) != 0)
        return false;
    return path.size() == root.size() || path[root.size()] == '/';
}

} // namespace

PosixHost::PosixHost(const std::function<std::optional<std::string>(const std::string&)>& lookup,
                     std::optional<CodePage> namesCodePage)
    : codePage(std::move(namesCodePage)) {
    for (int drive = 0; drive < driveCount; ++drive) {
        const std::string name = std::string("QUORVEL_DRIVE_") + char('A' + drive);
        std::optional<std::string> root = lookup(name);
        if (!root && drive == 'C' - 'A')
            root = "/";
        if (!root || root->empty())
            continue;
        while (!root->empty() && root->back() == '/')
            root->pop_back();
        roots[drive] = *root;
        folders[drive] = root->empty() ? "/" : *root;
    }
    if (auto cwd = workingDirectory())
        current = driveHolding(*cwd);
}

std::optional<int> PosixHost::driveHolding(const std::string& hostPath) const {
    std::optional<int> best;
    for (int drive = 0; drive < driveCount; ++drive) {
        if (roots[drive] && holds(*roots[drive], hostPath) &&
            (!best || roots[drive]->size() > roots[*best]->size()))
            best = drive;
    }
    return best;
}

std::optional<int> PosixHost::placeCurrentDrive() {
    const auto cwd = workingDirectory();
    if (!cwd)
        return std::nullopt;
    if (!current || !holds(*roots[*current], *cwd))
        current = driveHolding(*cwd);
    return current;
}

std::optional<std::string> PosixHost::currentFolder() {
    const auto drive = placeCurrentDrive();
    const auto cwd = workingDirectory();
    if (!drive || !cwd)
        return std::nullopt;
    std::string folder = std::string(1, char('A' + *drive)) + ":";
    const std::string rest = cwd->substr(roots[*drive]->size());
    folder += rest.empty() ? "\\" : rest;
    for (char& c : folder)
        if (c == '/')
            c = '\\';
    if (!codePage)
        return folder;
    auto inCodePage = codePage->fromUtf8(folder);
    if (!inCodePage)
        throw HostError("Quorvel: the name of the current folder cannot be written in code page " +
                        codePage->number() + ": " + *cwd);
    return inCodePage;
}

bool PosixHost::makeDriveCurrent(const std::string& drive) {
    if (drive.size() != 2 || drive[1] != ':')
        return false;
    const auto target = driveIndex(drive[0]);
    if (!target || !roots[*target])
        return false;
    // Where the process stands is recorded before it moves: the drive it leaves may be the
    // very drive asked for, whose remembered folder is then the one it stands in.
    const auto from = placeCurrentDrive();
    const auto cwd = workingDirectory();
    if (from && cwd)
        folders[*from] = *cwd;
    if (chdir(folders[*target].c_str()) != 0)
        return false;
    current = *target;
    return true;
}

std::optional<std::string> PosixHost::hostPathOf(const std::string& path) {
    auto host = hostPathOrWhyNot(path);
    if (auto* found = std::get_if<std::string>(&host))
        return std::move(*found);
    return std::nullopt;
}

Utf8Path PosixHost::utf8PathOf(const std::string& path) {
    auto host = hostPathOrWhyNot(path);
    // With a code page the names came to UTF-8 already; without one they are the bytes given.
    if (const auto* found = std::get_if<std::string>(&host); found && !isValidUtf8(*found))
        return NoUtf8Path::NotUtf8;
    return host;
}

std::variant<std::string, NoUtf8Path> PosixHost::hostPathOrWhyNot(const std::string& path) {
    // The system reads a path up to its first NUL byte: it would act on a shorter path
    // than the one named, so such a path names nothing.
    if (path.find('\0') != std::string::npos)
        return NoUtf8Path::OtherName;
    std::size_t rest = 0;
    const auto start = hostStartOf(path, rest);
    if (!start)
        return NoUtf8Path::UnmappedDrive;
    std::string names = path.substr(rest);
    if (codePage) {
        // Whole characters first: a second byte of a double-byte character may be a "\".
        // The drive part before the names is ASCII, the same in every code page.
        auto text = codePage->toUtf8(names);
        if (!text)
            return NoUtf8Path::NotUtf8;
        names = std::move(*text);
    }
    for (char& c : names)
        if (c == '\\')
            c = '/';
    return *start + names;
}

std::optional<std::string> PosixHost::hostStartOf(const std::string& path, std::size_t& rest) {
    rest = 0;
    if (path.size() >= 2 && path[1] == ':') {
        const auto drive = driveIndex(path[0]);
        if (!drive || !roots[*drive])
            return std::nullopt;
        rest = 2;
        if (path.size() >= 3 && isSeparator(path[2]))
            return *roots[*drive];
        placeCurrentDrive();
        const auto cwd = workingDirectory();
        return ((current == drive && cwd) ? *cwd : folders[*drive]) + "/";
    }
    if (!path.empty() && isSeparator(path[0])) {
        const auto drive = placeCurrentDrive();
        if (!drive)
            return std::nullopt;
        return *roots[*drive];
    }
    return std::string();
}

bool PosixHost::exists(const std::string& path) {
    const auto host = hostPathOf(path);
    struct stat info;
    return host && !host->empty() && stat(host->c_str(), &info) == 0;
}

FolderResult PosixHost::makeFolder(const std::string& path) {
    const auto host = hostPathOf(path);
    if (!host || host->empty())
        return FolderResult::Failed;
    if (mkdir(host->c_str(), 0777) == 0)
        return FolderResult::Created;
    return errno == EEXIST ? FolderResult::AlreadyExists : FolderResult::Failed;
}

std::optional<FolderListing> PosixHost::readFolder(const std::string& folder) {
    const auto host = hostPathOf(folder);
    if (!host || host->empty())
        return std::nullopt;
    DIR* listing = opendir(host->c_str());
    if (!listing)
        return std::nullopt;
    FolderListing names;
    bool failed = false;
    for (;;) {
        errno = 0;
        const dirent* found = readdir(listing);
        if (!found) {
            failed = errno != 0;
            break;
        }
        const std::string name = found->d_name;
        if (name == "." || name == "..")
            continue;
        // A file system that does not tell the kind, or a link, is asked through the path.
        const std::string path = *host + "/" + name;
        struct stat info;
        const bool isLink =
            found->d_type == DT_LNK || (found->d_type == DT_UNKNOWN &&
                                        lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode));
        bool isFolder = found->d_type == DT_DIR;
        if (isLink || found->d_type == DT_UNKNOWN)
            isFolder = stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        // A backslash in a name would read as a separator in every Windows-form path holding it.
        if (name.find('\\') != std::string::npos) {
            names.unnamed.push_back({codePage ? codePage->fromUtf8ForShowing(name) : name, isFolder,
                                     NoName::HoldsBackslash});
        } else if (!codePage) {
            names.entries.push_back({name, isFolder, isLink});
        } else if (auto inCodePage = codePage->fromUtf8(name)) {
            names.entries.push_back({std::move(*inCodePage), isFolder, isLink});
        } else {
            names.unnamed.push_back(
                {codePage->fromUtf8ForShowing(name), isFolder, NoName::NotInCodePage});
        }
    }
    closedir(listing);
    if (failed)
        return std::nullopt;
    return names;
}

std::optional<FolderIdentity> PosixHost::folderIdentity(const std::string& path) {
    const auto host = hostPathOf(path);
    struct stat info;
    if (!host || host->empty() || stat(host->c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return FolderIdentity{static_cast<std::uint64_t>(info.st_dev),
                          static_cast<std::uint64_t>(info.st_ino)};
}

std::unique_ptr<ByteSource> PosixHost::openForReading(const std::string& path) {
    const auto host = hostPathOf(path);
    if (!host || host->empty())
        return nullptr;
    struct stat info;
    // A folder opens on Linux but reads nothing; Windows refuses it, and so do we.
    if (stat(host->c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return nullptr;
    return openStdioSource(*host);
}

std::unique_ptr<ByteSink> PosixHost::openForWriting(const std::string& path) {
    const auto host = hostPathOf(path);
    if (!host || host->empty())
        return nullptr;
    return openStdioSink(*host);
}

bool PosixHost::replaceFile(const std::string& from, const std::string& to) {
    const auto source = hostPathOf(from);
    const auto target = hostPathOf(to);
    return source && target && !source->empty() && !target->empty() &&
           std::rename(source->c_str(), target->c_str()) == 0;
}

bool PosixHost::removeFile(const std::string& path) {
    const auto host = hostPathOf(path);
    return host && !host->empty() && unlink(host->c_str()) == 0;
}

std::string PosixHost::windowsPathOf(const std::string& hostPath) {
    std::string absolute = hostPath;
    if (absolute.empty() || absolute[0] != '/') {
        const auto cwd = workingDirectory();
        if (!cwd)
            return hostPath;
        absolute = *cwd + "/" + absolute;
    }
    while (absolute.size() > 1 && absolute.back() == '/')
        absolute.pop_back();
    const auto drive = driveHolding(absolute);
    if (!drive)
        return hostPath;
    std::string rest = absolute.substr(roots[*drive]->size());
    if (rest.empty())
        rest = "/";
    for (char& c : rest)
        if (c == '/')
            c = '\\';
    const std::string windowsPath = std::string(1, char('A' + *drive)) + ":" + rest;
    if (!codePage)
        return windowsPath;
    return codePage->fromUtf8(windowsPath).value_or(hostPath);
}

std::vector<std::string> PosixHost::argumentsOf(const std::vector<std::string>& given) {
    if (!codePage)
        return given;
    std::vector<std::string> arguments;
    for (std::size_t i = 0; i < given.size(); ++i) {
        auto argument = codePage->fromUtf8(given[i]);
        if (!argument)
            throw HostError("Quorvel: argument " + std::to_string(i + 1) +
                            " cannot be written in code page " + codePage->number() + ": " +
                            given[i]);
        arguments.push_back(std::move(*argument));
    }
    return arguments;
}

std::optional<std::string> PosixHost::utf8TextOf(const std::string& text) {
    return codePage ? codePage->toUtf8(text) : Host::utf8TextOf(text);
}

std::string PosixHost::consoleTextOf(const std::string& text) {
    return codePage ? codePage->toUtf8ForShowing(text) : text;
}

void letClosedPipesFailWrites() {
    // Without this the first write to a closed pipe ends the process by SIGPIPE,
    // before it can say that it failed.
    std::signal(SIGPIPE, SIG_IGN);
}

std::unique_ptr<Host> makeSystemHost() {
    return std::make_unique<PosixHost>(environmentValue);
}

std::unique_ptr<Host> makeCodePageHost() {
    const auto number = environmentValue("QUORVEL_CODEPAGE");
    if (!number)
        return makeSystemHost();
    return std::make_unique<PosixHost>(environmentValue, CodePage(*number));
}

} // namespace platform
