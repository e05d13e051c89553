#pragma once

#include <optional>
#include <string>
#include <vector>

#include "RunLog.h"

namespace platform {
class Host;
}

/// Where the case overlay of a database goes: its path and its UTF-8 host path.
struct CaseOverlayPlace {
    std::string path;
    std::string hostPath;
};

/// Where the host's names heed letter case, the place of the overlay that belongs beside the
/// database at databasePath. Nothing on a host whose names ignore case, and nothing, with a
/// line on the error stream, when the overlay's path has no UTF-8 host path.
std::optional<CaseOverlayPlace> caseOverlayPlace(const std::string& databasePath,
                                                 platform::Host& host, const RunLog& log);

/// Writes the overlay of the searched folders (each once) to path, after its console line;
/// each part left out is told on the error stream. Throws IOERROR code 2 when the file cannot
/// be written.
void writeCaseOverlay(const std::string& path, const std::vector<std::string>& searchedFolders,
                      platform::Host& host, const RunLog& log);
