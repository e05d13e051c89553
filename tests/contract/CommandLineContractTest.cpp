#include <sstream>

#include "CommandLine.h"
#include "HostContract.h"

// The command line completes drive-relative arguments and option values through the host, so
// each host must give the same results for them: the same conversion on every host, started on
// the drive the paths name and from another drive.

namespace {

const char* const workspace = "[Workspace Header]\r\n"
                              "Project 0001 = \"p.prj\"\r\n";
// One include file kept relative to the CVI folder: the CVI argument reaches the personality.
const char* const project = "[File 0001]\r\n"
                            "File Type = \"Include\"\r\n"
                            "Path Is Rel = True\r\n"
                            "Path Rel To = \"CVI\"\r\n"
                            "Path Rel Path = \"inc/cvi.h\"\r\n";

} // namespace

void CommandLineContract::SetUp() {
    HostContract::SetUp();
    if (IsSkipped())
        return;
    bench->putFile(on(C, "\\ws\\x.cws"), workspace);
    bench->putFile(on(C, "\\ws\\p.prj"), project);
    bench->putFile(on(C, "\\ws\\a.p_a"), "-base\r\n");
    bench->putFolder(on(C, "\\ws\\out"));
}

void CommandLineContract::convertsFromTheDrivesFolder(platform::Host& host,
                                                      const std::string& drive,
                                                      const std::string& dest,
                                                      const std::string& destFolder) {
    SCOPED_TRACE(drive + " with destination " + dest);
    std::ostringstream console;
    const int status = runQuorvel({drive + "x.cws", drive + "cvi", dest, "-mp", drive + "/m.p_s",
                                   "-ap", drive + "a.p_a", "-cp", drive + "c.p_c"},
                                  host, console);
    EXPECT_EQ(status, 0) << console.str();
    const std::string ws = on(C, "\\ws");
    const auto listing = bench->bytesOf(destFolder + "\\x.prj");
    ASSERT_TRUE(listing) << console.str();
    EXPECT_NE(listing->find("SourcePath=" + ws + "\\\r\n"), std::string::npos) << *listing;
    EXPECT_NE(listing->find("SubsPers=" + ws + "\\/m.p_s\r\n"), std::string::npos) << *listing;
    EXPECT_NE(listing->find("CompPers=" + ws + "\\c.p_c\r\n"), std::string::npos) << *listing;
    EXPECT_EQ(bench->bytesOf(destFolder + "\\x\\p\\person\\p.p_a"),
              "-i \"" + ws + "\\cvi\\inc\"\r\n-base\r\n");
}

TEST_P(CommandLineContract, DriveRelativeArgumentsOnTheCurrentDrive) {
    platform::Host& host = bench->start(on(C, "\\ws"));
    for (const std::string& drive : {on(C, ""), lower(C) + ":"}) {
        convertsFromTheDrivesFolder(host, drive, drive + "out", on(C, "\\ws\\out"));
        EXPECT_EQ(host.currentFolder(), on(C, "\\ws"));
    }
    // The drive alone is its current folder, followed by a separator.
    convertsFromTheDrivesFolder(host, on(C, ""), on(C, ""), on(C, "\\ws\\"));
}

TEST_P(CommandLineContract, DriveRelativeArgumentsFromAnotherDrive) {
    platform::Host& host = bench->start(on(C, "\\ws"));
    ASSERT_TRUE(host.makeDriveCurrent(on(D, "")));
    bench->moveTo(on(D, "\\src"));
    for (const std::string& drive : {on(C, ""), lower(C) + ":"}) {
        convertsFromTheDrivesFolder(host, drive, drive + "out", on(C, "\\ws\\out"));
        EXPECT_EQ(host.currentFolder(), on(D, "\\src"));
    }
    convertsFromTheDrivesFolder(host, lower(C) + ":", lower(C) + ":", on(C, "\\ws\\"));
}
