#include <gtest/gtest.h>

#include <algorithm>

#include "HostBench.h"
#include "HostContract.h"

// What every host promises to the converter and the wizard, run against each host by the
// bench files beside this one. A host that cannot show a case skips it and says why.

std::string HostContract::on(char drive, const std::string& rest) const {
    return std::string(1, drive) + ":" + rest;
}

std::string HostContract::lower(char drive) const {
    return std::string(1, static_cast<char>(drive - 'A' + 'a'));
}

void HostContract::SetUp() {
    bench = GetParam().make();
    std::string whyNot;
    if (!bench->available(whyNot))
        GTEST_SKIP() << whyNot;
    C = bench->firstDrive();
    D = bench->secondDrive();
    bench->putFolder(on(C, "\\proj"));
    bench->putFolder(on(D, "\\src"));
}

TEST_P(HostContract, TheCurrentFolderIsTheOneTheProgramStartsIn) {
    EXPECT_EQ(bench->start(on(C, "\\proj")).currentFolder(), on(C, "\\proj"));
}

TEST_P(HostContract, ADriveRootReadsWithItsSeparator) {
    EXPECT_EQ(bench->start(on(C, "\\")).currentFolder(), on(C, "\\"));
}

TEST_P(HostContract, EachDriveKeepsItsOwnFolderAcrossSwitches) {
    platform::Host& host = bench->start(on(C, "\\proj"));
    ASSERT_TRUE(host.makeDriveCurrent(on(D, "")));
    EXPECT_EQ(host.currentFolder(), on(D, "\\"));
    bench->moveTo(on(D, "\\src"));
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(host.makeDriveCurrent(on(C, "")));
        EXPECT_EQ(host.currentFolder(), on(C, "\\proj")) << "round " << round;
        ASSERT_TRUE(host.makeDriveCurrent(lower(D) + ":"));
        EXPECT_EQ(host.currentFolder(), on(D, "\\src")) << "round " << round;
    }
}

TEST_P(HostContract, MakingTheCurrentDriveCurrentAgainChangesNothing) {
    platform::Host& host = bench->start(on(C, "\\proj"));
    for (const std::string& drive : {on(C, ""), lower(C) + ":", on(C, "")}) {
        ASSERT_TRUE(host.makeDriveCurrent(drive)) << drive;
        EXPECT_EQ(host.currentFolder(), on(C, "\\proj")) << drive;
    }
    ASSERT_TRUE(host.makeDriveCurrent(on(D, "")));
    bench->moveTo(on(D, "\\src"));
    ASSERT_TRUE(host.makeDriveCurrent(on(D, "")));
    EXPECT_EQ(host.currentFolder(), on(D, "\\src"));
    ASSERT_TRUE(host.makeDriveCurrent(on(C, "")));
    EXPECT_EQ(host.currentFolder(), on(C, "\\proj"));
}

TEST_P(HostContract, ALowerCaseDriveLetterNamesTheSameDriveAndReadsInUpperCase) {
    bench->putFile(on(C, "\\proj\\a.c"), "x");
    platform::Host& host = bench->start(on(C, "\\proj"));
    EXPECT_TRUE(host.exists(lower(C) + ":\\proj\\a.c"));
    EXPECT_TRUE(host.exists(lower(C) + ":a.c"));
    // The drive has no folder of its own yet: it is entered at its root.
    ASSERT_TRUE(host.makeDriveCurrent(lower(D) + ":"));
    EXPECT_EQ(host.currentFolder(), on(D, "\\"));
    ASSERT_TRUE(host.makeDriveCurrent(lower(C) + ":"));
    EXPECT_EQ(host.currentFolder(), on(C, "\\proj"));
}

TEST_P(HostContract, DriveRelativeNamesUseTheFolderOfTheirDrive) {
    bench->putFile(on(C, "\\proj\\here.txt"), "c");
    bench->putFile(on(D, "\\src\\there.txt"), "d");
    platform::Host& host = bench->start(on(C, "\\proj"));
    ASSERT_TRUE(host.makeDriveCurrent(on(D, "")));
    bench->moveTo(on(D, "\\src"));
    ASSERT_TRUE(host.makeDriveCurrent(on(C, "")));

    // On the current drive, its current folder; on another drive, the folder it keeps.
    EXPECT_TRUE(host.exists(on(C, "here.txt")));
    EXPECT_TRUE(host.exists(on(D, "there.txt")));
    EXPECT_FALSE(host.exists(on(D, "here.txt")));
    auto reader = host.openTextForReading(on(D, "there.txt"));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->readAll(), "d");
    EXPECT_EQ(host.currentFolder(), on(C, "\\proj"));
}

