#pragma once

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

/// The six browse buttons, in the order of the pages.
extern const BrowseButton browseButtons[6];

/// The browse button whose choice goes into field; null when it has none.
const BrowseButton* browseButtonOf(Field field);

} // namespace wizard
