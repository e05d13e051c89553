#include "BrowseDialog.h"

#include <QFileDialog>

QString showBrowseDialog(QWidget* parent, const BrowseRequest& request) {
    QFileDialog dialog(parent, request.caption, request.startPath, request.filter);
    if (request.kind == BrowseRequest::Kind::ExistingFolder) {
        dialog.setObjectName(QStringLiteral("get existing directory"));
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
    } else {
        dialog.setObjectName(QStringLiteral("open file dialog"));
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
