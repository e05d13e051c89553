#include "FakeHost.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "Utf8.h"

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string parentOf(const std::string& canonicalPath) {
    const std::size_t slash = canonicalPath.rfind('\\');
    if (slash == std::string::npos || slash <= 2)
        return canonicalPath.substr(0, 3);
    return canonicalPath.substr(0, slash);
}

class FakeSource : public platform::ByteSource {
public:
    FakeSource(std::string bytes, std::optional<std::size_t> failAfter)
        : bytes(std::move(bytes)), failAfter(failAfter) {}
    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t readable = failAfter ? std::min(*failAfter, bytes.size()) : bytes.size();
        const std::size_t n = std::min(size, readable - position);
        std::memcpy(buffer, bytes.data() + position, n);
        position += n;
        readFailed = n == 0 && readable < bytes.size();
        return n;
    }
    bool failed() const override { return readFailed; }

private:
    std::string bytes;
    std::optional<std::size_t> failAfter;
    std::size_t position = 0;
    bool readFailed = false;
};

} // namespace

class FakeSink : public platform::ByteSink {
public:
    FakeSink(std::map<std::string, std::string>& files, std::string key,
             std::optional<FakeHost::WriteFault> fault)
        : files(files), key(std::move(key)), fault(fault) {}
    bool write(const char* data, std::size_t size) override {
        std::string& file = files[key];
        if (faultAt(FileStep::Write) && file.size() + size > fault->afterBytes) {
            if (file.size() < fault->afterBytes)
                file.append(data, fault->afterBytes - file.size());
            return false;
        }
        file.append(data, size);
        return true;
    }
    bool flush() override { return !faultHere(FileStep::Flush); }
    bool close() override { return !faultHere(FileStep::Close); }

private:
    bool faultAt(FileStep step) const { return fault && fault->step == step; }
    /// True when step fails now: the file holds as many bytes as the fault waits for.
    bool faultHere(FileStep step) const {
        return faultAt(step) && files[key].size() >= fault->afterBytes;
    }

    std::map<std::string, std::string>& files;
    std::string key;
    std::optional<FakeHost::WriteFault> fault;
};

FakeHost::FakeHost() {
    addDrive('C');
    currentDrive = 'C';
}

void FakeHost::addDrive(char letter) {
    letter = upper(letter);
    drives.insert(letter);
    driveFolders[letter] = std::string(1, letter) + ":\\";
    folders.insert(std::string(1, letter) + ":\\");
}

std::string FakeHost::canonical(const std::string& path) {
    std::string full;
    std::size_t rest = 0;
    if (path.size() >= 2 && path[1] == ':') {
        const char drive = upper(path[0]);
        if (!drives.count(drive))
            return std::string();
        if (path.size() >= 3 && isSeparator(path[2]))
            full = std::string(1, drive) + ":\\";
        else
            full = driveFolders[drive] + "\\";
        rest = 2;
    } else if (!path.empty() && isSeparator(path[0])) {
        full = std::string(1, currentDrive) + ":\\";
    } else {
        full = driveFolders[currentDrive] + "\\";
    }
    full += path.substr(rest);
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = 3; i <= full.size(); ++i) {
        if (i == full.size() || isSeparator(full[i])) {
            if (part == "..") {
                if (!parts.empty())
                    parts.pop_back();
            } else if (!part.empty() && part != ".") {
                parts.push_back(part);
            }
            part.clear();
        } else {
            part += full[i];
        }
    }
    std::string result = full.substr(0, 2) + "\\";
    for (std::size_t i = 0; i < parts.size(); ++i)
        result += (i ? "\\" : "") + parts[i];
    return result;
}

std::optional<std::string> FakeHost::currentFolder() {
    return driveFolders[currentDrive];
}

bool FakeHost::makeDriveCurrent(const std::string& drive) {
    if (drive.size() != 2 || drive[1] != ':' || !drives.count(upper(drive[0])))
        return false;
    currentDrive = upper(drive[0]);
    return true;
}

platform::Utf8Path FakeHost::utf8PathOf(const std::string& path) {
    if (path.find('\0') != std::string::npos)
        return platform::NoUtf8Path::OtherName;
    if (canonical(path).empty())
        return platform::NoUtf8Path::UnmappedDrive;
    if (!platform::isValidUtf8(path))
        return platform::NoUtf8Path::NotUtf8;
    return path;
}

bool FakeHost::exists(const std::string& path) {
    return isFolder(path) || isFile(path);
}

bool FakeHost::isFolder(const std::string& path) {
    const std::string key = canonical(path);
    return !key.empty() && folders.count(key);
}

bool FakeHost::isFile(const std::string& path) {
    const std::string key = canonical(path);
    return !key.empty() && files.count(key);
}

platform::FolderResult FakeHost::makeFolder(const std::string& path) {
    const std::string key = canonical(path);
    if (key.empty() || failingFolders.count(key))
        return platform::FolderResult::Failed;
    if (folders.count(key) || files.count(key))
        return platform::FolderResult::AlreadyExists;
    if (!folders.count(parentOf(key)))
        return platform::FolderResult::Failed;
    folders.insert(key);
    madeFolders.push_back(key);
    return platform::FolderResult::Created;
}

