// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelTable.h"
#include "WindowTable.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The report window as plain data: every control with its place, font and
// design state, and the grid lines. The view builds its widgets from this and
// the filling starts from the same design texts.
namespace velmora {

inline constexpr std::string_view kReportTitle = "Печать..";
inline constexpr int kReportClientWidth = 10920; // twips
// The page's frame lines stand this far inside the client area's left and right edges, in twips.
inline constexpr int kFrameMargin = 120;
inline constexpr int kReportClientHeight = 10200; // twips

// The report's controls that stand alone, in creation order: the print
// button, the heading (element 0 of the Label4 array), the notes box and the
// totals block.
enum class ReportCtl {
    Command1,
    Label4_0,
    Text1,
    Label5,
    Label6,
    Label7,
    Label8,
    Label25,
    Label26,
    Label9,
    Label10,
    Label30,
    Label31,
    Label32,
    Label33,
    Label34,
    Label35,
    Label36,
    Label37,
    Label38,
};

// The seven control arrays of a channel's row, indexed by channel number 1..32,
// in creation order: the white cells of a row come before its transparent
// ones, so that no white background covers a neighbour's text.
enum class RowArray { Label2, Label4, Label11, Label1, Label12, Label3, Label28 };

// The report window's own font, which its controls without a font of their own carry.
inline constexpr FontDef kReportWindowFont{.family = "Arial", .points = 8.25};

inline constexpr std::array kRowArrays = {RowArray::Label2, RowArray::Label4,  RowArray::Label11,
                                          RowArray::Label1, RowArray::Label12, RowArray::Label3,
                                          RowArray::Label28};

// "Label28" for RowArray::Label28.
std::string_view rowArrayName(RowArray array);
// "Label28" and 17 give "Label28(17)".
std::string elementName(std::string_view array, int index);

// Top of channel k's row: channels 1..16 fill the left half, 17..32 the right
// one, so channel 17 stands level with channel 1.
inline constexpr int kRowsPerHalf = kMaxChannels / 2;
inline constexpr int kFirstRowTop = 1320; // twips
inline constexpr int kRowPitch = 360;     // twips
constexpr int rowTop(int channel)
{
    return kFirstRowTop + kRowPitch * ((channel - 1) % kRowsPerHalf);
}

// Every control in creation order: the three that stand alone first, the
// column heads, the channels' rows, then the totals.
std::span<const ControlRow> reportControls();
// Position of a control in reportControls().
std::size_t reportIndex(ReportCtl id);
// Position of channel `channel`'s (1..32) element of `array` in reportControls().
std::size_t reportIndex(RowArray array, int channel);

std::span<const LineDef> reportLines();

} // namespace velmora
