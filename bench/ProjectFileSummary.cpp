#include "ProjectFileSummary.h"

#include <istream>
#include <string>
#include <string_view>

namespace {

/// Lines that are markers or keys of a section rather than source files.
bool isSectionLine(std::string_view line) {
    for (const std::string_view marker :
         {"VersionTag45", "StartProjectMarker", "EndContainedFilesMarker", "StartSubProjectMarker",
          "EndSubProjectMarker"})
        if (line == marker)
            return true;
    for (const std::string_view key :
         {"FolderName=", "SourcePath=", "OutputPath=", "SubsPers=", "AnalPers=", "CompPers="})
        if (line.substr(0, key.size()) == key)
            return true;
    return false;
}

} // namespace

ProjectFileSummary summariseProjectFile(std::istream& file) {
    ProjectFileSummary summary;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "StartProjectMarker") {
            ++summary.groups;
        } else if (!isSectionLine(line)) {
            ++summary.files;
            summary.fileBytes += line.size();
        }
    }
    return summary;
}
