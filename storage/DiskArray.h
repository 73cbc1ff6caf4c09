#pragma once

#include <array>
#include <optional>
#include <string_view>

// How much archive an array of disks really holds, and how the recorder's
// input copes with the streams. Double precision throughout: these figures
// are this dialog's own, not the main window's single-precision ones.
namespace velmora {

enum class ArrayLevel { Jbod, Raid0, Raid1, Raid5, Raid6, Raid10 };

// The entries of the array list, in the order of ArrayLevel.
inline constexpr std::array<std::string_view, 6> kArrayLevelNames = {
    "Без массива (JBOD)", "RAID 0", "RAID 1", "RAID 5", "RAID 6", "RAID 10"};

// What the user describes: every disk as its maker marks it (decimal terabytes).
struct ArrayPlan {
    int disks = 1;
    double diskTb = 0;
    ArrayLevel level = ArrayLevel::Jbod;
    int spares = 0;
    double reservePercent = 0; // lost to formatting and the file system
};

// Which rule of the array the plan breaks, if any.
enum class ArrayRule {
    Holds,
    NoDisks,     // JBOD and RAID 0: no disk left besides the spares
    MirrorPairs, // RAID 1: 2 or more disks, in pairs
    Raid5Three,  // RAID 5: 3 or more disks
    Raid6Four,   // RAID 6: 4 or more disks
    Raid10Pairs, // RAID 10: 4 or more disks, in pairs
};

struct ArrayCapacity {
    ArrayRule rule = ArrayRule::Holds;
    int arrayDisks = 0;  // the disks in the array: all but the spares
    int dataDisks = 0;   // what the array holds, counted in disks
    double rawTb = 0;    // all disks as marked, decimal terabytes
    double usableTb = 0; // the program's terabytes (2^40 bytes), after the reserve; 0 when a rule is broken
};

ArrayCapacity arrayCapacity(const ArrayPlan& plan);

// Days of archive `usableTb` holds at the window's day total (gigabytes of
// 2^30 bytes); none when nothing is recorded (an endless archive).
std::optional<double> archiveDepthDays(double usableTb, double dayTotalGb);

struct InputLoad {
    double loadPercent = 0; // the streams in percent of the input limit
    double allowedMbit = 0; // the limit less the headroom
    bool over = false;      // the streams exceed what the headroom allows
};

// The total stream rate against the recorder's input limit (Mbit/s) with a
// headroom in percent kept free.
InputLoad inputLoad(double totalMbit, double limitMbit, double headroomPercent);

} // namespace velmora
