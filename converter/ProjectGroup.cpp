#include "ProjectGroup.h"

ProjectGroup::ProjectGroup(std::string name, WorkspaceConverter* converter)
    : name(std::move(name)), converter(converter) {}

ProjectGroup::~ProjectGroup() {
    for (auto& group : subGroups)
        group.reset();
}

ProjectGroup* ProjectGroup::findSubGroup(const std::string& name) const {
    const auto found = firstSubGroupByName.find(name);
    return found == firstSubGroupByName.end() ? nullptr : found->second;
}

void ProjectGroup::addSubGroup(std::unique_ptr<ProjectGroup> group) {
    firstSubGroupByName.emplace(group->name, group.get());
    subGroups.push_back(std::move(group));
}

void ProjectGroup::addFile(std::string path) {
    files.push_back(std::move(path));
}

void ProjectGroup::addIncludePath(const std::string& folder) {
    includePaths.insert(folder);
}

void ProjectGroup::setDefine(const std::string& name, const std::string& value) {
    defines[name] = value;
}

void ProjectGroup::setSourceFolder(const std::string& folder) {
    sourceFolder = folder;
}
