#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTextBrowser>
#include <utility>

#include "ConversionChoices.h"
#include "LocalBytes.h"
#include "RunOutcome.h"
#include "Tessellon.h"
#include "WizardTexts.h"

void Tessellon::accept() {
    stopRunningConverter();
    converterProcess = new QProcess(this);
    converterProcess->setProgram(QString::fromLatin1(wizard::converterProgram));
    QStringList arguments;
    for (const std::string& argument :
         wizard::converterArguments(fields(), localBytes(extensionValue)))
        arguments << fromLocalBytes(argument);
    converterProcess->setArguments(arguments);
    // Quorvel writes its console in the system's code page; each run starts a fresh text.
    outputDecoder = QStringDecoder(QStringDecoder::System);
    // The converter reads no input, and its error stream is not part of the log.
    converterProcess->setStandardInputFile(QProcess::nullDevice());
    converterProcess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    DetailsText->setPlainText(tr(wizard::texts::initialising));
    connect(converterProcess, &QProcess::readyReadStandardOutput, this, &Tessellon::readFromStdout);
    connect(converterProcess, &QProcess::finished, this, &Tessellon::processExit);
    converterProcess->start();
    if (!converterProcess->waitForStarted())
        appendToLog(tr(wizard::texts::couldNotExecute));
}

void Tessellon::readFromStdout() {
    if (!converterProcess)
        return;
    // A chunk that ends inside a character shows that character with the next one.
    const QString output = outputDecoder.decode(converterProcess->readAllStandardOutput());
    if (!output.isEmpty())
        appendToLog(output);
}

void Tessellon::processExit() {
    if (!converterProcess)
        return;
    // Output that arrived together with the end is not announced again: take it now, so
    // that every byte is in the log before the outcome.
    readFromStdout();
    const wizard::RunOutcome outcome = wizard::outcomeOf(
        converterProcess->exitStatus() == QProcess::NormalExit, converterProcess->exitCode());
    if (outcome.showFailureBox) {
        QMessageBox failed(QMessageBox::Information, tr(wizard::texts::failureCaption),
                           tr(wizard::texts::failure), QMessageBox::Ok);
        failed.exec();
    }
    if (outcome.succeeded) {
        appendToLog(tr(wizard::texts::converted));
        Page3->setComplete(false);
        setButtonText(QWizard::CancelButton, tr(wizard::texts::close));
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
