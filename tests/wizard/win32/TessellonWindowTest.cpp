// Tessellon.exe driven as a user would: typing into its fields, pressing its buttons and
// reading what it shows, with the real Quorvel.exe or a stand-in on the search path.
// Needs an X display under Wine (xvfb-run -a).
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "WizardDriver.h"
#include "WizardFields.h"
#include "WizardTexts.h"

using namespace tessellon;
namespace texts = wizard::texts;

namespace {

const std::string systemPath = "C:\\windows\\system32;C:\\windows";
const std::wstring initialising = L"Initialising Workspace/Project Conversion ...\r\n";

std::string folderOf(const char* variable, const char* built) {
    const char* given = std::getenv(variable);
    return windowsPathOf(given ? given : built);
}

std::string examples() {
    return windowsPathOf(EXAMPLES_FOLDER);
}

std::string workspace() {
    return examples() + "\\weather\\weather.cws";
}

std::string installFolder() {
    return examples() + "\\cvi";
}

/// The search path that finds the real Quorvel.exe (QUORVEL_FOLDER when that is set).
std::string quorvelPath() {
    return folderOf("QUORVEL_FOLDER", QUORVEL_FOLDER) + ";" + systemPath;
}

/// The search path that finds the stand-in as Quorvel.exe.
std::string standInPath() {
    return windowsPathOf(STANDIN_FOLDER) + ";" + systemPath;
}

std::string hexOf(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char byte : bytes)
        hex += std::string{digits[byte >> 4], digits[byte & 15]};
    return hex;
}

std::wstring wide(const std::string& ansi) {
    std::wstring text(ansi.size(), L'\0');
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &text[0],
                            static_cast<int>(text.size()))));
    return text;
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

/// A wizard started in a scratch folder that is its current folder.
struct Started {
    explicit Started(const std::map<std::string, std::string>& environment)
        : wizard(scratch.path(), environment) {}

    /// Fills the first page with the example and destination, then presses Next pages times.
    void walkOn(const std::string& destination, int pages) {
        wizard.type(CVIWorkspaceEdit, workspace());
        wizard.clear(CVIInstallEdit);
        wizard.type(CVIInstallEdit, installFolder());
        wizard.type(CorvaneProjectEdit, destination);
        wizard.type(CorvaneNameEdit, "weather");
        for (int page = 0; page < pages; ++page)
            wizard.click(NextButton);
    }

    /// Fills the first page with the example and destination, walks to the summary.
    void walkToSummary(const std::string& destination) { walkOn(destination, 3); }

    std::string settings() const { return fileBytes(scratch / "settings.txt"); }

    ScratchFolder scratch;
    WizardDriver wizard;
};

} // namespace

