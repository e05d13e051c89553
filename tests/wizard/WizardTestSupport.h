#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "FakeHost.h"
#include "Tessellon.h"

/// The wizard with its protected state in reach of the tests.
class WizardUnderTest : public Tessellon {
public:
    using Tessellon::controller;
    using Tessellon::converterProcess;
    using Tessellon::Tessellon;
};

/// Stands in for the browse dialogs: records every request and gives the next answer.
struct BrowseDouble {
    std::vector<wizard::BrowseRequest> requests;
    QStringList answers; ///< taken from the front; an empty text is a cancel

    /// The dialog function that the wizard calls.
    BrowseDialog dialog();
};

/// A wizard on an in-memory host whose drive C: is empty but for what a test adds.
struct WizardOnFakeHost {
    /// Builds the wizard after prepare has filled the host (settings.txt lives at C:\).
    explicit WizardOnFakeHost(const std::function<void(FakeHost&)>& prepare = {});

    FakeHost* host; ///< owned by the wizard
    BrowseDouble browse;
    WizardUnderTest wizard;

    /// The bytes of C:\settings.txt; empty when it was never written.
    std::string settings() const;
};

/// Fills a host with a workspace C:\ws\app.cws, the default install folder, the destination
/// folders C:\out, "C:\my out" and D:\out, and personalities C:\p\m.p_s, a.p_a and cc.p_c.
void typicalPaths(FakeHost& host);

/// Text colour of a line edit.
QColor textColour(const QWidget* edit);

/// Presses Next once; false when it is disabled.
bool pressNext(Tessellon& wizard);

/// Presses Next until the summary page shows; false when a Next is disabled on the way.
bool walkToSummary(Tessellon& wizard);

/// The text of the log or summary on the last page.
QString detailsText(const Tessellon& wizard);

/// What a message box showed, seen when it opened.
struct ShownBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    bool hasParent;
    std::string settingsWhenShown; ///< what onShow returned
};

/// Closes every message box with OK as soon as it shows, and records it.
class MessageBoxCloser : public QObject {
public:
    /// onShow is asked, as each box shows, for something to remember about that moment.
    explicit MessageBoxCloser(std::function<std::string()> onShow = {});
    ~MessageBoxCloser() override;

    std::vector<ShownBox> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<std::string()> onShow;
};
