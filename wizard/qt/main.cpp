#include <QApplication>
#include <QMessageBox>

#include "FormControls.h"
#include "Tessellon.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    QApplication::setApplicationVersion(QString::fromLatin1(wizard::releaseVersion));
    std::unique_ptr<platform::Host> host;
    try {
        host = platform::makeSystemHost();
    } catch (const platform::HostError& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tessellon"),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
    Tessellon wizard(std::move(host), showBrowseDialog);
    wizard.show();
    return application.exec();
}
