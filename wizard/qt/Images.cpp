#include "Images.h"

namespace {

// The bands are written by images/make_bands.py.
#include "../images/footer.xpm"
#include "../images/header.xpm"

} // namespace

QPixmap headerImage() {
    return QPixmap(header_xpm);
}

QPixmap footerImage() {
    return QPixmap(footer_xpm);
}
