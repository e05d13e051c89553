#pragma once

#include <QString>
#include <functional>

class QWidget;

/// What one browse button asks its modal dialog for.
struct BrowseRequest {
    enum class Kind { ExistingFile, ExistingFolder };

    Kind kind = Kind::ExistingFile;
    QString caption;
    QString filter;    ///< the name filter of a file dialog; empty for folders
    QString startPath; ///< the host path the dialog opens at; empty for the current folder
};

/// Shows a modal browse dialog over parent and returns the chosen host path, or an empty
/// text when the user cancelled.
using BrowseDialog = std::function<QString(QWidget* parent, const BrowseRequest& request)>;

/// The toolkit's file and folder dialogs, symbolic links resolved.
QString showBrowseDialog(QWidget* parent, const BrowseRequest& request);
