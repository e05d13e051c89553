#pragma once

/// The control identifiers of the Windows wizard, one per widget the user works with, so that
/// a program that drives the window finds each control by GetDlgCtrlID.
namespace tessellon {

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
    // Page3.
    DetailsText,
    // The wizard's own buttons.
    HelpButton = 300,
    BackButton,
    NextButton,
    FinishButton,
    CancelButton,
    // The header and footer bands of each page (page number added).
    HeaderBand = 400,
    FooterBand = 410,
};

/// The window property that a path field carries while it is shown red (nothing exists under
/// its path), so that a program driving the window can tell the colour.
inline constexpr char missingPathProperty[] = "TessellonMissingPath";

/// The number of pages.
inline constexpr int pageCount = 4;

} // namespace tessellon
