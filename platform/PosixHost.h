#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "CodePage.h"
#include "Host.h"

namespace platform {

/// The host on POSIX systems, with Windows drives emulated the way Wine does:
/// QUORVEL_DRIVE_X names the host folder that is the root of drive X: (C: is "/"
/// unless set), and every drive keeps its own current folder, initially its root.
/// With a code page, names here are in that code page and UTF-8 on the host, as under Wine.
class PosixHost : public Host {
public:
    /// Reads the drive table through lookup (an environment variable's value, or
    /// nothing) and places the current drive by the working directory. Without a code page
    /// names pass as they are.
    explicit PosixHost(const std::function<std::optional<std::string>(const std::string&)>& lookup,
                       std::optional<CodePage> namesCodePage = std::nullopt);

    /// With a code page, throws HostError when the folder's name cannot be written in it.
    std::optional<std::string> currentFolder() override;
    bool makeDriveCurrent(const std::string& drive) override;
    bool exists(const std::string& path) override;
    FolderResult makeFolder(const std::string& path) override;
    /// A name that the code page cannot write, or that holds a "\", is unnamed.
    std::optional<FolderListing> readFolder(const std::string& folder) override;
    /// The device and inode of the folder.
    std::optional<FolderIdentity> folderIdentity(const std::string& path) override;
    bool namesIgnoreCase() const override { return false; }
    std::unique_ptr<ByteSource> openForReading(const std::string& path) override;
    std::unique_ptr<ByteSink> openForWriting(const std::string& path) override;
    bool replaceFile(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;
    std::string windowsPathOf(const std::string& hostPath) override;

    /// The host path of a Windows-form path; nothing when it lies on an unmapped drive,
    /// holds a NUL byte or is not valid in the code page.
    std::optional<std::string> hostPathOf(const std::string& path) override;
    /// hostPathOf when it is UTF-8 (always, with a code page); the drive is checked first.
    Utf8Path utf8PathOf(const std::string& path) override;

    /// With a code page, the UTF-8 arguments in it.
    std::vector<std::string> argumentsOf(const std::vector<std::string>& given) override;
    /// With a code page, the text in UTF-8.
    std::optional<std::string> utf8TextOf(const std::string& text) override;
    std::string consoleTextOf(const std::string& text) override;

private:
    static constexpr int driveCount = 26;
    /// The mapped drive whose root holds the host path (longest root, then lowest letter).
    std::optional<int> driveHolding(const std::string& hostPath) const;
    /// The host path of a Windows-form path (its names not yet checked for UTF-8), or why
    /// it has none.
    std::variant<std::string, NoUtf8Path> hostPathOrWhyNot(const std::string& path);
    /// The host folder that the drive part of a Windows-form path stands for ("/srv/c" for
    /// "C:\x", the drive's folder and a "/" for "C:x", "" for a relative path), with rest set
    /// to where the names after that part begin; nothing when it lies on no mapped drive.
    std::optional<std::string> hostStartOf(const std::string& path, std::size_t& rest);
    /// The drive that is current now, placed again if the working directory moved.
    std::optional<int> placeCurrentDrive();

    /// Host root of each drive without its trailing "/" ("" for "/"); unset when unmapped.
    std::array<std::optional<std::string>, driveCount> roots;
    /// The host folder each drive keeps as its current folder.
    std::array<std::string, driveCount> folders;
    std::optional<int> current;
    std::optional<CodePage> codePage;
};

} // namespace platform
