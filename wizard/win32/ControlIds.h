#pragma once

#include "FormControls.h"

/// The control identifiers of the Windows wizard, one per widget the user works with, so that
/// a program that drives the window finds each control by GetDlgCtrlID.
namespace tessellon {

// The controls of the pages carry the ids of the form's description.
using namespace wizard::controls;

/// The ids of the window's own controls.
enum WindowControlId : int {
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
