// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

// The About window's pictures, drawn in code. Sizes are in pixels; `scale`
// is the device pixel ratio to draw them at (the screen's scaling).
namespace velmora {

// 280 x 128, opaque (no alpha): the maker's emblem, name and tagline on white.
QPixmap makerLogo(qreal scale = 1);

// 200 x 200: a dome camera on a white background.
QPixmap productPicture1(qreal scale = 1);

// 170 x 106: a network video recorder seen from the front.
QPixmap productPicture2(qreal scale = 1);

// 200 x 200: a bullet network camera on its mount.
QPixmap productPicture3(qreal scale = 1);

} // namespace velmora
