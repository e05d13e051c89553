// The rules that colour the paths and enable Next, and what leaving the extensions page builds.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QTextBrowser>
#include <QtTest>

#include "WizardTestSupport.h"

namespace {

const QColor black(0, 0, 0);
const QColor red(255, 0, 0);

void fillFirstPage(Tessellon& wizard) {
    wizard.CVIWorkspaceEdit->setText("C:\\ws\\app.cws");
    wizard.CorvaneProjectEdit->setText("C:\\out");
    wizard.CorvaneNameEdit->setText("app");
}

bool nextEnabled(const Tessellon& wizard) {
    return wizard.button(QWizard::NextButton)->isEnabled();
}

bool finishEnabled(const Tessellon& wizard) {
    return wizard.button(QWizard::FinishButton)->isEnabled();
}

/// The summary for the fields of fillFirstPage, the default install folder and extensions.
QString summaryWith(const QString& personalities, const QString& extensions) {
    return "Lab Windows CVI Workspace/Project:\nC:\\ws\\app.cws\n\n"
           "CVI Install Directory:\nC:\\Program Files\\National Instruments\\CVI85\n\n"
           "Corvane / Corvane++ Project Directory:\nC:\\out\n\n"
           "Corvane / Corvane++ Project Name:\napp\n\n" +
           personalities + "File Extensions:\n" + extensions + "\n";
}

const QString noPersonalities = "Message Personality:\n\n\n"
                                "Tamplate Analyser Personality:\n\n\n"
                                "Compiler Personality:\n\n\n";

} // namespace

class PageRulesTest : public QObject {
    Q_OBJECT

private slots:
    void theWizardStartsOnThePathsPageWithNextDisabled() {
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        wizard.show();
        QCOMPARE(wizard.currentPage(), wizard.Page0);
        QVERIFY(!nextEnabled(wizard));
        QCOMPARE(wizard.lastBrowsePath, QStringLiteral("\\"));
        QCOMPARE(wizard.extensionValue, QString());
        QVERIFY(wizard.converterProcess == nullptr);
    }

    void firstPageColoursEachPathAndNeedsAllThreeAndAName() {
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        wizard.show();
        wizard.CVIWorkspaceEdit->setText("C:\\ws\\app.cws");
        QCOMPARE(textColour(wizard.CVIWorkspaceEdit), black);
        QCOMPARE(textColour(wizard.CVIInstallEdit), black);
        QCOMPARE(textColour(wizard.CorvaneProjectEdit), red); // empty never exists
        wizard.CorvaneProjectEdit->setText("C:\\out");
        QCOMPARE(textColour(wizard.CorvaneProjectEdit), black);
        QVERIFY(!nextEnabled(wizard)); // no name yet
        wizard.CorvaneNameEdit->setText("app");
        QVERIFY(nextEnabled(wizard));
        QCOMPARE(textColour(wizard.CorvaneNameEdit), QLineEdit().palette().color(QPalette::Text));

        wizard.CVIInstallEdit->setText("C:\\nowhere");
        QCOMPARE(textColour(wizard.CVIInstallEdit), red);
        QVERIFY(!nextEnabled(wizard));
    }

    void typingAndKeyReleasesRunTheFirstPageRule() {
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        wizard.show();
        fillFirstPage(wizard);
        QVERIFY(nextEnabled(wizard));

        wizard.CVIWorkspaceEdit->setFocus();
        wizard.CVIWorkspaceEdit->end(false);
        QTest::keyClick(wizard.CVIWorkspaceEdit, Qt::Key_Backspace);
        QCOMPARE(wizard.CVIWorkspaceEdit->text(), QStringLiteral("C:\\ws\\app.cw"));
        QCOMPARE(textColour(wizard.CVIWorkspaceEdit), red);
        QVERIFY(!nextEnabled(wizard));
        QTest::keyClick(wizard.CVIWorkspaceEdit, Qt::Key_S);
        QCOMPARE(textColour(wizard.CVIWorkspaceEdit), black);
        QVERIFY(nextEnabled(wizard));

        // A key that changes no text checks again: the folder has appeared meanwhile.
        wizard.CorvaneProjectEdit->setText("C:\\later\\x");
        QCOMPARE(textColour(wizard.CorvaneProjectEdit), red);
        fixture.host->addFolder("C:\\later\\x");
        QTest::keyRelease(wizard.CorvaneNameEdit, Qt::Key_Shift);
        QCOMPARE(textColour(wizard.CorvaneProjectEdit), black);
        QVERIFY(nextEnabled(wizard));
    }

