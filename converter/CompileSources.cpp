#include "CompileSources.h"

#include "ProjectGroup.h"
#include "StringHelpers.h"

namespace {

void collect(const ProjectGroup& group, const ProjectGroup* settings,
             std::vector<CompileSource>& sources) {
    if (!group.getIncludePaths().empty() || !group.getDefines().empty())
        settings = &group;
    for (const std::string& file : group.getFiles()) {
        if (!isCSource(file))
            continue;
        // A group built without a source folder still has its file's folder to offer.
        const std::string& folder = group.getSourceFolder();
        sources.push_back({file, folder.empty() ? folderOf(file) : folder, settings});
    }
    for (const auto& subGroup : group.getSubGroups())
        collect(*subGroup, settings, sources);
}

} // namespace

bool isCSource(const std::string& path) {
    const std::string name = leafName(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    const std::string extension = name.substr(dot + 1);
    return extension == "c" || extension == "C";
}

std::vector<CompileSource> collectCompileSources(const ProjectGroup& project) {
    std::vector<CompileSource> sources;
    collect(project, nullptr, sources);
    return sources;
}