TEST_P(HostContract, AnUnmappedDriveNamesNothing) {
    std::string whyNot;
    const auto unmapped = bench->unmappedDrive(whyNot);
    if (!unmapped)
        GTEST_SKIP() << whyNot;
    platform::Host& host = bench->start(on(C, "\\proj"));
    EXPECT_FALSE(host.makeDriveCurrent(on(*unmapped, "")));
    EXPECT_EQ(host.currentFolder(), on(C, "\\proj"));
    EXPECT_FALSE(host.exists(on(*unmapped, "\\")));
    EXPECT_FALSE(host.exists(on(*unmapped, "x")));
    EXPECT_EQ(host.makeFolder(on(*unmapped, "\\x")), platform::FolderResult::Failed);
    EXPECT_EQ(host.openForReading(on(*unmapped, "\\x")), nullptr);
    EXPECT_EQ(host.openForWriting(on(*unmapped, "\\x")), nullptr);
    // A tool is handed no path on such a drive, unless the host takes it as its own.
    const std::string folder = lower(*unmapped) + ":\\inc";
    if (bench->unmappedDrivesHaveHostPaths())
        EXPECT_EQ(host.utf8PathOf(folder), platform::Utf8Path(folder));
    else
        EXPECT_EQ(host.utf8PathOf(folder), platform::Utf8Path(platform::NoUtf8Path::UnmappedDrive));
}

TEST_P(HostContract, ARootedNameLiesOnTheCurrentDrive) {
    bench->putFile(on(C, "\\top.txt"), "c");
    bench->putFile(on(D, "\\other.txt"), "d");
    platform::Host& host = bench->start(on(C, "\\proj"));
    EXPECT_TRUE(host.exists("\\top.txt"));
    EXPECT_FALSE(host.exists("\\other.txt"));
    ASSERT_TRUE(host.makeDriveCurrent(on(D, "")));
    EXPECT_TRUE(host.exists("\\other.txt"));
    EXPECT_FALSE(host.exists("\\top.txt"));
}

TEST_P(HostContract, ACurrentFolderOnNoDriveCannotBeRead) {
    platform::Host& host = bench->start(on(C, "\\proj"));
    std::string whyNot;
    if (!bench->leaveEveryDrive(whyNot))
        GTEST_SKIP() << whyNot;
    EXPECT_EQ(host.currentFolder(), std::nullopt);
}

TEST_P(HostContract, ExistenceSeesFilesAndFolders) {
    bench->putFile(on(C, "\\proj\\a.c"), "x");
    platform::Host& host = bench->start(on(C, "\\"));
    EXPECT_TRUE(host.exists(on(C, "\\proj\\a.c")));
    EXPECT_TRUE(host.exists(on(C, "/proj/a.c")));
    EXPECT_TRUE(host.exists(on(C, "\\proj")));
    EXPECT_TRUE(host.exists(on(C, "\\proj\\")));
    EXPECT_TRUE(host.exists("proj\\a.c"));
    EXPECT_FALSE(host.exists(on(C, "\\proj\\b.c")));
    EXPECT_FALSE(host.exists(on(C, "\\gone\\a.c")));
    EXPECT_FALSE(host.exists(on(C, "\\proj\\a.c") + std::string(1, '\0') + ".h"));
    EXPECT_EQ(host.utf8PathOf(on(C, "\\proj\\a.c") + std::string(1, '\0') + ".h"),
              platform::Utf8Path(platform::NoUtf8Path::OtherName));
}

/// The names host lists inside folder, in byte order.
std::vector<std::string> sortedSubfolders(platform::Host& host, const std::string& folder) {
    std::vector<std::string> names = host.subfolderNames(folder);
    std::sort(names.begin(), names.end());
    return names;
}

TEST_P(HostContract, TheFoldersInsideAFolderAreListedAndNothingElse) {
    bench->putFolder(on(C, "\\cvi\\toolslib\\toolbox\\deeper"));
    bench->putFolder(on(C, "\\cvi\\toolslib\\custctrl"));
    bench->putFile(on(C, "\\cvi\\toolslib\\readme.txt"), "x");
    platform::Host& host = bench->start(on(C, "\\proj"));
    const std::vector<std::string> both = {"custctrl", "toolbox"};
    EXPECT_EQ(sortedSubfolders(host, on(C, "\\cvi\\toolslib")), both);
    EXPECT_EQ(sortedSubfolders(host, on(C, "\\cvi\\toolslib\\")), both);
    EXPECT_EQ(sortedSubfolders(host, "..\\cvi\\toolslib"), both);
    EXPECT_EQ(sortedSubfolders(host, on(C, "\\cvi\\toolslib\\custctrl")).size(), 0u);
    EXPECT_EQ(sortedSubfolders(host, on(C, "\\cvi\\toolslib\\readme.txt")).size(), 0u);
    EXPECT_EQ(sortedSubfolders(host, on(C, "\\cvi\\none")).size(), 0u);
}

