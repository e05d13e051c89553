#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <tuple>
#include <unistd.h>

#include "PosixHost.h"

namespace fs = std::filesystem;

namespace {

/// A temp folder with drives C: and D: below it; the working directory is restored after.
struct PosixDrives : ::testing::Test {
    PosixDrives() {
        std::string pattern = (fs::temp_directory_path() / "quorvel-host-XXXXXX").string();
        root = mkdtemp(&pattern[0]);
        fs::create_directories(root / "c" / "proj");
        fs::create_directories(root / "d" / "src");
        saved = fs::current_path();
        fs::current_path(root / "c" / "proj");
    }
    ~PosixDrives() override {
        fs::current_path(saved);
        fs::remove_all(root);
    }
    platform::PosixHost host(std::map<std::string, std::string> table) {
        return platform::PosixHost([table](const std::string& name) -> std::optional<std::string> {
            const auto found = table.find(name);
            if (found == table.end())
                return std::nullopt;
            return found->second;
        });
    }
    std::map<std::string, std::string> table() {
        return {{"QUORVEL_DRIVE_C", (root / "c").string()},
                {"QUORVEL_DRIVE_D", (root / "d").string() + "/"}};
    }
    fs::path root;
    fs::path saved;
};

} // namespace

TEST_F(PosixDrives, CurrentFolderComesFromTheDriveHoldingTheWorkingDirectory) {
    auto drives = host(table());
    EXPECT_EQ(drives.currentFolder(), "C:\\proj");
    fs::current_path(root / "c");
    EXPECT_EQ(drives.currentFolder(), "C:\\");
    fs::current_path(root);
    EXPECT_EQ(drives.currentFolder(), std::nullopt);
}

TEST_F(PosixDrives, DriveCIsTheHostRootUnlessMapped) {
    auto drives = host({});
    std::string expected = "C:" + (root / "c" / "proj").string();
    std::replace(expected.begin(), expected.end(), '/', '\\');
    EXPECT_EQ(drives.currentFolder(), expected);
    EXPECT_EQ(drives.hostPathOf("C:\\etc\\x"), "/etc/x");
    EXPECT_EQ(drives.hostPathOf("D:\\x"), std::nullopt);
    EXPECT_FALSE(drives.exists("D:\\"));
}

TEST_F(PosixDrives, TheLongestRootHoldsAFolderAndTiesGoToTheLowestLetter) {
    auto map = table();
    map["QUORVEL_DRIVE_E"] = (root / "c" / "proj").string();
    map["QUORVEL_DRIVE_F"] = (root / "c" / "proj").string();
    auto drives = host(map);
    EXPECT_EQ(drives.currentFolder(), "E:\\");
    EXPECT_EQ(drives.windowsPathOf((root / "c" / "proj" / "x.cws").string()), "E:\\x.cws");
    EXPECT_EQ(drives.windowsPathOf((root / "c" / "y").string()), "C:\\y");
    EXPECT_EQ(drives.windowsPathOf("/nowhere/z"), "/nowhere/z");
}

TEST_F(PosixDrives, EachDriveKeepsItsOwnCurrentFolder) {
    auto drives = host(table());
    EXPECT_FALSE(drives.makeDriveCurrent("Q:"));
    EXPECT_EQ(drives.currentFolder(), "C:\\proj");
    ASSERT_TRUE(drives.makeDriveCurrent("d:"));
    EXPECT_EQ(drives.currentFolder(), "D:\\");
    fs::current_path(root / "d" / "src");
    EXPECT_EQ(drives.currentFolder(), "D:\\src");
    ASSERT_TRUE(drives.makeDriveCurrent("C:"));
    EXPECT_EQ(drives.currentFolder(), "C:\\proj");
    EXPECT_EQ(drives.hostPathOf("D:x.c"), (root / "d" / "src").string() + "/x.c");
    ASSERT_TRUE(drives.makeDriveCurrent("D:"));
    EXPECT_EQ(drives.currentFolder(), "D:\\src");
}

TEST_F(PosixDrives, PathsMapByTheirFormAndBothSeparators) {
    auto drives = host(table());
    const std::string c = (root / "c").string();
    EXPECT_EQ(drives.hostPathOf("C:\\ws\\a.cws"), c + "/ws/a.cws");
    EXPECT_EQ(drives.hostPathOf("c:/ws/a.cws"), c + "/ws/a.cws");
    EXPECT_EQ(drives.hostPathOf("C:ws"), c + "/proj/ws");
    EXPECT_EQ(drives.hostPathOf("\\ws"), c + "/ws");
    EXPECT_EQ(drives.hostPathOf("ws\\a"), "ws/a");
}

TEST_F(PosixDrives, OnlyTheWindowsNamesHaveTheirSeparatorsTurned) {
    // A backslash is a byte of a host folder's name, in a drive's root as in its folder.
    fs::create_directories(root / "c" / "a\\b");
    auto drives = host({{"QUORVEL_DRIVE_C", (root / "c").string()},
                        {"QUORVEL_DRIVE_E", (root / "c" / "a\\b").string()}});
    EXPECT_EQ(drives.hostPathOf("E:\\x\\y"), (root / "c" / "a\\b").string() + "/x/y");
    fs::current_path(root / "c" / "a\\b");
    EXPECT_EQ(drives.hostPathOf("E:x\\y"), (root / "c" / "a\\b").string() + "/x/y");
}

