// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DiskArray.h"
#include "Texts.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The disk-array dialog's behaviour without any toolkit: what the user typed,
// how each field reads, and every text the dialog shows.
namespace velmora {

// The dialog's text fields, in the window's order.
enum class ArrayField { Disks, DiskSize, Spares, Reserve, Limit, Headroom, TargetDays };
inline constexpr std::size_t kArrayFieldCount = 7;

// The most disks "Нужно дисков" counts up to; beyond, it says "больше".
inline constexpr int kMostDisksNeeded = 100000;

// What the user typed and picked, kept as typed (a plan keeps it too).
struct DiskArraySettings {
    std::array<std::string, kArrayFieldCount> texts = {"1", "4", "0", "5", "", "25", ""};
    int level = static_cast<int>(ArrayLevel::Jbod); // position in kArrayLevelNames

    bool operator==(const DiskArraySettings&) const = default;
};

// Everything the dialog shows besides the fields' own texts. The result texts
// are empty where no result can be given.
struct DiskArrayView {
    std::array<bool, kArrayFieldCount> bad{}; // the field's text cannot be taken
    std::string arrayDisks;                   // disks in the array and those that hold data
    std::string markedSize;                   // all disks as marked, and in the program's terabytes
    std::string usableSize;                   // the program's terabytes after the array and the reserve
    // Days of archive at the window's day total, figure and word exactly as
    // the window shows them once the usable size is applied.
    std::string depth;
    std::string load;        // the streams in percent of the recorder's input limit
    std::string disksNeeded; // disks in all for the days wanted; empty: not asked
    // The first bad field, or the broken rule and the notes, one to a line.
    std::string message;
    std::string applyText; // the usable size as the disk-size field reads it; empty: nothing to apply
};

// What a field takes, in the program's words (shown while it is marked, and
// as the field's tip).
std::string arrayFieldRule(ArrayField field);

// Reads a field as typed: blanks around, digits with at most one decimal
// separator (the period or `decimal`), nothing else; `whole` allows no
// separator. None for anything else, empty text included.
std::optional<double> readArrayField(std::string_view text, std::string_view decimal, bool whole);

// Two decimals at most (an exact tie goes to the even neighbour, as the
// window's own rounding does), trailing zeros dropped, `separator` as the decimal
// point, never "-0"; beyond 10^9 in exponent form. Always finite input.
std::string figureText(double value, std::string_view separator);

// The depth the main window shows for `diskText` typed into its disk-size
// field with "Тбайт" picked, at the day total `dayTotalGb`: the window's own
// arithmetic and rounding (none at a day total of 0).
std::optional<float> windowDepthDays(std::string_view diskText, double dayTotalGb);

class DiskArrayForm {
public:
    explicit DiskArrayForm(std::string decimal);

    const DiskArraySettings& settings() const { return settings_; }
    const DiskArrayView& view() const { return view_; }
    // A field's value as the dialog takes it; none where it is empty or refused.
    std::optional<double> fieldValue(ArrayField field) const;

    // Puts stored settings back (a plan being opened); out-of-range parts are
    // replaced by the start values.
    void restore(const DiskArraySettings& settings);
    void edit(ArrayField field, std::string text);
    // False for a position outside the list.
    bool selectLevel(int position);
    // The main window's day total (gigabytes), total stream rate in the
    // program's Мбит/с (2^20 bits a second) and the day word its depth shows,
    // which a depth of no day word of its own keeps.
    void setWindowFigures(double dayTotalGb, double totalProgramMbit,
                          std::string_view keptDayWord = texts::kDepthDayWords.back());

private:
    void recompute();

    std::string decimal_;
    DiskArraySettings settings_;
    double dayTotalGb_ = 0;
    double totalMbit_ = 0;
    std::string keptDayWord_{texts::kDepthDayWords.back()};
    DiskArrayView view_;
};

} // namespace velmora
