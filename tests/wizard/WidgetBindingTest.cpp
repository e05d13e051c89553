// The widgets reach the controller: typed texts, key releases, boxes, Next and Back; and what
// the controller shows reaches the widgets: colours, enabled buttons, the page, the summary.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "ConversionChoices.h"
#include "LocalBytes.h"
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

class WidgetBindingTest : public QObject {
    Q_OBJECT

private slots:
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
        QCOMPARE(wizard.controller.extensionValue(), localBytes(value));
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
        wizard.AnalPersonEdit->setText("C:\\p\\a.p_a");
        wizard.CmpPersonEdit->setText("C:\\p\\cc.p_c");
        QVERIFY(walkToSummary(wizard));
        QCOMPARE(detailsText(wizard), summaryWith("Message Personality:\nC:\\p\\m.p_s\n\n"
                                                  "Tamplate Analyser Personality:\nC:\\p\\a.p_a\n\n"
                                                  "Compiler Personality:\nC:\\p\\cc.p_c\n\n",
                                                  ""));
    }

    void databaseChoicesReachTheArgumentsWhileTheBoxIsChecked() {
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        fixture.browse.answers = QStringList{"D:/db/all.json"};
        wizard.show();
        fillFirstPage(wizard);
        QCOMPARE(wizard.cdbFileEdit->text(), QStringLiteral("C:\\out\\compile_commands.json"));
        QVERIFY(pressNext(wizard));
        QVERIFY(pressNext(wizard));
        QVERIFY(!wizard.cdbFileEdit->isEnabled());
        wizard.cdbCheck->click();
        QVERIFY(wizard.cdbAppendCheck->isEnabled() && wizard.cdbFileEdit->isEnabled() &&
                wizard.cdbFileBrowseBtn->isEnabled() && wizard.cdbConfigCombo->isEnabled());

        wizard.cdbFileBrowseBtn->click();
        QCOMPARE(fixture.browse.requests.back().kind, wizard::BrowseRequest::Kind::FileToWrite);
        QCOMPARE(wizard.cdbFileEdit->text(), QStringLiteral("D:\\db\\all.json"));
        wizard.cdbFileEdit->setFocus();
        wizard.cdbFileEdit->selectAll();
        QTest::keyClicks(wizard.cdbFileEdit, "D:\\db.json");
        wizard.cdbAppendCheck->click();
        wizard.cdbConfigCombo->setCurrentIndex(wizard.cdbConfigCombo->findText("Release64"));
        QVERIFY(pressNext(wizard));
        QCOMPARE(wizard::converterArguments(wizard.controller.fields(),
                                            wizard.controller.extensionValue()),
                 (std::vector<std::string>{
                     "C:\\ws\\app.cws", "C:\\Program Files\\National Instruments\\CVI85", "C:\\out",
                     "-pn", "app", "-cdbappend", "D:\\db.json", "-cdbconfig", "Release64"}));
    }

    void backToExtensionsAndNextAgainRebuildsTheSummary() {
        WizardOnFakeHost fixture(typicalPaths);
        WizardUnderTest& wizard = fixture.wizard;
        wizard.show();
        fillFirstPage(wizard);
        wizard.cppCheck->setChecked(true);
        QVERIFY(walkToSummary(wizard));
        wizard.Page3->setComplete(false); // as after a successful run

        wizard.button(QWizard::BackButton)->click();
        QCOMPARE(wizard.currentPage(), wizard.Page2);
        wizard.cppCheck->setChecked(false);
        wizard.hCheck->setChecked(true);
        wizard.CustExtEdit->setText("xml");
        QVERIFY(pressNext(wizard));
        QCOMPARE(wizard.currentPage(), wizard.Page3);
        QCOMPARE(detailsText(wizard), summaryWith(noPersonalities, "h,xml"));
        QVERIFY(finishEnabled(wizard));
    }
};

QTEST_MAIN(WidgetBindingTest)
#include "WidgetBindingTest.moc"
