// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace velmora {
namespace {

// Captions tell the entries of a list apart; an empty or repeated one would
// leave the user two entries that look the same.
template <typename Row, std::size_t N>
void expectDistinctCaptions(const std::array<Row, N>& options, std::string_view list)
{
    std::set<std::string_view> seen;
    for (const Row& option : options) {
        EXPECT_FALSE(option.caption.empty()) << list;
        EXPECT_TRUE(seen.insert(option.caption).second) << list << ": " << option.caption;
    }
}

TEST(OptionTables, EveryListHasDistinctCaptions)
{
    expectDistinctCaptions(kResolutions, "resolutions");
    expectDistinctCaptions(kFrameRates, "frame rates");
    expectDistinctCaptions(kHours, "hours");
    expectDistinctCaptions(kQualities, "qualities");
    expectDistinctCaptions(kProfiles, "profiles");
    expectDistinctCaptions(kCodecs, "codecs");
    expectDistinctCaptions(kDiskUnits, "disk units");
}

TEST(OptionTables, EveryEntryTheReportShowsHasAText)
{
    for (const ResolutionOption& r : kResolutions) EXPECT_FALSE(r.reportText.empty()) << r.caption;
    for (const QualityOption& q : kQualities) EXPECT_FALSE(q.reportText.empty()) << q.caption;
    for (const ProfileOption& p : kProfiles) EXPECT_FALSE(p.reportText.empty()) << p.caption;
}

TEST(OptionTables, EveryFigureIsUsable)
{
    bool anyIpResolution = false;
    for (const ResolutionOption& r : kResolutions) {
        EXPECT_GT(r.width, 0.0f) << r.caption;
        EXPECT_GT(r.height, 0.0f) << r.caption;
        anyIpResolution = anyIpResolution || r.ipCamera;
    }
    EXPECT_TRUE(anyIpResolution);
    for (const FrameRateOption& f : kFrameRates) EXPECT_GT(f.framesPerSecond, 0) << f.caption;
    for (const HoursOption& h : kHours) {
        EXPECT_GE(h.hoursPerDay, 1) << h.caption;
        EXPECT_LE(h.hoursPerDay, 24) << h.caption;
    }
    for (const QualityOption& q : kQualities) EXPECT_GT(q.bitsPerPixel, 0.0) << q.caption;
    for (const CodecOption& c : kCodecs) EXPECT_GT(c.kilobitsPerSecond, 0.0f) << c.caption;
    for (const DiskUnitOption& d : kDiskUnits) EXPECT_GT(d.gigabytes, 0.0) << d.caption;
}

TEST(OptionTables, PositionsOutsideAListHaveNoRow)
{
    EXPECT_EQ(optionAt(kCodecs, -1), nullptr);
    EXPECT_EQ(optionAt(kCodecs, static_cast<long>(kCodecs.size())), nullptr);
    EXPECT_EQ(optionAt(kCodecs, 0), &kCodecs[0]);
    EXPECT_EQ(diskUnitAt(-1).gigabytes, 1.0);
    EXPECT_EQ(diskUnitAt(static_cast<long>(kDiskUnits.size())).gigabytes, 1.0);
}

} // namespace
} // namespace velmora
