// The form as the user meets it: window, pages, every widget's place and text, the images.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "WizardTestSupport.h"

namespace {

/// One widget of the form: its kind, its parent's name, where it sits and its text.
struct Expected {
    const char* name;
    const char* kind;
    const char* parent;
    QRect geometry;
    QString text; ///< label, button, check box or line edit text; group box title
    QString toolTip;
};

QString textOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return group->title();
    return QString();
}

const QString installDefault = QStringLiteral("C:\\Program Files\\National Instruments\\CVI85");

const Expected page0[] = {
    {"groupBox1_3", "QGroupBox", "Page0", {20, 40, 500, 140}, "", ""},
    {"textLabel1_3_3",
     "QLabel",
     "groupBox1_3",
     {10, 10, 461, 21},
     "Welcome to the Ostrevan :: Tessellon",
     ""},
    {"textLabel2_2",
     "QLabel",
     "groupBox1_3",
     {10, 40, 481, 90},
     "This wizard will take you through the steps required to convert your LabWindows CVI "
     "Workspace/Project file to a Corvane/Corvane++ project. \n\nSelect the Lab Windows "
     "workspace/project (.csw/.prj) that you wish to convert.  \nYou also need to specify the "
     "folder into which the Corvane/Corvane++ project will be created.  \nThe Corvane/Corvane++ "
     "project will be named according to the name specified.",
     ""},
    {"groupBox1", "QGroupBox", "Page0", {20, 190, 500, 90}, "Lab Windows CVI", ""},
    {"textLabel1_3", "QLabel", "groupBox1", {10, 20, 110, 20}, "Workspace / Project", ""},
    {"CVIWorkspaceBrowseBtn", "QPushButton", "groupBox1", {410, 20, 75, 25}, "Browse", ""},
    {"textLabel1_3_2", "QLabel", "groupBox1", {10, 55, 110, 20}, "CVI Install Location", ""},
    {"CVIInstallBrowseBtn", "QPushButton", "groupBox1", {410, 55, 75, 25}, "Browse", ""},
    {"CVIInstallEdit", "QLineEdit", "groupBox1", {120, 55, 280, 25}, installDefault, ""},
    {"CVIWorkspaceEdit",
     "QLineEdit",
     "groupBox1",
     {120, 20, 280, 25},
     "",
     "Path to the CVI workspace / project file"},
    {"groupBox2", "QGroupBox", "Page0", {20, 290, 500, 87}, "Corvane / Corvane++ Project", ""},
    {"textLabel1", "QLabel", "groupBox2", {10, 21, 40, 20}, "Folder", ""},
    {"textLabel1_2", "QLabel", "groupBox2", {10, 56, 40, 20}, "Name", ""},
    {"CorvaneProjectBrowseBtn", "QPushButton", "groupBox2", {410, 20, 75, 25}, "Browse", ""},
    {"CorvaneProjectEdit",
     "QLineEdit",
     "groupBox2",
     {120, 20, 280, 25},
     "",
     "Destination folder for the Corvane/Corvane++ project."},
    {"CorvaneNameEdit",
     "QLineEdit",
     "groupBox2",
     {120, 55, 280, 25},
     "",
     "Name of the Corvane/Corvane++ project."},
};

