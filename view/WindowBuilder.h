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

// Makes a widget for every row, in the table's order (later rows lie above
// earlier ones), as children of `window`: its name, place, font, colours,
// caption, alignment, picture and design state. The widgets come back in the
// order of the rows.
std::vector<QWidget*> buildControls(QWidget& window, std::span<const ControlRow> rows,
                                    const OwnWidget& own = {});

} // namespace velmora
