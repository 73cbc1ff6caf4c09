// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DiskArrayTexts.h"

#include <optional>

// How much archive an array of disks really holds, and how the recorder's
// input copes with the streams. Double precision throughout: these figures
// are this dialog's own, not the main window's single-precision ones.
namespace velmora {

enum class ArrayLevel { Jbod, Raid0, Raid1, Raid5, Raid6, Raid10 };

// The entries of the array list, in the order of ArrayLevel.
inline constexpr const auto& kArrayLevelNames = arraytexts::kLevelNames;

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
    SparesExceed, // more spares than disks
    NoDisks,      // every disk a spare
    TooFew,       // fewer disks than the level needs (leastArrayDisks)
    Raid10Pairs,  // RAID 10: 4 or more disks, but an odd number
};

// The fewest disks an array of the level is built from, spares not counted:
// 1 for JBOD and RAID 0, 2 for RAID 1 (every disk mirrors the one that holds
// the data), 3 for RAID 5, 4 for RAID 6 and RAID 10 (mirrored pairs, striped).
int leastArrayDisks(ArrayLevel level);

struct ArrayCapacity {
    ArrayRule rule = ArrayRule::Holds;
    int arrayDisks = 0;  // the disks in the array: all but the spares (below 0 with more spares than disks)
    int dataDisks = 0;   // what the array holds, counted in disks
    double rawTb = 0;    // all disks as marked, decimal terabytes
    double usableTb = 0; // the program's terabytes (2^40 bytes), after the reserve; 0 when a rule is broken
};

ArrayCapacity arrayCapacity(const ArrayPlan& plan);

// Marked (decimal) terabytes in the program's terabytes of 2^40 bytes.
double programTb(double markedTb);

// Days of archive `usableTb` holds at the window's day total (gigabytes of
// 2^30 bytes); none when nothing is recorded (an endless archive).
std::optional<double> archiveDepthDays(double usableTb, double dayTotalGb);

// The program's Мбит (2^20 bits, as the main window counts) in the decimal
// Mbit/s (10^6 bits) that recorder makers state their input limits in.
double decimalMbit(double programMbit);

struct InputLoad {
    double loadPercent = 0; // the streams in percent of the input limit
    double allowedMbit = 0; // the limit less the headroom
    bool over = false;      // the streams exceed what the headroom allows
};

// The total stream rate against the recorder's input limit with a headroom in
// percent kept free, both in decimal Mbit/s.
InputLoad inputLoad(double totalMbit, double limitMbit, double headroomPercent);

} // namespace velmora
