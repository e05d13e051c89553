#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <windows.h>

#include "Host.h"

namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool driveAnswers(char letter) {
    const std::string root = std::string(1, letter) + ":\\";
    return GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES;
}

/// A drive other than the one of folder, with a root that answers; 0 when there is none.
char otherDrive(const std::string& folder) {
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (letter != folder[0] && driveAnswers(letter))
            return letter;
    return 0;
}

/// A drive letter that names no drive; 0 when every letter is taken.
char unusedDrive() {
    for (char letter = 'Z'; letter >= 'A'; --letter)
        if (!driveAnswers(letter))
            return letter;
    return 0;
}

/// A fresh temp folder holding "proj"; the current folder is put back afterwards.
struct WindowsFolders : ::testing::Test {
    WindowsFolders() {
        static std::atomic<int> count{0};
        root =
            fs::temp_directory_path() / ("quorvel-host-" + std::to_string(GetCurrentProcessId()) +
                                         "-" + std::to_string(count++));
        fs::create_directories(root / "proj");
        saved = fs::current_path();
    }
    ~WindowsFolders() override {
        fs::current_path(saved);
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    /// The Windows form of a path below the temp folder.
    std::string at(const std::string& rest) const { return root.string() + "\\" + rest; }

    fs::path root;
    fs::path saved;
    std::unique_ptr<platform::Host> host = platform::makeSystemHost();
};

} // namespace

TEST_F(WindowsFolders, CurrentFolderIsReadWhateverItsLength) {
    fs::current_path(root / "proj");
    EXPECT_EQ(host->currentFolder(), at("proj"));

    // 257 bytes: one more than a 256-byte buffer holds with its terminating zero.
    std::string deep = at("proj");
    while (deep.size() < 215)
        deep += "\\" + std::string(40, 'd');
    deep += "\\" + std::string(256 - deep.size(), 'e');
    ASSERT_EQ(deep.size(), 257u);
    fs::create_directories(deep);
    ASSERT_TRUE(SetCurrentDirectoryA(deep.c_str()));
    EXPECT_EQ(host->currentFolder(), deep);
}

TEST_F(WindowsFolders, EachDriveKeepsItsFolderWhileAnotherIsCurrent) {
    const std::string proj = at("proj");
    const char other = otherDrive(proj);
    if (!other)
        GTEST_SKIP() << "needs a second drive";
    std::ofstream(root / "proj" / "here.txt") << "x";
    fs::current_path(root / "proj");

    ASSERT_TRUE(host->makeDriveCurrent(std::string(1, other) + ":"));
    EXPECT_EQ(host->currentFolder()->substr(0, 2), std::string(1, other) + ":");
    // A drive-relative path on the drive we left is completed from the folder it kept.
    EXPECT_TRUE(host->exists(proj.substr(0, 2) + "here.txt"));

    const char back = static_cast<char>(std::tolower(static_cast<unsigned char>(proj[0])));
    ASSERT_TRUE(host->makeDriveCurrent(std::string(1, back) + ":"));
    EXPECT_EQ(host->currentFolder(), proj);
}

TEST_F(WindowsFolders, ADriveThatCannotBeMadeCurrentChangesNothing) {
    fs::current_path(root / "proj");
    std::vector<std::string> refused = {"", "C", "C:\\", "1:", "::"};
    if (const char unused = unusedDrive())
        refused.push_back(std::string(1, unused) + ":");
    for (const std::string& drive : refused) {
        EXPECT_FALSE(host->makeDriveCurrent(drive)) << drive;
        EXPECT_EQ(host->currentFolder(), at("proj")) << drive;
    }
}

TEST_F(WindowsFolders, ExistsSeesFilesAndFolders) {
    std::ofstream(root / "proj" / "a.c") << "x";
    EXPECT_TRUE(host->exists(at("proj\\a.c")));
    EXPECT_TRUE(host->exists(at("proj")));
    EXPECT_TRUE(host->exists(at("proj\\")));
    EXPECT_FALSE(host->exists(at("proj\\b.c")));
    EXPECT_FALSE(host->exists(at("gone\\a.c")));
    EXPECT_FALSE(host->exists(""));
}

