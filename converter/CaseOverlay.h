#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {
class Host;
}
class LeftOut;

/// How many levels of subfolders below each folder that an entry searches the overlay holds:
/// as deep as an include reasonably names a header ("drivers/usb/hub.h").
inline constexpr int caseOverlayDepth = 3;

/// Where the overlay of the database at databasePath goes: beside it, the database's name
/// without its extension followed by ".overlay.json" ("C:\out\compile_commands.overlay.json").
std::string caseOverlayPathOf(const std::string& databasePath);

/// One folder of the overlay: its UTF-8 host path, and each of its files as its UTF-8 name
/// and its UTF-8 host path.
struct OverlayFolder {
    std::string path;
    std::vector<std::pair<std::string, std::string>> files;
};

/// The folders searched (each once, in the order first met) and their subfolders down to
/// caseOverlayDepth levels (hidden ones, ".git", left out), each listed once, in the order first
/// met; only those holding files, in byte order of their names. A searched folder that does not
/// exist is passed over. A folder that cannot be listed, or a folder or file without a UTF-8 host
/// path, is left out and added to leftOut with why ("folder C:\inc (cannot be listed)").
std::vector<OverlayFolder> listCaseOverlay(const std::vector<std::string>& searchedFolders,
                                           platform::Host& host, LeftOut& leftOut);

/// The overlay as clang's virtual file system reads it, names ignoring case, each folder with
/// its files and their real paths: JSON text ended by a line feed, handed to write a folder at
/// a time.
void renderCaseOverlay(const std::vector<OverlayFolder>& folders,
                       const std::function<void(std::string_view)>& write);
