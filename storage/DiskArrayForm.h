#pragma once

#include "DiskArray.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The disk-array dialog's behaviour without any toolkit: what the user typed,
// how each field reads, and every text the dialog shows.
namespace velmora {

// The dialog's text fields, in the window's order.
enum class ArrayField { Disks, DiskSize, Spares, Reserve, Limit, Headroom };
inline constexpr std::size_t kArrayFieldCount = 6;

// What the user typed and picked, kept as typed (a plan keeps it too).
struct DiskArraySettings {
    std::array<std::string, kArrayFieldCount> texts = {"1", "4", "0", "5", "", "25"};
    int level = static_cast<int>(ArrayLevel::Jbod); // position in kArrayLevelNames

    bool operator==(const DiskArraySettings&) const = default;
};

// Everything the dialog shows besides the fields' own texts. The result texts
// are empty where no result can be given.
struct DiskArrayView {
    std::array<bool, kArrayFieldCount> bad{}; // the field's text cannot be taken
    std::string disks;                        // disks in the array and those that hold data
    std::string raw;                          // all disks as marked
    std::string usable;                       // the program's terabytes after the array and the reserve
    std::string depth;                        // days of archive at the window's day total
    std::string load;                         // the streams in percent of the recorder's input limit
    std::string message;                      // the first bad field or broken rule; the input warning
    std::string applyText; // the usable size as the disk-size field reads it; empty: nothing to apply
};

// What a field takes, in the program's words (shown while it is marked, and
// as the field's tip).
std::string_view arrayFieldRule(ArrayField field);

// Reads a field as typed: blanks around, digits with at most one decimal
// separator (the period or `decimal`), nothing else; `whole` allows no
// separator. None for anything else, empty text included.
std::optional<double> readArrayField(std::string_view text, std::string_view decimal, bool whole);

// Two decimals at most (an exact tie goes to the even neighbour, as the
// window's own rounding does), trailing zeros dropped, `separator` as the decimal
// point, never "-0"; beyond 10^9 in exponent form. Always finite input.
std::string figureText(double value, std::string_view separator);

class DiskArrayForm {
public:
    explicit DiskArrayForm(std::string decimal);

    const DiskArraySettings& settings() const { return settings_; }
    const DiskArrayView& view() const { return view_; }

    // Puts stored settings back (a plan being opened); out-of-range parts are
    // replaced by the start values.
    void restore(const DiskArraySettings& settings);
    void edit(ArrayField field, std::string text);
    // False for a position outside the list.
    bool selectLevel(int position);
    // The main window's day total (gigabytes) and total stream rate (Mbit/s).
    void setWindowFigures(double dayTotalGb, double totalMbit);

private:
    void recompute();

    std::string decimal_;
    DiskArraySettings settings_;
    double dayTotalGb_ = 0;
    double totalMbit_ = 0;
    DiskArrayView view_;
};

} // namespace velmora
