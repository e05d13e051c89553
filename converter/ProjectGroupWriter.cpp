#include "ProjectGroup.h"

#include "Errors.h"
#include "Host.h"
#include "WorkspaceConverter.h"

void ProjectGroup::writeLine(platform::TextWriter& out, const std::string& line) const {
    out.writeLine(line);
    out.flush();
}

void ProjectGroup::write(platform::TextWriter& out, const std::string& parentPath,
                         std::string handedDownAnalyserPersonality) const {
    // TODO: sections
    (void)out;
    (void)parentPath;
    (void)handedDownAnalyserPersonality;
}
