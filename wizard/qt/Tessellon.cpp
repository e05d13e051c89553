#include "Tessellon.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "FormControls.h"
#include "LocalBytes.h"
#include "WizardTexts.h"

using wizard::Field;

Tessellon::Tessellon(std::unique_ptr<platform::Host> host, BrowseDialog browse, QWidget* parent,
                     const char* name, bool modal, Qt::WindowFlags flags)
    : TessellonBase(parent, name, modal, flags), host(std::move(host)),
      controller(*this->host, *this), browseDialog(std::move(browse)) {
    // The wizard enables and disables Back, Next and Finish page by page but never touches
    // Help, so disabling it once disables it on every page.
    button(QWizard::HelpButton)->setEnabled(false);

    const std::pair<QPushButton*, void (Tessellon::*)()> browseButtons[] = {
        {CVIWorkspaceBrowseBtn, &Tessellon::CVIWorkspaceBrowseBtn_clicked},
        {CVIInstallBrowseBtn, &Tessellon::CVIInstallBrowseBtn_clicked},
        {CorvaneProjectBrowseBtn, &Tessellon::CorvaneProjectBrowseBtn_clicked},
        {MsgBrowseBtn, &Tessellon::MsgBrowseBtn_clicked},
        {AnalBrowseBtn, &Tessellon::AnalBrowseBtn_clicked},
        {CmpBrowseBtn, &Tessellon::CmpBrowseBtn_clicked},
        {cdbFileBrowseBtn, &Tessellon::cdbFileBrowseBtn_clicked}};
    for (const auto& [browseButton, slot] : browseButtons)
        connect(browseButton, &QPushButton::clicked, this, slot);
    for (QLineEdit* edit : {CVIWorkspaceEdit, CVIInstallEdit, CorvaneProjectEdit, CorvaneNameEdit})
        connect(edit, &QLineEdit::textChanged, this, &Tessellon::Page0LineEdit_textchanged);
    for (QLineEdit* edit : {MsgPersonEdit, AnalPersonEdit, CmpPersonEdit})
        connect(edit, &QLineEdit::textChanged, this, &Tessellon::Page1LineEdit_textchanged);
    for (QLineEdit* edit : {CustExtEdit, cdbFileEdit})
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit](const QString& text) { edited(edit, text); });
    for (int box = 0; box < int(wizard::ExtensionBox::Count); ++box)
        connect(qobject_cast<QCheckBox*>(control(wizard::controls::cppCheck + box)),
                &QCheckBox::toggled, this, [this, box](bool checked) {
                    controller.extensionChecked(static_cast<wizard::ExtensionBox>(box), checked);
                });
    connect(cdbCheck, &QCheckBox::toggled, this,
            [this](bool checked) { controller.databaseChecked(checked); });
    connect(cdbAppendCheck, &QCheckBox::toggled, this,
            [this](bool checked) { controller.keepEntriesChecked(checked); });
    connect(cdbConfigCombo, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { controller.configurationChanged(localBytes(text)); });
    // The wizard's Next and Back buttons call the base class's next() and back(), which are
    // not virtual; the controller decides where they lead.
    QAbstractButton* nextButton = button(QWizard::NextButton);
    disconnect(nextButton, nullptr, this, nullptr);
    connect(nextButton, &QAbstractButton::clicked, this, &Tessellon::next);
    QAbstractButton* backButton = button(QWizard::BackButton);
    disconnect(backButton, nullptr, this, nullptr);
    connect(backButton, &QAbstractButton::clicked, this, [this] { controller.back(); });

    // The path fields check their path again at every key, as files come and go.
    for (int field = 0; field < wizard::fieldCount; ++field)
        editOf(Field(field))->installEventFilter(this);
    for (QWizard::WizardButton which :
         {QWizard::NextButton, QWizard::BackButton, QWizard::CancelButton, QWizard::FinishButton})
        button(which)->setPalette(QPalette(Qt::white, Qt::white));
    controller.start();
}

bool Tessellon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        if (const std::optional<Field> field = fieldOf(watched)) {
            controller.keyReleased(*field);
            return false;
        }
    }
    return TessellonBase::eventFilter(watched, event);
}

QLineEdit* Tessellon::editOf(Field field) const {
    return qobject_cast<QLineEdit*>(control(wizard::editOf(field)));
}

std::optional<Field> Tessellon::fieldOf(const QObject* edit) const {
    for (int field = 0; field < wizard::fieldCount; ++field) {
        if (editOf(Field(field)) == edit)
            return Field(field);
    }
    return std::nullopt;
}

void Tessellon::edited(const QObject* edit, const QString& text) {
    if (const std::optional<Field> field = fieldOf(edit))
        controller.textChanged(*field, localBytes(text));
}

void Tessellon::Page0LineEdit_textchanged(const QString& text) {
    edited(sender(), text);
}

void Tessellon::Page1LineEdit_textchanged(const QString& text) {
    edited(sender(), text);
}

void Tessellon::CVIWorkspaceBrowseBtn_clicked() {
    controller.browse(Field::Workspace);
}

void Tessellon::CVIInstallBrowseBtn_clicked() {
    controller.browse(Field::InstallFolder);
}

void Tessellon::CorvaneProjectBrowseBtn_clicked() {
    controller.browse(Field::Destination);
}

void Tessellon::MsgBrowseBtn_clicked() {
    controller.browse(Field::MessagePersonality);
}

void Tessellon::AnalBrowseBtn_clicked() {
    controller.browse(Field::AnalyserPersonality);
}

void Tessellon::CmpBrowseBtn_clicked() {
    controller.browse(Field::CompilerPersonality);
}

void Tessellon::cdbFileBrowseBtn_clicked() {
    controller.browse(Field::DatabaseFile);
}

void Tessellon::next() {
    controller.next();
}

void Tessellon::showText(Field field, const std::string& text) {
    editOf(field)->setText(fromLocalBytes(text));
}

void Tessellon::markPath(Field field, wizard::PathMark mark) {
    QLineEdit* edit = editOf(field);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text,
                     mark == wizard::PathMark::Exists ? QColor(0, 0, 0) : QColor(255, 0, 0));
    edit->setPalette(palette);
}

void Tessellon::enableControl(int id, bool enabled) {
    control(id)->setEnabled(enabled);
}

void Tessellon::showButtons(const wizard::ButtonStates& states) {
    TessellonPage* const pages[] = {Page0, Page1, Page2, Page3};
    for (std::size_t page = 0; page < std::size(pages); ++page)
        pages[page]->setComplete(states.complete[page]);
    if (states.close)
        setButtonText(QWizard::CancelButton, tr(wizard::texts::close));
    if (currentId() >= 0 && currentId() < states.page)
        QWizard::next();
    else if (currentId() > states.page)
        QWizard::back();
}

std::string Tessellon::browse(const wizard::BrowseRequest& request) {
    return localBytes(browseDialog(this, request));
}
