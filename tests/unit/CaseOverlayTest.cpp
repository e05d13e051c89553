#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CaseOverlay.h"
#include "CommandLine.h"
#include "CviSourceEntry.h"
#include "FakeHost.h"

namespace {

using Strings = std::vector<std::string>;
using Folders = std::map<std::string, Strings>;

/// The project file C:\ws\p.prj: main.c, drivers\wind.c and the include folders given.
std::string project(const Strings& includeFolders) {
    std::string text =
        cviSourceEntry("main.c") + cviSourceEntry("drivers\\wind.c") + "[Include Paths]\n";
    for (std::size_t i = 0; i < includeFolders.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        text += "Include Path " + number + " Is Rel = False\nInclude Path " + number + " = \"" +
                includeFolders[i] + "\"\n";
    }
    return text;
}

/// The project C:\ws\p.prj with include folders inc\ and one that is not there, on a host
/// whose names heed case, with the CVI header folder C:\cvi\include.
struct Overlay : ::testing::Test {
    FakeHost host;
    std::ostringstream console;
    std::ostringstream errors;

    Overlay() { prepare(); }
    /// A fresh host holding the project, its names heeding case.
    void prepare() {
        host = FakeHost();
        host.ignoresCase = false;
        host.addFolder("C:\\out");
        host.addFile("C:\\cvi\\include\\ansi_c.h", "");
        host.addFile("C:\\ws\\p.prj", project({"/C/ws/inc/", "/C/author/include"}));
        for (const char* file : {"main.c", "util.h", "Sub\\Deep.h", "drivers\\wind.c",
                                 "inc\\Plant.H", "a\\b\\c\\d\\tooDeep.h", ".git\\HEAD"})
            host.addFile(std::string("C:\\ws\\") + file, "");
    }
    int run(const std::string& database = "C:\\out\\cc.json") {
        return runQuorvel({"C:\\ws\\p.prj", "C:\\cvi", "C:\\out", "-cdb", database}, host, console,
                          errors);
    }
    /// The overlay's folders and their files' names, as written; a file that is not the name
    /// inside its folder is followed by " -> " and the path it is mapped to.
    Folders overlaid() {
        Folders folders;
        const auto overlay = nlohmann::json::parse(host.fileBytes("C:\\out\\cc.overlay.json"));
        for (const auto& folder : overlay["roots"])
            for (const auto& file : folder["contents"]) {
                const std::string name = file["name"];
                const std::string path = file["external-contents"];
                folders[folder["name"]].push_back(
                    path == folder["name"].get<std::string>() + "\\" + name ? name
                                                                            : name + " -> " + path);
            }
        return folders;
    }
};

} // namespace

TEST_F(Overlay, HoldsEverySearchedFolderDownToItsDepthAndEveryEntryPassesIt) {
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(errors.str(), "");
    const std::string tail = "  Creating Compilation Database - C:\\out\\cc.json\n"
                             "  Creating Case Overlay - C:\\out\\cc.overlay.json\n"
                             "Corvane/Corvane++ Project Completed!\n";
    ASSERT_GE(console.str().size(), tail.size());
    EXPECT_EQ(console.str().substr(console.str().size() - tail.size()), tail);
    // A subfolder keeps the case it has; three levels down and no hidden folder; the include
    // folder that is not there is passed over.
    EXPECT_EQ(overlaid(), (Folders{{"C:\\ws", {"main.c", "p.prj", "util.h"}},
                                   {"C:\\ws\\Sub", {"Deep.h"}},
                                   {"C:\\ws\\drivers", {"wind.c"}},
                                   {"C:\\ws\\inc", {"Plant.H"}},
                                   {"C:\\cvi\\include", {"ansi_c.h"}}}));
    // Folders that both entries search, or reach from above, are listed once; the folders
    // above the searched ones are looked into after them.
    EXPECT_EQ(host.listedFolders,
              (Strings{"C:\\ws", "C:\\ws\\Sub", "C:\\ws\\a", "C:\\ws\\a\\b", "C:\\ws\\a\\b\\c",
                       "C:\\ws\\drivers", "C:\\ws\\inc", "C:\\cvi\\include", "C:\\", "C:\\cvi"}));
    const auto database = nlohmann::json::parse(host.fileBytes("C:\\out\\cc.json"));
    ASSERT_EQ(database.size(), 2u);
    for (const auto& entry : database) {
        const Strings arguments = entry["arguments"];
        const Strings end(arguments.end() - 5, arguments.end());
        EXPECT_EQ(end, (Strings{"-ivfsoverlayC:\\out\\cc.overlay.json", "-c", "-x", "c",
                                entry["file"].get<std::string>()}));
    }
    EXPECT_EQ(host.writtenFiles.back(), "C:\\out\\cc.overlay.json");

    // Where names ignore case already, the same run writes no overlay and names none.
    auto withoutOverlay = database;
    for (auto& entry : withoutOverlay) {
        auto& arguments = entry["arguments"];
        arguments.erase(arguments.end() - 5);
    }
    prepare();
    host.ignoresCase = true;
    console.str("");
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(console.str().find("Case Overlay"), std::string::npos);
    EXPECT_FALSE(host.isFile("C:\\out\\cc.overlay.json"));
    EXPECT_EQ(nlohmann::json::parse(host.fileBytes("C:\\out\\cc.json")), withoutOverlay);
    EXPECT_TRUE(host.listedFolders.empty());
}

