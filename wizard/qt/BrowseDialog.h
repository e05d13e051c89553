#pragma once

#include <QString>
#include <functional>

#include "WizardFace.h"

class QWidget;

/// Shows a modal browse dialog over parent and returns the chosen host path, or an empty
/// text when the user cancelled.
using BrowseDialog = std::function<QString(QWidget* parent, const wizard::BrowseRequest& request)>;

/// The toolkit's file and folder dialogs, symbolic links resolved.
QString showBrowseDialog(QWidget* parent, const wizard::BrowseRequest& request);
