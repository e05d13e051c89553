// The six browse buttons: each reaches the controller for its own field, and the choice that
// the toolkit's dialog returns lands in that field's widget.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "WizardTestSupport.h"

class BrowseTest : public QObject {
    Q_OBJECT

private slots:
    void eachButtonFillsItsOwnField_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::newRow("workspace") << "CVIWorkspaceBrowseBtn"
                                   << "CVIWorkspaceEdit"
                                   << "Select a Lab Windows CVI Workspace / Project";
        QTest::newRow("install") << "CVIInstallBrowseBtn"
                                 << "CVIInstallEdit"
                                 << "Select the CVI Labwindows install directory";
        QTest::newRow("destination")
            << "CorvaneProjectBrowseBtn"
            << "CorvaneProjectEdit"
            << "Select the Corvane/Corvane++ Project Destination Directory";
        QTest::newRow("message") << "MsgBrowseBtn"
                                 << "MsgPersonEdit"
                                 << "Select a Message Personality";
        QTest::newRow("analyser") << "AnalBrowseBtn"
                                  << "AnalPersonEdit"
                                  << "Select a Template Analyser Personality";
        QTest::newRow("compiler") << "CmpBrowseBtn"
                                  << "CmpPersonEdit"
                                  << "Select a Compiler Personality";
    }

    void eachButtonFillsItsOwnField() {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, caption);
        WizardOnFakeHost fixture([](FakeHost& host) { host.addFile("C:\\work\\ws.cws", ""); });
        fixture.browse.answers = QStringList{"C:/work/ws.cws"};
        fixture.wizard.findChild<QPushButton*>(button)->click();

        QCOMPARE(fixture.browse.requests.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(fixture.browse.requests.front().caption), caption);
        auto* edit = fixture.wizard.findChild<QLineEdit*>(field);
        QCOMPARE(edit->text(), QStringLiteral("C:\\work\\ws.cws"));
        QCOMPARE(textColour(edit), QColor(0, 0, 0)); // the page rule ran
    }
};

QTEST_MAIN(BrowseTest)
#include "BrowseTest.moc"
