#include "Tessellon.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <utility>

#include "Release.h"
#include "StringHelpers.h"

namespace {

/// Paths reach the host as bytes of the system's 8-bit encoding, as its file names are.
std::string hostBytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

QString fromHostBytes(const std::string& bytes) {
    return QString::fromLocal8Bit(QByteArray::fromStdString(bytes));
}

} // namespace

Tessellon::Tessellon(std::unique_ptr<platform::Host> host, BrowseDialog browse, QWidget* parent,
                     const char* name, bool modal, Qt::WindowFlags flags)
    : TessellonBase(parent, name, modal, flags), host(std::move(host)), browse(std::move(browse)) {
    extensionValue.clear();
    Page0->setComplete(false);
    // The wizard enables and disables Back, Next and Finish page by page but never touches
    // Help, so disabling it once disables it on every page.
    button(QWizard::HelpButton)->setEnabled(false);

    connect(CVIWorkspaceBrowseBtn, &QPushButton::clicked, this,
            &Tessellon::CVIWorkspaceBrowseBtn_clicked);
    connect(CVIInstallBrowseBtn, &QPushButton::clicked, this,
            &Tessellon::CVIInstallBrowseBtn_clicked);
    connect(CorvaneProjectBrowseBtn, &QPushButton::clicked, this,
            &Tessellon::CorvaneProjectBrowseBtn_clicked);
    for (QLineEdit* edit : {CVIWorkspaceEdit, CVIInstallEdit, CorvaneProjectEdit, CorvaneNameEdit})
        connect(edit, &QLineEdit::textChanged, this, &Tessellon::Page0LineEdit_textchanged);
    for (QLineEdit* edit : {MsgPersonEdit, AnalPersonEdit, CmpPersonEdit})
        connect(edit, &QLineEdit::textChanged, this, &Tessellon::Page1LineEdit_textchanged);
    connect(MsgBrowseBtn, &QPushButton::clicked, this, &Tessellon::MsgBrowseBtn_clicked);
    connect(AnalBrowseBtn, &QPushButton::clicked, this, &Tessellon::AnalBrowseBtn_clicked);
    connect(CmpBrowseBtn, &QPushButton::clicked, this, &Tessellon::CmpBrowseBtn_clicked);
    // The wizard's Next button calls the base class's next(), which is not virtual; it has to
    // call this class's next() instead.
    QAbstractButton* nextButton = button(QWizard::NextButton);
    disconnect(nextButton, nullptr, this, nullptr);
    connect(nextButton, &QAbstractButton::clicked, this, &Tessellon::next);

    for (QLineEdit* edit : {CVIWorkspaceEdit, CVIInstallEdit, CorvaneProjectEdit, CorvaneNameEdit,
                            MsgPersonEdit, AnalPersonEdit, CmpPersonEdit})
        edit->installEventFilter(this);
    for (QWizard::WizardButton which :
         {QWizard::NextButton, QWizard::BackButton, QWizard::CancelButton, QWizard::FinishButton})
        button(which)->setPalette(QPalette(Qt::white, Qt::white));
    showRelease(*this);

    converterProcess = nullptr;
    lastBrowsePath = QStringLiteral("\\");
    loadSettings();
}

bool Tessellon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        if (watched == CVIWorkspaceEdit || watched == CVIInstallEdit ||
            watched == CorvaneProjectEdit || watched == CorvaneNameEdit) {
            Page0LineEdit_textchanged(QString());
            return false;
        }
        if (watched == MsgPersonEdit || watched == AnalPersonEdit || watched == CmpPersonEdit) {
            Page1LineEdit_textchanged(QString());
            return false;
        }
    }
    return TessellonBase::eventFilter(watched, event);
}

bool Tessellon::pathExists(const QString& text) const {
    return !text.isEmpty() && host->exists(hostBytes(text));
}

bool Tessellon::markPath(QLineEdit* field) const {
    const bool exists = pathExists(field->text());
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, exists ? QColor(0, 0, 0) : QColor(255, 0, 0));
    field->setPalette(palette);
    return exists;
}

void Tessellon::Page0LineEdit_textchanged(const QString&) {
    bool allExist = true;
    for (QLineEdit* field : {CVIWorkspaceEdit, CVIInstallEdit, CorvaneProjectEdit})
        allExist = markPath(field) && allExist;
    Page0->setComplete(allExist && !CorvaneNameEdit->text().isEmpty());
}

