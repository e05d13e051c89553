#include "Tessellon.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <utility>

#include "ConversionChoices.h"
#include "LocalBytes.h"
#include "Release.h"
#include "StringHelpers.h"
#include "WizardTexts.h"

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

wizard::WizardFields Tessellon::fields() const {
    wizard::WizardFields fields;
    const std::pair<std::string wizard::WizardFields::*, const QLineEdit*> texts[] = {
        {&wizard::WizardFields::workspace, CVIWorkspaceEdit},
        {&wizard::WizardFields::installFolder, CVIInstallEdit},
        {&wizard::WizardFields::destination, CorvaneProjectEdit},
        {&wizard::WizardFields::projectName, CorvaneNameEdit},
        {&wizard::WizardFields::messagePersonality, MsgPersonEdit},
        {&wizard::WizardFields::analyserPersonality, AnalPersonEdit},
        {&wizard::WizardFields::compilerPersonality, CmpPersonEdit},
        {&wizard::WizardFields::customExtensions, CustExtEdit}};
    for (const auto& [field, edit] : texts)
        fields.*field = localBytes(edit->text());
    const QCheckBox* boxes[] = {cppCheck, ccCheck, cxxCheck, cCheck,
                                hCheck,   hhCheck, hppCheck, hxxCheck};
    for (std::size_t box = 0; box < fields.extensions.size(); ++box)
        fields.extensions[box] = boxes[box]->isChecked();
    fields.compilationDatabase = cdbCheck->isChecked();
    return fields;
}

void Tessellon::markPath(QLineEdit* field, wizard::PathMark mark) {
    if (mark == wizard::PathMark::Unchanged)
        return;
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text,
                     mark == wizard::PathMark::Exists ? QColor(0, 0, 0) : QColor(255, 0, 0));
    field->setPalette(palette);
}

void Tessellon::Page0LineEdit_textchanged(const QString&) {
    const wizard::PathsPage page = wizard::pathsPage(*host, fields());
    markPath(CVIWorkspaceEdit, page.workspace);
    markPath(CVIInstallEdit, page.installFolder);
    markPath(CorvaneProjectEdit, page.destination);
    Page0->setComplete(page.nextEnabled);
}

void Tessellon::Page1LineEdit_textchanged(const QString&) {
    const wizard::PersonalitiesPage page = wizard::personalitiesPage(*host, fields());
    markPath(MsgPersonEdit, page.message);
    markPath(AnalPersonEdit, page.analyser);
    markPath(CmpPersonEdit, page.compiler);
    Page1->setComplete(page.nextEnabled);
}

void Tessellon::browseInto(QLineEdit* target, BrowseRequest request) {
    const std::optional<std::string> start = host->hostPathOf(localBytes(lastBrowsePath));
    request.startPath = start ? fromLocalBytes(*start) : QString();
    const QString chosen = browse(this, request);
    // An empty answer is a cancel; the host would read it as the current folder.
    if (chosen.isEmpty())
        return;
    const QString path =
        fromLocalBytes(toNativeSeparators(host->windowsPathOf(localBytes(chosen))));
    if (path.isEmpty())
        return;
    lastBrowsePath = path;
    target->setText(path);
}

void Tessellon::CVIWorkspaceBrowseBtn_clicked() {
    browseInto(CVIWorkspaceEdit, {BrowseRequest::Kind::ExistingFile,
                                  tr(wizard::texts::browseWorkspace),
                                  tr(wizard::texts::workspaceFilter),
                                  {}});
}

void Tessellon::CVIInstallBrowseBtn_clicked() {
    browseInto(CVIInstallEdit,
               {BrowseRequest::Kind::ExistingFolder, tr(wizard::texts::browseInstall), {}, {}});
}

void Tessellon::CorvaneProjectBrowseBtn_clicked() {
    browseInto(CorvaneProjectEdit,
               {BrowseRequest::Kind::ExistingFolder, tr(wizard::texts::browseDestination), {}, {}});
}

void Tessellon::MsgBrowseBtn_clicked() {
    browseInto(MsgPersonEdit, {BrowseRequest::Kind::ExistingFile,
                               tr(wizard::texts::browseMessage),
                               tr(wizard::texts::messageFilter),
                               {}});
}

void Tessellon::AnalBrowseBtn_clicked() {
    browseInto(AnalPersonEdit, {BrowseRequest::Kind::ExistingFile,
                                tr(wizard::texts::browseAnalyser),
                                tr(wizard::texts::analyserFilter),
                                {}});
}

void Tessellon::CmpBrowseBtn_clicked() {
    browseInto(CmpPersonEdit, {BrowseRequest::Kind::ExistingFile,
                               tr(wizard::texts::browseCompiler),
                               tr(wizard::texts::compilerFilter),
                               {}});
}

void Tessellon::next() {
    if (currentPage() == Page2)
        leaveExtensionsPage();
    QWizard::next();
}

void Tessellon::leaveExtensionsPage() {
    const wizard::WizardFields now = fields();
    extensionValue = fromLocalBytes(wizard::extensionValueOf(now));
    DetailsText->setPlainText(fromLocalBytes(wizard::summaryOf(now, localBytes(extensionValue))));
    Page3->setComplete(true);
}
