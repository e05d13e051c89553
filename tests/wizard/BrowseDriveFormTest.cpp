// On POSIX a dialog speaks host paths: the wizard shows them in drive form and opens the
// next dialog at the host path of the latest choice.
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "PosixHost.h"
#include "WizardTestSupport.h"

class BrowseDriveFormTest : public QObject {
    Q_OBJECT

private slots:
    void hostPathsBecomeDrivePathsAndBack() {
        QTemporaryDir driveC;
        QVERIFY(driveC.isValid());
        QVERIFY(QDir(driveC.path()).mkpath("work"));
        QFile workspace(driveC.filePath("work/ws.cws"));
        QVERIFY(workspace.open(QIODevice::WriteOnly));
        workspace.close();
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(driveC.path()));

        const std::string root = driveC.path().toStdString();
        auto host = std::make_unique<platform::PosixHost>(
            [root](const std::string& name) -> std::optional<std::string> {
                if (name == "QUORVEL_DRIVE_C")
                    return root;
                return std::nullopt;
            });
        BrowseDouble browse;
        browse.answers = QStringList{driveC.filePath("work/ws.cws"), driveC.filePath("work")};
        WizardUnderTest wizard(std::move(host), browse.dialog());
        wizard.CVIWorkspaceBrowseBtn->click();
        wizard.CorvaneProjectBrowseBtn->click();
        QDir::setCurrent(previous);

        QCOMPARE(browse.requests.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(browse.requests[0].startPath), driveC.path() + "/");
        QCOMPARE(QString::fromStdString(browse.requests[1].startPath),
                 driveC.filePath("work/ws.cws"));
        QCOMPARE(wizard.CVIWorkspaceEdit->text(), QStringLiteral("C:\\work\\ws.cws"));
        QCOMPARE(wizard.CorvaneProjectEdit->text(), QStringLiteral("C:\\work"));
        QCOMPARE(textColour(wizard.CVIWorkspaceEdit), QColor(0, 0, 0));
        QCOMPARE(textColour(wizard.CorvaneProjectEdit), QColor(0, 0, 0));
    }
};

QTEST_MAIN(BrowseDriveFormTest)
#include "BrowseDriveFormTest.moc"
