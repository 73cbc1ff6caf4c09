// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextDoor.h"
#include "WindowTable.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <span>
#include <string_view>

class QPainter;
class QWidget;

// Turning the plain window tables into Qt terms; shared by every window.
namespace velmora {

// The font a table names, with Cyrillic letters: Arial falls back to
// Liberation Sans (same metrics) and Verdana to DejaVu Sans where missing.
// An empty family gives the application's font.
QFont qtFont(const FontDef& named);

// A window of a fixed client size in twips, white, with black text.
void setUpFixedWindow(QWidget& window, const QString& title, int clientWidth, int clientHeight);

// One of our own dialogs, of a fixed client size in twips: unlike the
// original windows it keeps the desktop's palette, light or dark.
void setUpFixedDialog(QWidget& window, const QString& title, int clientWidth, int clientHeight);

// The top-left corner that centres a window of `size` over `over` (a
// screen's free area, or another window), kept inside `screen`; a window
// larger than the screen keeps its top-left corner (and title bar) on it.
QPoint centredPosition(QSize size, const QRect& over, const QRect& screen);

// Moves a window that is about to be shown so it opens centred over `over`,
// or on its own screen when there is none.
void placeCentred(QWidget& window, const QWidget* over = nullptr);

QRect pixelRect(const TwipRect& place);

QColor qtColour(Rgb colour);

// Text written in `colour`; greyed text keeps the style's grey.
void setTextColour(QWidget& w, Rgb colour);
// How much lighter the lighter of two colours is, from 1 (the same) to 21
// (black on white), as the accessibility guidelines measure it.
double contrastRatio(const QColor& a, const QColor& b);

// Text of at least this contrast with its face reads as well as small print
// should: the design colours on a light face have it.
inline constexpr double kLegibleContrast = 4.5;

// The colour `share` of the way from `from` to `to` (0: from, 1: to).
QColor blended(const QColor& from, const QColor& to, double share);

// Lines and marks of a drawing stand out from their face at this contrast.
inline constexpr double kVisibleContrast = 3.0;

// `colour` where it reads on `face` (at `contrast` or more); otherwise the
// same hue made lighter on a dark face, or darker on a light one, until it does.
QColor legibleOn(const QColor& colour, const QColor& face, double contrast = kLegibleContrast);
QColor legibleOn(Rgb colour, const QColor& face, double contrast = kLegibleContrast);

// In a window that follows the desktop's palette: text in `colour`, kept
// legible on the control's own face.
void setLegibleTextColour(QWidget& w, Rgb colour);

// A field whose text cannot be taken wears a reddish face and red text,
// legible on a light desktop and a dark one alike; unmarked, the palette's own.
void markField(QWidget& w, bool marked);

// The face of a field, a list or a filled label (`colour` as the base, and a
// label's window colour). A list that cannot be typed
// into is drawn as a button, so its face is the button colour: through the
// palette the style keeps its arrow and focus frame.
void setBackground(QWidget& w, Rgb colour);

// A canvas of `width` x `height` pixels filled with `fill`, held at `scale`
// device pixels per pixel so that a drawing stays sharp on a scaled screen;
// opaque (no alpha) where the fill is.
QImage canvasImage(int width, int height, qreal scale, const QColor& fill);

// Smooth edges, text and scaled pictures for the pictures drawn in code.
void smoothPainting(QPainter& painter);

// Draws the lines in black, each its own number of pixels wide; both end
// points are drawn, so that frames close at their corners.
void drawLines(QPainter& painter, std::span<const LineDef> lines);

} // namespace velmora