void Tessellon::Page1LineEdit_textchanged(const QString&) {
    bool acceptable = true;
    for (QLineEdit* field : {MsgPersonEdit, AnalPersonEdit, CmpPersonEdit}) {
        if (!field->text().isEmpty())
            acceptable = markPath(field) && acceptable;
    }
    Page1->setComplete(acceptable);
}

void Tessellon::browseInto(QLineEdit* target, BrowseRequest request) {
    const std::optional<std::string> start = host->hostPathOf(hostBytes(lastBrowsePath));
    request.startPath = start ? fromHostBytes(*start) : QString();
    const QString chosen = browse(this, request);
    // An empty answer is a cancel; the host would read it as the current folder.
    if (chosen.isEmpty())
        return;
    const QString path = fromHostBytes(toNativeSeparators(host->windowsPathOf(hostBytes(chosen))));
    if (path.isEmpty())
        return;
    lastBrowsePath = path;
    target->setText(path);
}

void Tessellon::CVIWorkspaceBrowseBtn_clicked() {
    browseInto(CVIWorkspaceEdit, {BrowseRequest::Kind::ExistingFile,
                                  tr("Select a Lab Windows CVI Workspace / Project"),
                                  tr("Lab Windows CVI Workspace/Project (*cws *prj)"),
                                  {}});
}

void Tessellon::CVIInstallBrowseBtn_clicked() {
    browseInto(CVIInstallEdit, {BrowseRequest::Kind::ExistingFolder,
                                tr("Select the CVI Labwindows install directory"),
                                {},
                                {}});
}

void Tessellon::CorvaneProjectBrowseBtn_clicked() {
    browseInto(CorvaneProjectEdit,
               {BrowseRequest::Kind::ExistingFolder,
                tr("Select the Corvane/Corvane++ Project Destination Directory"),
                {},
                {}});
}

void Tessellon::MsgBrowseBtn_clicked() {
    browseInto(MsgPersonEdit, {BrowseRequest::Kind::ExistingFile,
                               tr("Select a Message Personality"),
                               tr("Msg Personalities(*.p_s)"),
                               {}});
}

void Tessellon::AnalBrowseBtn_clicked() {
    browseInto(AnalPersonEdit, {BrowseRequest::Kind::ExistingFile,
                                tr("Select a Template Analyser Personality"),
                                tr("Analiser Personalities(*.p_a)"),
                                {}});
}

void Tessellon::CmpBrowseBtn_clicked() {
    browseInto(CmpPersonEdit, {BrowseRequest::Kind::ExistingFile,
                               tr("Select a Compiler Personality"),
                               tr("Cmp Personalities(*.p_c)"),
                               {}});
}

void Tessellon::next() {
    if (currentPage() == Page2)
        leaveExtensionsPage();
    QWizard::next();
}

void Tessellon::leaveExtensionsPage() {
    const std::pair<QCheckBox*, const char*> items[] = {
        {cppCheck, "cpp,"}, {ccCheck, "cc,"}, {cxxCheck, "cxx,"}, {cCheck, "c,"},
        {hCheck, "h,"},     {hhCheck, "hh,"}, {hppCheck, "hpp,"}, {hxxCheck, "hxx,"}};
    extensionValue.clear();
    for (const auto& [box, item] : items) {
        if (box->isChecked())
            extensionValue += QLatin1String(item);
    }
    extensionValue += CustExtEdit->text();
    // Only the one comma that the last item brought; a custom text may end with more.
    if (extensionValue.endsWith(QLatin1Char(',')))
        extensionValue.chop(1);

    const std::pair<QString, QString> lines[] = {
        {tr("Lab Windows CVI Workspace/Project:\n"), CVIWorkspaceEdit->text()},
        {tr("CVI Install Directory:\n"), CVIInstallEdit->text()},
        {tr("Corvane / Corvane++ Project Directory:\n"), CorvaneProjectEdit->text()},
        {tr("Corvane / Corvane++ Project Name:\n"), CorvaneNameEdit->text()},
        {tr("Message Personality:\n"), MsgPersonEdit->text()},
        {tr("Tamplate Analyser Personality:\n"), AnalPersonEdit->text()},
        {tr("Compiler Personality:\n"), CmpPersonEdit->text()}};
    QString summary;
    for (const auto& [label, value] : lines)
        summary += label + value + QLatin1String("\n\n");
    summary += tr("File Extensions:\n") + extensionValue + QLatin1String("\n");
    if (!compilationDatabase().isEmpty())
        summary += tr("\nCompilation Database:\n") + compilationDatabase() + QLatin1String("\n");
    DetailsText->setPlainText(summary);
    Page3->setComplete(true);
}
