// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportLayout.h"

#include <vector>

namespace velmora {

namespace {

constexpr FontDef kArial9{.family = "Arial", .points = 9.0};
constexpr FontDef kArial9Bold{.family = "Arial", .points = 9.0, .bold = true};
constexpr FontDef kArial975Bold{.family = "Arial", .points = 9.75, .bold = true};

constexpr int kCellHeight = 255;

// One column of the channel table; [0] is the left half, [1] the right one.
struct RowColumn {
    RowArray array;
    std::string_view designText;
    int left[2];
    int width[2];
    FontDef font;
    Align align[2];
    bool white;
    bool hidden;
};

constexpr auto kLeft = Align::TopLeft;
constexpr auto kCentre = Align::TopCentre;
constexpr auto kRight = Align::TopRight;

// In the order of RowArray.
constexpr RowColumn kRowColumns[] = {
    {RowArray::Label2, "Label2", {585, 5880}, {855, 855}, kReportWindowFont, {kLeft, kLeft}, true, false},
    {RowArray::Label4,
     "Label4",
     {2985, 8535},
     {855, 855},
     kReportWindowFont,
     {kCentre, kCentre},
     true,
     false},
    {RowArray::Label11, "Гб", {3960, 9480}, {345, 345}, kReportWindowFont, {kLeft, kLeft}, true, false},
    {RowArray::Label1, "Label1", {150, 5385}, {255, 255}, kArial975Bold, {kRight, kLeft}, false, false},
    {RowArray::Label12, "Кач", {1275, 6600}, {930, 945}, kReportWindowFont, {kLeft, kLeft}, false, true},
    {RowArray::Label3, "Label3", {2280, 7680}, {975, 975}, kReportWindowFont, {kLeft, kLeft}, false, false},
    {RowArray::Label28, "Гбайт", {4560, 10080}, {615, 615}, kArial9, {kLeft, kLeft}, false, true},
};

// Column heads: each reaches to the next vertical line of the heading row.
struct Head {
    std::string_view text;
    int left;
    int nextLine;
};

constexpr Head kHeads[] = {
    {"№", 240, 480},       {"H264", 600, 1200},    {"Кач-во", 1320, 2160},  {"Разреш.", 2235, 3000},
    {"Кад/с", 3120, 3720}, {"Час/д", 3840, 4440},  {"Гб/д", 4560, 5280},    {"№", 5400, 5760},
    {"H264", 5880, 6480},  {"Кач-во", 6720, 7440}, {"Разреш.", 7560, 8400}, {"Кад/с", 8520, 9120},
    {"Час/д", 9240, 9840}, {"Гб/д", 9960, 10800},
};

struct Total {
    std::string_view name; // in the order of ReportCtl
    int left;
    int top;
    int width;
    std::string_view designText;
    bool hidden;
    FontDef font = kArial9Bold;
};

constexpr Total kTotals[] = {
    {"Label5", 360, 7440, 2055, "Общий объём за день:", false},
    {"Label6", 2400, 7440, 615, "", false},
    {"Label7", 3120, 7440, 615, "Гбайт", false},
    {"Label8", 360, 7800, 1455, "Общий объём за", true},
    {"Label25", 1920, 7800, 420, "", true},
    {"Label26", 2430, 7800, 615, "дней:", true, kArial975Bold},
    {"Label9", 3120, 7800, 495, "", true},
    {"Label10", 3720, 7800, 615, "Тбайт", true},
    {"Label30", 5040, 7440, 1335, "HDD объёмом ", false},
    {"Label31", 6370, 7440, 495, "nnn", false},
    {"Label32", 6840, 7440, 615, "Nbytes", false},
    {"Label33", 7440, 7441, 855, "хватит на", false},
    {"Label34", 8400, 7441, 495, "", false},
    {"Label35", 9000, 7440, 735, "дней?", false},
    {"Label36", 5040, 7800, 2055, "Суммарный битрейт:", false},
    {"Label37", 6960, 7800, 855, "", false},
    {"Label38", 7800, 7800, 735, "Мбит/с", false},
};

// Places of the controls that stand alone, in twips.
constexpr TwipRect kPrintButtonPlace{120, 120, 2295, 615};
constexpr TwipRect kHeadingPlace{2880, 480, 5175, 255};
constexpr TwipRect kNotesPlace{360, 8280, 10095, 1695};
// Top of the column heads, in twips.
constexpr int kHeadTop = 960;

constexpr int kStandAlone = 3; // the print button, the heading and the notes box
constexpr int kFirstRow = kStandAlone + static_cast<int>(std::size(kHeads));
constexpr int kCellsPerRow = static_cast<int>(std::size(kRowColumns));
constexpr int kFirstTotal = kFirstRow + kCellsPerRow * kMaxChannels;
static_assert(std::size(kTotals) == static_cast<std::size_t>(ReportCtl::Label38) - kStandAlone + 1);
static_assert(std::size(kRowColumns) == kRowArrays.size());

// The rows, and the names they point into: built once and never moved.
class ReportTable {
public:
    ReportTable();
    std::span<const ControlRow> rows() const { return rows_; }

private:
    std::string_view keep(std::string name) { return names_.emplace_back(std::move(name)); }

