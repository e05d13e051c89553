#include "BrowseDialog.h"

#include <QFileDialog>

#include "LocalBytes.h"

QString showBrowseDialog(QWidget* parent, const wizard::BrowseRequest& request) {
    QFileDialog dialog(parent, fromLocalBytes(request.caption), fromLocalBytes(request.startPath),
                       fromLocalBytes(request.filter));
    if (request.kind == wizard::BrowseRequest::Kind::ExistingFolder) {
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
