#include "Release.h"

#include <QLabel>

#include "TessellonBase.h"

QString releaseVersion() {
    return QStringLiteral(QUORVEL_VERSION);
}

void showRelease(TessellonBase& form) {
    const QString text = QStringLiteral("Tessellon ") + releaseVersion();
    for (QLabel* header :
         {form.pixmapLabel3, form.pixmapLabel3_2, form.pixmapLabel3_2_2, form.pixmapLabel3_2_2_2})
        header->setToolTip(text);
}
