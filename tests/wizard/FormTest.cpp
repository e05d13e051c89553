// The form as the user meets it: the window, its pages, the bands that frame them, the buttons.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "WizardTestSupport.h"

namespace {

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

    void headerImageOfEveryPageShowsTheRelease() {
        WizardOnFakeHost fixture;
        for (const auto& names : framing) {
            auto* header = fixture.wizard.findChild<QLabel*>(names[0]);
            QVERIFY(header);
            QCOMPARE(header->toolTip(), QStringLiteral("Tessellon " PROJECT_VERSION));
            auto* footer = fixture.wizard.findChild<QLabel*>(names[1]);
            QCOMPARE(footer->toolTip(), QString());
        }
        QCOMPARE(fixture.wizard.windowTitle(), QStringLiteral("Tessellon 1.0"));
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

    void compilationDatabaseBoxAndItsChoicesSitBelowTheExtensions() {
        WizardOnFakeHost fixture;
        WizardUnderTest& wizard = fixture.wizard;
        QCOMPARE(wizard.cdbCheck->objectName(), QStringLiteral("cdbCheck"));
        QCOMPARE(wizard.cdbCheck->parentWidget(), wizard.Page2);
        QCOMPARE(wizard.cdbCheck->geometry(), QRect(60, 325, 300, 20));
        QCOMPARE(wizard.cdbCheck->text(),
                 QStringLiteral("Also write compile_commands.json for clang tools"));
        QVERIFY(!wizard.cdbCheck->isChecked());
        QCOMPARE(wizard.cdbConfigCombo->geometry(), QRect(398, 355, 122, 24));
        QVERIFY(wizard.cdbConfigCombo->isEditable());
        QCOMPARE(wizard.cdbConfigCombo->count(), 5);
        QCOMPARE(wizard.cdbConfigCombo->currentText(), QStringLiteral("Workspace's own"));
        QCOMPARE(wizard.cdbConfigCombo->itemText(4), QStringLiteral("Release64"));
        QCOMPARE(tabOrder(wizard.CustExtEdit, 6),
                 (std::vector<QWidget*>{wizard.CustExtEdit, wizard.cdbCheck, wizard.cdbAppendCheck,
                                        wizard.cdbFileEdit, wizard.cdbFileBrowseBtn,
                                        wizard.cdbConfigCombo}));
    }
};

QTEST_MAIN(FormTest)
#include "FormTest.moc"
