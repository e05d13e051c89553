// Any bytes as a CVI project file, read into a project group the way the driver does;
// then a known file through the same reader, which must find it as if it came first.

#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>

#include "CviProjectParser.h"
#include "FakeHost.h"
#include "FuzzCheck.h"
#include "ProjectGroup.h"
#include "WorkspaceConverter.h"

namespace {

void readInto(CviProjectParser& parser, WorkspaceConverter& converter, ProjectGroup& group,
              const std::string& path) {
    group.setSourceFolder("C:\\w\\p\\");
    parser.setGroup(&group);
    parser.setConverter(&converter);
    parser.setCviDir("C:\\cvi");
    parser.setAcceptedExtensions({});
    parser.open(path);
    parser.parse();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeHost host;
    std::ostringstream console;
    host.addFile("C:\\w\\p\\a.prj", std::string(reinterpret_cast<const char*>(data), size));
    host.addFile("C:\\w\\p\\b.prj", "[File 0001]\r\nFile Type = \"CSource\"\r\n"
                                    "Path = \"/c/z.c\"\r\nFolder = \"Z\"\r\n");
    WorkspaceConverter converter("C:\\w\\all.cws", "C:\\cvi", "C:\\out", host, console);
    CviProjectParser parser(&converter);

    ProjectGroup group("a", &converter);
    readInto(parser, converter, group, "C:\\w\\p\\a.prj");
    fuzzCheck(console.str().empty(), "nothing is printed while a project is read");
    fuzzCheck(group.getFiles().empty(), "source files land in folder groups only");
    std::set<std::string> names;
    for (const auto& sub : group.getSubGroups()) {
        fuzzCheck(names.insert(sub->getName()).second, "one folder group per folder name");
        fuzzCheck(!sub->getFiles().empty(), "a folder group holds a file");
        fuzzCheck(sub->getSubGroups().empty(), "folder groups have no sub-groups");
        fuzzCheck(sub->getIncludePaths().empty() && sub->getDefines().empty(),
                  "include folders and definitions land in the project group");
        fuzzCheck(sub->getSourceFolder() == "C:\\w\\p\\",
                  "a folder group has its project's folder");
    }

    ProjectGroup next("b", &converter);
    readInto(parser, converter, next, "C:\\w\\p\\b.prj");
    fuzzCheck(next.getSubGroups().size() == 1 && next.getSubGroups()[0]->getName() == "Z" &&
                  next.getSubGroups()[0]->getFiles() == std::vector<std::string>{"\\c\\z.c"} &&
                  next.getIncludePaths().empty() && next.getDefines().empty(),
              "the next project is read as if it came first");
    return 0;
}
