// Any bytes as a workspace file: the project list is read to its end and every entry
// lies below the workspace folder.

#include <cstddef>
#include <cstdint>
#include <string>

#include "CviLineReader.h"
#include "FakeHost.h"
#include "FuzzCheck.h"
#include "WorkspaceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeHost host;
    host.addFile("C:\\ws\\all.cws", std::string(reinterpret_cast<const char*>(data), size));

    std::size_t rawLines = 0;
    std::string line;
    for (auto raw = host.openTextForReading("C:\\ws\\all.cws"); raw->readLine(line);)
        ++rawLines;

    CviLineReader reader(host.openTextForReading("C:\\ws\\all.cws"));
    const std::vector<std::string> projects = readWorkspaceProjects(reader, "C:\\ws");
    fuzzCheck(projects.size() <= rawLines, "at most one project per line");
    for (const std::string& project : projects)
        fuzzCheck(project.rfind("C:\\ws\\", 0) == 0, "a project path starts at its workspace");
    fuzzCheck(!reader.readLine(line), "the reader stays at the end of the file");
    return 0;
}