TEST(TessellonWindow, ConvertsTheExampleThroughItsFourPages) {
    ScratchFolder scratch;
    const std::string out = scratch / "out";
    CreateDirectoryA(out.c_str(), nullptr);
    WizardDriver wizard(scratch.path(), {{"PATH", quorvelPath()}});
    ASSERT_TRUE(wizard.found()) << "no window (under Wine this needs an X display)";

    // The paths page.
    EXPECT_EQ(wizard.text(CVIInstallEdit), ::wizard::defaultInstallFolder);
    EXPECT_FALSE(wizard.enabled(NextButton));
    EXPECT_FALSE(wizard.enabled(BackButton));
    EXPECT_FALSE(wizard.enabled(HelpButton));
    EXPECT_FALSE(wizard.visible(FinishButton));
    const std::string ws = workspace();
    wizard.type(CVIWorkspaceEdit, ws.substr(0, ws.size() - 1));
    EXPECT_TRUE(wizard.red(CVIWorkspaceEdit));
    wizard.type(CVIWorkspaceEdit, ws.substr(ws.size() - 1));
    EXPECT_FALSE(wizard.red(CVIWorkspaceEdit));
    EXPECT_TRUE(wizard.red(CVIInstallEdit)); // the default folder does not exist here
    wizard.clear(CVIInstallEdit);
    wizard.type(CVIInstallEdit, installFolder());
    EXPECT_FALSE(wizard.red(CVIInstallEdit));
    wizard.type(CorvaneProjectEdit, out);
    EXPECT_FALSE(wizard.red(CorvaneProjectEdit));
    EXPECT_FALSE(wizard.enabled(NextButton)); // no name yet
    wizard.type(CorvaneNameEdit, "weather");
    EXPECT_TRUE(wizard.enabled(NextButton));
    wizard.backspace(CVIWorkspaceEdit);
    EXPECT_TRUE(wizard.red(CVIWorkspaceEdit));
    EXPECT_FALSE(wizard.enabled(NextButton));
    wizard.type(CVIWorkspaceEdit, ws.substr(ws.size() - 1));
    EXPECT_TRUE(wizard.enabled(NextButton));
    wizard.click(NextButton);

    // The personalities page.
    EXPECT_TRUE(wizard.visible(Page1));
    EXPECT_FALSE(wizard.visible(Page0));
    EXPECT_TRUE(wizard.enabled(BackButton));
    EXPECT_TRUE(wizard.enabled(NextButton));
    wizard.type(MsgPersonEdit, scratch / "missing.p_s");
    EXPECT_TRUE(wizard.red(MsgPersonEdit));
    EXPECT_FALSE(wizard.enabled(NextButton));
    wizard.clear(MsgPersonEdit);
    EXPECT_TRUE(wizard.enabled(NextButton));
    wizard.click(NextButton);

    // The extensions page.
    EXPECT_TRUE(wizard.visible(Page2));
    wizard.click(cCheck);
    wizard.click(hCheck);
    EXPECT_TRUE(wizard.checked(cCheck));
    wizard.click(NextButton);

    // The summary.
    EXPECT_TRUE(wizard.visible(Page3));
    EXPECT_FALSE(wizard.visible(NextButton));
    EXPECT_TRUE(wizard.visible(FinishButton));
    EXPECT_TRUE(wizard.enabled(FinishButton));
    EXPECT_EQ(wizard.wideText(DetailsText),
              wide("Lab Windows CVI Workspace/Project:\r\n" + ws +
                   "\r\n\r\nCVI Install Directory:\r\n" + installFolder() +
                   "\r\n\r\nCorvane / Corvane++ Project Directory:\r\n" + out +
                   "\r\n\r\nCorvane / Corvane++ Project Name:\r\nweather\r\n\r\n"
                   "Message Personality:\r\n\r\n\r\nTamplate Analyser Personality:\r\n\r\n\r\n"
                   "Compiler Personality:\r\n\r\n\r\nFile Extensions:\r\nc,h\r\n"));

    wizard.click(FinishButton);
    ASSERT_TRUE(eventually([&] { return wizard.text(CancelButton) == texts::close; }))
        << wizard.text(DetailsText);
    // The log is the converter's console, each line once, and the success line.
    EXPECT_EQ(wizard.wideText(DetailsText), wide("Initialising Workspace/Project Conversion ...\r\n"
                                                 "Creating Corvane/Corvane++ Project ...\r\n"
                                                 "  Creating Group - weather\r\n"
                                                 "  Creating Group - station\r\n"
                                                 "  Creating Analyser Personality - " +
                                                 out +
                                                 "\\weather\\station\\person\\station.p_a\r\n"
                                                 "  Creating Group - Source Files\r\n"
                                                 "  Creating Group - Sensor Drivers\r\n"
                                                 "  Creating Group - display\r\n"
                                                 "  Creating Group - Source Files\r\n"
                                                 "Corvane/Corvane++ Project Completed!\r\n"
                                                 "\r\nProject Converted Successfully!"));
    EXPECT_FALSE(wizard.enabled(FinishButton));
    EXPECT_TRUE(exists(out + "\\weather.prj"));
    EXPECT_EQ(fileBytes(scratch / "settings.txt"),
              "CVI Installation Path:\n" + installFolder() + "\n\n");

    wizard.click(CancelButton);
    EXPECT_TRUE(wizard.waitForEnd());
}

