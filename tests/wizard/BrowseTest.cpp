// The six browse buttons: which dialog each asks for, where it opens, what the choice changes.
#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "WizardTestSupport.h"

using Kind = BrowseRequest::Kind;

class BrowseTest : public QObject {
    Q_OBJECT

private slots:
    void eachButtonAsksForItsOwnDialog_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("filter");
        QTest::newRow("workspace")
            << "CVIWorkspaceBrowseBtn"
            << "CVIWorkspaceEdit" << false << "Select a Lab Windows CVI Workspace / Project"
            << "Lab Windows CVI Workspace/Project (*cws *prj)";
        QTest::newRow("install") << "CVIInstallBrowseBtn"
                                 << "CVIInstallEdit" << true
                                 << "Select the CVI Labwindows install directory"
                                 << "";
        QTest::newRow("destination") << "CorvaneProjectBrowseBtn"
                                     << "CorvaneProjectEdit" << true
                                     << "Select the Corvane/Corvane++ Project Destination Directory"
                                     << "";
        QTest::newRow("message") << "MsgBrowseBtn"
                                 << "MsgPersonEdit" << false << "Select a Message Personality"
                                 << "Msg Personalities(*.p_s)";
        QTest::newRow("analyser") << "AnalBrowseBtn"
                                  << "AnalPersonEdit" << false
                                  << "Select a Template Analyser Personality"
                                  << "Analiser Personalities(*.p_a)";
        QTest::newRow("compiler") << "CmpBrowseBtn"
                                  << "CmpPersonEdit" << false << "Select a Compiler Personality"
                                  << "Cmp Personalities(*.p_c)";
    }

    void eachButtonAsksForItsOwnDialog() {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(bool, folder);
        QFETCH(QString, caption);
        QFETCH(QString, filter);
        WizardOnFakeHost fixture([](FakeHost& host) { host.addFile("C:\\work\\ws.cws", ""); });
        fixture.browse.answers = QStringList{"C:/work/ws.cws"};
        fixture.wizard.findChild<QPushButton*>(button)->click();

        QCOMPARE(fixture.browse.requests.size(), std::size_t(1));
        const BrowseRequest& request = fixture.browse.requests.front();
        QCOMPARE(request.kind, folder ? Kind::ExistingFolder : Kind::ExistingFile);
        QCOMPARE(request.caption, caption);
        QCOMPARE(request.filter, filter);
        QCOMPARE(request.startPath, QStringLiteral("\\"));
        auto* edit = fixture.wizard.findChild<QLineEdit*>(field);
        QCOMPARE(edit->text(), QStringLiteral("C:\\work\\ws.cws"));
        QCOMPARE(textColour(edit), QColor(0, 0, 0)); // the page rule ran
        QCOMPARE(fixture.wizard.lastBrowsePath, QStringLiteral("C:\\work\\ws.cws"));
    }

    void everyDialogOpensWhereTheLatestChoiceWasMade() {
        WizardOnFakeHost fixture;
        fixture.browse.answers = QStringList{"C:/work/ws.cws", "D:/cvi", "", "C:/p/cc.p_c"};
        WizardUnderTest& wizard = fixture.wizard;
        wizard.CVIWorkspaceBrowseBtn->click();
        wizard.CVIInstallBrowseBtn->click();
        wizard.CorvaneProjectBrowseBtn->click(); // cancelled
        wizard.CmpBrowseBtn->click();
        const auto& requests = fixture.browse.requests;
        QCOMPARE(requests.size(), std::size_t(4));
        QCOMPARE(requests[0].startPath, QStringLiteral("\\"));
        QCOMPARE(requests[1].startPath, QStringLiteral("C:\\work\\ws.cws"));
        QCOMPARE(requests[2].startPath, QStringLiteral("D:\\cvi"));
        QCOMPARE(requests[3].startPath, QStringLiteral("D:\\cvi"));
        QCOMPARE(wizard.CVIInstallEdit->text(), QStringLiteral("D:\\cvi"));
        QCOMPARE(wizard.CmpPersonEdit->text(), QStringLiteral("C:\\p\\cc.p_c"));
        QCOMPARE(wizard.lastBrowsePath, QStringLiteral("C:\\p\\cc.p_c"));
    }

    void cancellingChangesNothing() {
        WizardOnFakeHost fixture([](FakeHost& host) { host.addFile("C:\\pers\\m.p_s", ""); });
        WizardUnderTest& wizard = fixture.wizard;
        wizard.MsgPersonEdit->setText("C:\\pers\\m.p_s");
        const QColor colour = textColour(wizard.MsgPersonEdit);
        QSignalSpy edits(wizard.MsgPersonEdit, &QLineEdit::textChanged);
        wizard.MsgBrowseBtn->click();
        QCOMPARE(fixture.browse.requests.size(), std::size_t(1));
        QCOMPARE(wizard.MsgPersonEdit->text(), QStringLiteral("C:\\pers\\m.p_s"));
        QCOMPARE(textColour(wizard.MsgPersonEdit), colour);
        QCOMPARE(edits.count(), 0);
        QCOMPARE(wizard.lastBrowsePath, QStringLiteral("\\"));
    }

    void aChosenPathThatDoesNotExistTurnsRedAndKeepsNextDisabled() {
        WizardOnFakeHost fixture([](FakeHost& host) {
            host.addFolder("C:\\out");
            host.addFolder("C:\\Program Files\\National Instruments\\CVI85");
        });
        WizardUnderTest& wizard = fixture.wizard;
        wizard.CorvaneProjectEdit->setText("C:\\out");
        wizard.CorvaneNameEdit->setText("app");
        fixture.browse.answers = QStringList{"C:/gone/ws.cws"};
        wizard.CVIWorkspaceBrowseBtn->click();
        QCOMPARE(wizard.CVIWorkspaceEdit->text(), QStringLiteral("C:\\gone\\ws.cws"));
        QCOMPARE(textColour(wizard.CVIWorkspaceEdit), QColor(255, 0, 0));
        QVERIFY(!wizard.Page0->isComplete());
    }
};

QTEST_MAIN(BrowseTest)
#include "BrowseTest.moc"