std::optional<platform::FolderListing> FakeHost::readFolder(const std::string& folder) {
    const std::string key = canonical(folder);
    if (key.empty() || !folders.count(key) || unlistableFolders.count(key))
        return std::nullopt;
    listedFolders.push_back(key);
    const std::string prefix = key.back() == '\\' ? key : key + "\\";
    platform::FolderListing listing;
    std::vector<platform::FolderEntry>& entries = listing.entries;
    // Paths below the folder sort together after it; the names directly below hold no
    // further separator.
    auto collect = [&](const std::string& path, bool isFolder, bool isLink) {
        if (path.compare(0, prefix.size(), prefix) != 0)
            return false;
        const std::string name = path.substr(prefix.size());
        if (!name.empty() && name.find('\\') == std::string::npos)
            entries.push_back({name, isFolder, isLink});
        return true;
    };
    for (auto it = folders.lower_bound(prefix); it != folders.end() && collect(*it, true, false);
         ++it) {
    }
    for (auto it = files.lower_bound(prefix); it != files.end() && collect(it->first, false, false);
         ++it) {
    }
    for (auto it = links.lower_bound(prefix);
         it != links.end() && collect(it->first, folders.count(it->second) > 0, true); ++it) {
    }
    // An order of its own, as real file systems have: no caller may count on byte order.
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.name > b.name; });
    if (const auto unnamed = unnamedEntries.find(key); unnamed != unnamedEntries.end())
        listing.unnamed = unnamed->second;
    return listing;
}

std::optional<platform::FolderIdentity> FakeHost::folderIdentity(const std::string& path) {
    std::string key = canonical(path);
    if (const auto link = links.find(key); link != links.end())
        key = link->second;
    if (key.empty() || !folders.count(key))
        return std::nullopt;
    platform::FolderIdentity identity;
    identity.number = folderNumbers.try_emplace(key, folderNumbers.size() + 1).first->second;
    // The file system of the nearest folder above (or at) it that has one.
    std::size_t longest = 0;
    for (const auto& [top, id] : fileSystems)
        if (top.size() > longest && key.compare(0, top.size(), top) == 0 &&
            (key.size() == top.size() || key[top.size()] == '\\' || top.back() == '\\')) {
            longest = top.size();
            identity.fileSystem = id;
        }
    return identity;
}

void FakeHost::addLink(const std::string& path, const std::string& target) {
    const std::string key = canonical(path);
    addFolder(parentOf(key));
    links[key] = canonical(target);
}

void FakeHost::setFileSystem(const std::string& folder, std::uint64_t id) {
    fileSystems[canonical(folder)] = id;
}

std::unique_ptr<platform::ByteSource> FakeHost::openForReading(const std::string& path) {
    const std::string key = canonical(path);
    const auto found = files.find(key);
    if (found == files.end())
        return nullptr;
    const auto fault = readFaults.find(key);
    return std::make_unique<FakeSource>(
        found->second, fault == readFaults.end() ? std::nullopt : std::optional(fault->second));
}

std::unique_ptr<platform::ByteSink> FakeHost::openForWriting(const std::string& path) {
    const std::string key = canonical(path);
    if (key.empty() || failingWrites.count(key) || folders.count(key) ||
        !folders.count(parentOf(key)))
        return nullptr;
    files[key].clear();
    writtenFiles.push_back(key);
    const auto fault = writeFaults.find(key);
    return std::make_unique<FakeSink>(
        files, key, fault == writeFaults.end() ? std::nullopt : std::optional(fault->second));
}

bool FakeHost::replaceFile(const std::string& from, const std::string& to) {
    const std::string source = canonical(from);
    const std::string target = canonical(to);
    const auto found = files.find(source);
    if (found == files.end() || target.empty() || folders.count(target) ||
        !folders.count(parentOf(target)))
        return false;
    std::string bytes = std::move(found->second);
    files.erase(found);
    files[target] = std::move(bytes);
    return true;
}

bool FakeHost::removeFile(const std::string& path) {
    return files.erase(canonical(path)) > 0;
}

void FakeHost::failStep(const std::string& path, FileStep step, std::size_t afterBytes) {
    writeFaults.insert_or_assign(canonical(path), WriteFault{step, afterBytes});
}

void FakeHost::failReadAfter(const std::string& path, std::size_t afterBytes) {
    readFaults.insert_or_assign(canonical(path), afterBytes);
}

void FakeHost::addFolder(const std::string& folder) {
    const std::string key = canonical(folder);
    for (std::size_t i = 3; i <= key.size(); ++i)
        if (i == key.size() || key[i] == '\\')
            folders.insert(key.substr(0, i));
}

void FakeHost::addFile(const std::string& path, const std::string& bytes) {
    const std::string key = canonical(path);
    addFolder(parentOf(key));
    files[key] = bytes;
}

void FakeHost::setCurrentFolder(const std::string& folder) {
    setDriveFolder(folder);
    currentDrive = upper(folder[0]);
}

void FakeHost::setDriveFolder(const std::string& folder) {
    const char drive = upper(folder[0]);
    driveFolders[drive] = folder;
    addFolder(folder);
}

std::string FakeHost::fileBytes(const std::string& path) {
    const auto found = files.find(canonical(path));
    return found == files.end() ? std::string() : found->second;
}
