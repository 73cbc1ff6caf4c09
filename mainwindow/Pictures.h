#pragma once

#include <QIcon>
#include <QPixmap>

// The main window's pictures, drawn in code.
namespace velmora {

// Colour picture of a ceiling dome camera, drawn separately at 16, 24, 32 and 48 pixels.
QIcon windowIcon();

// 50 x 50, transparent: solid black triangles for the previous / next channel buttons.
QPixmap leftTriangle();
QPixmap rightTriangle();

// 170 x 101: an outdoor camera with a sun shield on a wall bracket, on a light background.
QPixmap cameraPicture();

} // namespace velmora
