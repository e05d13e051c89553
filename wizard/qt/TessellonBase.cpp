#include "TessellonBase.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <tuple>

#include "Images.h"

namespace {

constexpr int initialWidth = 543;
constexpr int initialHeight = 485;
constexpr int dialogPointSize = 8;

/// widget, named and placed at x, y with size width x height inside its parent.
template <typename Widget>
Widget* place(Widget* widget, const char* name, int x, int y, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, width, height);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, int x, int y, int width, int height) {
    QLabel* plain = place(new QLabel(parent), name, x, y, width, height);
    plain->setTextFormat(Qt::PlainText);
    return plain;
}

/// A label that shows text word-wrapped and centred vertically.
QLabel* wrappedLabel(QWidget* parent, const char* name, int x, int y, int width, int height) {
    QLabel* wrapped = label(parent, name, x, y, width, height);
    wrapped->setWordWrap(true);
    wrapped->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return wrapped;
}

QGroupBox* groupBox(QWidget* parent, const char* name, int x, int y, int width, int height) {
    return place(new QGroupBox(parent), name, x, y, width, height);
}

QLineEdit* lineEdit(QWidget* parent, const char* name, int x, int y, int width, int height) {
    return place(new QLineEdit(parent), name, x, y, width, height);
}

QCheckBox* checkBox(QWidget* parent, const char* name, int x, int y, int width, int height) {
    return place(new QCheckBox(parent), name, x, y, width, height);
}

/// A browse button: white, and a plain push button rather than a toggle.
QPushButton* browseButton(QWidget* parent, const char* name, int x, int y) {
    QPushButton* button = place(new QPushButton(parent), name, x, y, 75, 25);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    button->setPalette(palette);
    button->setCheckable(false);
    return button;
}

