// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskArray.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

// One program terabyte is 2^40 bytes; a marked one 10^12.
constexpr double kTib = 1099511627776.0;

TEST(DiskArray, CapacityWorkedByHand)
{
    struct Case {
        const char* name;
        ArrayPlan plan;
        int arrayDisks;
        int dataDisks;
        double rawTb;
        double usableTb;
    };
    const Case cases[] = {
        // 3 data disks: 3 x 4 x 10^12 / 2^40 x 0.95 = 10.368...
        {"4 x 4 TB RAID 5, 5 % reserve", {4, 4, ArrayLevel::Raid5, 0, 5}, 4, 3, 16, 12e12 / kTib * 0.95},
        // A "4 TB" disk holds 3.64 of the program's terabytes.
        {"one 4 TB disk, no reserve", {1, 4, ArrayLevel::Jbod, 0, 0}, 1, 1, 4, 4e12 / kTib},
        {"RAID 0 of 3 x 2.5 TB", {3, 2.5, ArrayLevel::Raid0, 0, 0}, 3, 3, 7.5, 7.5e12 / kTib},
        {"RAID 1 of a pair of 8 TB", {2, 8, ArrayLevel::Raid1, 0, 5}, 2, 1, 16, 8e12 / kTib * 0.95},
        // RAID 1 mirrors every disk: it holds one, however many there are.
        {"RAID 1 of three", {3, 1, ArrayLevel::Raid1, 0, 0}, 3, 1, 3, 1e12 / kTib},
        {"RAID 1 of four", {4, 1, ArrayLevel::Raid1, 0, 0}, 4, 1, 4, 1e12 / kTib},
        {"RAID 10 of four", {4, 1, ArrayLevel::Raid10, 0, 0}, 4, 2, 4, 2e12 / kTib},
        {"RAID 6 of 6 x 10 TB, one spare", {6, 10, ArrayLevel::Raid6, 1, 5}, 5, 3, 60, 30e12 / kTib * 0.95},
        {"RAID 10 of 8 x 4 TB, two spares", {8, 4, ArrayLevel::Raid10, 2, 10}, 6, 3, 32, 12e12 / kTib * 0.9},
        {"JBOD of 64 x 1000 TB", {64, 1000, ArrayLevel::Jbod, 0, 0}, 64, 64, 64000, 64e15 / kTib},
        {"spares count in the raw size", {5, 2, ArrayLevel::Raid5, 2, 0}, 3, 2, 10, 4e12 / kTib},
    };
    for (const Case& c : cases) {
        const ArrayCapacity got = arrayCapacity(c.plan);
        EXPECT_EQ(got.rule, ArrayRule::Holds) << c.name;
        EXPECT_EQ(got.arrayDisks, c.arrayDisks) << c.name;
        EXPECT_EQ(got.dataDisks, c.dataDisks) << c.name;
        EXPECT_DOUBLE_EQ(got.rawTb, c.rawTb) << c.name;
        EXPECT_DOUBLE_EQ(got.usableTb, c.usableTb) << c.name;
    }
    EXPECT_NEAR(arrayCapacity({4, 4, ArrayLevel::Raid5, 0, 5}).usableTb, 10.37, 0.005);
    EXPECT_NEAR(arrayCapacity({1, 4, ArrayLevel::Jbod, 0, 0}).usableTb, 3.64, 0.005);
}

TEST(DiskArray, RefusedArrays)
{
    struct Case {
        const char* name;
        ArrayPlan plan;
        ArrayRule rule;
        int arrayDisks;
    };
    const Case cases[] = {
        {"2 disks in RAID 5", {2, 4, ArrayLevel::Raid5, 0, 5}, ArrayRule::TooFew, 2},
        {"6 disks RAID 10 with one spare", {6, 4, ArrayLevel::Raid10, 1, 5}, ArrayRule::Raid10Pairs, 5},
        {"RAID 10 of one pair", {2, 4, ArrayLevel::Raid10, 0, 5}, ArrayRule::TooFew, 2},
        {"RAID 10 of three", {3, 4, ArrayLevel::Raid10, 0, 5}, ArrayRule::TooFew, 3},
        {"RAID 1 of one", {1, 4, ArrayLevel::Raid1, 0, 5}, ArrayRule::TooFew, 1},
        {"RAID 6 of three", {3, 4, ArrayLevel::Raid6, 0, 5}, ArrayRule::TooFew, 3},
        {"RAID 5 left with two by a spare", {3, 4, ArrayLevel::Raid5, 1, 5}, ArrayRule::TooFew, 2},
        {"every disk a spare", {2, 4, ArrayLevel::Jbod, 2, 5}, ArrayRule::NoDisks, 0},
        {"every disk of a mirror a spare", {2, 4, ArrayLevel::Raid1, 2, 5}, ArrayRule::NoDisks, 0},
        {"more spares than disks", {2, 4, ArrayLevel::Raid0, 3, 5}, ArrayRule::SparesExceed, -1},
    };
    for (const Case& c : cases) {
        const ArrayCapacity got = arrayCapacity(c.plan);
        EXPECT_EQ(got.rule, c.rule) << c.name;
        EXPECT_EQ(got.arrayDisks, c.arrayDisks) << c.name;
        EXPECT_EQ(got.usableTb, 0) << c.name;
    }
}

TEST(DiskArray, DepthAtTheWindowsDayTotal)
{
    // 10 program terabytes at 16 GB a day: 10 x 1024 / 16 = 640 days.
    EXPECT_DOUBLE_EQ(*archiveDepthDays(10, 16), 640.0);
    EXPECT_DOUBLE_EQ(*archiveDepthDays(1, 1024), 1.0);
    // Nothing recorded: an endless archive, never a division by zero.
    EXPECT_FALSE(archiveDepthDays(10, 0).has_value());
    EXPECT_FALSE(archiveDepthDays(10, -0.0).has_value());
}

TEST(DiskArray, RecorderInputLoad)
{
    struct Case {
        const char* name;
        double total, limit, headroom;
        double loadPercent, allowed;
        bool over;
    };
    const Case cases[] = {
        {"three quarters of the limit, exactly the allowed share", 12, 16, 25, 75, 12, false},
        {"just above the allowed share", 12.5, 16, 25, 78.125, 12, true},
        {"no headroom, below the limit", 99, 100, 0, 99, 100, false},
        {"above the limit itself", 40, 32, 25, 125, 24, true},
        {"nothing recorded", 0, 8, 25, 0, 6, false},
        // The window's 256 Мбит/с are 268.435456 decimal Mbit/s: 104.86 % of 256.
        {"the program's megabits against a maker's", decimalMbit(256), 256, 0, 104.8576, 256, true},
    };
    for (const Case& c : cases) {
        const InputLoad got = inputLoad(c.total, c.limit, c.headroom);
        EXPECT_DOUBLE_EQ(got.loadPercent, c.loadPercent) << c.name;
        EXPECT_DOUBLE_EQ(got.allowedMbit, c.allowed) << c.name;
        EXPECT_EQ(got.over, c.over) << c.name;
    }
}

} // namespace
} // namespace velmora