TEST_F(WindowsFolders, MakeFolderCreatesOneLevelAndTellsAnExistingOneApart) {
    EXPECT_EQ(host->makeFolder(at("out\\")), platform::FolderResult::Created);
    EXPECT_TRUE(fs::is_directory(root / "out"));
    EXPECT_EQ(host->makeFolder(at("out")), platform::FolderResult::AlreadyExists);
    std::ofstream(root / "plain") << "x";
    EXPECT_EQ(host->makeFolder(at("plain")), platform::FolderResult::AlreadyExists);
    EXPECT_EQ(host->makeFolder(at("none\\deeper")), platform::FolderResult::Failed);
    EXPECT_FALSE(fs::exists(root / "none"));
}

TEST_F(WindowsFolders, FilesKeepTheirBytesAndTextLinesEndInOneCarriageReturn) {
    const std::string raw("a\nb\r\n\x1a"
                          "c\0d",
                          9);
    {
        auto sink = host->openForWriting(at("raw.bin"));
        ASSERT_NE(sink, nullptr);
        EXPECT_TRUE(sink->write(raw.data(), raw.size()));
        EXPECT_TRUE(sink->close());
    }
    EXPECT_EQ(bytesOf(root / "raw.bin"), raw);
    auto source = host->openForReading(at("raw.bin"));
    ASSERT_NE(source, nullptr);
    char buffer[32];
    EXPECT_EQ(std::string(buffer, source->read(buffer, sizeof buffer)), raw);

    auto text = host->openTextForWriting(at("lines.txt"));
    ASSERT_NE(text, nullptr);
    text->writeLine("one");
    text->writeLine("two");
    EXPECT_TRUE(text->close());
    EXPECT_EQ(bytesOf(root / "lines.txt"), "one\r\ntwo\r\n");
    auto lines = host->openTextForReading(at("lines.txt"));
    std::string line;
    ASSERT_TRUE(lines->readLine(line));
    EXPECT_EQ(line, "one");
}

TEST_F(WindowsFolders, FoldersAndMissingFilesDoNotOpen) {
    EXPECT_EQ(host->openForReading(at("proj")), nullptr);
    EXPECT_EQ(host->openForWriting(at("proj")), nullptr);
    EXPECT_EQ(host->openForReading(at("proj\\missing.txt")), nullptr);
    EXPECT_EQ(host->openForWriting(at("gone\\out.txt")), nullptr);
    EXPECT_FALSE(fs::exists(root / "gone"));
}

TEST_F(WindowsFolders, APathWithANulByteNamesNothingRatherThanItsStart) {
    using namespace std::string_literals;
    std::ofstream(root / "proj" / "a.c") << "x";
    EXPECT_FALSE(host->exists(at("proj\\a.c\0.h"s)));
    EXPECT_EQ(host->openForReading(at("proj\\a.c\0.h"s)), nullptr);
    EXPECT_EQ(host->openForWriting(at("proj\\a.c\0.h"s)), nullptr);
    EXPECT_EQ(bytesOf(root / "proj" / "a.c"), "x");
    EXPECT_EQ(host->makeFolder(at("new\0er"s)), platform::FolderResult::Failed);
    EXPECT_FALSE(fs::exists(root / "new"));
}

TEST_F(WindowsFolders, DialogPathsGetBackslashes) {
    EXPECT_EQ(host->windowsPathOf("C:/Program Files/NI/ws.cws"), "C:\\Program Files\\NI\\ws.cws");
    EXPECT_EQ(host->windowsPathOf("D:\\x"), "D:\\x");
}

TEST_F(WindowsFolders, Utf8PathsAreConvertedFromTheAnsiCodePage) {
    using namespace std::string_literals;
    using platform::NoUtf8Path;
    using platform::Utf8Path;
    EXPECT_EQ(host->utf8PathOf("C:\\my dir\\x.c"), Utf8Path("C:\\my dir\\x.c"));
    EXPECT_EQ(host->utf8PathOf(""), Utf8Path(""));
    EXPECT_EQ(host->utf8PathOf("C:\\a.c\0.h"s), Utf8Path(NoUtf8Path::OtherName));
    EXPECT_EQ(host->utf8PathOf("C:\\inc."), Utf8Path(NoUtf8Path::OtherName));
    // A path is its own host path here, on a drive that answers or not.
    EXPECT_EQ(host->utf8PathOf("Q:\\inc"), Utf8Path("Q:\\inc"));
    if (GetACP() != 1252)
        GTEST_SKIP() << "the system code page is " << GetACP() << ", not Windows-1252";
    EXPECT_EQ(host->utf8PathOf("C:\\M\xFCller\\\x80.c"),
              Utf8Path("C:\\M\xC3\xBCller\\\xE2\x82\xAC.c"));
}
