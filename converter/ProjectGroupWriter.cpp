#include "ProjectGroup.h"

#include "Errors.h"
#include "OutputFile.h"
#include "StringHelpers.h"
#include "WorkspaceConverter.h"

// Lines go to the project file without a flush each: the writer is flushed before
// every operation that can fail (making a folder, opening a personality file) and
// after a group's last line, so the file on disk holds every line written so far
// when a failure stops the walk, without a system call per line of a large tree.

namespace {

/// True when one of the parts of name between "\" and "/" separators (or name itself,
/// without them) is "..": a folder made from it would lie outside its parent's.
bool hasParentSegment(const std::string& name) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = name.find_first_of("\\/", start);
        const std::size_t length = (end == std::string::npos ? name.size() : end) - start;
        if (name.compare(start, length, "..") == 0)
            return true;
        if (end == std::string::npos)
            return false;
        start = end + 1;
    }
}

} // namespace

std::string ProjectGroup::parentFolderOf(const std::string& parentPath) const {
    std::string folder = converter->getDestFolder();
    if (!parentPath.empty())
        folder += "\\" + parentPath;
    return folder + "\\";
}

std::string ProjectGroup::ownPersonalityOf(const std::string& groupFolder) const {
    return groupFolder + "\\person\\" + leafName(name) + ".p_a";
}

void ProjectGroup::listOwnPersonalities(const std::string& parentPath,
                                        std::vector<std::string>& paths) const {
    if (!includePaths.empty() || !defines.empty())
        paths.push_back(ownPersonalityOf(parentFolderOf(parentPath) + name));
    const std::string childParentPath = parentPath.empty() ? name : parentPath + "\\" + name;
    for (const auto& group : subGroups)
        group->listOwnPersonalities(childParentPath, paths);
}

std::string ProjectGroup::createGroupFolders(const std::string& parentPath) const {
    const std::string folder = parentFolderOf(parentPath);
    // Group names come from the CVI files: one that climbs out would make folders and
    // personality files anywhere. It fails like a folder that cannot be made, before
    // anything of the group exists on disk.
    if (hasParentSegment(name))
        throw IOERROR(1, folder + name);
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' || name[i] == '/')
            createFolder(folder + name.substr(0, i));
    }
    const std::string groupFolder = folder + name;
    createFolder(groupFolder);
    createFolder(groupFolder + "\\output\\");
    if (!subGroups.empty())
        createFolder(groupFolder + "\\person\\");
    return groupFolder;
}

void ProjectGroup::write(OutputFile& out, const std::string& parentPath,
                         std::string handedDownAnalyserPersonality) const {
    out.flush();
    const std::string groupFolder = createGroupFolders(parentPath);
    converter->printLine("  Creating Group - " + name);

    out.writeLine("StartProjectMarker");
    out.writeLine("FolderName=" + name);
    out.writeLine("SourcePath=" + (sourceFolder.empty() ? groupFolder + "\\" : sourceFolder));
    out.writeLine("OutputPath=" + groupFolder + "\\output\\");
    out.flush();
    out.writeLine("SubsPers=" + resolveProjectWidePersonality(converter->getMessagePersonality(),
                                                              ".p_s", /*required=*/false));
    const std::string handedDown =
        resolveAnalyserPersonality(out, parentPath, groupFolder, handedDownAnalyserPersonality);
    // resolveAnalyserPersonality flushed after its line, so the compiler's file can fail safely.
    out.writeLine("CompPers=" + resolveProjectWidePersonality(converter->getCompilerPersonality(),
                                                              ".p_c", /*required=*/true));
    for (const std::string& file : files)
        out.writeLine(file);
    out.writeLine("EndContainedFilesMarker");

    if (!subGroups.empty()) {
        out.writeLine("StartSubProjectMarker");
        const std::string childParentPath = parentPath.empty() ? name : parentPath + "\\" + name;
        for (const auto& group : subGroups)
            group->write(out, childParentPath, handedDown);
        out.writeLine("EndSubProjectMarker");
    }
    out.flush();
}
