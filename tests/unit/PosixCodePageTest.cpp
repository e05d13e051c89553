// Names in a Windows ANSI code page on a POSIX host whose file names are UTF-8.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>
#include <unistd.h>

#include "CodePage.h"
#include "PosixHost.h"

namespace fs = std::filesystem;

namespace {

// The same names in UTF-8 and in their code pages.
const std::string wenduUtf8 = "\xE6\xB8\xA9\xE5\xBA\xA6";              // 温度
const std::string wenduGbk = "\xCE\xC2\xB6\xC8";                       // 温度 in 936
const std::string sourceUtf8 = "\xE6\xBA\x90\xE6\x96\x87\xE4\xBB\xB6"; // 源文件
const std::string sourceGbk = "\xD4\xB4\xCE\xC4\xBC\xFE";
const std::string sensorUtf8 = "\xD0\x94\xD0\xB0\xD1\x82\xD1\x87\xD0\xB8\xD0\xBA"; // Датчик
const std::string sensorCp1251 = "\xC4\xE0\xF2\xF7\xE8\xEA";
const std::string replacement = "\xEF\xBF\xBD";

std::string refusal(const std::string& value) {
    return "Quorvel: QUORVEL_CODEPAGE=\"" + value +
           "\" names no code page this system converts; give the number of a Windows ANSI code "
           "page, such as 936 or 1252";
}

/// Drive C: in a temp folder holding the UTF-8 folder 温度 with 温度.prj; the working
/// directory is that folder and is restored after.
struct CodePageDrives : ::testing::Test {
    CodePageDrives() {
        std::string pattern = (fs::temp_directory_path() / "quorvel-codepage-XXXXXX").string();
        root = mkdtemp(&pattern[0]);
        fs::create_directories(root / wenduUtf8);
        std::ofstream(root / wenduUtf8 / (wenduUtf8 + ".prj")) << "x";
        saved = fs::current_path();
        fs::current_path(root / wenduUtf8);
    }
    ~CodePageDrives() override {
        fs::current_path(saved);
        fs::remove_all(root);
    }
    platform::PosixHost host(std::optional<std::string> codePage) {
        const std::string c = root.string();
        auto lookup = [c](const std::string& name) -> std::optional<std::string> {
            if (name == "QUORVEL_DRIVE_C")
                return c;
            return std::nullopt;
        };
        if (!codePage)
            return platform::PosixHost(lookup);
        return platform::PosixHost(lookup, platform::CodePage(*codePage));
    }
    std::vector<std::string> namesIn(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path root;
    fs::path saved;
};

} // namespace

TEST(CodePages, NamesConvertBothWaysInEachAnsiCodePage) {
    const std::vector<std::tuple<std::string, std::string, std::string>> names = {
        {"936", wenduUtf8, wenduGbk},
        {"949", "\xEC\x98\xA8\xEB\x8F\x84", "\xBF\xC2\xB5\xB5"}, // 온도
        {"1251", sensorUtf8, sensorCp1251},
        {"1252", "Caf\xC3\xA9", "Caf\xE9"},
        {"1255", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", "\xF9\xEC\xE5\xED"}, // שלום
        {"932", wenduUtf8, "\x89\xB7\x93\x78"},
        // The second byte of 表 is a backslash: the name converts as whole characters.
        {"932", "\xE8\xA1\xA8", "\x95\x5C"}};
    for (const auto& [number, utf8, bytes] : names) {
        platform::CodePage codePage(number);
        EXPECT_EQ(codePage.number(), number);
        EXPECT_EQ(codePage.fromUtf8("C:\\" + utf8 + "\\x.prj"), "C:\\" + bytes + "\\x.prj")
            << number;
        EXPECT_EQ(codePage.toUtf8("C:\\" + bytes + "\\x.prj"), "C:\\" + utf8 + "\\x.prj") << number;
    }
}

TEST(CodePages, WhatIsNotValidOnOneSideGivesNothingAndIsShownAsReplacements) {
    platform::CodePage gbk("936");
    EXPECT_EQ(gbk.toUtf8("a\xFF"), std::nullopt);
    EXPECT_EQ(gbk.toUtf8("\x81\x30"), std::nullopt);
    EXPECT_EQ(gbk.toUtf8(wenduGbk.substr(0, 3)), std::nullopt);
    EXPECT_EQ(gbk.fromUtf8("\xC3("), std::nullopt);
    EXPECT_EQ(gbk.fromUtf8("\xE2\x82"), std::nullopt);
    EXPECT_EQ(gbk.toUtf8(""), "");
    EXPECT_EQ(gbk.toUtf8ForShowing("a\xFF" + wenduGbk + "\x81"),
              "a" + replacement + wenduUtf8 + replacement);
    EXPECT_EQ(gbk.toUtf8ForShowing(std::string(5000, 'x') + "\xFF"),
              std::string(5000, 'x') + replacement);

    platform::CodePage cyrillic("1251");
    EXPECT_EQ(cyrillic.fromUtf8(wenduUtf8), std::nullopt);
    EXPECT_EQ(cyrillic.fromUtf8(sensorUtf8 + "\\" + sensorUtf8),
              sensorCp1251 + "\\" + sensorCp1251);
}

TEST(CodePages, ValuesNamingNoAnsiCodePageAreRefusedWithTheValueNamed) {
    // 037 is EBCDIC: iconv converts it, but it does not keep "\" and ":" as they are.
    for (const std::string value :
         {"abc", "99999", "", "037", "936 ", "+936", "-1", "CP936", "9360000000000000000000"}) {
        try {
            platform::CodePage codePage(value);
            ADD_FAILURE() << "accepted " << value;
        } catch (const platform::HostError& error) {
            EXPECT_EQ(error.what(), refusal(value));
        }
    }
}

TEST_F(CodePageDrives, PathsInTheCodePageNameTheirUtf8Files) {
    auto drives = host("936");
    const std::string project = "C:\\" + wenduGbk + "\\" + wenduGbk + ".prj";
    EXPECT_EQ(drives.hostPathOf(project),
              root.string() + "/" + wenduUtf8 + "/" + wenduUtf8 + ".prj");
    EXPECT_TRUE(drives.exists(project));
    EXPECT_TRUE(drives.exists(wenduGbk + ".prj"));
    EXPECT_NE(drives.openForReading(project), nullptr);
    // The UTF-8 bytes read as GBK are other characters: they name another file.
    EXPECT_FALSE(drives.exists("C:\\" + wenduUtf8 + "\\" + wenduUtf8 + ".prj"));
    EXPECT_EQ(drives.currentFolder(), "C:\\" + wenduGbk);
    EXPECT_EQ(drives.windowsPathOf((root / wenduUtf8 / "a.c").string()),
              "C:\\" + wenduGbk + "\\a.c");
}

TEST_F(CodePageDrives, FoldersAndFilesAreMadeUnderUtf8NamesAndHoldTheBytesWritten) {
    auto drives = host("936");
    EXPECT_EQ(drives.makeFolder(sourceGbk), platform::FolderResult::Created);
    EXPECT_EQ(drives.makeFolder("C:\\" + wenduGbk + "\\" + sourceGbk),
              platform::FolderResult::AlreadyExists);
    {
        auto out = drives.openTextForWriting(sourceGbk + "\\" + wenduGbk + ".p_a");
        ASSERT_TRUE(out);
        out->writeLine("-i \"C:\\" + wenduGbk + "\"");
    }
    const fs::path written = root / wenduUtf8 / sourceUtf8 / (wenduUtf8 + ".p_a");
    std::ifstream in(written, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "-i \"C:\\" + wenduGbk + "\"\r\n");
}

TEST_F(CodePageDrives, PathsNotValidInTheCodePageNameNothingAndNothingIsMade) {
    auto drives = host("936");
    const auto before = namesIn(root / wenduUtf8);
    const std::vector<std::string> badPaths = {"C:\\" + wenduGbk + "\\\xFF", "\x81\x30.prj",
                                               "x\xFF\\y"};
    for (const std::string& bad : badPaths) {
        EXPECT_EQ(drives.hostPathOf(bad), std::nullopt);
        EXPECT_EQ(drives.utf8PathOf(bad), platform::Utf8Path(platform::NoUtf8Path::NotUtf8));
        EXPECT_FALSE(drives.exists(bad));
        EXPECT_EQ(drives.makeFolder(bad), platform::FolderResult::Failed);
        EXPECT_EQ(drives.openForWriting(bad), nullptr);
        EXPECT_EQ(drives.openForReading(bad), nullptr);
    }
    EXPECT_EQ(namesIn(root / wenduUtf8), before);
    // On a drive that is not mapped the drive is what names nothing, whatever the bytes.
    EXPECT_EQ(drives.utf8PathOf("E:\\" + wenduGbk + "\\\xFF"),
              platform::Utf8Path(platform::NoUtf8Path::UnmappedDrive));
}

TEST_F(CodePageDrives, ACurrentFolderTheCodePageCannotWriteEndsTheRunWithItsName) {
    auto drives = host("1251");
    try {
        drives.currentFolder();
        ADD_FAILURE() << "no error";
    } catch (const platform::HostError& error) {
        EXPECT_EQ(error.what(), "Quorvel: the name of the current folder cannot be written in "
                                "code page 1251: " +
                                    (root / wenduUtf8).string());
    }
    fs::create_directories(root / sensorUtf8);
    fs::current_path(root / sensorUtf8);
    EXPECT_EQ(drives.currentFolder(), "C:\\" + sensorCp1251);
    EXPECT_EQ(drives.hostPathOf("C:" + sensorCp1251 + ".prj"),
              (root / sensorUtf8).string() + "/" + sensorUtf8 + ".prj");
}

TEST_F(CodePageDrives, ArgumentsArriveInTheCodePageOrEndTheRunNamingTheFirstThatCannot) {
    auto gbk = host("936");
    EXPECT_EQ(gbk.argumentsOf({wenduUtf8 + ".cws", "-pn", sourceUtf8}),
              (std::vector<std::string>{wenduGbk + ".cws", "-pn", sourceGbk}));
    auto cyrillic = host("1251");
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{sensorUtf8, wenduUtf8 + ".cws", "\xC3("},
         "Quorvel: argument 2 cannot be written in code page 1251: " + wenduUtf8 + ".cws"},
        {{"a", "b", "c", "-pn", "\xC3("},
         "Quorvel: argument 5 cannot be written in code page 1251: \xC3("}};
    for (const auto& [arguments, message] : refused) {
        try {
            cyrillic.argumentsOf(arguments);
            ADD_FAILURE() << message;
        } catch (const platform::HostError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

TEST_F(CodePageDrives, ConsoleTextIsShownInUtf8) {
    auto drives = host("936");
    EXPECT_EQ(drives.consoleTextOf("  Creating Group - " + sourceGbk + "\n"),
              "  Creating Group - " + sourceUtf8 + "\n");
    EXPECT_EQ(drives.consoleTextOf("Could not open file: C:\\\xFF.prj\n"),
              "Could not open file: C:\\" + replacement + ".prj\n");
}

TEST_F(CodePageDrives, WithoutACodePageNamesPassAsTheyAre) {
    auto drives = host(std::nullopt);
    const std::vector<std::string> arguments = {wenduUtf8, "\xC3(", wenduGbk};
    EXPECT_EQ(drives.argumentsOf(arguments), arguments);
    EXPECT_EQ(drives.consoleTextOf("a\xFF" + wenduGbk), "a\xFF" + wenduGbk);
    EXPECT_EQ(drives.currentFolder(), "C:\\" + wenduUtf8);
    EXPECT_EQ(drives.hostPathOf("C:\\" + wenduGbk), root.string() + "/" + wenduGbk);
    // Such a name is a host path all the same, but none that UTF-8 text can give a tool.
    EXPECT_EQ(drives.utf8PathOf("C:\\" + wenduGbk),
              platform::Utf8Path(platform::NoUtf8Path::NotUtf8));
    EXPECT_EQ(drives.utf8PathOf("C:\\" + wenduUtf8),
              platform::Utf8Path(root.string() + "/" + wenduUtf8));
    EXPECT_TRUE(drives.exists("C:\\" + wenduUtf8 + "\\" + wenduUtf8 + ".prj"));
    EXPECT_FALSE(drives.exists("C:\\" + wenduGbk + "\\" + wenduGbk + ".prj"));
    EXPECT_EQ(drives.windowsPathOf((root / wenduUtf8).string()), "C:\\" + wenduUtf8);
}