TEST_F(PosixDrives, AListingTellsApartNamesThatAWindowsPathWouldSplitAndFollowsLinks) {
    // A backslash in a name would split it in a Windows path; a link to a folder lists as one.
    std::ofstream(root / "c" / "proj" / "a\\b.h") << "x";
    std::ofstream(root / "c" / "proj" / "ok.h") << "x";
    fs::create_directory_symlink(root / "d" / "src", root / "c" / "proj" / "linked");
    auto drives = host(table());
    auto listing = drives.readFolder("C:\\proj");
    ASSERT_TRUE(listing);
    std::vector<std::tuple<std::string, bool, bool>> names;
    for (const auto& entry : listing->entries)
        names.emplace_back(entry.name, entry.isFolder, entry.isLink);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::tuple<std::string, bool, bool>>{{"linked", true, true},
                                                                       {"ok.h", false, false}}));
    ASSERT_EQ(listing->unnamed.size(), 1u);
    EXPECT_EQ(listing->unnamed[0].shown, "a\\b.h");
    EXPECT_EQ(listing->unnamed[0].why, platform::NoName::HoldsBackslash);
    EXPECT_FALSE(drives.listFolder("Q:\\proj"));
}

TEST_F(PosixDrives, FoldersAreMadeOneLevelAndExistingOnesToldApart) {
    auto drives = host(table());
    EXPECT_EQ(drives.makeFolder("C:\\out"), platform::FolderResult::Created);
    EXPECT_EQ(drives.makeFolder("C:\\out\\"), platform::FolderResult::AlreadyExists);
    EXPECT_EQ(drives.makeFolder("C:\\a\\b"), platform::FolderResult::Failed);
    EXPECT_EQ(drives.makeFolder("Q:\\a"), platform::FolderResult::Failed);
    EXPECT_TRUE(drives.exists("C:\\out"));
    EXPECT_FALSE(drives.exists("C:\\a"));
}

TEST_F(PosixDrives, TextFilesAreWrittenWithCarriageReturnsAndFoldersDoNotOpen) {
    auto drives = host(table());
    {
        auto out = drives.openTextForWriting("D:\\src\\x.txt");
        ASSERT_TRUE(out);
        out->writeLine("a");
        out->writeLine("b");
    }
    std::ifstream in(root / "d" / "src" / "x.txt", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "a\r\nb\r\n");
    EXPECT_EQ(drives.openForReading("D:\\src"), nullptr);
    EXPECT_EQ(drives.openForReading("D:\\src\\missing.txt"), nullptr);
    EXPECT_EQ(drives.openForWriting("D:\\nofolder\\x.txt"), nullptr);
    EXPECT_NE(drives.openForReading("D:\\src\\x.txt"), nullptr);
}

TEST_F(PosixDrives, FullDiskFailsTheWriteThatReachesItAndReadErrorsAreNoEnd) {
    if (!fs::exists("/dev/full") || !fs::exists("/proc/self/mem"))
        GTEST_SKIP() << "this system has no /dev/full or /proc/self/mem";
    fs::create_symlink("/dev/full", root / "c" / "full.txt");
    auto drives = host(table());
    auto out = drives.openTextForWriting("C:\\full.txt");
    ASSERT_TRUE(out);
    // The bytes wait in the writer's buffer until the flush hands them over.
    EXPECT_TRUE(out->writeLine("a"));
    EXPECT_FALSE(out->flush());
    EXPECT_FALSE(out->close());
    out = drives.openTextForWriting("C:\\full.txt");
    EXPECT_TRUE(out->writeLine("a"));
    EXPECT_FALSE(out->close());
    out = drives.openTextForWriting("C:\\full.txt");
    EXPECT_FALSE(out->writeLine(std::string(70000, 'z')));

    // This process's memory read from offset 0: the open succeeds, the first read fails.
    fs::create_symlink("/proc/self/mem", root / "c" / "mem.prj");
    auto in = drives.openTextForReading("C:\\mem.prj");
    ASSERT_TRUE(in);
    std::string line;
    EXPECT_FALSE(in->readLine(line));
    EXPECT_TRUE(in->failed());
}

TEST_F(PosixDrives, Utf8PathsAreHostPathsThatAreValidUtf8OrSayWhyNot) {
    using namespace std::string_literals;
    using platform::NoUtf8Path;
    using platform::Utf8Path;
    auto drives = host({{"QUORVEL_DRIVE_C", "/srv/c"}});
    EXPECT_EQ(drives.utf8PathOf("C:\\src\\x.c"), Utf8Path("/srv/c/src/x.c"));
    EXPECT_EQ(drives.utf8PathOf("C:\\M\xC3\xBCller\\x.c"), Utf8Path("/srv/c/M\xC3\xBCller/x.c"));
    EXPECT_EQ(drives.utf8PathOf("C:\\M\xFCller\\x.c"), Utf8Path(NoUtf8Path::NotUtf8));
    EXPECT_EQ(drives.utf8PathOf("D:\\src\\x.c"), Utf8Path(NoUtf8Path::UnmappedDrive));
    EXPECT_EQ(drives.utf8PathOf("e:x.c"), Utf8Path(NoUtf8Path::UnmappedDrive));
    // Both faults: the drive is told, as it names nothing whatever its bytes.
    EXPECT_EQ(drives.utf8PathOf("D:\\M\xFCller"), Utf8Path(NoUtf8Path::UnmappedDrive));
    EXPECT_EQ(drives.utf8PathOf("C:\\a.c\0.h"s), Utf8Path(NoUtf8Path::OtherName));
    EXPECT_EQ(drives.hostPathOf("C:\\M\xFCller\\x.c"), "/srv/c/M\xFCller/x.c");
}