TEST_P(HostContract, AFolderIsMadeOneLevelAtATimeAndAnExistingOneToldApart) {
    bench->putFile(on(C, "\\plain"), "x");
    platform::Host& host = bench->start(on(C, "\\proj"));
    EXPECT_EQ(host.makeFolder(on(C, "\\out")), platform::FolderResult::Created);
    EXPECT_TRUE(bench->isFolder(on(C, "\\out")));
    EXPECT_EQ(host.makeFolder(on(C, "\\out\\")), platform::FolderResult::AlreadyExists);
    EXPECT_EQ(host.makeFolder(on(C, "\\plain")), platform::FolderResult::AlreadyExists);
    EXPECT_EQ(host.makeFolder(on(C, "\\none\\deeper")), platform::FolderResult::Failed);
    EXPECT_FALSE(bench->isFolder(on(C, "\\none")));
    EXPECT_EQ(host.makeFolder("rel"), platform::FolderResult::Created);
    EXPECT_TRUE(bench->isFolder(on(C, "\\proj\\rel")));
}

TEST_P(HostContract, TextIsReadByLinesWhateverTheLineEnds) {
    bench->putFile(on(C, "\\crlf.txt"), "one\r\ntwo\r\n");
    bench->putFile(on(C, "\\lf.txt"), "one\ntwo\n");
    bench->putFile(on(C, "\\open.txt"), "one\r\ntwo");
    bench->putFile(on(C, "\\cr.txt"), "o\rne\r\r\ntwo\r");
    platform::Host& host = bench->start(on(C, "\\"));
    const auto linesOf = [&](const std::string& path) {
        std::vector<std::string> lines;
        auto reader = host.openTextForReading(path);
        if (!reader)
            return std::vector<std::string>{"<cannot open>"};
        std::string line;
        while (reader->readLine(line))
            lines.push_back(line);
        return lines;
    };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(linesOf(on(C, "\\crlf.txt")), (Lines{"one", "two"}));
    EXPECT_EQ(linesOf(on(C, "\\lf.txt")), (Lines{"one", "two"}));
    EXPECT_EQ(linesOf(on(C, "\\open.txt")), (Lines{"one", "two"}));
    EXPECT_EQ(linesOf(on(C, "\\cr.txt")), (Lines{"o\rne\r", "two\r"}));
    EXPECT_EQ(host.openForReading(on(C, "\\proj")), nullptr);
    EXPECT_EQ(host.openForReading(on(C, "\\missing.txt")), nullptr);
}

TEST_P(HostContract, TextIsWrittenWithCarriageReturnsAndFilesAreTruncated) {
    bench->putFile(on(D, "\\src\\x.txt"), "old content that is longer");
    platform::Host& host = bench->start(on(C, "\\proj"));
    {
        auto out = host.openTextForWriting(on(D, "\\src\\x.txt"));
        ASSERT_NE(out, nullptr);
        out->writeLine("a");
        out->write("b\nc");
        EXPECT_TRUE(out->close());
    }
    EXPECT_EQ(bench->bytesOf(on(D, "\\src\\x.txt")), "a\r\nb\r\nc");
    EXPECT_EQ(host.openForWriting(on(D, "\\nofolder\\x.txt")), nullptr);
    EXPECT_EQ(host.openForWriting(on(D, "\\src")), nullptr);
    EXPECT_FALSE(bench->isFolder(on(D, "\\nofolder")));
}

TEST_P(HostContract, ANameEndingInASpaceOrDotIsKeptOrNamesNothing) {
    platform::Host& host = bench->start(on(C, "\\proj"));
    for (const std::string name : {" padded ", "dot."}) {
        const std::string folder = on(C, "\\proj\\") + name;
        if (bench->keepsTrailingSpacesAndDots()) {
            EXPECT_EQ(host.makeFolder(folder), platform::FolderResult::Created) << name;
            EXPECT_TRUE(host.exists(folder)) << name;
            EXPECT_EQ(host.makeFolder(folder + "\\output"), platform::FolderResult::Created)
                << name;
            EXPECT_TRUE(std::holds_alternative<std::string>(host.utf8PathOf(folder))) << name;
        } else {
            // The system would make another name; the folder could not be reached inside a
            // longer path afterwards.
            EXPECT_EQ(host.makeFolder(folder), platform::FolderResult::Failed) << name;
            EXPECT_FALSE(host.exists(folder)) << name;
            EXPECT_EQ(host.openForWriting(folder), nullptr) << name;
            EXPECT_EQ(host.utf8PathOf(folder), platform::Utf8Path(platform::NoUtf8Path::OtherName))
                << name;
        }
    }
    if (!bench->keepsTrailingSpacesAndDots()) {
        EXPECT_FALSE(bench->isFolder(on(C, "\\proj\\ padded")));
        EXPECT_FALSE(bench->isFolder(on(C, "\\proj\\dot")));
    }
    // "." and ".." are no names of their own.
    EXPECT_TRUE(host.exists(on(C, "\\proj\\.")));
    EXPECT_EQ(host.makeFolder(on(C, "\\proj\\..")), platform::FolderResult::AlreadyExists);
}

