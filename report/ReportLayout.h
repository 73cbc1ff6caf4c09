#pragma once

#include "ChannelTable.h"
#include "WindowTable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The report window as plain data: every control with its place, font and
// design state, and the grid lines. The view builds its widgets from this and
// the filling starts from the same design texts.
namespace velmora {

inline constexpr std::string_view kReportTitle = "Печать..";
inline constexpr int kReportClientWidth = 10920; // twips
// The page's frame lines stand this far inside the client area's left and right edges, in twips.
inline constexpr int kFrameMargin = 120;
inline constexpr int kReportClientHeight = 10200; // twips

enum class ReportKind { Button, Label, NotesBox };
enum class TextAlign { Left, Centre, Right };

struct ReportControl {
    std::string name; // array elements as "Label28(17)"
    ReportKind kind = ReportKind::Label;
    std::string caption; // the design text
    TwipRect place;
    FontDef font;
    TextAlign align = TextAlign::Left;
    bool whiteBackground = false; // otherwise transparent
    bool hidden = false;          // not visible in the design state
    // The totals block's boxes were measured around their texts in Arial; where
    // the font at hand needs a few pixels more, the box takes them from the
    // free room to its right, never from a neighbour's box.
    bool growsWithText = false;
};

// The report window's own font, which its controls without a font of their own carry.
inline constexpr FontDef kReportWindowFont{.family = "Arial", .points = 8.25};

// The seven control arrays of a channel's row, indexed by channel number 1..32.
inline constexpr std::array<std::string_view, 7> kRowArrays = {"Label1", "Label2",  "Label12", "Label3",
                                                               "Label4", "Label11", "Label28"};

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

// Every control in creation order; the white cells of each row come before
// its transparent ones, so that no white background covers a neighbour's text.
const std::vector<ReportControl>& reportControls();
// Position of a control in reportControls(), by name.
std::optional<std::size_t> reportControlIndex(std::string_view name);

std::span<const LineDef> reportLines();

} // namespace velmora
