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

} // namespace

class RealQuorvelTest : public QObject {
    Q_OBJECT

private slots:
    void convertsTheExampleWorkspace() {
        QTemporaryDir driveC;
        QVERIFY(driveC.isValid());
        QVERIFY(copyTree(EXAMPLES_FOLDER "/weather", driveC.filePath("examples/weather")));
        QVERIFY(QDir(driveC.path()).mkpath("examples/cvi"));
        QVERIFY(QDir(driveC.path()).mkpath("out"));

        const QByteArray searchPath = qgetenv("PATH");
        const QString previousFolder = QDir::currentPath();
        qputenv("PATH",
                QFile::encodeName(QUORVEL_FOLDER) + QDir::listSeparator().toLatin1() + searchPath);
        qputenv("QUORVEL_DRIVE_C", QFile::encodeName(driveC.path()));
        QVERIFY(QDir::setCurrent(driveC.path()));
        const auto restore = qScopeGuard([&] {
            QDir::setCurrent(previousFolder);
            qputenv("PATH", searchPath);
            qunsetenv("QUORVEL_DRIVE_C");
        });

        BrowseDouble browse;
        MessageBoxCloser boxes;
        WizardUnderTest wizard(platform::makeSystemHost(), browse.dialog());
        wizard.show();
        wizard.CVIWorkspaceEdit->setText("C:\\examples\\weather\\weather.cws");
        wizard.CVIInstallEdit->setText("C:\\examples\\cvi");
        wizard.CorvaneProjectEdit->setText("C:\\out");
        wizard.CorvaneNameEdit->setText("weather");
        QVERIFY(walkToSummary(wizard));
        wizard.button(QWizard::FinishButton)->click();
        QVERIFY(wizard.converterProcess);
        QTRY_VERIFY_WITH_TIMEOUT(wizard.converterProcess->state() == QProcess::NotRunning, 60000);

        const QString log = detailsText(wizard);
        QVERIFY2(wizard.converterProcess->exitStatus() == QProcess::NormalExit &&
                     wizard.converterProcess->exitCode() == 0,
                 qPrintable(log));
        QVERIFY(log.startsWith("Initialising Workspace/Project Conversion ...\n"));
        QVERIFY(log.contains("Corvane/Corvane++ Project Completed!"));
        QVERIFY(log.endsWith("Project Converted Successfully!"));
        QVERIFY(boxes.shown.empty());
        QFile settings(driveC.filePath("settings.txt"));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), QByteArray("CVI Installation Path:\nC:\\examples\\cvi\n\n"));
    }
};

QTEST_MAIN(RealQuorvelTest)
#include "RealQuorvelTest.moc"
