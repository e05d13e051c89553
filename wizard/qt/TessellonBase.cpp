#include "TessellonBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <iterator>
#include <vector>

#include "FormControls.h"
#include "Images.h"
#include "WizardFace.h"

namespace {

constexpr int initialWidth = 543;
constexpr int initialHeight = 485;

/// A label as control's kind shows it: a band's image, the heading's font, wrapped text.
QLabel* label(const wizard::FormControl& control, QWidget* parent, const QPixmap& header,
              const QPixmap& footer) {
    using Kind = wizard::ControlKind;
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    if (control.kind == Kind::HeaderBand || control.kind == Kind::FooterBand) {
        label->setPixmap(control.kind == Kind::HeaderBand ? header : footer);
        label->setScaledContents(true);
    } else if (control.kind == Kind::Heading) {
        QFont headingFont = label->font();
        headingFont.setPointSize(wizard::headingPointSize);
        label->setFont(headingFont);
    } else if (control.kind == Kind::WrappedLabel) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return label;
}

/// A widget of the kind, named and placed as control says, inside parent.
QWidget* made(const wizard::FormControl& control, QWidget* parent, const QPixmap& header,
              const QPixmap& footer) {
    using Kind = wizard::ControlKind;
    QWidget* widget = nullptr;
    if (control.kind == Kind::VerticalLine) {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        widget = line;
    } else if (control.kind == Kind::Panel || control.kind == Kind::GroupBox) {
        widget = new QGroupBox(parent);
    } else if (control.kind == Kind::LineEdit) {
        widget = new QLineEdit(parent);
    } else if (control.kind == Kind::CheckBox) {
        widget = new QCheckBox(parent);
    } else if (control.kind == Kind::ComboBox) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        // A typed name is the box's text, not a choice added to its list.
        combo->setInsertPolicy(QComboBox::NoInsert);
        widget = combo;
    } else if (control.kind == Kind::Log) {
        widget = new QTextBrowser(parent);
    } else if (control.kind == Kind::BrowseButton) {
        // White, and a plain push button rather than a toggle.
        auto* button = new QPushButton(parent);
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, Qt::white);
        palette.setColor(QPalette::Window, Qt::white);
        button->setPalette(palette);
        button->setCheckable(false);
        widget = button;
    } else {
        widget = label(control, parent, header, footer);
    }
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(control.x, control.y, control.width, control.height);
    return widget;
}

/// Each member takes the widget made for the control at its place in the list, which
/// follows the form's description; a widget of another class leaves its member null.
template <typename... Widgets>
void bindInOrder(const std::vector<QWidget*>& widgets, std::size_t& at, Widgets*&... members) {
    ((members = qobject_cast<Widgets*>(widgets[at++])), ...);
}

} // namespace

TessellonBase::TessellonBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : QWizard(parent, flags), headerPixmap(headerImage()), footerPixmap(footerImage()) {
    setObjectName(QString::fromLatin1(name ? name : "TessellonBase"));
    setModal(modal);
    // The pages draw their own bands; the classic look keeps the rule above the buttons
    // and the buttons themselves the same on every system.
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::HaveHelpButton, true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 255));
    setPalette(palette);
    QFont dialogFont = font();
    dialogFont.setPointSize(wizard::dialogPointSize);
    setFont(dialogFont);

    createPages();
    languageChange();
    resize(QSize(initialWidth, initialHeight).expandedTo(minimumSizeHint()));
}

void TessellonBase::showEvent(QShowEvent* event) {
    QWizard::showEvent(event);
    // The wizard takes its minimum size before the first page shows, so without the room that
    // page needs; laying it out again now counts it, as every later page change does.
    setTitleFormat(titleFormat());
}

void TessellonBase::createPages() {
    const std::size_t count = std::size(wizard::formControls);
    formWidgets.assign(count, nullptr);
    TessellonPage** const pages[] = {&Page0, &Page1, &Page2, &Page3};
    for (int number = 0; number < wizard::pageCount; ++number) {
        TessellonPage* page = *pages[number] = new TessellonPage(this);
        page->setObjectName(QStringLiteral("Page%1").arg(number));
        for (std::size_t i = 0; i < count; ++i) {
            const wizard::FormControl& control = wizard::formControls[i];
            if (control.page != number)
                continue;
            const wizard::FormControl* box = wizard::boxOf(control);
            QWidget* parent = box ? formWidgets[std::size_t(box - wizard::formControls)] : page;
            formWidgets[i] = made(control, parent, headerPixmap, footerPixmap);
        }
        addPage(page);
    }
    std::size_t at = 0;
    bindInOrder(formWidgets, at, pixmapLabel3, pixmapLabel3_3, line1, line1_2, groupBox1_3,
                textLabel1_3_3, textLabel2_2, groupBox1, textLabel1_3, CVIWorkspaceBrowseBtn,
                textLabel1_3_2, CVIInstallBrowseBtn, CVIInstallEdit, CVIWorkspaceEdit, groupBox2,
                textLabel1, textLabel1_2, CorvaneProjectBrowseBtn, CorvaneProjectEdit,
                CorvaneNameEdit);
    bindInOrder(formWidgets, at, pixmapLabel3_2, pixmapLabel3_3_2, line1_3, line1_2_2,
                groupBox1_3_2, textLabel2_2_2, groupBox2_2, CmpBrowseBtn, CmpPersonEdit,
                groupBox2_2_2, AnalBrowseBtn, AnalPersonEdit, groupBox1_2, MsgBrowseBtn,
                MsgPersonEdit);
    bindInOrder(formWidgets, at, pixmapLabel3_2_2, pixmapLabel3_3_2_2, line1_3_2, line1_2_2_2,
                groupBox1_3_2_2, textLabel2_2_2_2, groupBox7, ccCheck, cxxCheck, cCheck, textLabel2,
                hCheck, hhCheck, hppCheck, hxxCheck, cppCheck, CustExtEdit, cdbCheck,
                cdbAppendCheck, cdbFileLabel, cdbFileEdit, cdbFileBrowseBtn, cdbConfigLabel,
                cdbConfigCombo);
    bindInOrder(formWidgets, at, pixmapLabel3_2_2_2, pixmapLabel3_3_2_2_2, line1_3_2_2,
                line1_2_2_2_2, DetailsText);
}

QWidget* TessellonBase::control(int id) const {
    for (std::size_t i = 0; i < formWidgets.size(); ++i) {
        if (wizard::formControls[i].id == id)
            return formWidgets[i];
    }
    return nullptr;
}
