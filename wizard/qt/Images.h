#pragma once

#include <QPixmap>

/// The grey band across the top of every page, 532 x 36 pixels.
QPixmap headerImage();

/// The dark band across the bottom of every page, 532 x 19 pixels.
QPixmap footerImage();
