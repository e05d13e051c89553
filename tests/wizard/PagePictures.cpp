// Draws the wizard at each of its four pages into tessellon-page0.png ... tessellon-page3.png
// in the folder given as the only argument. Run offscreen (QT_QPA_PLATFORM=offscreen).
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

#include "WizardTestSupport.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessellon_page_pictures <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath("."))
        return 1;

    WizardOnFakeHost fixture([](FakeHost& host) {
        host.addFile("C:\\examples\\weather\\weather.cws", "");
        host.addFolder("C:\\Program Files\\National Instruments\\CVI85");
        host.addFolder("C:\\out");
        host.addFile("C:\\personalities\\misra.p_a", "");
    });
    Tessellon& wizard = fixture.wizard;
    wizard.show();
    wizard.CVIWorkspaceEdit->setText("C:\\examples\\weather\\weather.cws");
    wizard.CorvaneProjectEdit->setText("C:\\out");
    wizard.CorvaneNameEdit->setText("weather");
    wizard.AnalPersonEdit->setText("C:\\personalities\\misra.p_a");
    wizard.cCheck->setChecked(true);
    wizard.hCheck->setChecked(true);

    for (int page = 0; page < 4; ++page) {
        QApplication::processEvents();
        const QString file = folder.filePath(QStringLiteral("tessellon-page%1.png").arg(page));
        if (!wizard.grab().save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            return 1;
        }
        if (page < 3 && !pressNext(wizard))
            return 1;
    }
    return 0;
}
