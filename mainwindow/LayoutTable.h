#pragma once

#include "ControlStart.h"
#include "WindowTable.h"

#include <span>
#include <string_view>

namespace velmora {

struct ControlSpec {
    ControlStart start;
    TwipRect place;
    FontSpec font;
    Rgb colour = kBlack;
};

struct WindowSpec {
    std::string_view title;
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    FontSpec windowFont;
    std::span<const ControlSpec> controls; // in the window's order, top to bottom
    std::span<const LineSpec> lines;
};

// The tall layout (66 controls, 19 lines) and the compact one (60 controls, 15 lines).
const WindowSpec& tallLayout();
const WindowSpec& compactLayout();

// The focus order of the main window, the same in both layouts.
std::span<const Ctl> focusOrder();

} // namespace velmora
