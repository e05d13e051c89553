// The compilation database's choices on the extensions page: what each makes of Quorvel's
// arguments and of the summary, and that they count only while the database box is checked.
#include <gtest/gtest.h>

#include <functional>

#include "FakeFace.h"
#include "FormControls.h"

namespace {

using wizard::Field;
using wizard::WizardController;
using Strings = std::vector<std::string>;

/// The choices made on a wizard whose destination is C:\out, before the destination becomes
/// "C:\my out" on the way to the summary; the options and summary lines they give.
struct DatabaseCase {
    const char* name;
    std::function<void(WizardController&)> choose;
    Strings options;
    std::string summary;
};

void PrintTo(const DatabaseCase& given, std::ostream* out) {
    *out << given.name;
}

const std::string summaryBefore =
    "Lab Windows CVI Workspace/Project:\nC:\\ws\\app.cws\n\n"
    "CVI Install Directory:\nC:\\Program Files\\National Instruments\\CVI85\n\n"
    "Corvane / Corvane++ Project Directory:\nC:\\my out\n\n"
    "Corvane / Corvane++ Project Name:\napp\n\n"
    "Message Personality:\n\n\nTamplate Analyser Personality:\n\n\nCompiler Personality:\n\n\n"
    "File Extensions:\n\n";

std::map<int, bool> choicesEnabled(bool enabled) {
    using namespace wizard::controls;
    return {{cdbAppendCheck, enabled},
            {cdbFileEdit, enabled},
            {cdbFileBrowseBtn, enabled},
            {cdbConfigCombo, enabled}};
}

class WizardDatabase : public testing::TestWithParam<DatabaseCase> {};

TEST_P(WizardDatabase, ChoicesReachTheArgumentsAndTheSummaryOnlyWithTheBoxChecked) {
    ControllerFixture fixture;
    EXPECT_EQ(fixture.face.enabled, choicesEnabled(false));
    fixture.controller.textChanged(Field::Destination, "C:\\out");
    GetParam().choose(fixture.controller);
    ASSERT_TRUE(fixture.toSummary("C:\\my out"));
    EXPECT_EQ(fixture.face.log, summaryBefore + GetParam().summary);
    EXPECT_EQ(fixture.face.enabled, choicesEnabled(!GetParam().options.empty()));

    fixture.controller.finish();
    Strings items{"Quorvel",
                  "C:\\ws\\app.cws",
                  "C:\\Program Files\\National Instruments\\CVI85",
                  "C:\\my out",
                  "-pn",
                  "app"};
    items.insert(items.end(), GetParam().options.begin(), GetParam().options.end());
    EXPECT_EQ(fixture.face.children.back()->items, items);
}

/// The summary's lines of the database: its file, its other entries, the configuration.
std::string databaseLines(const std::string& file, const std::string& entries,
                          const std::string& configuration) {
    return "\nCompilation Database:\n" + file + "\n\nOther Entries in the Database:\n" + entries +
           "\n\nBuild Configuration:\n" + configuration + "\n";
}

const std::string followed = "C:\\my out\\compile_commands.json";
const std::string workspaceBuilds = "As the workspace builds";

INSTANTIATE_TEST_SUITE_P(
    Choices, WizardDatabase,
    testing::Values(DatabaseCase{"defaultFileFollowsTheDestination",
                                 [](WizardController& wizard) { wizard.databaseChecked(true); },
                                 {"-cdb", followed},
                                 databaseLines(followed, "Not kept", workspaceBuilds)},
                    DatabaseCase{"typedFileStaysWhenTheDestinationChanges",
                                 [](WizardController& wizard) {
                                     wizard.databaseChecked(true);
                                     wizard.textChanged(Field::DatabaseFile, "C:\\out\\db 1.json");
                                 },
                                 {"-cdb", "C:\\out\\db 1.json"},
                                 databaseLines("C:\\out\\db 1.json", "Not kept", workspaceBuilds)},
                    DatabaseCase{"clearedFileIsTheDefaultAgain",
                                 [](WizardController& wizard) {
                                     wizard.databaseChecked(true);
                                     wizard.textChanged(Field::DatabaseFile, "D:\\db.json");
                                     wizard.textChanged(Field::DatabaseFile, "");
                                 },
                                 {"-cdb", followed},
                                 databaseLines(followed, "Not kept", workspaceBuilds)},
                    DatabaseCase{"keptEntriesAppend",
                                 [](WizardController& wizard) {
                                     wizard.databaseChecked(true);
                                     wizard.keepEntriesChecked(true);
                                 },
                                 {"-cdbappend", followed},
                                 databaseLines(followed, "Kept", workspaceBuilds)},
                    DatabaseCase{"configurationFromTheList",
                                 [](WizardController& wizard) {
                                     wizard.databaseChecked(true);
                                     wizard.configurationChanged("Release64");
                                 },
                                 {"-cdb", followed, "-cdbconfig", "Release64"},
                                 databaseLines(followed, "Not kept", "Release64")},
                    DatabaseCase{"typedConfigurationAsItStands",
                                 [](WizardController& wizard) {
                                     wizard.databaseChecked(true);
                                     wizard.configurationChanged(" My Build");
                                 },
                                 {"-cdb", followed, "-cdbconfig", " My Build"},
                                 databaseLines(followed, "Not kept", " My Build")},
                    DatabaseCase{"asTheWorkspaceBuildsGivesNoConfiguration",
                                 [](WizardController& wizard) {
                                     wizard.databaseChecked(true);
                                     wizard.configurationChanged("Debug");
                                     wizard.configurationChanged("Workspace's own");
                                 },
                                 {"-cdb", followed},
                                 databaseLines(followed, "Not kept", workspaceBuilds)},
                    DatabaseCase{"uncheckedBoxLeavesEverythingAsWithoutTheDatabase",
                                 [](WizardController& wizard) {
                                     wizard.databaseChecked(true);
                                     wizard.textChanged(Field::DatabaseFile, "D:\\db.json");
                                     wizard.keepEntriesChecked(true);
                                     wizard.configurationChanged("Debug");
                                     wizard.databaseChecked(false);
                                 },
                                 {},
                                 ""}),
    [](const testing::TestParamInfo<DatabaseCase>& info) { return std::string(info.param.name); });

} // namespace
