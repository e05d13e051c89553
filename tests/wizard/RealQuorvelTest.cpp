// The wizard runs the built Quorvel on the example workspace, drive C: being a copy of the
// examples in a temporary folder.
#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "WizardTestSupport.h"

namespace {

/// Copies the folder tree at from to to; false when a file could not be copied.
bool copyTree(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

/// Drive C: made of a temporary folder holding the example workspace, C:\examples\cvi
/// and C:\out, with the built Quorvel on the search path and the working directory on C:.
/// All of it is undone when it goes.
class ExampleDrive {
public:
    ExampleDrive() : searchPath(qgetenv("PATH")), previousFolder(QDir::currentPath()) {
        ready = driveC.isValid() &&
                copyTree(EXAMPLES_FOLDER "/weather", driveC.filePath("examples/weather")) &&
                QDir(driveC.path()).mkpath("examples/cvi") && QDir(driveC.path()).mkpath("out");
        qputenv("PATH",
                QFile::encodeName(QUORVEL_FOLDER) + QDir::listSeparator().toLatin1() + searchPath);
        qputenv("QUORVEL_DRIVE_C", QFile::encodeName(driveC.path()));
        ready = ready && QDir::setCurrent(driveC.path());
    }
    ~ExampleDrive() {
        QDir::setCurrent(previousFolder);
        qputenv("PATH", searchPath);
        qunsetenv("QUORVEL_DRIVE_C");
    }
    ExampleDrive(const ExampleDrive&) = delete;
    ExampleDrive& operator=(const ExampleDrive&) = delete;

    QTemporaryDir driveC;
    bool ready = false;

private:
    QByteArray searchPath;
    QString previousFolder;
};

/// Fills the wizard for the example workspace into C:\out, presses Finish and waits for
/// the converter's end; false when it never got there.
bool convertExample(WizardUnderTest& wizard) {
    wizard.show();
    wizard.CVIWorkspaceEdit->setText("C:\\examples\\weather\\weather.cws");
    wizard.CVIInstallEdit->setText("C:\\examples\\cvi");
    wizard.CorvaneProjectEdit->setText("C:\\out");
    wizard.CorvaneNameEdit->setText("weather");
    if (!walkToSummary(wizard))
        return false;
    wizard.button(QWizard::FinishButton)->click();
    if (!wizard.converterProcess)
        return false;
    return QTest::qWaitFor(
        [&wizard] { return wizard.converterProcess->state() == QProcess::NotRunning; }, 60000);
}

} // namespace

class RealQuorvelTest : public QObject {
    Q_OBJECT

private slots:
    void convertsTheExampleWorkspace() {
        ExampleDrive drive;
        QVERIFY(drive.ready);
        BrowseDouble browse;
        MessageBoxCloser boxes;
        WizardUnderTest wizard(platform::makeSystemHost(), browse.dialog());
        QVERIFY(convertExample(wizard));

        const QString log = detailsText(wizard);
        QVERIFY2(wizard.converterProcess->exitStatus() == QProcess::NormalExit &&
                     wizard.converterProcess->exitCode() == 0,
                 qPrintable(log));
        QVERIFY(log.startsWith("Initialising Workspace/Project Conversion ...\n"));
        QVERIFY(log.contains("Corvane/Corvane++ Project Completed!"));
        QVERIFY(log.endsWith("Project Converted Successfully!"));
        QVERIFY(boxes.shown.empty());
        QFile settings(drive.driveC.filePath("settings.txt"));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), QByteArray("CVI Installation Path:\nC:\\examples\\cvi\n\n"));
    }

    void projectFileOnAFullDiskIsAFailedConversion() {
        if (!QFile::exists("/dev/full"))
            QSKIP("this system has no /dev/full");
        ExampleDrive drive;
        QVERIFY(drive.ready);
        QVERIFY(QFile::link("/dev/full", drive.driveC.filePath("out/weather.prj")));
        BrowseDouble browse;
        MessageBoxCloser boxes;
        WizardUnderTest wizard(platform::makeSystemHost(), browse.dialog());
        QVERIFY(convertExample(wizard));

        const QString log = detailsText(wizard);
        QCOMPARE(wizard.converterProcess->exitCode(), 1);
        QVERIFY2(log.endsWith("Creating Corvane/Corvane++ Project ...\n"
                              "Could not write file: C:\\out\\weather.prj\n"),
                 qPrintable(log));
        QVERIFY(!log.contains("Successfully"));
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QVERIFY(boxes.shown.front().text.startsWith("Workspace/Project Conversion Failed!"));
    }
};

QTEST_MAIN(RealQuorvelTest)
#include "RealQuorvelTest.moc"
