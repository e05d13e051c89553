#include <QMessageBox>
#include <QProcess>
#include <QTextBrowser>

#include "LocalBytes.h"
#include "Tessellon.h"
#include "WizardTexts.h"

namespace {

/// A run on a QProcess that the wizard owns: letting it go kills it if it still runs,
/// detached first so that nothing of it reaches the wizard.
class QtConverterChild : public wizard::ConverterChild {
public:
    QtConverterChild(QProcess* process, QObject* wizard) : process(process), wizard(wizard) {}
    ~QtConverterChild() override {
        if (process->state() == QProcess::NotRunning)
            return;
        process->disconnect(wizard);
        process->kill();
        process->waitForFinished();
    }

private:
    QProcess* process;
    QObject* wizard;
};

} // namespace

void Tessellon::accept() {
    controller.finish();
}

void Tessellon::reject() {
    controller.cancel();
}

void Tessellon::closeWizard() {
    TessellonBase::reject();
}

std::unique_ptr<wizard::ConverterChild> Tessellon::startChild(const std::vector<std::string>& items,
                                                              int run) {
    converterProcess = new QProcess(this);
    converterRun = run;
    converterProcess->setProgram(fromLocalBytes(items.front()));
    QStringList arguments;
    for (std::size_t i = 1; i < items.size(); ++i)
        arguments << fromLocalBytes(items[i]);
    converterProcess->setArguments(arguments);
    // The converter reads no input, and its error stream is not part of the log.
    converterProcess->setStandardInputFile(QProcess::nullDevice());
    converterProcess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(converterProcess, &QProcess::readyReadStandardOutput, this, &Tessellon::readFromStdout);
    connect(converterProcess, &QProcess::finished, this, &Tessellon::processExit);
    converterProcess->start();
    if (!converterProcess->waitForStarted())
        return nullptr;
    return std::make_unique<QtConverterChild>(converterProcess, this);
}

void Tessellon::readFromStdout() {
    if (converterProcess)
        controller.childOutput(converterRun,
                               converterProcess->readAllStandardOutput().toStdString());
}

void Tessellon::processExit() {
    if (!converterProcess)
        return;
    // Output that arrived together with the end is not announced again: take it now, so
    // that every byte is in the log before the outcome.
    readFromStdout();
    controller.childEnded(converterRun, converterProcess->exitStatus() == QProcess::NormalExit,
                          converterProcess->exitCode());
}

void Tessellon::showFailureBox() {
    QMessageBox failed(QMessageBox::Information, tr(wizard::texts::failureCaption),
                       tr(wizard::texts::failure), QMessageBox::Ok);
    failed.exec();
}

void Tessellon::setLog(const std::string& text) {
    DetailsText->setPlainText(fromLocalBytes(text));
    // Quorvel writes its console in the system's code page; each run starts a fresh text.
    outputDecoder = QStringDecoder(QStringDecoder::System);
}

void Tessellon::appendToLog(const std::string& text) {
    appendText(fromLocalBytes(text));
}

void Tessellon::appendOutput(const std::string& bytes) {
    // A chunk that ends inside a character shows that character with the next one.
    const QString text = outputDecoder.decode(QByteArray::fromStdString(bytes));
    if (!text.isEmpty())
        appendText(text);
}

void Tessellon::endOutput() {
    // The toolkit's decoder cannot be asked for the first bytes of a character that never
    // got whole: they stay out of the log, as they always have here.
}

void Tessellon::appendText(const QString& text) {
    QTextCursor cursor = DetailsText->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    // Moving the view's cursor to the end keeps the newest output in sight.
    DetailsText->setTextCursor(cursor);
}
