#include <optional>

#include "Errors.h"
#include "Host.h"
#include "OutputFile.h"
#include "ProjectGroup.h"
#include "StringHelpers.h"
#include "WorkspaceConverter.h"

void ProjectGroup::createFolder(const std::string& path) const {
    platform::Host& host = converter->getHost();
    if (host.exists(path))
        return;
    if (host.makeFolder(path) == platform::FolderResult::Failed)
        throw IOERROR(1, path);
}

void ProjectGroup::writeAnalyserPersonality(const std::string& path) const {
    writeAnalyserFile(path, true);
}

void ProjectGroup::writeAnalyserFile(const std::string& path, bool ownLines) const {
    platform::Host& host = converter->getHost();
    const std::string basePath = converter->getAnalyserPersonality();
    // The "-ap" file is read before the target is opened: when it names the very file
    // being written, truncating first would lose the user's content.
    std::optional<std::string> base;
    if (!basePath.empty()) {
        if (auto reader = host.openTextForReading(basePath))
            base = reader->readAll();
    }
    OutputFile::create(host, path, [&](OutputFile& file) {
        if (ownLines) {
            for (const std::string& folder : includePaths)
                file.writeLine("-i \"" + folder + "\"");
            for (const auto& [macro, value] : defines)
                file.writeLine("-d \"" + macro + (value.empty() ? "" : "=" + value) + "\"");
        }
        if (base)
            file.write(*base);
        else if (!basePath.empty())
            converter->printLine("Couldnt open file");
    });
}

std::string ProjectGroup::resolveProjectWidePersonality(const std::string& given,
                                                        const std::string& extension,
                                                        bool required) const {
    if (!given.empty())
        return given;
    const std::string path = converter->getDefaultPersonality(extension);
    createFolder(converter->getProjectPersonFolder());
    // Recreated empty for every group; a message personality is only named by the
    // project file, so one that cannot be made is no reason to stop. One that opened
    // and then fails to close is reported all the same.
    OutputFile::create(
        converter->getHost(), path, [](OutputFile&) {},
        required ? IfUnopened::Fail : IfUnopened::Skip);
    return path;
}

std::string ProjectGroup::resolveAnalyserPersonality(OutputFile& out, const std::string& parentPath,
                                                     const std::string& groupFolder,
                                                     const std::string& handedDown) const {
    platform::Host& host = converter->getHost();
    if (!includePaths.empty() || !defines.empty()) {
        const std::string personFolder = groupFolder + "\\person\\";
        const std::string path = ownPersonalityOf(groupFolder);
        converter->printLine("  Creating Analyser Personality - " + path);
        out.writeLine("AnalPers=" + path);
        out.flush();
        createFolder(personFolder);
        writeAnalyserPersonality(path);
        // The sub-groups find this file as their candidate.
        return std::string();
    }

    // The parent's own personality, when it has one (now or from an earlier run).
    const std::string candidate = converter->getDestFolder() + "\\" + parentPath + "\\person\\" +
                                  leafName(parentPath) + ".p_a";
    const std::string path = host.exists(candidate) ? candidate : handedDown;
    out.writeLine("AnalPers=" + path);
    out.flush();
    if (!host.exists(path)) {
        createFolder(converter->getProjectPersonFolder());
        writeAnalyserFile(path, false);
    }
    return path;
}
