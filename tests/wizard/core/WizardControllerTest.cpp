// What the wizard does under any face: the page flow, settings.txt, the browse buttons and a
// run of the converter, against a fake face and fake children.
#include <gtest/gtest.h>

#include "FakeFace.h"

namespace {

using wizard::Field;
using wizard::PathMark;

const std::string started = "Initialising Workspace/Project Conversion ...\n";
const std::string notStarted = "\nWorkspace/Project Conversion could not be executed: Please "
                               "ensure Quorvel.exe is set on the path.\n";
const std::string succeeded = "\nProject Converted Successfully!";
const std::string defaultSettings =
    "CVI Installation Path:\nC:\\Program Files\\National Instruments\\CVI85\n\n";

TEST(WizardController, NextBackAndFinishFollowThePages) {
    ControllerFixture fixture;
    const wizard::ButtonStates& buttons = fixture.face.buttons;
    EXPECT_EQ(buttons.page, 0);
    EXPECT_FALSE(buttons.back());
    EXPECT_FALSE(buttons.next());
    fixture.controller.textChanged(Field::Workspace, "C:\\ws\\app.cws");
    fixture.controller.textChanged(Field::Destination, "C:\\out");
    EXPECT_FALSE(buttons.next()); // no name yet
    fixture.controller.textChanged(Field::ProjectName, "app");
    EXPECT_TRUE(buttons.next());
    fixture.controller.next();
    EXPECT_EQ(buttons.page, 1);
    EXPECT_TRUE(buttons.back());

    fixture.controller.textChanged(Field::MessagePersonality, "C:\\p\\gone.p_s");
    EXPECT_EQ(fixture.face.marks[Field::MessagePersonality], PathMark::Missing);
    EXPECT_FALSE(buttons.next());
    fixture.controller.next(); // refused while disabled
    EXPECT_EQ(buttons.page, 1);
    fixture.controller.textChanged(Field::MessagePersonality, "C:\\p\\m.p_s");
    fixture.controller.next();
    fixture.controller.extensionChecked(wizard::ExtensionBox::C, true);
    fixture.controller.textChanged(Field::CustomExtensions, "res,");
    EXPECT_FALSE(buttons.finish());
    fixture.controller.next();
    EXPECT_EQ(buttons.page, 3);
    EXPECT_FALSE(buttons.next());
    EXPECT_TRUE(buttons.finish());
    EXPECT_EQ(fixture.controller.extensionValue(), "c,res");
    EXPECT_EQ(fixture.face.log.substr(0, 36), "Lab Windows CVI Workspace/Project:\nC");

    fixture.runWith({"done\n"}, true, 0);
    EXPECT_FALSE(buttons.finish());
    EXPECT_TRUE(buttons.close);
    // Back and Next make a fresh summary to run again; Close stays Close.
    fixture.controller.back();
    fixture.controller.next();
    EXPECT_TRUE(buttons.finish());
    EXPECT_TRUE(buttons.close);
    fixture.controller.cancel();
    EXPECT_EQ(fixture.face.closes, 1);
}

/// A whole run: the output's chunks, the way the child ended, and what the wizard did.
struct RunCase {
    const char* name;
    std::vector<std::string> chunks;
    bool endedNormally;
    int status;
    std::string log;
    std::vector<std::string> boxes; ///< settings.txt as each failure box showed
    bool finishAfter;
};

void PrintTo(const RunCase& run, std::ostream* out) {
    *out << run.name;
}

class WizardRun : public testing::TestWithParam<RunCase> {};

TEST_P(WizardRun, EndsAsTheChildDid) {
    const RunCase& run = GetParam();
    ControllerFixture fixture;
    ASSERT_TRUE(fixture.toSummary());
    fixture.runWith(run.chunks, run.endedNormally, run.status);
    EXPECT_EQ(fixture.face.log, started + run.log);
    EXPECT_EQ(fixture.face.boxes, run.boxes);
    EXPECT_EQ(fixture.face.buttons.finish(), run.finishAfter);
    EXPECT_EQ(fixture.face.buttons.close, !run.finishAfter);
    EXPECT_EQ(fixture.face.outputEnds, 1);
    // Saved after every end, and after the box was closed.
    EXPECT_EQ(fixture.settings(), defaultSettings);
    EXPECT_FALSE(fixture.controller.running());
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, WizardRun,
    testing::Values(RunCase{"success",
                            {"Reading Workspace ...\r\n", "half a li", "ne\r\nCompleted!\r\n"},
                            true,
                            0,
                            "Reading Workspace ...\nhalf a line\nCompleted!\n" + succeeded,
                            {},
                            false},
                    RunCase{"failure",
                            {"Could not open file: C:\\ws\\app.cws\n"},
                            true,
                            1,
                            "Could not open file: C:\\ws\\app.cws\n",
                            {"-"},
                            true},
                    RunCase{"crash", {"partial output\n"}, false, 1, "partial output\n", {}, true}),
    [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

TEST(WizardController, WithoutTheConverterTheLogSaysSoAndNothingIsSaved) {
    ControllerFixture fixture;
    ASSERT_TRUE(fixture.toSummary());
    fixture.face.childrenStart = false;
    fixture.controller.finish();
    EXPECT_EQ(fixture.face.log, started + notStarted);
    fixture.controller.finish();
    EXPECT_EQ(fixture.face.log, started + notStarted);
    EXPECT_TRUE(fixture.face.buttons.finish());
    EXPECT_TRUE(fixture.face.boxes.empty());
    EXPECT_EQ(fixture.settings(), "-");
}

TEST(WizardController, ASecondFinishKillsTheFirstChildAndIgnoresItsReports) {
    ControllerFixture fixture;
    ASSERT_TRUE(fixture.toSummary());
    fixture.controller.finish();
    const auto first = fixture.face.children.back();
    fixture.controller.childOutput(first->run, "first\n");
    fixture.controller.finish();
    // The first child is gone before the second starts.
    EXPECT_EQ(fixture.face.events, (std::vector<std::string>{"start 1", "kill 1", "start 2"}));
    EXPECT_EQ(fixture.settings(), defaultSettings); // the killed run ended
    const auto second = fixture.face.children.back();

    fixture.controller.childOutput(first->run, "late\n");
    fixture.controller.childEnded(first->run, true, 0);
    EXPECT_EQ(fixture.face.log, started);
    EXPECT_TRUE(fixture.controller.running());
    EXPECT_FALSE(fixture.face.buttons.close);

    fixture.controller.childOutput(second->run, "second\n");
    second->ended = true;
    fixture.controller.childEnded(second->run, true, 0);
    EXPECT_EQ(fixture.face.events.size(), 3u);
    EXPECT_EQ(fixture.face.log, started + "second\n" + succeeded);
}

TEST(WizardController, CancelDuringARunKillsTheChildSavesAndCloses) {
    ControllerFixture fixture;
    ASSERT_TRUE(fixture.toSummary());
    fixture.controller.finish();
    fixture.controller.cancel();
    EXPECT_EQ(fixture.face.events, (std::vector<std::string>{"start 1", "kill 1"}));
    EXPECT_EQ(fixture.face.closes, 1);
    EXPECT_EQ(fixture.settings(), defaultSettings);

    // Without a run, Cancel closes and writes nothing.
    ControllerFixture idle;
    idle.controller.cancel();
    EXPECT_EQ(idle.face.closes, 1);
    EXPECT_EQ(idle.settings(), "-");
}

TEST(WizardController, TheChildGetsTheProgramThenEveryItemAsTyped) {
    ControllerFixture fixture;
    fixture.controller.textChanged(Field::CompilerPersonality, "C:\\p\\cc.p_c");
    fixture.controller.textChanged(Field::CustomExtensions, " res, \"xml\\");
    fixture.controller.databaseChecked(true);
    ASSERT_TRUE(fixture.toSummary("C:\\my out", "say \"hi\"\\"));
    fixture.controller.finish();
    EXPECT_EQ(fixture.face.children.back()->items,
              (std::vector<std::string>{
                  "Quorvel", "C:\\ws\\app.cws", "C:\\Program Files\\National Instruments\\CVI85",
                  "C:\\my out", "-pn", "say \"hi\"\\", "-cp", "C:\\p\\cc.p_c", "-ext",
                  " res, \"xml\\", "-cdb", "C:\\my out\\compile_commands.json"}));
}

TEST(WizardController, LoadedSettingsFillTheirFieldsAndRunThePageRules) {
    ControllerFixture fixture("CVI Installation Path:\nC:\\missing\n\nMessage Personality:\n"
                              "C:\\p\\m.p_s\n\nCompiler Personality:\nC:\\gone.p_c\n");
    EXPECT_EQ(fixture.face.texts,
              (std::map<Field, std::string>{{Field::InstallFolder, "C:\\missing"},
                                            {Field::MessagePersonality, "C:\\p\\m.p_s"},
                                            {Field::CompilerPersonality, "C:\\gone.p_c"}}));
    EXPECT_EQ(fixture.face.marks[Field::InstallFolder], PathMark::Missing);
    EXPECT_EQ(fixture.face.marks[Field::MessagePersonality], PathMark::Exists);
    EXPECT_EQ(fixture.face.marks[Field::CompilerPersonality], PathMark::Missing);
    EXPECT_FALSE(fixture.face.buttons.complete[1]);

    // A cleared personality is not written, so it is gone at the next start.
    fixture.controller.textChanged(Field::MessagePersonality, "");
    fixture.controller.textChanged(Field::CompilerPersonality, "C:\\p\\cc.p_c");
    fixture.controller.textChanged(Field::InstallFolder, "C:\\out");
    ASSERT_TRUE(fixture.toSummary());
    fixture.runWith({}, true, 0);
    EXPECT_EQ(fixture.settings(),
              "CVI Installation Path:\nC:\\out\n\nCompiler Personality:\nC:\\p\\cc.p_c\n\n");

    // Without a file nothing is shown and no rule marks a field.
    ControllerFixture none;
    EXPECT_TRUE(none.face.texts.empty());
    EXPECT_TRUE(none.face.marks.empty());
}

struct BrowseCase {
    const char* name;
    Field field;
    wizard::BrowseRequest::Kind kind;
    std::string caption;
    std::string filter;
};

void PrintTo(const BrowseCase& button, std::ostream* out) {
    *out << button.name;
}

class WizardBrowse : public testing::TestWithParam<BrowseCase> {};

TEST_P(WizardBrowse, EachButtonAsksForItsDialogAndFillsItsField) {
    const BrowseCase& button = GetParam();
    ControllerFixture fixture;
    fixture.face.answers = {"C:/work/ws.cws", "", "D:/cvi"};
    fixture.controller.browse(button.field);
    fixture.controller.browse(button.field); // cancelled: nothing changes
    ASSERT_EQ(fixture.face.requests.size(), 2u);
    const wizard::BrowseRequest& request = fixture.face.requests.front();
    EXPECT_EQ(request.kind, button.kind);
    EXPECT_EQ(request.caption, button.caption);
    EXPECT_EQ(request.filter, button.filter);
    EXPECT_EQ(request.startPath, "\\");
    EXPECT_EQ(fixture.face.requests.back().startPath, "C:\\work\\ws.cws");
    std::map<Field, std::string> shown{{button.field, "C:\\work\\ws.cws"}};
    if (button.field == Field::Destination)
        shown[Field::DatabaseFile] = "C:\\work\\ws.cws\\compile_commands.json";
    EXPECT_EQ(fixture.face.texts, shown);
    EXPECT_EQ(fixture.controller.lastBrowsePath(), "C:\\work\\ws.cws");
    // The page rule ran; the database's file has none.
    EXPECT_EQ(fixture.face.marks[button.field],
              button.field == Field::DatabaseFile ? PathMark::Unchanged : PathMark::Missing);

    // Every dialog opens where the latest choice of any of them was made.
    fixture.controller.browse(Field::CompilerPersonality);
    EXPECT_EQ(fixture.face.requests.back().startPath, "C:\\work\\ws.cws");
    EXPECT_EQ(fixture.controller.lastBrowsePath(), "D:\\cvi");
}

using Kind = wizard::BrowseRequest::Kind;
INSTANTIATE_TEST_SUITE_P(
    Buttons, WizardBrowse,
    testing::Values(BrowseCase{"workspace", Field::Workspace, Kind::ExistingFile,
                               "Select a Lab Windows CVI Workspace / Project",
                               "Lab Windows CVI Workspace/Project (*cws *prj)"},
                    BrowseCase{"install", Field::InstallFolder, Kind::ExistingFolder,
                               "Select the CVI Labwindows install directory", ""},
                    BrowseCase{"destination", Field::Destination, Kind::ExistingFolder,
                               "Select the Corvane/Corvane++ Project Destination Directory", ""},
                    BrowseCase{"message", Field::MessagePersonality, Kind::ExistingFile,
                               "Select a Message Personality", "Msg Personalities(*.p_s)"},
                    BrowseCase{"analyser", Field::AnalyserPersonality, Kind::ExistingFile,
                               "Select a Template Analyser Personality",
                               "Analiser Personalities(*.p_a)"},
                    BrowseCase{"compiler", Field::CompilerPersonality, Kind::ExistingFile,
                               "Select a Compiler Personality", "Cmp Personalities(*.p_c)"},
                    BrowseCase{"database", Field::DatabaseFile, Kind::FileToWrite,
                               "Select the Compilation Database File", "JSON Files (*.json)"}),
    [](const testing::TestParamInfo<BrowseCase>& info) { return std::string(info.param.name); });

/// Every way of cutting output into up to three chunks gives the same log: each line once,
/// CR LF and LF alike.
TEST(WizardController, AnySplitOfTheOutputGivesTheSameLog) {
    const std::pair<std::string, std::string> outputs[] = {
        {"Reading Workspace ...\r\n  Creating Group - app\r\nDone!\r\n",
         "Reading Workspace ...\n  Creating Group - app\nDone!\n"},
        {"a\nb\r\n\r\nc", "a\nb\n\nc"},
        {"lone\rcr\r\r\nend\r", "lone\rcr\r\nend\r"}};
    for (const auto& [output, expected] : outputs) {
        for (std::size_t first = 0; first <= output.size(); ++first) {
            for (std::size_t second = first; second <= output.size(); ++second) {
                ControllerFixture fixture;
                ASSERT_TRUE(fixture.toSummary());
                fixture.runWith({output.substr(0, first), output.substr(first, second - first),
                                 output.substr(second)},
                                true, 1);
                ASSERT_EQ(fixture.face.log, started + expected) << first << " " << second;
            }
        }
    }
}

} // namespace
