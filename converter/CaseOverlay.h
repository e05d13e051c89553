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

/// The folders searched and their subfolders down to caseOverlayDepth levels, each listed once
/// however it is reached (known by the host's identity of it), in the order first met; only
/// those holding files, in byte order of their names. The walk goes down real folders on the
/// searched folder's own file system: hidden ones (".git") are passed over, a link to a folder
/// is not followed. Names in a folder that differ only in letter case are left out, and so is
/// every folder at or below such a folder, or below one on the way to a searched folder. A
/// searched folder that does not exist is passed over. Everything else left out is added to
/// leftOut with why ("folder C:\inc (cannot be listed)"); a link to a folder that is walked
/// anyway is not.
std::vector<OverlayFolder> listCaseOverlay(const std::vector<std::string>& searchedFolders,
                                           platform::Host& host, LeftOut& leftOut);

/// The overlay as clang's virtual file system reads it, names ignoring case, each folder with
/// its files and their real paths: JSON text ended by a line feed, handed to write a folder at
/// a time.
void renderCaseOverlay(const std::vector<OverlayFolder>& folders,
                       const std::function<void(std::string_view)>& write);