TEST_P(HostContract, AQuoteOrControlByteInANameIsKeptOrRefused) {
    platform::Host& host = bench->start(on(C, "\\proj"));
    for (const std::string name : {"a\"b", "a\x01"
                                           "b"}) {
        const auto made = host.makeFolder(on(C, "\\proj\\") + name);
        if (bench->acceptsQuotesAndControlBytesInNames())
            EXPECT_EQ(made, platform::FolderResult::Created);
        else
            EXPECT_EQ(made, platform::FolderResult::Failed);
    }
}

// "Müller" and "Grüß" in code page 1252, and as they are named on disk in UTF-8.
TEST_P(HostContract, NamesInTheCodePageReachTheirUtf8NamesOnDisk) {
    if (bench->codePage() != "1252")
        GTEST_SKIP() << "this host passes names as they are";
    bench->putFile(on(C, "\\M\xC3\xBCller\\a.c"), "x");
    platform::Host& host = bench->start(on(C, "\\M\xC3\xBCller"));
    EXPECT_EQ(host.currentFolder(), on(C, "\\M\xFCller"));
    EXPECT_TRUE(host.exists(on(C, "\\M\xFCller\\a.c")));
    EXPECT_TRUE(host.exists(on(C, "a.c")));
    EXPECT_FALSE(host.exists(on(C, "\\M\xC3\xBCller\\a.c")));
    EXPECT_EQ(host.makeFolder(on(C, "\\Gr\xFC\xDF")), platform::FolderResult::Created);
    EXPECT_TRUE(bench->isFolder(on(C, "\\Gr\xC3\xBC\xC3\x9F")));
    {
        auto out = host.openTextForWriting(on(C, "\\Gr\xFC\xDF\\\xFC.txt"));
        ASSERT_NE(out, nullptr);
        // What is written keeps the code page's bytes; only the names are converted.
        EXPECT_TRUE(out->writeLine("\xFC"));
        EXPECT_TRUE(out->close());
    }
    EXPECT_EQ(bench->bytesOf(on(C, "\\Gr\xC3\xBC\xC3\x9F\\\xC3\xBC.txt")), "\xFC\r\n");
    EXPECT_EQ(host.utf8TextOf("Gr\xFC\xDF"), "Gr\xC3\xBC\xC3\x9F");
    EXPECT_EQ(sortedSubfolders(host, on(C, "\\")),
              (std::vector<std::string>{"Gr\xFC\xDF", "M\xFCller", "proj"}));
    // Tools on this host are handed the name on disk.
    const auto path = host.utf8PathOf(on(C, "\\M\xFCller\\a.c"));
    const std::string utf8 = std::holds_alternative<std::string>(path) ? std::get<0>(path) : "";
    const std::string onDisk = "/M\xC3\xBCller/a.c";
    EXPECT_TRUE(utf8.size() > onDisk.size() &&
                utf8.compare(utf8.size() - onDisk.size(), onDisk.size(), onDisk) == 0)
        << utf8;
}

TEST_P(HostContract, ANameThatIsNotValidInTheCodePageNamesNothing) {
    if (bench->codePage() != "1252")
        GTEST_SKIP() << "this host passes names as they are";
    platform::Host& host = bench->start(on(C, "\\proj"));
    // 0x81 stands for no character in code page 1252.
    const std::string invalid = on(C, "\\proj\\a\x81");
    EXPECT_FALSE(host.exists(invalid));
    EXPECT_EQ(host.makeFolder(invalid), platform::FolderResult::Failed);
    EXPECT_EQ(host.openForWriting(invalid), nullptr);
    EXPECT_EQ(host.openForReading(invalid), nullptr);
    EXPECT_EQ(host.utf8TextOf("a\x81"), std::nullopt);
    EXPECT_EQ(host.utf8PathOf(invalid), platform::Utf8Path(platform::NoUtf8Path::NotUtf8));
    EXPECT_FALSE(bench->isFolder(on(C, "\\proj\\a")));
}
