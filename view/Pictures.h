// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

// The main window's pictures, drawn in code. Sizes are in pixels; `scale` is
// the device pixel ratio to draw them at (the screen's scaling).
namespace velmora {

// Colour picture of a ceiling dome camera, drawn at each size it is asked for.
QIcon domeCameraIcon();
// The sizes the window icon offers the window system.
inline constexpr int kWindowIconSizes[] = {16, 24, 32, 48, 64, 128};

// Paints the window icon's dome camera in the 48 x 48 square at the painter's
// origin; `devicePixels` is the size it ends up at on the device.
void paintDomeIcon(QPainter& painter, qreal devicePixels);

// 50 x 50, transparent: solid black triangles for the previous / next channel buttons.
QPixmap leftTriangle(qreal scale = 1);
QPixmap rightTriangle(qreal scale = 1);

// 170 x 101: an outdoor camera with a sun shield on a wall bracket, on a light background.
QPixmap cameraPicture(qreal scale = 1);

} // namespace velmora
