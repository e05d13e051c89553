#include "FormControls.h"

#include <algorithm>
#include <cstring>

#include "WizardTexts.h"

namespace wizard {

using namespace controls;
using Kind = ControlKind;

namespace {

constexpr int none = 0;
constexpr const char* page = nullptr;
constexpr const char* noText = nullptr;
/// The tooltip of every header band: the program and its version.
constexpr char release[] = "Tessellon " QUORVEL_VERSION;

} // namespace

const char releaseVersion[] = QUORVEL_VERSION;

const FormControl formControls[] = {
    // The paths page.
    {0, page, Kind::HeaderBand, "pixmapLabel3", none, 0, 0, 532, 36, noText, release},
    {0, page, Kind::FooterBand, "pixmapLabel3_3", none, 0, 390, 532, 20, noText, noText},
    {0, page, Kind::VerticalLine, "line1", none, -8, 36, 20, 355, noText, noText},
    {0, page, Kind::VerticalLine, "line1_2", none, 521, 36, 20, 355, noText, noText},
    {0, page, Kind::Panel, "groupBox1_3", none, 20, 40, 500, 140, "", noText},
    {0, "groupBox1_3", Kind::Heading, "textLabel1_3_3", none, 10, 10, 461, 21, texts::welcome,
     noText},
    {0, "groupBox1_3", Kind::WrappedLabel, "textLabel2_2", none, 10, 40, 481, 90,
     texts::introduction, noText},
    {0, page, Kind::GroupBox, "groupBox1", none, 20, 190, 500, 90, texts::cviBox, noText},
    {0, "groupBox1", Kind::Label, "textLabel1_3", none, 10, 20, 110, 20, texts::workspaceLabel,
     noText},
    {0, "groupBox1", Kind::BrowseButton, "CVIWorkspaceBrowseBtn", CVIWorkspaceBrowseBtn, 410, 20,
     75, 25, texts::browse, noText},
    {0, "groupBox1", Kind::Label, "textLabel1_3_2", none, 10, 55, 110, 20, texts::installLabel,
     noText},
    {0, "groupBox1", Kind::BrowseButton, "CVIInstallBrowseBtn", CVIInstallBrowseBtn, 410, 55, 75,
     25, texts::browse, noText},
    {0, "groupBox1", Kind::LineEdit, "CVIInstallEdit", CVIInstallEdit, 120, 55, 280, 25,
     defaultInstallFolder, noText},
    {0, "groupBox1", Kind::LineEdit, "CVIWorkspaceEdit", CVIWorkspaceEdit, 120, 20, 280, 25, noText,
     texts::workspaceTip},
    {0, page, Kind::GroupBox, "groupBox2", none, 20, 290, 500, 87, texts::projectBox, noText},
    {0, "groupBox2", Kind::Label, "textLabel1", none, 10, 21, 40, 20, texts::folderLabel, noText},
    {0, "groupBox2", Kind::Label, "textLabel1_2", none, 10, 56, 40, 20, texts::nameLabel, noText},
    {0, "groupBox2", Kind::BrowseButton, "CorvaneProjectBrowseBtn", CorvaneProjectBrowseBtn, 410,
     20, 75, 25, texts::browse, noText},
    {0, "groupBox2", Kind::LineEdit, "CorvaneProjectEdit", CorvaneProjectEdit, 120, 20, 280, 25,
     noText, texts::destinationTip},
    {0, "groupBox2", Kind::LineEdit, "CorvaneNameEdit", CorvaneNameEdit, 120, 55, 280, 25, noText,
     texts::nameTip},

    // The personalities page: the boxes stand top to bottom as message, analyser, compiler,
    // but are made, and so visited, the other way round.
    {1, page, Kind::HeaderBand, "pixmapLabel3_2", none, 0, 0, 532, 36, noText, release},
    {1, page, Kind::FooterBand, "pixmapLabel3_3_2", none, 0, 390, 532, 20, noText, noText},
    {1, page, Kind::VerticalLine, "line1_3", none, -8, 36, 20, 355, noText, noText},
    {1, page, Kind::VerticalLine, "line1_2_2", none, 521, 36, 20, 355, noText, noText},
    {1, page, Kind::Panel, "groupBox1_3_2", none, 20, 40, 500, 100, "", noText},
    {1, "groupBox1_3_2", Kind::WrappedLabel, "textLabel2_2_2", none, 10, 10, 481, 84,
     texts::personalities, noText},
    {1, page, Kind::GroupBox, "groupBox2_2", none, 20, 300, 500, 60, texts::compilerBox, noText},
    {1, "groupBox2_2", Kind::BrowseButton, "CmpBrowseBtn", CmpBrowseBtn, 420, 20, 75, 25,
     texts::browse, noText},
    {1, "groupBox2_2", Kind::LineEdit, "CmpPersonEdit", CmpPersonEdit, 10, 20, 390, 25, noText,
     texts::compilerTip},
    {1, page, Kind::GroupBox, "groupBox2_2_2", none, 20, 230, 500, 60, texts::analyserBox, noText},
    {1, "groupBox2_2_2", Kind::BrowseButton, "AnalBrowseBtn", AnalBrowseBtn, 420, 20, 75, 25,
     texts::browse, noText},
    {1, "groupBox2_2_2", Kind::LineEdit, "AnalPersonEdit", AnalPersonEdit, 10, 20, 390, 25, noText,
     noText},
    {1, page, Kind::GroupBox, "groupBox1_2", none, 20, 160, 500, 60, texts::messageBox, noText},
    {1, "groupBox1_2", Kind::BrowseButton, "MsgBrowseBtn", MsgBrowseBtn, 420, 20, 75, 25,
     texts::browse, noText},
    {1, "groupBox1_2", Kind::LineEdit, "MsgPersonEdit", MsgPersonEdit, 10, 20, 390, 25, noText,
     texts::messageTip},

    // The extensions page.
    {2, page, Kind::HeaderBand, "pixmapLabel3_2_2", none, 0, 0, 532, 36, noText, release},
    {2, page, Kind::FooterBand, "pixmapLabel3_3_2_2", none, 0, 390, 532, 20, noText, noText},
    {2, page, Kind::VerticalLine, "line1_3_2", none, -8, 36, 20, 355, noText, noText},
    {2, page, Kind::VerticalLine, "line1_2_2_2", none, 521, 36, 20, 355, noText, noText},
    {2, page, Kind::Panel, "groupBox1_3_2_2", none, 20, 40, 500, 100, "", noText},
    {2, "groupBox1_3_2_2", Kind::WrappedLabel, "textLabel2_2_2_2", none, 10, 14, 481, 70,
     texts::extensions, noText},
    {2, page, Kind::GroupBox, "groupBox7", none, 60, 160, 420, 160, texts::extensionsBox, noText},
    {2, "groupBox7", Kind::CheckBox, "ccCheck", ccCheck, 120, 35, 50, 20, texts::extensionBoxes[1],
     noText},
    {2, "groupBox7", Kind::CheckBox, "cxxCheck", cxxCheck, 190, 35, 50, 20,
     texts::extensionBoxes[2], noText},
    {2, "groupBox7", Kind::CheckBox, "cCheck", cCheck, 260, 35, 50, 20, texts::extensionBoxes[3],
     noText},
    {2, "groupBox7", Kind::Label, "textLabel2", none, 50, 116, 100, 20, texts::customLabel, noText},
    {2, "groupBox7", Kind::CheckBox, "hCheck", hCheck, 40, 75, 50, 20, texts::extensionBoxes[4],
     noText},
    {2, "groupBox7", Kind::CheckBox, "hhCheck", hhCheck, 120, 75, 50, 20, texts::extensionBoxes[5],
     noText},
    {2, "groupBox7", Kind::CheckBox, "hppCheck", hppCheck, 190, 75, 50, 20,
     texts::extensionBoxes[6], noText},
    {2, "groupBox7", Kind::CheckBox, "hxxCheck", hxxCheck, 260, 75, 50, 20,
     texts::extensionBoxes[7], noText},
    {2, "groupBox7", Kind::CheckBox, "cppCheck", cppCheck, 40, 35, 50, 20, texts::extensionBoxes[0],
     noText},
    {2, "groupBox7", Kind::LineEdit, "CustExtEdit", CustExtEdit, 160, 115, 144, 25, noText,
     texts::customTip},
    // The compilation database: its box and, beside and below it, the choices it enables.
    {2, page, Kind::CheckBox, "cdbCheck", cdbCheck, 60, 325, 300, 20, texts::compilationDatabaseBox,
     noText},
    {2, page, Kind::CheckBox, "cdbAppendCheck", cdbAppendCheck, 370, 325, 150, 20,
     texts::keepEntriesBox, texts::keepEntriesTip},
    {2, page, Kind::Label, "cdbFileLabel", none, 60, 357, 26, 20, texts::databaseFileLabel, noText},
    {2, page, Kind::LineEdit, "cdbFileEdit", cdbFileEdit, 88, 355, 160, 24, noText,
     texts::databaseFileTip},
    {2, page, Kind::BrowseButton, "cdbFileBrowseBtn", cdbFileBrowseBtn, 252, 355, 60, 24,
     texts::browse, noText},
    {2, page, Kind::Label, "cdbConfigLabel", none, 320, 357, 76, 20, texts::configurationLabel,
     noText},
    {2, page, Kind::ComboBox, "cdbConfigCombo", cdbConfigCombo, 398, 355, 122, 24,
     texts::configurations, texts::configurationTip},

    // The summary and the log.
    {3, page, Kind::HeaderBand, "pixmapLabel3_2_2_2", none, 0, 0, 532, 36, noText, release},
    {3, page, Kind::FooterBand, "pixmapLabel3_3_2_2_2", none, 0, 390, 532, 20, noText, noText},
    {3, page, Kind::VerticalLine, "line1_3_2_2", none, -8, 36, 20, 355, noText, noText},
    {3, page, Kind::VerticalLine, "line1_2_2_2_2", none, 521, 36, 20, 355, noText, noText},
    {3, page, Kind::Log, "DetailsText", DetailsText, 15, 40, 505, 340, noText, noText},
};

const FormControl* boxOf(const FormControl& control) {
    if (!control.box)
        return nullptr;
    for (const FormControl& box : formControls) {
        if (std::strcmp(box.name, control.box) == 0)
            return &box;
    }
    return nullptr;
}

std::vector<std::string> choicesOf(const FormControl& control) {
    std::vector<std::string> choices;
    if (!control.text)
        return choices;
    const std::string text = control.text;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        choices.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return choices;
}

ControlId editOf(Field field) {
    constexpr ControlId edits[] = {CVIWorkspaceEdit, CVIInstallEdit, CorvaneProjectEdit,
                                   CorvaneNameEdit,  MsgPersonEdit,  AnalPersonEdit,
                                   CmpPersonEdit,    CustExtEdit,    cdbFileEdit};
    return edits[static_cast<std::size_t>(field)];
}

std::optional<Field> fieldOfEdit(int id) {
    for (int field = 0; field < fieldCount; ++field) {
        if (editOf(static_cast<Field>(field)) == id)
            return static_cast<Field>(field);
    }
    return std::nullopt;
}

} // namespace wizard
