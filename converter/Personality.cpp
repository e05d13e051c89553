#include "ProjectGroup.h"

#include "Errors.h"
#include "Host.h"
#include "WorkspaceConverter.h"

void ProjectGroup::createFolder(const std::string& path) const {
    platform::Host& host = converter->getHost();
    if (host.exists(path))
        return;
    if (host.makeFolder(path) == platform::FolderResult::Failed)
        throw IOERROR(1, path);
}

void ProjectGroup::writeAnalyserPersonality(const std::string&) const {}
std::string ProjectGroup::resolveMessagePersonality() const { return {}; }
std::string ProjectGroup::resolveAnalyserPersonality(platform::TextWriter&, const std::string&,
                                                     const std::string&,
                                                     const std::string&) const {
    return {};
}
std::string ProjectGroup::resolveCompilerPersonality() const { return {}; }
void ProjectGroup::copyAnalyserPersonalityInto(platform::TextWriter&) const {}