TEST(TessellonWindow, AFailingRunShowsTheFailureBoxThenSavesTheSettings) {
    ScratchFolder scratch;
    const std::string gone = scratch / "gone.cws";
    const std::string compiler = scratch / "cc.p_c";
    for (const std::string& file : {gone, compiler})
        CloseHandle(
            CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    WizardDriver wizard(scratch.path(), {{"PATH", quorvelPath()}});
    ASSERT_TRUE(wizard.found());
    wizard.type(CVIWorkspaceEdit, gone);
    wizard.clear(CVIInstallEdit);
    wizard.type(CVIInstallEdit, installFolder());
    wizard.type(CorvaneProjectEdit, scratch.path());
    wizard.type(CorvaneNameEdit, "gone");
    wizard.click(NextButton);
    wizard.type(CmpPersonEdit, compiler);
    wizard.click(NextButton);
    wizard.click(NextButton);
    DeleteFileA(gone.c_str());

    wizard.click(FinishButton);
    HWND box = nullptr;
    ASSERT_TRUE(eventually([&] { return (box = wizard.messageBox()) != nullptr; }));
    EXPECT_EQ(WizardDriver::messageText(box), texts::failure);
    EXPECT_EQ(wizard.wideText(DetailsText),
              initialising + wide("Could not open file: " + gone) + L"\r\n");
    EXPECT_FALSE(exists(scratch / "settings.txt")); // not before the box is closed
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    const std::string expected = "CVI Installation Path:\n" + installFolder() +
                                 "\n\nCompiler Personality:\n" + compiler + "\n\n";
    EXPECT_TRUE(eventually([&] { return fileBytes(scratch / "settings.txt") == expected; }))
        << fileBytes(scratch / "settings.txt");
    EXPECT_TRUE(wizard.enabled(FinishButton));
    EXPECT_EQ(wizard.text(CancelButton), "Cancel");
}

TEST(TessellonWindow, CancelDuringARunKillsTheChildAndSavesTheSettings) {
    Started started(
        {{"PATH", standInPath()}, {"STANDIN_SLEEP", "1"}, {"STANDIN_OUTPUT", hexOf("working\n")}});
    ASSERT_TRUE(started.wizard.found());
    started.walkToSummary(started.scratch.path());
    started.wizard.click(FinishButton);
    std::string pid;
    ASSERT_TRUE(
        eventually([&] { return !(pid = fileBytes(started.scratch / "standin.pid")).empty(); }));
    HANDLE child = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::stoul(pid)));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(WaitForSingleObject(child, 0), static_cast<DWORD>(WAIT_TIMEOUT));

    started.wizard.click(CancelButton);
    EXPECT_TRUE(started.wizard.waitForEnd());
    // The wizard waited for the killed child before it ended.
    EXPECT_EQ(WaitForSingleObject(child, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(child);
    EXPECT_EQ(started.settings(), "CVI Installation Path:\n" + installFolder() + "\n\n");
}

TEST(TessellonWindow, TheDatabaseChoicesReachQuorvelsArguments) {
    Started started({{"PATH", standInPath()}});
    WizardDriver& wizard = started.wizard;
    ASSERT_TRUE(wizard.found());
    const std::string out = started.scratch.path();
    started.walkOn(out, 2);
    EXPECT_EQ(wizard.text(cdbFileEdit), out + "\\compile_commands.json");
    EXPECT_FALSE(wizard.enabled(cdbConfigCombo));
    wizard.click(cdbCheck);
    EXPECT_TRUE(wizard.enabled(cdbConfigCombo));
    const std::string file = started.scratch / "all.json";
    wizard.clear(cdbFileEdit);
    wizard.type(cdbFileEdit, file);
    wizard.click(cdbAppendCheck);
    wizard.choose(cdbConfigCombo, 2);
    wizard.click(NextButton);
    const std::wstring summary = wizard.wideText(DetailsText);
    const std::wstring lines = wide("\r\nCompilation Database:\r\n" + file +
                                    "\r\n\r\nOther Entries in the Database:\r\nKept\r\n\r\n"
                                    "Build Configuration:\r\nRelease\r\n");
    ASSERT_GE(summary.size(), lines.size());
    EXPECT_EQ(summary.substr(summary.size() - lines.size()), lines);

    // A name typed into the configuration's field counts as well.
    wizard.click(BackButton);
    wizard.type(cdbConfigCombo, "64");
    wizard.click(NextButton);
    wizard.click(FinishButton);
    ASSERT_TRUE(eventually([&] { return wizard.text(CancelButton) == texts::close; }));
    std::string expected;
    for (const std::string& item :
         {workspace(), installFolder(), out, std::string("-pn"), std::string("weather"),
          std::string("-cdbappend"), file, std::string("-cdbconfig"), std::string("Release64")})
        expected += item + '\0';
    EXPECT_EQ(fileBytes(started.scratch / "standin-arguments.txt"), expected);
}

// Run with Wine in a code page of its own (LANG=ru_RU.UTF-8 gives 1251, zh_CN.UTF-8 936).
TEST(TessellonWindow, TheLogShowsNonLatinNamesInTheSystemsCodePage) {
    std::string name;
    std::wstring expected;
    std::string split = "0";
    if (GetACP() == 1251) {
        name = "\xCF\xEE\xE3\xEE\xE4\xE0";
        expected = L"\u041F\u043E\u0433\u043E\u0434\u0430";
    } else if (GetACP() == 936) {
        // The stand-in writes the lead byte of the first character on its own.
        name = "\xCE\xC2\xB6\xC8";
        split = "1";
        expected = L"\u6E29\u5EA6";
    } else {
        GTEST_SKIP() << "code page " << GetACP() << "; run with LANG=ru_RU.UTF-8 or zh_CN.UTF-8";
    }
    Started started({{"PATH", standInPath()},
                     {"STANDIN_OUTPUT", hexOf(name + "\r\n")},
                     {"STANDIN_SPLIT", split}});
    ASSERT_TRUE(started.wizard.found());
    started.walkToSummary(started.scratch.path());
    started.wizard.click(FinishButton);
    ASSERT_TRUE(eventually([&] { return started.wizard.text(CancelButton) == texts::close; }));
    EXPECT_EQ(started.wizard.wideText(DetailsText),
              initialising + expected + L"\r\n\r\nProject Converted Successfully!");
}
