// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowTable.h"

#include <functional>
#include <span>
#include <vector>

class QWidget;

namespace velmora {

// Makes the widget of a row itself, for a window whose controls are of its
// own classes; null leaves the row to the builder's plain Qt widget.
using OwnWidget = std::function<QWidget*(const ControlRow& row, QWidget& window)>;

// How a window wears its controls.
enum class Face {
    // The original windows: the program's own light palette, every row in the
    // colours of its table.
    Fixed,
    // Our own dialogs: the desktop's palette, light or dark. Black text is the
    // palette's own text, any other colour is kept legible on the control's
    // face, and the Tab key goes through the controls in the order of the rows.
    Desktop,
};

// Makes a widget for every row, in the table's order (later rows lie above
// earlier ones), as children of `window`: its name, place, font, colours,
// caption, alignment, picture and design state. The widgets come back in the
// order of the rows.
std::vector<QWidget*> buildControls(QWidget& window, std::span<const ControlRow> rows,
                                    const OwnWidget& own = {}, Face face = Face::Fixed);

} // namespace velmora
