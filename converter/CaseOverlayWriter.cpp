#include "CaseOverlayWriter.h"

#include "CaseOverlay.h"
#include "Host.h"
#include "LeftOut.h"
#include "OutputFile.h"

std::optional<CaseOverlayPlace> caseOverlayPlace(const std::string& databasePath,
                                                 platform::Host& host, const RunLog& log) {
    if (host.namesIgnoreCase())
        return std::nullopt;
    const std::string path = caseOverlayPathOf(databasePath);
    platform::Utf8Path hostPath = host.utf8PathOf(path);
    if (const auto* why = std::get_if<platform::NoUtf8Path>(&hostPath)) {
        LeftOut leftOut;
        leftOut.addNoUtf8Path(path, path, *why);
        LeftOutLines(log, overlayLeftOutHeading).tell(leftOut);
        return std::nullopt;
    }
    return CaseOverlayPlace{path, std::get<std::string>(std::move(hostPath))};
}

void writeCaseOverlay(const std::string& path, const std::vector<std::string>& searchedFolders,
                      platform::Host& host, const RunLog& log) {
    log.printLine("  Creating Case Overlay - " + path);
    LeftOut leftOut;
    const std::vector<OverlayFolder> folders = listCaseOverlay(searchedFolders, host, leftOut);
    LeftOutLines(log, overlayLeftOutHeading).tell(leftOut);
    OutputFile::create(host, path, [&folders](OutputFile& file) {
        renderCaseOverlay(folders, [&file](std::string_view piece) { file.write(piece); });
    });
}
