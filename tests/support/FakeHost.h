#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "Host.h"

/// A step of writing a file at which a host can fail.
enum class FileStep { Write, Flush, Close };

/// An in-memory host for tests: drives, folders and files held as Windows-form
/// paths, every folder made recorded in order, and chosen operations made to fail.
class FakeHost : public platform::Host {
public:
    /// A host with drive C: only, its current folder C:\ .
    FakeHost();

    std::optional<std::string> currentFolder() override;
    bool makeDriveCurrent(const std::string& drive) override;
    bool exists(const std::string& path) override;
    platform::FolderResult makeFolder(const std::string& path) override;
    /// The folders, files and links directly in a folder, in reverse byte order (an order of its
    /// own, as real file systems have), and its unnamedEntries; each listing is recorded.
    std::optional<platform::FolderListing> readFolder(const std::string& folder) override;
    /// A number of the folder's own (a link's target's), on the file system setFileSystem gave.
    std::optional<platform::FolderIdentity> folderIdentity(const std::string& path) override;
    /// What ignoresCase says; the host's own names are matched exactly either way.
    bool namesIgnoreCase() const override { return ignoresCase; }
    std::unique_ptr<platform::ByteSource> openForReading(const std::string& path) override;
    std::unique_ptr<platform::ByteSink> openForWriting(const std::string& path) override;
    /// Moves a file over another; fails when from is no file or to cannot be a file.
    bool replaceFile(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;
    std::string windowsPathOf(const std::string& hostPath) override { return hostPath; }
    /// The path itself, as the tools would take it; on a drive this host does not have, not
    /// UTF-8 or with a NUL byte it has none, and says why, as the POSIX host does.
    platform::Utf8Path utf8PathOf(const std::string& path) override;

    /// Maps a drive letter, with its current folder at its root.
    void addDrive(char letter);
    /// Makes folder (and every folder above it) exist.
    void addFolder(const std::string& folder);
    /// Makes a file with the given bytes, and the folders above it.
    void addFile(const std::string& path, const std::string& bytes);
    /// Makes a link at path to the folder or file target, which its folder lists; paths
    /// through it name nothing.
    void addLink(const std::string& path, const std::string& target);
    /// Puts folder and everything below it on the file system id (0 unless set).
    void setFileSystem(const std::string& folder, std::uint64_t id);
    /// Sets the current drive and its current folder ("D:\work").
    void setCurrentFolder(const std::string& folder);
    /// Sets the folder a drive keeps without making it current.
    void setDriveFolder(const std::string& folder);

    bool isFolder(const std::string& path);
    bool isFile(const std::string& path);
    /// The bytes of a file as they stand on disk; empty when there is none.
    std::string fileBytes(const std::string& path);

    /// Folders made by makeFolder, in order, as canonical paths.
    std::vector<std::string> madeFolders;
    /// Files opened for writing, in order, as canonical paths.
    std::vector<std::string> writtenFiles;
    /// Canonical paths for which makeFolder fails.
    std::set<std::string> failingFolders;
    /// Canonical paths of the folders that listFolder listed, in order.
    std::vector<std::string> listedFolders;
    /// Canonical paths of folders that cannot be listed.
    std::set<std::string> unlistableFolders;
    /// The names on disk without a form here that the folder at each canonical path holds.
    std::map<std::string, std::vector<platform::UnnamedEntry>> unnamedEntries;
    /// Whether the host answers that its names ignore case: yes, as Windows does, unless a
    /// test says otherwise.
    bool ignoresCase = true;
    /// Canonical paths that cannot be opened for writing.
    std::set<std::string> failingWrites;

    /// Makes step fail for the file at path once it holds afterBytes bytes: a write that
    /// would go past them stores the bytes up to them and fails, as on a full disk; a
    /// flush or close fails when the file holds at least that many. Later opens too.
    void failStep(const std::string& path, FileStep step, std::size_t afterBytes = 0);
    /// Makes reading the file at path fail after its first afterBytes bytes.
    void failReadAfter(const std::string& path, std::size_t afterBytes);

    /// The canonical form of a path: upper-case drive, "\" separators, "." and ".."
    /// resolved; empty when the path names nothing.
    std::string canonical(const std::string& path);

    /// Where writing a file fails.
    struct WriteFault {
        FileStep step;
        std::size_t afterBytes;
    };

private:
    friend class FakeSink;
    std::map<std::string, WriteFault> writeFaults;
    std::map<std::string, std::size_t> readFaults;
    std::set<char> drives;
    std::map<char, std::string> driveFolders;
    char currentDrive = 'C';
    std::set<std::string> folders;
    std::map<std::string, std::string> files;
    std::map<std::string, std::string> links;
    std::map<std::string, std::uint64_t> fileSystems;
    std::map<std::string, std::uint64_t> folderNumbers;
};
