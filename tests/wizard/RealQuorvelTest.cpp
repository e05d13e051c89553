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

/// The built Quorvel first on PATH, drive C: at driveC, which is also the current folder,
/// and QUORVEL_CODEPAGE as given (unset when empty); all as before once it ends.
class ConverterEnvironment {
public:
    ConverterEnvironment(const QString& driveC, const QByteArray& codePage)
        : searchPath(qgetenv("PATH")), previousFolder(QDir::currentPath()) {
        qputenv("PATH",
                QFile::encodeName(QUORVEL_FOLDER) + QDir::listSeparator().toLatin1() + searchPath);
        qputenv("QUORVEL_DRIVE_C", QFile::encodeName(driveC));
        if (codePage.isEmpty())
            qunsetenv("QUORVEL_CODEPAGE");
        else
            qputenv("QUORVEL_CODEPAGE", codePage);
        QDir::setCurrent(driveC);
    }
    ~ConverterEnvironment() {
        QDir::setCurrent(previousFolder);
        qputenv("PATH", searchPath);
        qunsetenv("QUORVEL_DRIVE_C");
        qunsetenv("QUORVEL_CODEPAGE");
    }

private:
    QByteArray searchPath;
    QString previousFolder;
};

/// Fills the first page, walks to the summary and runs Quorvel to its end; false when a
/// page did not let the wizard on.
bool convert(WizardUnderTest& wizard, const QString& source, const QString& name) {
    wizard.show();
    wizard.CVIWorkspaceEdit->setText(source);
    wizard.CVIInstallEdit->setText("C:\\examples\\cvi");
    wizard.CorvaneProjectEdit->setText("C:\\out");
    wizard.CorvaneNameEdit->setText(name);
    if (!walkToSummary(wizard))
        return false;
    wizard.button(QWizard::FinishButton)->click();
    if (!wizard.converterProcess)
        return false;
    return QTest::qWaitFor([&] { return wizard.converterProcess->state() == QProcess::NotRunning; },
                           60000);
}

bool succeeded(const WizardUnderTest& wizard) {
    return wizard.converterProcess->exitStatus() == QProcess::NormalExit &&
           wizard.converterProcess->exitCode() == 0;
}

/// Drive C: holding the example workspace, an empty CVI folder and the folder out.
bool layExample(const QTemporaryDir& driveC) {
    return driveC.isValid() &&
           copyTree(EXAMPLES_FOLDER "/weather", driveC.filePath("examples/weather")) &&
           QDir(driveC.path()).mkpath("examples/cvi") && QDir(driveC.path()).mkpath("out");
}

} // namespace

class RealQuorvelTest : public QObject {
    Q_OBJECT

private slots:
    void convertsTheExampleWorkspace() {
        QTemporaryDir driveC;
        QVERIFY(layExample(driveC));
        ConverterEnvironment environment(driveC.path(), {});

        BrowseDouble browse;
        MessageBoxCloser boxes;
        WizardUnderTest wizard(platform::makeSystemHost(), browse.dialog());
        QVERIFY(convert(wizard, "C:\\examples\\weather\\weather.cws", "weather"));

        const QString log = detailsText(wizard);
        QVERIFY2(succeeded(wizard), qPrintable(log));
        QVERIFY(log.contains("Corvane/Corvane++ Project Completed!"));
        // The log reads as the console does: each of Quorvel's lines once.
        QProcess console;
        console.start(wizard.converterProcess->program(), wizard.converterProcess->arguments());
        QVERIFY(console.waitForFinished(60000));
        QCOMPARE(log, "Initialising Workspace/Project Conversion ...\n" +
                          QString::fromLocal8Bit(console.readAllStandardOutput()) +
                          "\nProject Converted Successfully!");
        QVERIFY(boxes.shown.empty());
        QFile settings(driveC.filePath("settings.txt"));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), QByteArray("CVI Installation Path:\nC:\\examples\\cvi\n\n"));
    }

    void projectFileOnAFullDiskIsAFailedConversion() {
        if (!QFile::exists("/dev/full"))
            QSKIP("this system has no /dev/full");
        QTemporaryDir driveC;
        QVERIFY(layExample(driveC));
        QVERIFY(QFile::link("/dev/full", driveC.filePath("out/weather.prj")));
        ConverterEnvironment environment(driveC.path(), {});

        BrowseDouble browse;
        MessageBoxCloser boxes;
        WizardUnderTest wizard(platform::makeSystemHost(), browse.dialog());
        QVERIFY(convert(wizard, "C:\\examples\\weather\\weather.cws", "weather"));

        const QString log = detailsText(wizard);
        QCOMPARE(wizard.converterProcess->exitCode(), 1);
        QVERIFY2(log.endsWith("Creating Corvane/Corvane++ Project ...\n"
                              "Could not write file: C:\\out\\weather.prj\n"),
                 qPrintable(log));
        QVERIFY(!log.contains("Successfully"));
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QVERIFY(boxes.shown.front().text.startsWith("Workspace/Project Conversion Failed!"));
    }

    // The wizard checks its paths as UTF-8 names, the way Quorvel finds them when it keeps
    // the CVI files' code page: a path the wizard accepts converts.
    void agreesWithQuorvelInACodePage() {
        const QString wendu = QString::fromUtf8("\xE6\xB8\xA9\xE5\xBA\xA6"); // 温度
        const QByteArray wenduGbk = "\xCE\xC2\xB6\xC8";
        QTemporaryDir driveC;
        QVERIFY(driveC.isValid());
        QVERIFY(QDir(driveC.path()).mkpath(wendu));
        QVERIFY(QDir(driveC.path()).mkpath("examples/cvi"));
        QVERIFY(QDir(driveC.path()).mkpath("out"));
        QFile workspace(driveC.filePath(wendu + "/" + wendu + ".cws"));
        QVERIFY(workspace.open(QIODevice::WriteOnly));
        workspace.write("Project 0001 = \"" + wenduGbk + ".prj\"\r\n");
        workspace.close();
        QFile project(driveC.filePath(wendu + "/" + wendu + ".prj"));
        QVERIFY(project.open(QIODevice::WriteOnly));
        project.write("[File 0001]\r\nFile Type = \"CSource\"\r\nPath Is Rel = True\r\n"
                      "Path Rel To = \"Project\"\r\nPath Rel Path = \"" +
                      wenduGbk + ".c\"\r\nFolder = \"" + wenduGbk + "\"\r\n");
        project.close();
        ConverterEnvironment environment(driveC.path(), "936");

        BrowseDouble browse;
        MessageBoxCloser boxes;
        WizardUnderTest wizard(platform::makeSystemHost(), browse.dialog());
        QVERIFY(convert(wizard, "C:\\" + wendu + "\\" + wendu + ".cws", wendu));

        const QString log = detailsText(wizard);
        QVERIFY2(succeeded(wizard), qPrintable(log));
        // Quorvel's console is UTF-8 here, and so the log reads it.
        QVERIFY(log.contains("  Creating Group - " + wendu + "\n"));
        QVERIFY(QDir(driveC.filePath("out/" + wendu + "/" + wendu + "/" + wendu)).exists());
        QFile converted(driveC.filePath("out/" + wendu + ".prj"));
        QVERIFY(converted.open(QIODevice::ReadOnly));
        QVERIFY(converted.readAll().contains("\r\nFolderName=" + wenduGbk + "\r\n"));
    }
};

QTEST_MAIN(RealQuorvelTest)
#include "RealQuorvelTest.moc"
