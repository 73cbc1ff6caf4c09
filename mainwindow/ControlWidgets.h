// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

#include <QString>

class QStyle;
class QWidget;

// The main window's controls as widgets: the widget each kind of control is
// made as, and how a widget shows its control's model.
namespace velmora {

struct Control;

// The widget of control `id` with `caption`, on `window`; null for a text
// box, which the window builder makes itself. Lists are drawn by `listStyle`.
QWidget* makeControlWidget(Ctl id, const QString& caption, QWidget& window, QStyle* listStyle);

// Brings `w` up to its control's model, touching only what differs; its
// signals are blocked meanwhile, so that nothing reaches the form.
void showControl(QWidget& w, Ctl id, const Control& c);

} // namespace velmora