    std::vector<std::string> names_;
    std::vector<ControlRow> rows_;
};

ReportTable::ReportTable()
{
    names_.reserve(std::size(kHeads) + kRowArrays.size() * kMaxChannels);
    rows_.push_back({.name = "Command1",
                     .kind = ControlKind::Button,
                     .caption = "Печать",
                     .place = kPrintButtonPlace,
                     .font = kReportWindowFont});
    rows_.push_back({.name = "Label4(0)",
                     .caption = "Рассчёт требуемого для системы объёма памяти:",
                     .place = kHeadingPlace,
                     .font = kArial975Bold,
                     .background = kWhite,
                     .wraps = false});
    rows_.push_back({.name = "Text1",
                     .kind = ControlKind::NotesBox,
                     .place = kNotesPlace,
                     .font = kArial9,
                     .background = kWhite});

    int headNumber = 0;
    for (const Head& head : kHeads) {
        rows_.push_back({.name = keep("Head" + std::to_string(++headNumber)),
                         .caption = head.text,
                         .place = {head.left, kHeadTop, head.nextLine - head.left, kCellHeight},
                         .font = kArial9Bold,
                         .wraps = false});
    }

    for (int channel = 1; channel <= kMaxChannels; ++channel) {
        const int half = channel <= kRowsPerHalf ? 0 : 1;
        for (const RowColumn& column : kRowColumns) {
            const TwipRect place{column.left[half], rowTop(channel), column.width[half], kCellHeight};
            rows_.push_back({.name = keep(elementName(rowArrayName(column.array), channel)),
                             .caption = column.designText,
                             .place = place,
                             .font = column.font,
                             .align = column.align[half],
                             .background = column.white ? std::optional<Rgb>(kWhite) : std::nullopt,
                             .hidden = column.hidden,
                             .wraps = false});
        }
    }

    for (const Total& total : kTotals) {
        rows_.push_back({.name = total.name,
                         .caption = total.designText,
                         .place = {total.left, total.top, total.width, kCellHeight},
                         .font = total.font,
                         .hidden = total.hidden,
                         .wraps = false,
                         .growsWithText = true});
    }
}

constexpr LineDef kLines[] = {
    // Horizontal: table top, under the heads, table bottom, under the totals, frame bottom.
    {"", 120, 840, 10800, 840},
    {"", 120, 1200, 10800, 1200},
    {"", 120, 7200, 10800, 7200},
    {"", 120, 8160, 10800, 8160},
    {"", 120, 10080, 10800, 10080},
    // The frame's sides.
    {"", 120, 840, 120, 10080},
    {"", 10800, 840, 10800, 10080},
    // Through the heads and the body; the thick one parts the two halves.
    {"", 480, 840, 480, 7200},
    {"", 4440, 840, 4440, 7200},
    {"", 5280, 840, 5280, 7200, 2},
    {"", 5760, 840, 5760, 7200},
    {"", 9840, 840, 9840, 7200},
    // Through the heads only.
    {"", 1200, 840, 1200, 1200},
    {"", 2160, 840, 2160, 1200},
    {"", 3000, 840, 3000, 1200},
    {"", 3720, 840, 3720, 1200},
    {"", 6480, 840, 6480, 1200},
    {"", 7440, 840, 7440, 1200},
    {"", 8400, 840, 8400, 1200},
    {"", 9120, 840, 9120, 1200},
};

} // namespace

std::string elementName(std::string_view array, int index)
{
    std::string name(array);
    name += '(';
    name += std::to_string(index);
    name += ')';
    return name;
}

std::string_view rowArrayName(RowArray array)
{
    switch (array) {
    case RowArray::Label2: return "Label2";
    case RowArray::Label4: return "Label4";
    case RowArray::Label11: return "Label11";
    case RowArray::Label1: return "Label1";
    case RowArray::Label12: return "Label12";
    case RowArray::Label3: return "Label3";
    case RowArray::Label28: break;
    }
    return "Label28";
}

std::span<const ControlRow> reportControls()
{
    static const ReportTable table;
    return table.rows();
}

std::size_t reportIndex(ReportCtl id)
{
    const auto n = static_cast<int>(id);
    const int position = n < kStandAlone ? n : kFirstTotal + n - kStandAlone;
    return static_cast<std::size_t>(position);
}

std::size_t reportIndex(RowArray array, int channel)
{
    const int position = kFirstRow + kCellsPerRow * (channel - 1) + static_cast<int>(array);
    return static_cast<std::size_t>(position);
}

std::span<const LineDef> reportLines()
{
    return kLines;
}

} // namespace velmora
