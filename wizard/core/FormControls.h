#pragma once

#include <optional>
#include <string>
#include <vector>

#include "WizardFields.h"

/// The identifiers of the controls the user works with, the same in every face, so that a
/// program that drives a window finds each control by its id.
namespace wizard::controls {

enum ControlId : int {
    // The pages, in order.
    Page0 = 100,
    Page1,
    Page2,
    Page3,
    // Page0.
    CVIWorkspaceEdit = 200,
    CVIInstallEdit,
    CorvaneProjectEdit,
    CorvaneNameEdit,
    CVIWorkspaceBrowseBtn,
    CVIInstallBrowseBtn,
    CorvaneProjectBrowseBtn,
    // Page1.
    MsgPersonEdit,
    AnalPersonEdit,
    CmpPersonEdit,
    MsgBrowseBtn,
    AnalBrowseBtn,
    CmpBrowseBtn,
    // Page2: the extension boxes in the order of wizard::ExtensionBox, then the others.
    cppCheck,
    ccCheck,
    cxxCheck,
    cCheck,
    hCheck,
    hhCheck,
    hppCheck,
    hxxCheck,
    CustExtEdit,
    cdbCheck,
    cdbAppendCheck,
    cdbFileEdit,
    cdbFileBrowseBtn,
    cdbConfigCombo,
    // Page3.
    DetailsText,
};

} // namespace wizard::controls

namespace wizard {

/// The extent of a page, which keeps room for its bands in full.
inline constexpr int pageWidth = 532;
inline constexpr int pageHeight = 410;
/// The point sizes of the form's font and of the heading's: the fixed places were laid out
/// for the small dialog font of classic Windows, which larger fonts would cut short.
inline constexpr int dialogPointSize = 8;
inline constexpr int headingPointSize = 12;

/// What a control of the form is; each face makes the widget of its toolkit for the kind.
enum class ControlKind {
    HeaderBand,   ///< the image band atop a page, scaled to its place
    FooterBand,   ///< the image band under a page's content
    VerticalLine, ///< a sunken line drawn in the middle of its place
    Panel,        ///< a frame without a title around the controls that sit in it
    GroupBox,     ///< a titled frame around the controls that sit in it
    Label,
    Heading,      ///< a label in the larger font of the welcome
    WrappedLabel, ///< word-wrapped, centred vertically in its place
    LineEdit,
    BrowseButton,
    CheckBox,
    ComboBox, ///< an editable drop-down list; its text holds its choices, one a line
    Log,      ///< the read-only text of the summary and the converter's output
};

/// One control of the form. Controls are listed page by page in the order they are made,
/// which is the order the focus visits them.
struct FormControl {
    int page;
    /// The name of the panel or group box it sits in; null when it sits on the page itself.
    const char* box;
    ControlKind kind;
    const char* name;        ///< the object name, unique in the form
    int id;                  ///< its controls::ControlId; 0 for a control without one
    int x, y, width, height; ///< its place inside its box or page
    const char* text;        ///< its caption, title or initial text; null when it has none
    const char* tip;         ///< its tooltip; null when it has none
};

/// The release the wizard belongs to, as "1.0.0".
extern const char releaseVersion[];

/// Every control of the four pages.
extern const FormControl formControls[64];

/// The controls that count only while the compilation database box is checked, enabled then.
inline constexpr controls::ControlId databaseChoices[] = {
    controls::cdbAppendCheck, controls::cdbFileEdit, controls::cdbFileBrowseBtn,
    controls::cdbConfigCombo};

/// The panel or group box control sits in; null when it sits on its page itself.
const FormControl* boxOf(const FormControl& control);

/// The choices of a combo box: the lines of its text, in order.
std::vector<std::string> choicesOf(const FormControl& control);

/// The line edit that shows field.
controls::ControlId editOf(Field field);

/// The field the line edit with the id shows; none for another control.
std::optional<Field> fieldOfEdit(int id);

} // namespace wizard
