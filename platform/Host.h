#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "TextFile.h"

namespace platform {

/// The outcome of creating one folder.
enum class FolderResult { Created, AlreadyExists, Failed };

/// Why a Windows-form path has no host path that UTF-8 text can give to a tool.
enum class NoUtf8Path {
    /// It lies on a drive this host does not have (POSIX: no QUORVEL_DRIVE_X maps it), or,
    /// rooted, on no drive at all.
    UnmappedDrive,
    /// Its name cannot be written as UTF-8: its bytes are not valid in the code page of the
    /// names, or, where names pass as they are, not valid UTF-8.
    NotUtf8,
    /// The system would take it for another name: it holds a NUL byte, or (Windows) its last
    /// part ends in a space or a dot.
    OtherName,
};

/// One name in a folder, as Host::readFolder gives it.
struct FolderEntry {
    std::string name;
    /// What the name leads to, a link followed.
    bool isFolder = false;
    /// True when the name is a link to what isFolder tells.
    bool isLink = false;
};

/// Why a name on disk has no form in a Windows-form path here.
enum class NoName {
    /// The code page of the names lacks one of its characters.
    NotInCodePage,
    /// It holds a "\", which a Windows-form path would read as a separator.
    HoldsBackslash,
};

/// A name on disk that has no form here, as Host::readFolder tells it.
struct UnnamedEntry {
    /// The name as the form names take here can show it: a character it lacks as "?".
    std::string shown;
    bool isFolder = false;
    NoName why = NoName::NotInCodePage;
};

/// The names in a folder, as Host::readFolder gives them.
struct FolderListing {
    /// The names in the form names take here, "." and ".." left out, in no set order.
    std::vector<FolderEntry> entries;
    /// The names on disk that have no such form, in no set order.
    std::vector<UnnamedEntry> unnamed;
};

/// What a folder is on the host however a path reaches it: the file system that holds it and
/// its number there (POSIX: the device and the inode).
struct FolderIdentity {
    std::uint64_t fileSystem = 0;
    std::uint64_t number = 0;
    bool operator==(const FolderIdentity& other) const {
        return fileSystem == other.fileSystem && number == other.number;
    }
};

/// The UTF-8 host path of a Windows-form path, or why it has none.
using Utf8Path = std::variant<std::string, NoUtf8Path>;

/// Raised when the host cannot give a current folder at all (POSIX: the working
/// directory lies under no mapped drive, or its name has no form in the code page), or
/// cannot be used (POSIX: an unusable QUORVEL_CODEPAGE or argument). Its text is one line.
class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Everything the programs need from the host, on Windows-form paths ("C:\dir\file").
/// Abstract so that the logic above it can run against an in-memory fake in tests.
class Host {
public:
    virtual ~Host() = default;

    /// The current folder in Windows form ("C:\dir", or "C:\" at a drive root);
    /// nothing when the host cannot express it.
    virtual std::optional<std::string> currentFolder() = 0;

    /// Makes a bare drive such as "D:" current, with the folder the host keeps for it.
    /// Returns false, changing nothing, when the drive cannot be made current.
    virtual bool makeDriveCurrent(const std::string& drive) = 0;

    /// True when a file or a folder exists under the path.
    virtual bool exists(const std::string& path) = 0;

    /// Creates one folder (its parent must exist) and tells an existing one apart.
    virtual FolderResult makeFolder(const std::string& path) = 0;

    /// The names in a folder, and apart from them those on disk that have no form here.
    /// Nothing when the folder cannot be listed (missing, not a folder, unreadable).
    virtual std::optional<FolderListing> readFolder(const std::string& folder) = 0;

    /// The names in a folder that have a form here, as readFolder gives them; nothing when it
    /// cannot be listed.
    std::optional<std::vector<FolderEntry>> listFolder(const std::string& folder);

    /// The identity of the folder at path, a link followed; nothing when there is no folder
    /// there, or on a host that does not tell (Windows, which needs none).
    virtual std::optional<FolderIdentity> folderIdentity(const std::string& path) = 0;

    /// True when the host's file names ignore letter case, as Windows' do.
    virtual bool namesIgnoreCase() const = 0;

    /// The names of the folders directly inside folder, in the form names take here and in
    /// no set order; none when it cannot be listed.
    std::vector<std::string> subfolderNames(const std::string& folder);

    /// Opens a file's bytes for reading; null when it cannot be opened.
    virtual std::unique_ptr<ByteSource> openForReading(const std::string& path) = 0;

    /// Creates or truncates a file for writing its bytes; null when it cannot be opened.
    virtual std::unique_ptr<ByteSink> openForWriting(const std::string& path) = 0;

    /// Puts the file at from in the place of the file at to, whole, replacing it: a reader of
    /// to sees the old file or the new one, never a part. False, changing nothing, on failure.
    virtual bool replaceFile(const std::string& from, const std::string& to) = 0;

    /// Removes a file. False when it cannot be removed.
    virtual bool removeFile(const std::string& path) = 0;

    /// The Windows form of a path as the host's own dialogs return it; the path
    /// unchanged when it has no such form.
    virtual std::string windowsPathOf(const std::string& hostPath) = 0;

    /// The host's own form of a Windows-form path, as its dialogs take it; nothing when
    /// the path lies on a drive the host does not have. The path unchanged unless overridden.
    virtual std::optional<std::string> hostPathOf(const std::string& path);

    /// The host path of a Windows-form path as UTF-8 text, as the tools of this host open it;
    /// when it has none (no host form, or not one that UTF-8 can write), the reason. Every
    /// host says which: an unmapped drive is checked before the name's bytes.
    virtual Utf8Path utf8PathOf(const std::string& path) = 0;

    /// Text in the form names take here (a definition's value, say) as UTF-8; nothing when it
    /// has no UTF-8 form. Unless overridden: the text, when that is valid UTF-8.
    virtual std::optional<std::string> utf8TextOf(const std::string& text);

    /// The program's arguments as the system hands them over, in the form names take here;
    /// unchanged unless overridden. Throws HostError naming an argument that has no such form.
    virtual std::vector<std::string> argumentsOf(const std::vector<std::string>& given);

    /// Text in the form names take here as the console shows it; unchanged unless overridden.
    virtual std::string consoleTextOf(const std::string& text);

    /// Opens a text file for reading by lines; null when it cannot be opened.
    std::unique_ptr<TextReader> openTextForReading(const std::string& path);

    /// Creates or truncates a text file; null when it cannot be opened.
    std::unique_ptr<TextWriter> openTextForWriting(const std::string& path);
};

/// The host this program runs on, its names passed as they are. Throws HostError when the
/// host cannot be used.
std::unique_ptr<Host> makeSystemHost();

/// Makes a write to a pipe that nobody reads any more fail like any other write,
/// instead of ending the process, for a console program that checks its output.
void letClosedPipesFailWrites();

/// The host of a program that keeps its names in the Windows ANSI code page: on POSIX the
/// code page that QUORVEL_CODEPAGE names (makeSystemHost() when it is unset), on Windows the
/// system's own. Throws HostError when the host or the code page cannot be used.
std::unique_ptr<Host> makeCodePageHost();

} // namespace platform
