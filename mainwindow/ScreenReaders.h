// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

#include <QString>

#include <functional>

class QLabel;
class QWidget;

// What screen readers hear of the main window: every control named after its
// caption (AccessibleNames), each figure read as its meaning, its value and
// its unit, and a figure's change told to a listening reader.
namespace velmora {

// Whether the label of `id` shows a figure: it is made a FigureLabel, so that
// a screen reader reads it as one from the start.
bool isFigure(Ctl id);

// Figure labels read as figures from now on: before the first is made, so
// that no reader that asks early hears a plain label.
void readFiguresAsFigures();

// Names the controls; `widget` gives a control's widget, or null where the
// layout has none.
void nameForScreenReaders(const std::function<QWidget*(Ctl)>& widget);

// A figure's label shows `text` from now on: a listening screen reader hears
// its value and its name change.
void announceFigure(QLabel* label, const QString& text);

// The window shows another recorder of the site: a listening screen reader
// hears its name.
void announceRecorder(QWidget& window, const QString& name);

} // namespace velmora
