#include "CaseOverlayWriter.h"

#include "CaseOverlay.h"
#include "Host.h"
#include "OutputFile.h"
#include "WorkspaceConverter.h"

std::optional<CaseOverlayPlace> caseOverlayPlace(const WorkspaceConverter& converter,
                                                 const std::string& databasePath) {
    platform::Host& host = converter.getHost();
    if (host.namesIgnoreCase())
        return std::nullopt;
    const std::string path = caseOverlayPathOf(databasePath);
    platform::Utf8Path hostPath = host.utf8PathOf(path);
    if (const auto* why = std::get_if<platform::NoUtf8Path>(&hostPath)) {
        converter.printError("Left out of the Case Overlay: " + path + " (" +
                             reasonForNoUtf8Path(path, *why) + ")");
        return std::nullopt;
    }
    return CaseOverlayPlace{path, std::get<std::string>(std::move(hostPath))};
}

void writeCaseOverlay(const WorkspaceConverter& converter, const std::string& path,
                      const std::vector<std::string>& searchedFolders) {
    platform::Host& host = converter.getHost();
    converter.printLine("  Creating Case Overlay - " + path);
    std::vector<std::string> leftOut;
    const std::vector<OverlayFolder> folders = listCaseOverlay(searchedFolders, host, leftOut);
    for (const std::string& part : leftOut)
        converter.printError("Left out of the Case Overlay: " + part);
    OutputFile::create(host, path, [&folders](OutputFile& file) {
        renderCaseOverlay(folders, [&file](std::string_view piece) { file.write(piece); });
    });
}
