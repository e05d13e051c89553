#include "TessellonPage.h"

namespace {

/// The extent of the page images; every page keeps room for them in full.
constexpr int pageWidth = 532;
constexpr int pageHeight = 410;

} // namespace

TessellonPage::TessellonPage(QWidget* parent) : QWizardPage(parent) {}

QSize TessellonPage::minimumSizeHint() const {
    return QSize(pageWidth, pageHeight);
}

void TessellonPage::setComplete(bool enabled) {
    if (complete == enabled)
        return;
    complete = enabled;
    emit completeChanged();
}
