// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

#include <span>
#include <string_view>

namespace velmora {

// What a control of the main window is for, as a screen reader says it: the
// caption or the label beside it. A figure (a label showing a result) is read
// as this name with the text it shows as its value, and the unit shown beside
// it, when there is one, as its description; the figure and its unit are in
// its name too ("Общий объём архива за день: 16.64 Гбайт"), since a screen
// reader over AT-SPI reads a label by its name alone. A list or field is
// labelled by its caption label.
struct AccessibleDef {
    Ctl id;
    std::string_view name;
    bool figure = false;
    Ctl unit = Ctl::Count;    // the label showing the figure's unit, if any
    Ctl caption = Ctl::Count; // the label beside a list or field that captions it, if any
};

std::span<const AccessibleDef> accessibleNames();

} // namespace velmora
