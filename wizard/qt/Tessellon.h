#pragma once

#include <QStringDecoder>
#include <memory>
#include <optional>

#include "BrowseDialog.h"
#include "Host.h"
#include "TessellonBase.h"
#include "WizardController.h"
#include "WizardFace.h"

class QLineEdit;
class QProcess;

/// The wizard's face on Qt: binds the form's widgets to the wizard's controller, which
/// checks the paths, keeps settings.txt, builds the summary, runs Quorvel and reports.
class Tessellon : public TessellonBase, private wizard::WizardFace {
    Q_OBJECT

public:
    /// The wizard, testing paths and keeping settings.txt through host, and asking browse
    /// for the choice of every browse button. Loads settings.txt from the current folder.
    Tessellon(std::unique_ptr<platform::Host> host, BrowseDialog browse, QWidget* parent = nullptr,
              const char* name = nullptr, bool modal = false, Qt::WindowFlags flags = {});

    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void CVIWorkspaceBrowseBtn_clicked();
    void CVIInstallBrowseBtn_clicked();
    void CorvaneProjectBrowseBtn_clicked();
    /// Hands the first page's edited text to the controller, which runs the page rule.
    void Page0LineEdit_textchanged(const QString& text);
    /// Hands a personality's edited text to the controller, which runs the page rule.
    void Page1LineEdit_textchanged(const QString& text);
    void MsgBrowseBtn_clicked();
    void AnalBrowseBtn_clicked();
    void CmpBrowseBtn_clicked();
    void cdbFileBrowseBtn_clicked();
    /// Hands the converter's new output to the controller.
    void readFromStdout();
    /// Hands the converter's end to the controller, after the output that came with it.
    void processExit();

protected slots:
    /// Next, when the page lets the user on.
    void next();
    /// Finish: starts a conversion; the wizard stays open.
    void accept() override;
    /// Cancel: kills a running conversion, then closes the wizard.
    void reject() override;

protected:
    /// The process of the latest run; owned by the wizard, null before the first.
    QProcess* converterProcess = nullptr;
    std::unique_ptr<platform::Host> host;
    wizard::WizardController controller;

private:
    void showText(wizard::Field field, const std::string& text) override;
    void markPath(wizard::Field field, wizard::PathMark mark) override;
    void enableControl(int id, bool enabled) override;
    void showButtons(const wizard::ButtonStates& states) override;
    void setLog(const std::string& text) override;
    void appendToLog(const std::string& text) override;
    void appendOutput(const std::string& bytes) override;
    void endOutput() override;
    std::string browse(const wizard::BrowseRequest& request) override;
    void showFailureBox() override;
    void closeWizard() override;
    std::unique_ptr<wizard::ConverterChild> startChild(const std::vector<std::string>& items,
                                                       int run) override;

    /// The line edit of a field, and the field of a line edit.
    QLineEdit* editOf(wizard::Field field) const;
    std::optional<wizard::Field> fieldOf(const QObject* edit) const;
    void edited(const QObject* edit, const QString& text);
    /// Appends text at the end of the log, keeping the newest output in sight.
    void appendText(const QString& text);

    BrowseDialog browseDialog;
    /// The run whose reports converterProcess carries.
    int converterRun = 0;
    /// Turns the output of the latest run into text; a character split between two chunks
    /// waits for the rest.
    QStringDecoder outputDecoder;
};