const Expected page1[] = {
    {"groupBox1_3_2", "QGroupBox", "Page1", {20, 40, 500, 100}, "", ""},
    {"textLabel2_2_2",
     "QLabel",
     "groupBox1_3_2",
     {10, 10, 481, 84},
     "Select the message personality and compiler personality to be used by the Corvane / "
     "Corvane++ \nproject.  \n\nSelect a template analyser personality to use e.g. MISRA, "
     "Velhaus, JSF.\n\nIf you do not select a personality, an empty default personality will "
     "be used.",
     ""},
    {"groupBox2_2", "QGroupBox", "Page1", {20, 300, 500, 60}, "Compiler Personality", ""},
    {"CmpBrowseBtn", "QPushButton", "groupBox2_2", {420, 20, 75, 25}, "Browse", ""},
    {"CmpPersonEdit",
     "QLineEdit",
     "groupBox2_2",
     {10, 20, 390, 25},
     "",
     "Path to the compiler personality to use for the project."},
    {"groupBox2_2_2",
     "QGroupBox",
     "Page1",
     {20, 230, 500, 60},
     "Template Analyser Personality",
     ""},
    {"AnalBrowseBtn", "QPushButton", "groupBox2_2_2", {420, 20, 75, 25}, "Browse", ""},
    {"AnalPersonEdit", "QLineEdit", "groupBox2_2_2", {10, 20, 390, 25}, "", ""},
    {"groupBox1_2", "QGroupBox", "Page1", {20, 160, 500, 60}, "Message Personality", ""},
    {"MsgBrowseBtn", "QPushButton", "groupBox1_2", {420, 20, 75, 25}, "Browse", ""},
    {"MsgPersonEdit",
     "QLineEdit",
     "groupBox1_2",
     {10, 20, 390, 25},
     "",
     "Path to the message personality to use for the project."},
};

const Expected page2[] = {
    {"groupBox1_3_2_2", "QGroupBox", "Page2", {20, 40, 500, 100}, "", ""},
    {"textLabel2_2_2_2",
     "QLabel",
     "groupBox1_3_2_2",
     {10, 14, 481, 70},
     "Specify which file extensions should be searched for in the Lab WIndows CVI Project.\n"
     "These files will be added into the Corvane/Corvane++ project.  \n\nYou can add custom "
     "extensions as a comma seperated list of extensions e.g res,xml",
     ""},
    {"groupBox7", "QGroupBox", "Page2", {60, 160, 420, 160}, "File Extensions", ""},
    {"ccCheck", "QCheckBox", "groupBox7", {120, 35, 50, 20}, "*.cc", ""},
    {"cxxCheck", "QCheckBox", "groupBox7", {190, 35, 50, 20}, "*.cxx", ""},
    {"cCheck", "QCheckBox", "groupBox7", {260, 35, 50, 20}, "*.c", ""},
    {"textLabel2", "QLabel", "groupBox7", {50, 116, 100, 20}, "Custom Extensions", ""},
    {"hCheck", "QCheckBox", "groupBox7", {40, 75, 50, 20}, "*.h", ""},
    {"hhCheck", "QCheckBox", "groupBox7", {120, 75, 50, 20}, "*.hh", ""},
    {"hppCheck", "QCheckBox", "groupBox7", {190, 75, 50, 20}, "*.hpp", ""},
    {"hxxCheck", "QCheckBox", "groupBox7", {260, 75, 50, 20}, "*.hxx", ""},
    {"cppCheck", "QCheckBox", "groupBox7", {40, 35, 50, 20}, "*.cpp", ""},
    {"CustExtEdit",
     "QLineEdit",
     "groupBox7",
     {160, 115, 144, 25},
     "",
     "Custom extensions list to add files of this type to the project."},
};

const Expected page3[] = {
    {"DetailsText", "QTextBrowser", "Page3", {15, 40, 505, 340}, "", ""},
};

/// The names of the images and lines that frame each page, in the order header, footer,
/// left line, right line.
const char* const framing[4][4] = {
    {"pixmapLabel3", "pixmapLabel3_3", "line1", "line1_2"},
    {"pixmapLabel3_2", "pixmapLabel3_3_2", "line1_3", "line1_2_2"},
    {"pixmapLabel3_2_2", "pixmapLabel3_3_2_2", "line1_3_2", "line1_2_2_2"},
    {"pixmapLabel3_2_2_2", "pixmapLabel3_3_2_2_2", "line1_3_2_2", "line1_2_2_2_2"},
};