QFrame* verticalLine(QWidget* parent, const char* name, int x) {
    QFrame* line = place(new QFrame(parent), name, x, 36, 20, 355);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* imageLabel(QWidget* parent, const char* name, int y, int height, const QPixmap& image) {
    QLabel* shown = label(parent, name, 0, y, 532, height);
    shown->setPixmap(image);
    shown->setScaledContents(true);
    return shown;
}

/// The header and footer images and the two lines that frame every page, named as given.
std::tuple<QLabel*, QLabel*, QFrame*, QFrame*>
framing(QWidget* page, const char* header, const char* footer, const char* leftLine,
        const char* rightLine, const QPixmap& headerImage, const QPixmap& footerImage) {
    return {imageLabel(page, header, 0, 36, headerImage),
            imageLabel(page, footer, 390, 20, footerImage), verticalLine(page, leftLine, -8),
            verticalLine(page, rightLine, 521)};
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
    // The fixed geometry was laid out for the small dialog font of classic Windows; today's
    // larger default fonts would cut the texts short.
    QFont dialogFont = font();
    dialogFont.setPointSize(dialogPointSize);
    setFont(dialogFont);

    createPage0();
    createPage1();
    createPage2();
    createPage3();
    languageChange();
    resize(QSize(initialWidth, initialHeight).expandedTo(minimumSizeHint()));
}

void TessellonBase::showEvent(QShowEvent* event) {
    QWizard::showEvent(event);
    // The wizard takes its minimum size before the first page shows, so without the room that
    // page needs; laying it out again now counts it, as every later page change does.
    setTitleFormat(titleFormat());
}

TessellonPage* TessellonBase::addNamedPage(const char* name) {
    auto* page = new TessellonPage(this);
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

void TessellonBase::createPage0() {
    Page0 = addNamedPage("Page0");
    std::tie(pixmapLabel3, pixmapLabel3_3, line1, line1_2) = framing(
        Page0, "pixmapLabel3", "pixmapLabel3_3", "line1", "line1_2", headerPixmap, footerPixmap);

    groupBox1_3 = groupBox(Page0, "groupBox1_3", 20, 40, 500, 140);
    textLabel1_3_3 = label(groupBox1_3, "textLabel1_3_3", 10, 10, 461, 21);
    QFont welcomeFont = textLabel1_3_3->font();
    welcomeFont.setPointSize(12);
    textLabel1_3_3->setFont(welcomeFont);
    textLabel2_2 = wrappedLabel(groupBox1_3, "textLabel2_2", 10, 40, 481, 90);

    groupBox1 = groupBox(Page0, "groupBox1", 20, 190, 500, 90);
    textLabel1_3 = label(groupBox1, "textLabel1_3", 10, 20, 110, 20);
    CVIWorkspaceBrowseBtn = browseButton(groupBox1, "CVIWorkspaceBrowseBtn", 410, 20);
    textLabel1_3_2 = label(groupBox1, "textLabel1_3_2", 10, 55, 110, 20);
    CVIInstallBrowseBtn = browseButton(groupBox1, "CVIInstallBrowseBtn", 410, 55);
    CVIInstallEdit = lineEdit(groupBox1, "CVIInstallEdit", 120, 55, 280, 25);
    CVIWorkspaceEdit = lineEdit(groupBox1, "CVIWorkspaceEdit", 120, 20, 280, 25);

    groupBox2 = groupBox(Page0, "groupBox2", 20, 290, 500, 87);
    textLabel1 = label(groupBox2, "textLabel1", 10, 21, 40, 20);
    textLabel1_2 = label(groupBox2, "textLabel1_2", 10, 56, 40, 20);
    CorvaneProjectBrowseBtn = browseButton(groupBox2, "CorvaneProjectBrowseBtn", 410, 20);
    CorvaneProjectEdit = lineEdit(groupBox2, "CorvaneProjectEdit", 120, 20, 280, 25);
    CorvaneNameEdit = lineEdit(groupBox2, "CorvaneNameEdit", 120, 55, 280, 25);
    addPage(Page0);
}

void TessellonBase::createPage1() {
    Page1 = addNamedPage("Page1");
    std::tie(pixmapLabel3_2, pixmapLabel3_3_2, line1_3, line1_2_2) =
        framing(Page1, "pixmapLabel3_2", "pixmapLabel3_3_2", "line1_3", "line1_2_2", headerPixmap,
                footerPixmap);

    groupBox1_3_2 = groupBox(Page1, "groupBox1_3_2", 20, 40, 500, 100);
    textLabel2_2_2 = wrappedLabel(groupBox1_3_2, "textLabel2_2_2", 10, 10, 481, 84);

    groupBox2_2 = groupBox(Page1, "groupBox2_2", 20, 300, 500, 60);
    CmpBrowseBtn = browseButton(groupBox2_2, "CmpBrowseBtn", 420, 20);
    CmpPersonEdit = lineEdit(groupBox2_2, "CmpPersonEdit", 10, 20, 390, 25);

    groupBox2_2_2 = groupBox(Page1, "groupBox2_2_2", 20, 230, 500, 60);
    AnalBrowseBtn = browseButton(groupBox2_2_2, "AnalBrowseBtn", 420, 20);
    AnalPersonEdit = lineEdit(groupBox2_2_2, "AnalPersonEdit", 10, 20, 390, 25);

    groupBox1_2 = groupBox(Page1, "groupBox1_2", 20, 160, 500, 60);
    MsgBrowseBtn = browseButton(groupBox1_2, "MsgBrowseBtn", 420, 20);
    MsgPersonEdit = lineEdit(groupBox1_2, "MsgPersonEdit", 10, 20, 390, 25);
    addPage(Page1);
}

void TessellonBase::createPage2() {
    Page2 = addNamedPage("Page2");
    std::tie(pixmapLabel3_2_2, pixmapLabel3_3_2_2, line1_3_2, line1_2_2_2) =
        framing(Page2, "pixmapLabel3_2_2", "pixmapLabel3_3_2_2", "line1_3_2", "line1_2_2_2",
                headerPixmap, footerPixmap);

    groupBox1_3_2_2 = groupBox(Page2, "groupBox1_3_2_2", 20, 40, 500, 100);
    textLabel2_2_2_2 = wrappedLabel(groupBox1_3_2_2, "textLabel2_2_2_2", 10, 14, 481, 70);

    groupBox7 = groupBox(Page2, "groupBox7", 60, 160, 420, 160);
    ccCheck = checkBox(groupBox7, "ccCheck", 120, 35, 50, 20);
    cxxCheck = checkBox(groupBox7, "cxxCheck", 190, 35, 50, 20);
    cCheck = checkBox(groupBox7, "cCheck", 260, 35, 50, 20);
    textLabel2 = label(groupBox7, "textLabel2", 50, 116, 100, 20);
    hCheck = checkBox(groupBox7, "hCheck", 40, 75, 50, 20);
    hhCheck = checkBox(groupBox7, "hhCheck", 120, 75, 50, 20);
    hppCheck = checkBox(groupBox7, "hppCheck", 190, 75, 50, 20);
    hxxCheck = checkBox(groupBox7, "hxxCheck", 260, 75, 50, 20);
    cppCheck = checkBox(groupBox7, "cppCheck", 40, 35, 50, 20);
    CustExtEdit = lineEdit(groupBox7, "CustExtEdit", 160, 115, 144, 25);
    cdbCheck = checkBox(Page2, "cdbCheck", 60, 335, 420, 20);
    addPage(Page2);
}

void TessellonBase::createPage3() {
    Page3 = addNamedPage("Page3");
    std::tie(pixmapLabel3_2_2_2, pixmapLabel3_3_2_2_2, line1_3_2_2, line1_2_2_2_2) =
        framing(Page3, "pixmapLabel3_2_2_2", "pixmapLabel3_3_2_2_2", "line1_3_2_2", "line1_2_2_2_2",
                headerPixmap, footerPixmap);
    DetailsText = place(new QTextBrowser(Page3), "DetailsText", 15, 40, 505, 340);
    addPage(Page3);
}
