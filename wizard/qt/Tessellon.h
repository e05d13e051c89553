#pragma once

#include <QString>
#include <QStringDecoder>
#include <memory>

#include "BrowseDialog.h"
#include "Host.h"
#include "PageRules.h"
#include "TessellonBase.h"
#include "WizardFields.h"

class QLineEdit;
class QProcess;

/// The wizard's behaviour: checks the typed paths, remembers fields in settings.txt, builds
/// the "-ext" value and the summary, runs Quorvel and shows its log.
class Tessellon : public TessellonBase {
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
    /// Colours the three paths of the first page and enables its Next button.
    void Page0LineEdit_textchanged(const QString&);
    /// Colours the personality paths and enables the page's Next button.
    void Page1LineEdit_textchanged(const QString&);
    void MsgBrowseBtn_clicked();
    void AnalBrowseBtn_clicked();
    void CmpBrowseBtn_clicked();
    /// Appends the converter's new output to the log, decoded as the console's code page.
    void readFromStdout();
    /// Reports how the converter ended and saves the settings.
    void processExit();

protected slots:
    /// Leaving the extensions page builds the "-ext" value and the summary; then the next page.
    void next();
    /// Starts a conversion; the wizard stays open.
    void accept() override;
    /// Kills a running conversion, then closes the wizard.
    void reject() override;

protected:
    /// The process of the latest run; owned by the wizard, null before the first.
    QProcess* converterProcess = nullptr;
    /// The "-ext" value, built when the user leaves the extensions page.
    QString extensionValue;
    /// Where every browse dialog opens: the latest choice of any of them.
    QString lastBrowsePath;

private:
    void loadSettings();
    void saveSettings();

    /// Asks for a path with a browse dialog and puts the choice into target.
    void browseInto(QLineEdit* target, BrowseRequest request);
    /// The values of every field as they stand now.
    wizard::WizardFields fields() const;
    /// Colours field black or red as the mark says; an unchanged mark keeps its colour.
    static void markPath(QLineEdit* field, wizard::PathMark mark);
    /// The "-ext" value and the summary, from the extensions page and every field.
    void leaveExtensionsPage();
    /// Appends text to the log as a paragraph of its own.
    void appendToLog(const QString& text);
    /// Kills a child still running from an earlier run, detached so that nothing of it
    /// reaches the log or counts as an outcome; saves the settings when there was one.
    void stopRunningConverter();

    std::unique_ptr<platform::Host> host;
    BrowseDialog browse;
    /// Turns the output of the latest run into text; a character split between two chunks
    /// waits for the rest.
    QStringDecoder outputDecoder;
};
