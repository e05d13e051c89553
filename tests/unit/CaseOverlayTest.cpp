#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CaseOverlay.h"
#include "CommandLine.h"
#include "CviSourceEntry.h"
#include "FakeHost.h"

namespace {

using Strings = std::vector<std::string>;

/// The project C:\ws\p.prj (main.c, drivers\wind.c, include folders inc\ and one that is not
/// there) on a host whose names heed case, with the CVI header folder C:\cvi\include.
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
        host.addFile("C:\\ws\\p.prj", cviSourceEntry("main.c") + cviSourceEntry("drivers\\wind.c") +
                                          "[Include Paths]\n"
                                          "Include Path 1 Is Rel = False\n"
                                          "Include Path 1 = \"/C/ws/inc/\"\n"
                                          "Include Path 2 Is Rel = False\n"
                                          "Include Path 2 = \"/C/author/include\"\n");
        for (const char* file : {"main.c", "Util.h", "util.h", "Sub\\Deep.h", "drivers\\wind.c",
                                 "inc\\Plant.H", "a\\b\\c\\d\\tooDeep.h", ".git\\HEAD"})
            host.addFile(std::string("C:\\ws\\") + file, "");
    }
    int run(const std::string& database = "C:\\out\\cc.json") {
        return runQuorvel({"C:\\ws\\p.prj", "C:\\cvi", "C:\\out", "-cdb", database}, host, console,
                          errors);
    }
    /// The overlay's folders and their files' names, as written.
    std::map<std::string, Strings> overlaid() {
        std::map<std::string, Strings> folders;
        const auto overlay = nlohmann::json::parse(host.fileBytes("C:\\out\\cc.overlay.json"));
        for (const auto& folder : overlay["roots"])
            for (const auto& file : folder["contents"]) {
                const std::string name = file["name"];
                EXPECT_EQ(file["external-contents"],
                          folder["name"].get<std::string>() + "\\" + name);
                folders[folder["name"]].push_back(name);
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
    // Names that differ in case both stay, a subfolder keeps the case it has; three levels
    // down and no hidden folder; the include folder that is not there is passed over.
    EXPECT_EQ(overlaid(),
              (std::map<std::string, Strings>{{"C:\\ws", {"Util.h", "main.c", "p.prj", "util.h"}},
                                              {"C:\\ws\\Sub", {"Deep.h"}},
                                              {"C:\\ws\\drivers", {"wind.c"}},
                                              {"C:\\ws\\inc", {"Plant.H"}},
                                              {"C:\\cvi\\include", {"ansi_c.h"}}}));
    // Folders that both entries search, or reach from above, are listed once.
    EXPECT_EQ(host.listedFolders,
              (Strings{"C:\\ws", "C:\\ws\\Sub", "C:\\ws\\a", "C:\\ws\\a\\b", "C:\\ws\\a\\b\\c",
                       "C:\\ws\\drivers", "C:\\ws\\inc", "C:\\cvi\\include"}));
    const auto database = nlohmann::json::parse(host.fileBytes("C:\\out\\cc.json"));
    ASSERT_EQ(database.size(), 2u);
    for (const auto& entry : database) {
        const Strings arguments = entry["arguments"];
        const Strings end(arguments.end() - 4, arguments.end());
        EXPECT_EQ(end, (Strings{"-ivfsoverlay", "C:\\out\\cc.overlay.json", "-c",
                                entry["file"].get<std::string>()}));
    }
    EXPECT_EQ(host.writtenFiles.back(), "C:\\out\\cc.overlay.json");

    // Where names ignore case already, the same run writes no overlay and names none.
    auto withoutOverlay = database;
    for (auto& entry : withoutOverlay) {
        auto& arguments = entry["arguments"];
        arguments.erase(arguments.end() - 4, arguments.end() - 2);
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

TEST_F(Overlay, LeavesOutWithALineAFolderItCannotListAndANameWithoutAUtf8Form) {
    host.unlistableFolders.insert("C:\\ws\\Sub");
    host.addFile("C:\\ws\\M\xFCller.h", "");
    host.addFile("C:\\ws\\\xFC\\x.h", "");
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(errors.str(), "Left out of the Case Overlay: file C:\\ws\\M\xFCller.h "
                            "(cannot be written as UTF-8)\n"
                            "Left out of the Case Overlay: folder C:\\ws\\Sub (cannot be listed)\n"
                            "Left out of the Case Overlay: folder C:\\ws\\\xFC "
                            "(cannot be written as UTF-8)\n");
    const auto folders = overlaid();
    EXPECT_EQ(folders.at("C:\\ws"), (Strings{"Util.h", "main.c", "p.prj", "util.h"}));
    EXPECT_EQ(folders.count("C:\\ws\\Sub"), 0u);
    EXPECT_EQ(folders.at("C:\\ws\\inc"), Strings{"Plant.H"});
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
