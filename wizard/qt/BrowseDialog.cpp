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
    } else if (request.kind == wizard::BrowseRequest::Kind::FileToWrite) {
        // The file is written, or added to, by the run: one that exists is no cause for alarm.
        dialog.setObjectName(QStringLiteral("save file dialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setObjectName(QStringLiteral("open file dialog"));
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
