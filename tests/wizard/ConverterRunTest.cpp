// Finish runs "Quorvel" from the search path: here a stand-in that records its arguments and
// follows a plan, so that each outcome can be brought about on purpose.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "WizardTestSupport.h"

namespace {

const QString started = QStringLiteral("Initialising Workspace/Project Conversion ...\n");
const QString notStarted = QStringLiteral("Workspace/Project Conversion could not be executed: "
                                          "Please ensure Quorvel.exe is set on the path.\n");
const QString succeeded = QStringLiteral("Project Converted Successfully!");

/// A wizard on the summary page, ready for Finish, with the given first-page fields.
struct ReadyWizard : WizardOnFakeHost {
    explicit ReadyWizard(const QString& destination = "C:\\out", const QString& name = "app",
                         const std::function<void(FakeHost&)>& more = {})
        : WizardOnFakeHost([&](FakeHost& host) {
              typicalPaths(host);
              if (more)
                  more(host);
          }) {
        wizard.show();
        wizard.CVIWorkspaceEdit->setText("C:\\ws\\app.cws");
        wizard.CorvaneProjectEdit->setText(destination);
        wizard.CorvaneNameEdit->setText(name);
    }

    bool finish() {
        if (!walkToSummary(wizard))
            return false;
        QAbstractButton* button = wizard.button(QWizard::FinishButton);
        if (!button->isEnabled())
            return false;
        button->click();
        return true;
    }

    bool ended() const {
        return wizard.converterProcess && wizard.converterProcess->state() == QProcess::NotRunning;
    }

    bool finishEnabled() const { return wizard.button(QWizard::FinishButton)->isEnabled(); }
    QString cancelText() const { return wizard.button(QWizard::CancelButton)->text(); }
};

} // namespace

class ConverterRunTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QByteArray searchPath;

    /// Writes a plan for the stand-in and makes it the plan of the next run.
    QString plan(const QString& name, const QStringList& steps) {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write((steps.join('\n') + '\n').toUtf8());
        qputenv("TESSELLON_FAKE_PLAN", QFile::encodeName(path));
        return path;
    }

    /// Lets a waiting stand-in go on.
    void go(const QString& name) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    /// The arguments the stand-in received for a plan, its program name first.
    static QStringList recordedArguments(const QString& planPath) {
        QFile file(planPath + ".args");
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList arguments = QString::fromLocal8Bit(file.readAll()).split(QChar('\0'));
        arguments.removeLast();
        return arguments;
    }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        QVERIFY(QDir(folder.path()).mkpath("bin"));
        QVERIFY(QDir(folder.path()).mkpath("empty"));
        QVERIFY(QFile::link(FAKE_QUORVEL, folder.filePath("bin/Quorvel")));
        searchPath = qgetenv("PATH");
    }

    void init() {
        qputenv("PATH", QFile::encodeName(folder.filePath("bin")) +
                            QDir::listSeparator().toLatin1() + searchPath);
    }

    void cleanup() {
        qputenv("PATH", searchPath);
        qunsetenv("TESSELLON_FAKE_PLAN");
    }

    void successShowsEveryChunkInOrderThenTheSuccessLine() {
        ReadyWizard ready;
        MessageBoxCloser boxes;
        plan("chunks", {"out Reading Workspace ...\\n", "wait chunks.1",
                        "out   Creating Group - app\\nhalf a li", "wait chunks.2",
                        "out ne\\nCorvane/Corvane++ Project Completed!\\n", "exit 0"});
        const QString cancel = ready.cancelText();
        QVERIFY(ready.finish());
        QString log = started + "\nReading Workspace ...\n";
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), log, 30000);
        QVERIFY(ready.finishEnabled());
        QCOMPARE(ready.cancelText(), cancel);
        go("chunks.1");
        log += "\n  Creating Group - app\nhalf a li";
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), log, 30000);
        go("chunks.2");
        QTRY_VERIFY_WITH_TIMEOUT(ready.ended(), 30000);

        QCOMPARE(detailsText(ready.wizard),
                 log + "\nne\nCorvane/Corvane++ Project Completed!\n\n" + succeeded);
        QVERIFY(!ready.finishEnabled());
        QCOMPARE(ready.cancelText(), QStringLiteral("Close"));
        QVERIFY(boxes.shown.empty());
        QCOMPARE(ready.settings(),
                 std::string("CVI Installation Path:\nC:\\Program Files\\National "
                             "Instruments\\CVI85\n\n"));

        // Back and Next make a fresh summary to run again; Close stays Close.
        ready.wizard.button(QWizard::BackButton)->click();
        QVERIFY(pressNext(ready.wizard));
        QVERIFY(ready.finishEnabled());
        QVERIFY(detailsText(ready.wizard).startsWith("Lab Windows CVI Workspace/Project:\n"));
        QCOMPARE(ready.cancelText(), QStringLiteral("Close"));
        ready.wizard.button(QWizard::CancelButton)->click();
        QVERIFY(!ready.wizard.isVisible());
    }

    void outputIsReadInTheConsolesCodePageEvenSplitBetweenChunks() {
        ReadyWizard ready;
        MessageBoxCloser boxes;
        plan("split", {"out Creating Group - \\xe6\\xb8", "wait split.1",
                       "out \\xa9\\xe5\\xba\\xa6\\n", "exit 0"});
        QVERIFY(ready.finish());
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), started + "\nCreating Group - ",
                                  30000);
        go("split.1");
        QTRY_VERIFY_WITH_TIMEOUT(ready.ended(), 30000);
        QCOMPARE(detailsText(ready.wizard), started + "\nCreating Group - \n" +
                                                QString::fromUtf8("\xE6\xB8\xA9\xE5\xBA\xA6") +
                                                "\n\n" + succeeded);
    }

    void optionsFollowInOrderWithEveryItemWholeAndUntrimmed() {
        ReadyWizard every("C:\\my out", " my app ");
        every.wizard.MsgPersonEdit->setText("C:\\p\\m.p_s");
        every.wizard.AnalPersonEdit->setText("C:\\p\\a.p_a");
        every.wizard.CmpPersonEdit->setText("C:\\p\\cc.p_c");
        every.wizard.CustExtEdit->setText(" res, xml");
        const QString planPath = plan("every", {"exit 0"});
        QVERIFY(every.finish());
        QTRY_VERIFY_WITH_TIMEOUT(every.ended(), 30000);
        QCOMPARE(recordedArguments(planPath),
                 QStringList({"Quorvel", "C:\\ws\\app.cws",
                              "C:\\Program Files\\National Instruments\\CVI85", "C:\\my out", "-pn",
                              " my app ", "-mp", "C:\\p\\m.p_s", "-ap", "C:\\p\\a.p_a", "-cp",
                              "C:\\p\\cc.p_c", "-ext", " res, xml"}));
    }

    void checkedDatabaseBoxAsksForCompileCommandsInTheDestination() {
        ReadyWizard ready("C:\\my out", "app");
        ready.wizard.cCheck->setChecked(true);
        ready.wizard.cdbCheck->setChecked(true);
        const QString planPath = plan("database", {"exit 0"});
        QVERIFY(ready.finish());
        QTRY_VERIFY_WITH_TIMEOUT(ready.ended(), 30000);
        QCOMPARE(recordedArguments(planPath),
                 QStringList({"Quorvel", "C:\\ws\\app.cws",
                              "C:\\Program Files\\National Instruments\\CVI85", "C:\\my out", "-pn",
                              "app", "-ext", "c", "-cdb", "C:\\my out\\compile_commands.json"}));
        // The choice is not remembered: settings.txt keeps its four fields.
        QCOMPARE(ready.settings(),
                 std::string("CVI Installation Path:\nC:\\Program Files\\National "
                             "Instruments\\CVI85\n\n"));
    }

    void failureShowsTheBoxAndSavesTheSettingsAfterIt() {
        ReadyWizard ready;
        MessageBoxCloser boxes([&ready] { return ready.settings(); });
        plan("failure", {"out Could not open file: C:\\\\ws\\\\app.cws\\n", "exit 1"});
        const QString cancel = ready.cancelText();
        QVERIFY(ready.finish());
        QTRY_VERIFY_WITH_TIMEOUT(ready.ended(), 30000);

        QCOMPARE(detailsText(ready.wizard), started + "\nCould not open file: C:\\ws\\app.cws\n");
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        const ShownBox& box = boxes.shown.front();
        QCOMPARE(box.caption, QStringLiteral("Tessellon"));
        QCOMPARE(box.text, QStringLiteral("Workspace/Project Conversion Failed!\nPlease check the "
                                          "details log and try again."));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!box.hasParent);
        QCOMPARE(box.settingsWhenShown, std::string()); // not written while the box was up
        QVERIFY(!ready.settings().empty());
        QVERIFY(ready.finishEnabled());
        QCOMPARE(ready.cancelText(), cancel);
    }

    void aCrashShowsNothingButSavesTheSettings() {
        ReadyWizard ready;
        MessageBoxCloser boxes;
        ready.wizard.MsgPersonEdit->setText("C:\\p\\m.p_s");
        plan("crash", {"out partial output\\n", "crash"});
        QVERIFY(ready.finish());
        QTRY_VERIFY_WITH_TIMEOUT(ready.ended(), 30000);
        QCOMPARE(ready.wizard.converterProcess->exitStatus(), QProcess::CrashExit);
        QCOMPARE(detailsText(ready.wizard), started + "\npartial output\n");
        QVERIFY(boxes.shown.empty());
        QVERIFY(ready.finishEnabled());
        QCOMPARE(ready.settings(),
                 std::string("CVI Installation Path:\nC:\\Program Files\\National "
                             "Instruments\\CVI85\n\nMessage Personality:\n"
                             "C:\\p\\m.p_s\n\n"));
    }

    void aClearedPersonalityIsGoneAtTheNextStart() {
        ReadyWizard ready("C:\\out", "app", [](FakeHost& host) {
            host.addFile("C:\\settings.txt",
                         "CVI Installation Path:\nC:\\out\n\nMessage Personality:\nC:\\p\\m.p_s\n\n"
                         "Compiler Personality:\nC:\\p\\cc.p_c\n\n");
        });
        QCOMPARE(ready.wizard.MsgPersonEdit->text(), QStringLiteral("C:\\p\\m.p_s"));
        ready.wizard.MsgPersonEdit->clear();
        plan("cleared", {"exit 0"});
        QVERIFY(ready.finish());
        QTRY_VERIFY_WITH_TIMEOUT(ready.ended(), 30000);
        const std::string saved = ready.settings();
        QCOMPARE(saved, std::string("CVI Installation Path:\nC:\\out\n\n"
                                    "Compiler Personality:\nC:\\p\\cc.p_c\n\n"));
        WizardOnFakeHost next([&](FakeHost& host) { host.addFile("C:\\settings.txt", saved); });
        QCOMPARE(next.wizard.MsgPersonEdit->text(), QString());
        QCOMPARE(next.wizard.CmpPersonEdit->text(), QStringLiteral("C:\\p\\cc.p_c"));
    }

    void withoutQuorvelOnThePathTheLogSaysSo() {
        qputenv("PATH", QFile::encodeName(folder.filePath("empty")));
        ReadyWizard ready;
        MessageBoxCloser boxes;
        QVERIFY(ready.finish());
        QCOMPARE(detailsText(ready.wizard), started + "\n" + notStarted);
        QVERIFY(ready.finishEnabled());
        ready.wizard.button(QWizard::FinishButton)->click();
        QCOMPARE(detailsText(ready.wizard), started + "\n" + notStarted);
        QVERIFY(ready.finishEnabled());
        QVERIFY(boxes.shown.empty());
        QCOMPARE(ready.settings(), std::string());
    }

    void aSecondFinishStopsTheRunningChildFirst() {
        ReadyWizard ready;
        plan("first", {"out first\\n", "wait never"});
        QVERIFY(ready.finish());
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), started + "\nfirst\n", 30000);
        QProcess* first = ready.wizard.converterProcess;

        plan("second", {"out second\\n", "wait second.go", "exit 0"});
        ready.wizard.button(QWizard::FinishButton)->click();
        QCOMPARE(first->state(), QProcess::NotRunning);
        QVERIFY(ready.wizard.converterProcess != first);
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), started + "\nsecond\n", 30000);
        // The first child's end was no outcome of the second run.
        QVERIFY(ready.finishEnabled());
        QCOMPARE(ready.wizard.converterProcess->state(), QProcess::Running);

        go("second.go");
        QTRY_VERIFY_WITH_TIMEOUT(ready.ended(), 30000);
        QCOMPARE(detailsText(ready.wizard), started + "\nsecond\n\n" + succeeded);
        QVERIFY(!ready.finishEnabled());
    }

    void cancelDuringARunKillsTheChildAndCloses() {
        ReadyWizard ready;
        MessageBoxCloser boxes;
        plan("cancelled", {"out working\\n", "wait never"});
        QVERIFY(ready.finish());
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), started + "\nworking\n", 30000);
        ready.wizard.button(QWizard::CancelButton)->click();
        QVERIFY(ready.ended());
        QVERIFY(!ready.wizard.isVisible());
        QCOMPARE(ready.wizard.result(), int(QDialog::Rejected));
        QVERIFY(boxes.shown.empty());
        QVERIFY(!ready.settings().empty()); // the run ended, if by a kill
    }
};

QTEST_MAIN(ConverterRunTest)
#include "ConverterRunTest.moc"
