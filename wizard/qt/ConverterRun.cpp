#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTextBrowser>
#include <utility>

#include "Tessellon.h"

QStringList Tessellon::converterArguments() const {
    QStringList arguments{CVIWorkspaceEdit->text(), CVIInstallEdit->text(),
                          CorvaneProjectEdit->text(), QStringLiteral("-pn"),
                          CorvaneNameEdit->text()};
    const std::pair<const char*, QString> options[] = {{"-mp", MsgPersonEdit->text()},
                                                       {"-ap", AnalPersonEdit->text()},
                                                       {"-cp", CmpPersonEdit->text()},
                                                       {"-ext", extensionValue},
                                                       {"-cdb", compilationDatabase()}};
    for (const auto& [option, value] : options) {
        if (!value.isEmpty())
            arguments << QLatin1String(option) << value;
    }
    return arguments;
}

QString Tessellon::compilationDatabase() const {
    if (!cdbCheck->isChecked())
        return QString();
    QString folder = CorvaneProjectEdit->text();
    if (!folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('\\');
    return folder + QStringLiteral("compile_commands.json");
}

void Tessellon::accept() {
    stopRunningConverter();
    converterProcess = new QProcess(this);
    converterProcess->setProgram(QStringLiteral("Quorvel"));
    converterProcess->setArguments(converterArguments());
    // The converter reads no input, and its error stream is not part of the log.
    converterProcess->setStandardInputFile(QProcess::nullDevice());
    converterProcess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    DetailsText->setPlainText(tr("Initialising Workspace/Project Conversion ...\n"));
    connect(converterProcess, &QProcess::readyReadStandardOutput, this, &Tessellon::readFromStdout);
    connect(converterProcess, &QProcess::finished, this, &Tessellon::processExit);
    converterProcess->start();
    if (!converterProcess->waitForStarted())
        appendToLog(tr("Workspace/Project Conversion could not be executed: Please ensure "
                       "Quorvel.exe is set on the path.\n"));
}

void Tessellon::readFromStdout() {
    if (!converterProcess)
        return;
    const QByteArray output = converterProcess->readAllStandardOutput();
    if (!output.isEmpty())
        appendToLog(QString::fromLatin1(output));
}

void Tessellon::processExit() {
    if (!converterProcess)
        return;
    // Output that arrived together with the end is not announced again: take it now, so
    // that every byte is in the log before the outcome.
    readFromStdout();
    if (converterProcess->exitStatus() == QProcess::NormalExit) {
        if (converterProcess->exitCode() != 0) {
            QMessageBox failed(QMessageBox::Information, tr("Tessellon"),
                               tr("Workspace/Project Conversion Failed!\nPlease check the "
                                  "details log and try again."),
                               QMessageBox::Ok);
            failed.exec();
        } else {
            appendToLog(tr("Project Converted Successfully!"));
            Page3->setComplete(false);
            setButtonText(QWizard::CancelButton, tr("Close"));
        }
    }
    saveSettings();
}

void Tessellon::reject() {
    stopRunningConverter();
    TessellonBase::reject();
}

void Tessellon::stopRunningConverter() {
    if (!converterProcess || converterProcess->state() == QProcess::NotRunning)
        return;
    converterProcess->disconnect(this);
    converterProcess->kill();
    converterProcess->waitForFinished();
    saveSettings();
}

void Tessellon::appendToLog(const QString& text) {
    QTextCursor cursor = DetailsText->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(text);
    // Moving the view's cursor to the end keeps the newest output in sight.
    DetailsText->setTextCursor(cursor);
}
