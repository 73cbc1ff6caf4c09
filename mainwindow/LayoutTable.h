#pragma once

#include "ControlStart.h"
#include "WindowTable.h"

#include <span>
#include <string_view>

namespace velmora {

struct ControlDef {
    ControlStart start;
    TwipRect place;
    FontDef font;
    Rgb colour = kBlack;
};

struct WindowDef {
    std::string_view title;
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    FontDef windowFont;
    std::span<const ControlDef> controls; // in the window's order, top to bottom
    std::span<const LineDef> lines;
};

// The tall layout (66 controls, 19 lines) and the compact one (60 controls, 15 lines).
const WindowDef& tallLayout();
const WindowDef& compactLayout();

// The focus order of the main window, the same in both layouts.
std::span<const Ctl> focusOrder();

} // namespace velmora
