// Finish runs "Quorvel" from the search path under QProcess: here a stand-in that records its
// arguments and follows a plan, so that each end can be brought about on purpose.
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

    void aRealChildsOutputReadsAsPrintedAndEveryArgumentArrivesWhole() {
        ReadyWizard ready("C:\\my out", " my app ");
        MessageBoxCloser boxes;
        ready.wizard.CustExtEdit->setText(" res, \"xml\\");
        const QString planPath =
            plan("chunks", {"out Reading Workspace ...\\n", "wait chunks.1",
                            "out   Creating Group - \\xe6\\xb8", "wait chunks.2",
                            "out \\xa9\\xe5\\xba\\xa6\\nhalf a li", "wait chunks.3",
                            "out ne\\nCorvane/Corvane++ Project Completed!\\n", "exit 0"});
        const QString cancel = ready.cancelText();
        QVERIFY(ready.finish());
        QString log = started + "Reading Workspace ...\n";
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), log, 30000);
        QCOMPARE(ready.cancelText(), cancel);
        go("chunks.1");
        // A character split between two chunks waits for its second half.
        log += "  Creating Group - ";
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), log, 30000);
        go("chunks.2");
        log += QString::fromUtf8("\xE6\xB8\xA9\xE5\xBA\xA6") + "\nhalf a li";
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), log, 30000);
        go("chunks.3");
        QTRY_VERIFY_WITH_TIMEOUT(ready.ended(), 30000);

        QCOMPARE(detailsText(ready.wizard),
                 log + "ne\nCorvane/Corvane++ Project Completed!\n\n" + succeeded);
        QVERIFY(!ready.finishEnabled());
        QCOMPARE(ready.cancelText(), QStringLiteral("Close"));
        QVERIFY(boxes.shown.empty());
        QCOMPARE(recordedArguments(planPath),
                 QStringList({"Quorvel", "C:\\ws\\app.cws",
                              "C:\\Program Files\\National Instruments\\CVI85", "C:\\my out", "-pn",
                              " my app ", "-ext", " res, \"xml\\"}));
    }

    void failureShowsTheParentlessInformationBoxBeforeTheSettingsAreSaved() {
        ReadyWizard ready;
        MessageBoxCloser boxes([&ready] { return ready.settings(); });
        plan("failure", {"out Could not open file: C:\\\\ws\\\\app.cws\\n", "exit 1"});
        QVERIFY(ready.finish());
        QTRY_VERIFY_WITH_TIMEOUT(ready.ended(), 30000);

        QCOMPARE(detailsText(ready.wizard), started + "Could not open file: C:\\ws\\app.cws\n");
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        const ShownBox& box = boxes.shown.front();
        QCOMPARE(box.caption, QStringLiteral("Tessellon"));
        QCOMPARE(box.text, QStringLiteral("Workspace/Project Conversion Failed!\nPlease check the "
                                          "details log and try again."));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!box.hasParent);
        QCOMPARE(box.settingsWhenShown, std::string());
        QVERIFY(!ready.settings().empty());
        QVERIFY(ready.finishEnabled());
    }

    void aCrashIsNoNormalEnd() {
        ReadyWizard ready;
        MessageBoxCloser boxes;
        plan("crash", {"out partial output\\n", "crash"});
        QVERIFY(ready.finish());
        QTRY_VERIFY_WITH_TIMEOUT(ready.ended(), 30000);
        QCOMPARE(detailsText(ready.wizard), started + "partial output\n");
        QVERIFY(boxes.shown.empty());
        QVERIFY(ready.finishEnabled());
        QVERIFY(!ready.settings().empty());
    }

    void withoutQuorvelOnThePathTheLogSaysSo() {
        qputenv("PATH", QFile::encodeName(folder.filePath("empty")));
        ReadyWizard ready;
        QVERIFY(ready.finish());
        QCOMPARE(detailsText(ready.wizard), started + "\n" + notStarted);
        QVERIFY(ready.finishEnabled());
        QCOMPARE(ready.settings(), std::string());
    }

    void aSecondFinishAndThenCancelKillTheRunningChild() {
        ReadyWizard ready;
        MessageBoxCloser boxes;
        plan("first", {"out first\\n", "wait never"});
        QVERIFY(ready.finish());
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), started + "first\n", 30000);
        QProcess* first = ready.wizard.converterProcess;

        plan("second", {"out second\\n", "wait never"});
        ready.wizard.button(QWizard::FinishButton)->click();
        QCOMPARE(first->state(), QProcess::NotRunning);
        QTRY_COMPARE_WITH_TIMEOUT(detailsText(ready.wizard), started + "second\n", 30000);
        QProcess* second = ready.wizard.converterProcess;
        QCOMPARE(second->state(), QProcess::Running);

        ready.wizard.button(QWizard::CancelButton)->click();
        QCOMPARE(second->state(), QProcess::NotRunning);
        QVERIFY(!ready.wizard.isVisible());
        QCOMPARE(ready.wizard.result(), int(QDialog::Rejected));
        QVERIFY(boxes.shown.empty());
        QVERIFY(!ready.settings().empty());
    }
};

QTEST_MAIN(ConverterRunTest)
#include "ConverterRunTest.moc"
