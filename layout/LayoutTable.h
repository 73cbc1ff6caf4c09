// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControlStart.h"
#include "Controls.h"
#include "WindowTable.h"

#include <span>
#include <string_view>

namespace velmora {

struct WindowDef {
    std::string_view title;
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    FontDef windowFont;
    std::span<const ControlRow> controls; // in the window's order (the order of Ctl), top to bottom
    std::span<const LineDef> lines;
};

// The tall layout (66 controls, 19 lines) and the compact one (60 controls, 15 lines).
const WindowDef& tallLayout();
const WindowDef& compactLayout();

// The main window's control a row stands for, and how it starts.
inline Ctl layoutId(const ControlRow& row)
{
    return static_cast<Ctl>(row.slot);
}
inline ControlStart controlStart(const ControlRow& row)
{
    return {layoutId(row), row.caption, row.hidden, row.disabled};
}

// The focus order of the main window, the same in both layouts.
std::span<const Ctl> focusOrder();

} // namespace velmora