    void personalitiesPageAcceptsEmptyOrExistingFields() {
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        wizard.show();
        fillFirstPage(wizard);
        QVERIFY(pressNext(wizard));
        QCOMPARE(wizard.currentPage(), wizard.Page1);
        QVERIFY(nextEnabled(wizard)); // all three empty

        const QColor untouched = textColour(wizard.AnalPersonEdit);
        wizard.MsgPersonEdit->setText("C:\\p\\missing.p_s");
        wizard.CmpPersonEdit->setText("C:\\p\\cc.p_c");
        QCOMPARE(textColour(wizard.MsgPersonEdit), red);
        QCOMPARE(textColour(wizard.CmpPersonEdit), black);
        QCOMPARE(textColour(wizard.AnalPersonEdit), untouched);
        QVERIFY(!nextEnabled(wizard));

        wizard.MsgPersonEdit->clear();
        QCOMPARE(textColour(wizard.MsgPersonEdit), red); // an empty field keeps its colour
        QVERIFY(nextEnabled(wizard));
        wizard.AnalPersonEdit->setText("C:\\p");
        QVERIFY(nextEnabled(wizard));
        wizard.CmpPersonEdit->setText("C:\\p\\gone.p_c");
        QVERIFY(!nextEnabled(wizard));

        fixture.host->addFile("C:\\p\\gone.p_c", "");
        QTest::keyRelease(wizard.AnalPersonEdit, Qt::Key_Control);
        QCOMPARE(textColour(wizard.CmpPersonEdit), black);
        QVERIFY(nextEnabled(wizard));
    }

    void leavingTheExtensionsPageBuildsTheValue_data() {
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QString>("custom");
        QTest::addColumn<QString>("value");
        QTest::newRow("boxes and custom") << QStringList{"cppCheck", "hppCheck"} << "res,xml"
                                          << "cpp,hpp,res,xml";
        QTest::newRow("every box") << QStringList{"cppCheck", "ccCheck", "cxxCheck", "cCheck",
                                                  "hCheck",   "hhCheck", "hppCheck", "hxxCheck"}
                                   << ""
                                   << "cpp,cc,cxx,c,h,hh,hpp,hxx";
    }

    void leavingTheExtensionsPageBuildsTheValue() {
        QFETCH(QStringList, checked);
        QFETCH(QString, custom);
        QFETCH(QString, value);
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        wizard.show();
        fillFirstPage(wizard);
        QVERIFY(pressNext(wizard));
        QVERIFY(pressNext(wizard));
        for (const QString& name : checked)
            wizard.findChild<QCheckBox*>(name)->setChecked(true);
        wizard.CustExtEdit->setText(custom);
        QVERIFY(pressNext(wizard));
        QCOMPARE(wizard.currentPage(), wizard.Page3);
        QCOMPARE(wizard.extensionValue, value);
        QCOMPARE(detailsText(wizard), summaryWith(noPersonalities, value));
        QVERIFY(finishEnabled(wizard));
    }

    void summaryListsEveryFieldAsItStands() {
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        wizard.show();
        fillFirstPage(wizard);
        QVERIFY(pressNext(wizard));
        wizard.MsgPersonEdit->setText("C:\\p\\m.p_s");
        wizard.CmpPersonEdit->setText("C:\\p\\cc.p_c");
        QVERIFY(walkToSummary(wizard));
        QCOMPARE(detailsText(wizard), summaryWith("Message Personality:\nC:\\p\\m.p_s\n\n"
                                                  "Tamplate Analyser Personality:\n\n\n"
                                                  "Compiler Personality:\nC:\\p\\cc.p_c\n\n",
                                                  ""));
    }

    void backToExtensionsAndNextAgainRebuildsTheSummary() {
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        wizard.show();
        fillFirstPage(wizard);
        wizard.cppCheck->setChecked(true);
        QVERIFY(walkToSummary(wizard));
        QCOMPARE(wizard.extensionValue, QStringLiteral("cpp"));
        wizard.Page3->setComplete(false); // as after a successful run

        wizard.button(QWizard::BackButton)->click();
        QCOMPARE(wizard.currentPage(), wizard.Page2);
        wizard.cppCheck->setChecked(false);
        wizard.hCheck->setChecked(true);
        wizard.CustExtEdit->setText("xml");
        QVERIFY(pressNext(wizard));
        QCOMPARE(wizard.currentPage(), wizard.Page3);
        QCOMPARE(wizard.extensionValue, QStringLiteral("h,xml"));
        QCOMPARE(detailsText(wizard), summaryWith(noPersonalities, "h,xml"));
        QVERIFY(finishEnabled(wizard));
    }

    void summaryNamesTheCompilationDatabaseOnlyWhenItsBoxIsChecked() {
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        wizard.show();
        fillFirstPage(wizard);
        wizard.cdbCheck->setChecked(true);
        QVERIFY(walkToSummary(wizard));
        QCOMPARE(detailsText(wizard),
                 summaryWith(noPersonalities, "") +
                     "\nCompilation Database:\nC:\\out\\compile_commands.json\n");

        wizard.button(QWizard::BackButton)->click();
        wizard.cdbCheck->setChecked(false);
        QVERIFY(pressNext(wizard));
        QCOMPARE(detailsText(wizard), summaryWith(noPersonalities, ""));
    }
};

QTEST_MAIN(PageRulesTest)
#include "PageRulesTest.moc"
