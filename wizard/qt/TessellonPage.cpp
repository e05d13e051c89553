#include "TessellonPage.h"

#include "FormControls.h"

TessellonPage::TessellonPage(QWidget* parent) : QWizardPage(parent) {}

QSize TessellonPage::minimumSizeHint() const {
    return QSize(wizard::pageWidth, wizard::pageHeight);
}

void TessellonPage::setComplete(bool enabled) {
    if (complete == enabled)
        return;
    complete = enabled;
    emit completeChanged();
}