/// The number of grey levels of an image, and whether every pixel is grey.
std::pair<int, bool> greyLevels(const QImage& image) {
    QSet<QRgb> colours;
    bool grey = true;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            grey = grey && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
            colours.insert(pixel);
        }
    }
    return {int(colours.size()), grey};
}

/// count widgets that Tab visits, from first on.
std::vector<QWidget*> tabOrder(QWidget* first, std::size_t count) {
    std::vector<QWidget*> order{first};
    for (QWidget* widget = first->nextInFocusChain(); order.size() < count && widget != first;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.push_back(widget);
    }
    return order;
}

} // namespace

class FormTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasCaptionSizeAndFourUntitledPages() {
        WizardOnFakeHost fixture;
        WizardUnderTest& wizard = fixture.wizard;
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Tessellon 1.0"));
        QCOMPARE(wizard.objectName(), QStringLiteral("TessellonBase"));
        QVERIFY(!wizard.isModal());
        QCOMPARE(wizard.size(), QSize(543, 485));
        // Shown, the window grows to what the wizard's frame needs around a whole page.
        wizard.show();
        QVERIFY(wizard.width() >= 543 && wizard.height() >= 485);
        const QRegion pageArea(0, 0, 532, 410);
        QVERIFY(pageArea.subtracted(wizard.Page0->visibleRegion()).isEmpty());
        QCOMPARE(wizard.palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(wizard.pageIds().size(), 4);
        QWizardPage* pages[] = {wizard.Page0, wizard.Page1, wizard.Page2, wizard.Page3};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(wizard.page(wizard.pageIds()[i]), pages[i]);
            QCOMPARE(pages[i]->objectName(), QStringLiteral("Page%1").arg(i));
            QCOMPARE(pages[i]->title(), QString());
        }
    }

    void widgetsSitWhereTheFormPlacesThemWithTheirTexts() {
        WizardOnFakeHost fixture;
        const std::pair<const Expected*, const Expected*> pages[] = {
            {std::begin(page0), std::end(page0)},
            {std::begin(page1), std::end(page1)},
            {std::begin(page2), std::end(page2)},
            {std::begin(page3), std::end(page3)}};
        for (const auto& [first, last] : pages) {
            for (const Expected* expected = first; expected != last; ++expected) {
                const auto found = fixture.wizard.findChildren<QWidget*>(expected->name);
                QVERIFY2(found.size() == 1, expected->name);
                QWidget* widget = found.first();
                QCOMPARE(widget->metaObject()->className(), expected->kind);
                QCOMPARE(widget->parentWidget()->objectName(), QLatin1String(expected->parent));
                QCOMPARE(widget->geometry(), expected->geometry);
                QCOMPARE(textOf(widget), expected->text);
                QCOMPARE(widget->toolTip(), expected->toolTip);
            }
        }
        QCOMPARE(fixture.wizard.textLabel1_3_3->font().pointSize(), 12);
        QVERIFY(fixture.wizard.textLabel2_2->wordWrap());
        QVERIFY(fixture.wizard.textLabel2_2->alignment() & Qt::AlignVCenter);
        QVERIFY(!fixture.wizard.CVIWorkspaceBrowseBtn->isCheckable());
        QCOMPARE(fixture.wizard.MsgBrowseBtn->palette().color(QPalette::Button), QColor(Qt::white));
        for (QCheckBox* box : fixture.wizard.findChildren<QCheckBox*>())
            QVERIFY(!box->isChecked());
        QVERIFY(fixture.wizard.DetailsText->isReadOnly());
    }

    void everyPageIsFramedByTheTwoGreyBands() {
        WizardOnFakeHost fixture;
        for (const auto& names : framing) {
            auto* header = fixture.wizard.findChild<QLabel*>(names[0]);
            auto* footer = fixture.wizard.findChild<QLabel*>(names[1]);
            auto* left = fixture.wizard.findChild<QFrame*>(names[2]);
            auto* right = fixture.wizard.findChild<QFrame*>(names[3]);
            QVERIFY(header && footer && left && right);
            QCOMPARE(header->geometry(), QRect(0, 0, 532, 36));
            QCOMPARE(footer->geometry(), QRect(0, 390, 532, 20));
            QCOMPARE(left->geometry(), QRect(-8, 36, 20, 355));
            QCOMPARE(right->geometry(), QRect(521, 36, 20, 355));
            QVERIFY(header->hasScaledContents() && footer->hasScaledContents());
            QCOMPARE(left->frameShape(), QFrame::VLine);
            QCOMPARE(right->frameShadow(), QFrame::Sunken);
        }
        const QImage header = fixture.wizard.pixmapLabel3->pixmap().toImage();
        const QImage footer = fixture.wizard.pixmapLabel3_3->pixmap().toImage();
        QCOMPARE(header.size(), QSize(532, 36));
        QCOMPARE(footer.size(), QSize(532, 19));
        QCOMPARE(greyLevels(header), std::make_pair(80, true));
        QCOMPARE(greyLevels(footer), std::make_pair(77, true));
        QCOMPARE(header.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(footer.pixel(531, 17), qRgb(0x0a, 0x0a, 0x0a));
    }

    void buttonsAreWhiteAndHelpIsDisabledOnEveryPage() {
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        wizard.show();
        for (auto which : {QWizard::NextButton, QWizard::BackButton, QWizard::CancelButton,
                           QWizard::FinishButton}) {
            QCOMPARE(wizard.button(which)->palette().color(QPalette::Button), QColor(Qt::white));
            QCOMPARE(wizard.button(which)->palette().color(QPalette::Window), QColor(Qt::white));
        }
        wizard.CVIWorkspaceEdit->setText("C:\\ws\\app.cws");
        wizard.CorvaneProjectEdit->setText("C:\\out");
        wizard.CorvaneNameEdit->setText("app");
        for (int page = 0; page < 4; ++page) {
            QVERIFY(wizard.button(QWizard::HelpButton)->isVisible());
            QVERIFY(!wizard.button(QWizard::HelpButton)->isEnabled());
            if (page < 3)
                QVERIFY(pressNext(wizard));
        }
        QCOMPARE(wizard.currentPage(), wizard.Page3);
    }

    void focusVisitsTheWidgetsInTheOrderTheyWereCreated() {
        WizardOnFakeHost fixture;
        WizardUnderTest& wizard = fixture.wizard;
        const std::vector<QWidget*> page0Order = {
            wizard.CVIWorkspaceBrowseBtn, wizard.CVIInstallBrowseBtn,     wizard.CVIInstallEdit,
            wizard.CVIWorkspaceEdit,      wizard.CorvaneProjectBrowseBtn, wizard.CorvaneProjectEdit,
            wizard.CorvaneNameEdit};
        QCOMPARE(tabOrder(page0Order.front(), page0Order.size()), page0Order);
        // The personality boxes stand top to bottom as message, analyser, compiler, but the
        // focus visits them the other way round.
        const std::vector<QWidget*> page1Order = {wizard.CmpBrowseBtn,  wizard.CmpPersonEdit,
                                                  wizard.AnalBrowseBtn, wizard.AnalPersonEdit,
                                                  wizard.MsgBrowseBtn,  wizard.MsgPersonEdit};
        QCOMPARE(tabOrder(page1Order.front(), page1Order.size()), page1Order);
        const std::vector<QWidget*> page2Order = {
            wizard.ccCheck,  wizard.cxxCheck, wizard.cCheck,   wizard.hCheck,     wizard.hhCheck,
            wizard.hppCheck, wizard.hxxCheck, wizard.cppCheck, wizard.CustExtEdit};
        QCOMPARE(tabOrder(page2Order.front(), page2Order.size()), page2Order);
    }
};

QTEST_MAIN(FormTest)
#include "FormTest.moc"