namespace {

/// An include folder as the project writes it, and the overlay folder it gives, with Quorvel
/// standing in C:\lib\deep and C: keeping that folder.
struct SearchedFolder {
    std::string written;
    std::string folder;
    Strings files;
};

void PrintTo(const SearchedFolder& searched, std::ostream* out) {
    *out << searched.written;
}

struct OverlayOfIncludeFolder : Overlay, ::testing::WithParamInterface<SearchedFolder> {};

} // namespace

TEST_P(OverlayOfIncludeFolder, IsTheFolderClangSearchesEachFileMappedToItself) {
    host.addFile("C:\\ws\\p.prj", project({GetParam().written}));
    host.addFile("C:\\include\\H.h", "");
    host.addFile("C:\\lib\\deep\\log.h", "");
    host.setCurrentFolder("C:\\lib\\deep");
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(overlaid().at(GetParam().folder), GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(
    Written, OverlayOfIncludeFolder,
    ::testing::Values(
        // The current folder of drive C:, as clang is given it.
        SearchedFolder{"/c", "c:", {"log.h -> c:log.h"}},
        // Relative to the entry's directory, not to the folder Quorvel stands in.
        SearchedFolder{"../include", "C:\\ws\\..\\include", {"H.h"}}));

TEST_F(Overlay, LeavesOutNamesThatDifferOnlyInCaseAndEverythingBelowThemWithALine) {
    // C:\lib\X is met only on the way to an include folder.
    host.addFile("C:\\ws\\p.prj", project({"/C/ws/sub", "/C/lib/X/inc"}));
    for (const char* file :
         {"ws\\Util.h", "ws\\sub\\s.h", "ws\\sub\\deeper\\d.h", "lib\\X\\inc\\x.h", "lib\\x\\y.h"})
        host.addFile(std::string("C:\\") + file, "");
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(errors.str(), "Left out of the Case Overlay: folders C:\\ws\\Sub and C:\\ws\\sub "
                            "(their names differ only in letter case)\n"
                            "Left out of the Case Overlay: files C:\\ws\\Util.h and C:\\ws\\util.h "
                            "(their names differ only in letter case)\n"
                            "Left out of the Case Overlay: folders C:\\lib\\X and C:\\lib\\x "
                            "(their names differ only in letter case)\n");
    EXPECT_EQ(overlaid(), (Folders{{"C:\\ws", {"main.c", "p.prj"}},
                                   {"C:\\ws\\drivers", {"wind.c"}},
                                   {"C:\\ws\\inc", {"Plant.H"}},
                                   {"C:\\cvi\\include", {"ansi_c.h"}}}));
}

TEST_F(Overlay, WalksEachRealFolderOnceOnItsOwnFileSystem) {
    host.addFile("C:\\ws\\p.prj", project({"/C/ws/inc", "/c/ws/inc/", "/C/ws/inc/self"}));
    host.addLink("C:\\ws\\inc\\self", "C:\\ws\\inc");
    host.addLink("C:\\ws\\inc\\up", "C:\\ws");
    host.addLink("C:\\ws\\inc\\out", "C:\\");
    host.addFile("C:\\ws\\mnt\\m.h", "");
    host.setFileSystem("C:\\ws\\mnt", 2);
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(errors.str(), "Left out of the Case Overlay: folder C:\\ws\\mnt "
                            "(on another file system)\n"
                            "Left out of the Case Overlay: folder C:\\ws\\inc\\out "
                            "(a link to another folder)\n");
    EXPECT_EQ(host.listedFolders,
              (Strings{"C:\\ws", "C:\\ws\\Sub", "C:\\ws\\a", "C:\\ws\\a\\b", "C:\\ws\\a\\b\\c",
                       "C:\\ws\\drivers", "C:\\ws\\inc", "C:\\cvi\\include", "C:\\", "C:\\cvi"}));
    EXPECT_EQ(overlaid().count("C:\\ws\\mnt"), 0u);
}

TEST_F(Overlay, LeavesOutWithALineEachFolderItCannotListAndEachNameWithoutAUtf8Form) {
    // The include folder spelled twice, once for each spelling of its drive.
    host.addFile("C:\\ws\\p.prj", project({"/C/ws/inc", "/c/ws/inc"}));
    host.unlistableFolders.insert("C:\\ws\\inc");
    host.unlistableFolders.insert("C:\\ws\\Sub");
    host.addFile("C:\\ws\\M\xFCller.h", "");
    host.addFile("C:\\ws\\\xFC\\x.h", "");
    host.unnamedEntries["C:\\ws"] = {{"?.h", false, platform::NoName::NotInCodePage},
                                     {"a\\b", true, platform::NoName::HoldsBackslash}};
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(errors.str(), "Left out of the Case Overlay: file C:\\ws\\?.h "
                            "(its name cannot be written in the code page of the names)\n"
                            "Left out of the Case Overlay: folder C:\\ws\\a\\b "
                            "(its name holds a \"\\\")\n"
                            "Left out of the Case Overlay: file C:\\ws\\M\xFCller.h "
                            "(cannot be written as UTF-8)\n"
                            "Left out of the Case Overlay: folder C:\\ws\\Sub (cannot be listed)\n"
                            "Left out of the Case Overlay: folder C:\\ws\\inc (cannot be listed)\n"
                            "Left out of the Case Overlay: folder C:\\ws\\\xFC "
                            "(cannot be written as UTF-8)\n");
    const auto folders = overlaid();
    EXPECT_EQ(folders.at("C:\\ws"), (Strings{"main.c", "p.prj", "util.h"}));
    EXPECT_EQ(folders.count("C:\\ws\\Sub"), 0u);
}

TEST_F(Overlay, ThatCannotBeWrittenFailsTheRunAfterTheDatabase) {
    host.failingWrites.insert("C:\\out\\cc.overlay.json");
    EXPECT_EQ(run(), 1);
    const std::string tail = "  Creating Case Overlay - C:\\out\\cc.overlay.json\n"
                             "Could not write file: C:\\out\\cc.overlay.json\n";
    EXPECT_EQ(console.str().substr(console.str().size() - tail.size()), tail);
    EXPECT_TRUE(host.isFile("C:\\out\\cc.json"));
}

TEST_F(Overlay, WhosePathHasNoUtf8FormIsNeitherWrittenNorNamed) {
    ASSERT_EQ(run("C:\\out\\\xFC.json"), 0);
    EXPECT_EQ(errors.str(), "Left out of the Case Overlay: C:\\out\\\xFC.overlay.json "
                            "(cannot be written as UTF-8)\n");
    EXPECT_FALSE(host.isFile("C:\\out\\\xFC.overlay.json"));
    EXPECT_EQ(host.fileBytes("C:\\out\\\xFC.json").find("-ivfsoverlay"), std::string::npos);
}

struct OverlayPath : ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(OverlayPath, IsTheDatabasesNameWithoutItsExtensionBesideIt) {
    EXPECT_EQ(caseOverlayPathOf(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Databases, OverlayPath,
                         ::testing::Values(std::pair{"C:\\out\\compile_commands.json",
                                                     "C:\\out\\compile_commands.overlay.json"},
                                           std::pair{"C:\\v1.2\\db", "C:\\v1.2\\db.overlay.json"},
                                           std::pair{"D:cc.json", "D:cc.overlay.json"},
                                           std::pair{"C:/a.b/c.d.e", "C:/a.b/c.d.overlay.json"},
                                           std::pair{"C:\\out\\.json",
                                                     "C:\\out\\.json.overlay.json"}));

namespace {

/// The text the overlay's writer receives, piece by piece, for folders.
std::string rendered(const std::vector<OverlayFolder>& folders) {
    std::string text;
    renderCaseOverlay(folders, [&text](std::string_view piece) { text += piece; });
    return text;
}

} // namespace

TEST(RenderOverlay, IsClangsCaseInsensitiveFileSystemWithEachFileAtItsRealPath) {
    EXPECT_EQ(rendered({{"/w/\"q\"", {{"A.h", "/w/\"q\"/A.h"}}}}),
              "{\n"
              "  \"version\": 0,\n"
              "  \"case-sensitive\": \"false\",\n"
              "  \"roots\": [\n"
              "    {\n"
              "      \"type\": \"directory\",\n"
              "      \"name\": \"/w/\\\"q\\\"\",\n"
              "      \"contents\": [\n"
              "        {\n"
              "          \"type\": \"file\",\n"
              "          \"name\": \"A.h\",\n"
              "          \"external-contents\": \"/w/\\\"q\\\"/A.h\"\n"
              "        }\n"
              "      ]\n"
              "    }\n"
              "  ]\n"
              "}\n");
    // Written a folder at a time, it is the JSON dump indented by two of the same document.
    const std::vector<OverlayFolder> folders = {
        {"/a", {{"x\x01\\.h", "/a/x\x01\\.h"}, {"\xC3\xBC.h", "/a/\xC3\xBC.h"}}}, {"/b", {}}};
    nlohmann::ordered_json roots = nlohmann::ordered_json::array();
    for (const OverlayFolder& folder : folders) {
        nlohmann::ordered_json contents = nlohmann::ordered_json::array();
        for (const auto& [name, path] : folder.files)
            contents.push_back({{"type", "file"}, {"name", name}, {"external-contents", path}});
        roots.push_back({{"type", "directory"}, {"name", folder.path}, {"contents", contents}});
    }
    for (const auto& written : {folders, std::vector<OverlayFolder>{}}) {
        nlohmann::ordered_json overlay = {{"version", 0}, {"case-sensitive", "false"}};
        overlay["roots"] = written.empty() ? nlohmann::ordered_json::array() : roots;
        EXPECT_EQ(rendered(written), overlay.dump(2) + "\n");
    }
}
