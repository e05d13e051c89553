#include "WizardTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QTextBrowser>
#include <QTimer>

namespace {

FakeHost* preparedHost(const std::function<void(FakeHost&)>& prepare) {
    auto* host = new FakeHost;
    if (prepare)
        prepare(*host);
    return host;
}

} // namespace

BrowseDialog BrowseDouble::dialog() {
    return [this](QWidget*, const wizard::BrowseRequest& request) {
        requests.push_back(request);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    };
}

WizardOnFakeHost::WizardOnFakeHost(const std::function<void(FakeHost&)>& prepare)
    : host(preparedHost(prepare)), wizard(std::unique_ptr<platform::Host>(host), browse.dialog()) {}

std::string WizardOnFakeHost::settings() const {
    return host->fileBytes("C:\\settings.txt");
}

void typicalPaths(FakeHost& host) {
    host.addFile("C:\\ws\\app.cws", "");
    host.addFolder("C:\\Program Files\\National Instruments\\CVI85");
    host.addFolder("C:\\out");
    host.addFolder("C:\\my out");
    host.addDrive('D');
    host.addFolder("D:\\out");
    host.addFile("C:\\p\\m.p_s", "");
    host.addFile("C:\\p\\a.p_a", "");
    host.addFile("C:\\p\\cc.p_c", "");
}

QColor textColour(const QWidget* edit) {
    return edit->palette().color(QPalette::Text);
}

bool pressNext(Tessellon& wizard) {
    QAbstractButton* next = wizard.button(QWizard::NextButton);
    if (!next->isEnabled())
        return false;
    next->click();
    return true;
}

bool walkToSummary(Tessellon& wizard) {
    while (wizard.currentPage() != wizard.Page3) {
        if (!pressNext(wizard))
            return false;
    }
    return true;
}

QString detailsText(const Tessellon& wizard) {
    return wizard.DetailsText->toPlainText();
}

MessageBoxCloser::MessageBoxCloser(std::function<std::string()> onShow)
    : onShow(std::move(onShow)) {
    qApp->installEventFilter(this);
}

MessageBoxCloser::~MessageBoxCloser() {
    qApp->removeEventFilter(this);
}

bool MessageBoxCloser::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::Show) {
        shown.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                         box->parentWidget() != nullptr, onShow ? onShow() : std::string()});
        // Pressed once the box waits for the user, not while it is still being shown.
        QTimer::singleShot(0, box, [box] {
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
        });
    }
    return false;
}
