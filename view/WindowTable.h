// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

class QPixmap;

// Plain data from which the windows are built: places in twips, fonts as the
// window definitions name them, colours and drawn lines.
namespace velmora {

// Places and sizes in twips from the top-left corner of the client area.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A font as the window definition names it; the view maps Arial and Verdana
// to what the system has.
// The size of the windows' own font, in points.
inline constexpr double kWindowFontPoints = 9.0;

struct FontDef {
    std::string_view family; // "Arial" or "Verdana"; empty for controls without text
    double points = kWindowFontPoints;
    bool bold = false;
    bool underline = false;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kDarkBlue{0, 0, 64};
inline constexpr Rgb kDarkRed{192, 0, 0};
inline constexpr Rgb kOrange{255, 128, 0};

// A drawn line from (x1, y1) to (x2, y2), in twips; `pixels` wide.
struct LineDef {
    std::string_view name;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int pixels = 1;
};

// What a row of a window table makes.
enum class ControlKind { Label, List, CheckBox, TextBox, Button, Picture, NotesBox, ProgressBar };

// Where a label's text or a picture stands in its box.
enum class Align { TopLeft, TopCentre, TopRight, Centre, MiddleLeft };

// A picture drawn in code, at `scale` device pixels per pixel.
using PictureFunction = QPixmap (*)(double scale);

// One control of a window. Every window, the original ones and our own
// dialogs, is a table of these; the builder in WindowBuilder.h makes a widget
// per row, and the window then wires its own behaviour.
struct ControlRow {
    std::string_view name = {}; // the object name, by which the driver and the tests find it
    ControlKind kind = ControlKind::Label;
    std::string_view caption = {}; // the design text
    TwipRect place = {};           // none: the window's layout places the control
    FontDef font = {};             // an empty family: the window's font
    Rgb colour = kBlack;           // of the text; a button keeps the style's
    Align align = Align::TopLeft;
    std::optional<Rgb> background =
        {};              // the face of a field, or a filled label; none: the window shows through
    bool hidden = false; // in the design state
    bool disabled = false;
    bool wraps = true; // a label's text wraps at word boundaries; otherwise it is cut at the edge
    // The box was measured around its text in Arial; where the font at hand
    // needs a few pixels more, the box takes them from the free room to its right.
    bool growsWithText = false;
    PictureFunction picture = nullptr;
    int slot = 0; // the window's own number for the control (its identity, the field or result it shows)
};

// 15 twips make one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr double kTwipsPerInch = 1440.0;

// The one place where twips become pixels. Every place in the tables is a
// whole number of pixels but one left edge of the report, which stays on the
// pixel it has always had (the whole pixels below it).
constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

} // namespace velmora
