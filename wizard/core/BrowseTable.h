#pragma once

#include <string>

#include "WizardFace.h"
#include "WizardFields.h"

namespace wizard {

/// A browse button: the field its choice goes into and the dialog it asks for.
struct BrowseButton {
    int button; ///< the button's controls::ControlId
    Field target;
    BrowseRequest::Kind kind;
    const char* caption;
    const char* filter; ///< empty for a folder
};

/// The seven browse buttons, in the order of the pages.
extern const BrowseButton browseButtons[7];

/// The browse button whose choice goes into field; null when it has none.
const BrowseButton* browseButtonOf(Field field);

/// The patterns of a file dialog's filter "Name (*a *b)": those in the parentheses, joined by
/// ";" ("*a;*b"); "*" when it names none.
std::string filterPatterns(const std::string& filter);

} // namespace wizard
