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

namespace {

using Listing = std::vector<std::pair<std::string, bool>>;

/// A folder's listing as names and whether each is a folder, in byte order; "<none>" when the
/// folder cannot be listed.
Listing sorted(const std::optional<std::vector<platform::FolderEntry>>& listing) {
    if (!listing)
        return {{"<none>", false}};
    Listing names;
    for (const auto& entry : *listing)
        names.emplace_back(entry.name, entry.isFolder);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST_P(HostContract, AFolderListsTheNamesOfItsFilesAndFolders) {
    bench->putFile(on(C, "\\proj\\a.c"), "x");
    bench->putFile(on(C, "\\proj\\B.H"), "x");
    bench->putFile(on(C, "\\proj\\Sub\\deep.h"), "x");
    platform::Host& host = bench->start(on(C, "\\"));
    const Listing proj = {{"B.H", false}, {"Sub", true}, {"a.c", false}};
    EXPECT_EQ(sorted(host.listFolder(on(C, "\\proj"))), proj);
    EXPECT_EQ(sorted(host.listFolder(on(C, "\\proj\\"))), proj);
    EXPECT_EQ(sorted(host.listFolder("proj")), proj);
    EXPECT_EQ(sorted(host.listFolder(on(C, "\\proj\\Sub"))), (Listing{{"deep.h", false}}));
    EXPECT_EQ(sorted(host.listFolder(on(D, "\\src"))), Listing{});
    const Listing root = sorted(host.listFolder(on(C, "\\")));
    EXPECT_NE(std::find(root.begin(), root.end(), std::pair<std::string, bool>("proj", true)),
              root.end());
    EXPECT_EQ(sorted(host.listFolder(on(C, "\\proj\\a.c"))), (Listing{{"<none>", false}}));
    EXPECT_EQ(sorted(host.listFolder(on(C, "\\gone"))), (Listing{{"<none>", false}}));
    // What the host says of letter case, its file system does.
    EXPECT_EQ(host.exists(on(C, "\\PROJ\\A.C")), host.namesIgnoreCase());
}

TEST_P(HostContract, AFolderIsKnownByWhatItIsHoweverAPathReachesIt) {
    bench->putFile(on(C, "\\proj\\Sub\\deep.h"), "x");
    std::string whyNot;
    if (!bench->putLink(on(C, "\\proj\\up"), on(C, "\\"), whyNot))
        GTEST_SKIP() << whyNot;
    platform::Host& host = bench->start(on(C, "\\"));
    const auto proj = host.folderIdentity(on(C, "\\proj"));
    ASSERT_TRUE(proj);
    for (const std::string& path :
         {lower(C) + ":\\proj\\", std::string("proj"), on(C, "\\proj\\Sub\\..")})
        EXPECT_TRUE(host.folderIdentity(path) == proj) << path;
    EXPECT_FALSE(host.folderIdentity(on(C, "\\proj\\Sub")) == proj);
    // A link has the identity of the folder it leads to, and lists as a link.
    EXPECT_TRUE(host.folderIdentity(on(C, "\\proj\\up")) == host.folderIdentity(on(C, "\\")));
    EXPECT_EQ(host.folderIdentity(on(C, "\\proj\\Sub\\deep.h")), std::nullopt);
    EXPECT_EQ(host.folderIdentity(on(C, "\\gone")), std::nullopt);
    const auto listing = host.listFolder(on(C, "\\proj"));
    ASSERT_TRUE(listing);
    std::vector<std::pair<std::string, bool>> links;
    for (const auto& entry : *listing)
        links.emplace_back(entry.name, entry.isLink);
    std::sort(links.begin(), links.end());
    EXPECT_EQ(links, (std::vector<std::pair<std::string, bool>>{{"Sub", false}, {"up", true}}));
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
    EXPECT_EQ(sorted(host.listFolder(on(C, "\\Gr\xFC\xDF"))), (Listing{{"\xFC.txt", false}}));
    EXPECT_EQ(host.utf8TextOf("Gr\xFC\xDF"), "Gr\xC3\xBC\xC3\x9F");
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
    // A name on disk that the code page cannot write is no name here: "\u6E29.h", "\xFC.h".
    bench->putFile(on(C, "\\proj\\\xE6\xB8\xA9.h"), "x");
    bench->putFile(on(C, "\\proj\\\xC3\xBC.h"), "x");
    EXPECT_EQ(sorted(host.listFolder(on(C, "\\proj"))), (Listing{{"\xFC.h", false}}));
    // It is told apart, as the code page can show it.
    const auto listing = host.readFolder(on(C, "\\proj"));
    ASSERT_TRUE(listing);
    const auto& unnamed = listing->unnamed;
    ASSERT_EQ(unnamed.size(), 1u);
    EXPECT_EQ(unnamed[0].shown, "?.h");
    EXPECT_EQ(unnamed[0].why, platform::NoName::NotInCodePage);
}
