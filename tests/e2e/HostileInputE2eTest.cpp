#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "Sandbox.h"

namespace fs = std::filesystem;

namespace {

/// A CVI source entry kept relative to its project, in the given CVI folder.
std::string sourceEntry(const std::string& file, const std::string& folder) {
    return "[File 0001]\r\nFile Type = \"CSource\"\r\nPath Is Rel = True\r\n"
           "Path Rel To = \"Project\"\r\nPath Rel Path = \"" +
           file + "\"\r\nFolder = \"" + folder + "\"\r\n";
}

/// Every path below a host folder, relative to it and "/"-separated.
std::vector<std::string> entriesBelow(const fs::path& folder) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries.push_back(fs::relative(entry.path(), folder).generic_string());
    std::sort(entries.begin(), entries.end());
    return entries;
}

} // namespace

TEST(HostileInput, FolderNameThatClimbsOutOfTheDestinationStopsTheRunBeforeItsFolders) {
    Sandbox box;
    box.writeFile("C:\\ws\\p.prj", "[Build Options]\r\nCompiler Defines = \"/DLEVEL=2\"\r\n" +
                                       sourceEntry("a.c", "..\\..\\evil") + "[Include Paths]\r\n");
    box.makeFolder("C:\\out");
    const RunResult result = box.run({"C:\\ws\\p.prj", "C:\\cvi", "C:\\out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Creating Corvane/Corvane++ Project ...\n"
                          "  Creating Group - p\n"
                          "  Creating Analyser Personality - C:\\out\\p\\person\\p.p_a\n"
                          "Could not create directory: C:\\out\\p\\..\\..\\evil\n");
    // The root's section and personality, written before the failure, are intact.
    EXPECT_EQ(box.readFile("C:\\out\\p.prj"), "VersionTag45\r\n"
                                              "StartProjectMarker\r\n"
                                              "FolderName=p\r\n"
                                              "SourcePath=C:\\ws\\\r\n"
                                              "OutputPath=C:\\out\\p\\output\\\r\n"
                                              "SubsPers=C:\\out\\person\\p.p_s\r\n"
                                              "AnalPers=C:\\out\\p\\person\\p.p_a\r\n"
                                              "CompPers=C:\\out\\person\\p.p_c\r\n"
                                              "EndContainedFilesMarker\r\n"
                                              "StartSubProjectMarker\r\n");
    EXPECT_EQ(box.readFile("C:\\out\\p\\person\\p.p_a"), "-d \"LEVEL=2\"\r\n");
    // Nothing appeared beside the destination or the sources.
    EXPECT_EQ(entriesBelow(box.host("C:\\")),
              (std::vector<std::string>{"out", "out/p", "out/p.prj", "out/p/output", "out/p/person",
                                        "out/p/person/p.p_a", "out/person", "out/person/p.p_c",
                                        "out/person/p.p_s", "ws", "ws/p.prj"}));
}
