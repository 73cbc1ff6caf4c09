// SPDX-License-Identifier: GPL-3.0-or-later
#include "Estimate.h"
#include "NumberRules.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Estimate, StartupChannelBitrate)
{
    const float bits = motionCorrected(*baseBitsPerPixel(2), 0);
    EXPECT_EQ(bits, 0.1241f);
    const auto size = *frameSize(2);
    const float bitrate = channelBitrate(*frameRate(0), bits, size.width, size.height, audioRate(0, 2));
    EXPECT_EQ(floatText(bitrate, "."), "1616.015");
    EXPECT_EQ(okrug(bitrate), 1616.01f);
}

TEST(Estimate, ResolutionsComputeWithTheirRealWidths)
{
    EXPECT_EQ(frameSize(0)->width, 1920.0f); // the entry reads 1960
    EXPECT_EQ(frameSize(2)->width, 926.0f);  // the entry reads 960H
    EXPECT_EQ(frameSize(6)->height, 288.0f);
    EXPECT_FALSE(frameSize(7));
    EXPECT_FALSE(frameSize(-1));
}

TEST(Estimate, IpCameraFactorOnlyForMainOrHighAtThreeResolutions)
{
    struct Case {
        int profile;
        int res;
        bool applies;
    } cases[] = {{0, 0, false}, {1, 0, true},  {2, 1, true},  {1, 5, true},
                 {1, 2, false}, {2, 3, false}, {1, 4, false}, {2, 6, false}};
    for (const auto& c : cases)
        EXPECT_EQ(isIpCameraCase(c.profile, c.res), c.applies) << c.profile << "/" << c.res;
    EXPECT_EQ(floatText(ipCameraCorrected(0.1241f), "."), "0.080665");
}

TEST(Estimate, MotionKeepsTheFullBits)
{
    EXPECT_EQ(motionCorrected(*baseBitsPerPixel(0), 1), 0.293f);
}

TEST(Estimate, AudioShare)
{
    EXPECT_EQ(audioRate(1, 0), 64.0f);
    EXPECT_EQ(audioRate(1, 1), 64.0f);
    EXPECT_EQ(audioRate(1, 2), 128.0f);
    EXPECT_EQ(audioRate(0, 2), 0.0f);
}

struct VolumeCase {
    const char* name;
    float bitrate;
    int hours;
    const char* minute;
    bool minuteMb;
    const char* hour;
    bool hourGb;
    const char* day;
    bool dayGb;
};

TEST(Estimate, VolumesMoveToTheNextUnitAbove990)
{
    const VolumeCase cases[] = {
        {"startup", 1616.01f, 24, "11.84", true, "710.16", false, "16.64", true},
        {"hundred_kbit", 100.0f, 24, "750", false, "43.95", false, "1.03", true},
        {"minute_exactly_990", 132.0f, 1, "990", false, "58.01", false, "58.01", false},
        {"minute_990.5", 132.066666f, 1, "0.97", true, "58.04", false, "58.04", false},
        {"hour_991", 2255.0756f, 1, "16.52", true, "0.97", true, "0.97", true},
        {"negative", -80.0f, 24, "-600", false, "-35.16", false, "-843.75", false},
    };
    for (const auto& c : cases) {
        const ChannelVolumes v = channelVolumes(c.bitrate, c.hours);
        EXPECT_EQ(floatText(okrug(v.perminute), "."), c.minute) << c.name;
        EXPECT_EQ(v.minuteInMegabytes, c.minuteMb) << c.name;
        EXPECT_EQ(floatText(okrug(v.perhour), "."), c.hour) << c.name;
        EXPECT_EQ(v.hourInGigabytes, c.hourGb) << c.name;
        EXPECT_EQ(floatText(okrug(v.daily), "."), c.day) << c.name;
        EXPECT_EQ(v.dailyInGigabytes, c.dayGb) << c.name;
    }
}

TEST(Estimate, DayTotalConvertsMegabyteChannelsAndSkipsUnusedSlots)
{
    ChannelTable t;
    t.chdaily[1] = 500;
    t.chdailygb[1] = kFalse;
    t.chdaily[2] = 2;
    t.chdailygb[2] = kTrue;
    t.chdaily[3] = 1000;
    t.chdailygb[3] = kTrue;
    EXPECT_EQ(floatText(okrug(dayTotal(t, 2)), "."), "2.49");
    t.chbitrate[1] = 10;
    t.chbitrate[2] = 20;
    t.chbitrate[3] = 40;
    EXPECT_EQ(totalBitrate(t, 2), 30.0f);
}

TEST(Estimate, PeriodAndDepth)
{
    EXPECT_EQ(floatText(okrug(periodTotal(16.64399f, 30)), "."), "0.49");
    EXPECT_EQ(floatText(depthDays(1, 0, 16.64399f), "."), "61.52");
    EXPECT_EQ(floatText(depthDays(2, 1, 16.64f), "."), "0.12");
    EXPECT_EQ(floatText(depthDays(2, 0, 16.64f), "."), "123.08");
}

TEST(Estimate, DepthOfANearZeroTotalStaysFinite)
{
    EXPECT_EQ(depthDays(9999998, 0, 1e-30f), FLT_MAX);
    EXPECT_EQ(depthDays(-9999998, 0, 1e-30f), -FLT_MAX);
}

TEST(DayWord, AgreesWithTheNumber)
{
    struct Case {
        double n;
        DayWord word;
    } cases[] = {
        {1, DayWord::One},    {21, DayWord::One},    {101, DayWord::One},  {121, DayWord::One},
        {2, DayWord::Few},    {3, DayWord::Few},     {4, DayWord::Few},    {22, DayWord::Few},
        {34, DayWord::Few},   {123, DayWord::Few},   {0, DayWord::Many},   {5, DayWord::Many},
        {11, DayWord::Many},  {12, DayWord::Many},   {14, DayWord::Many},  {19, DayWord::Many},
        {25, DayWord::Many},  {30, DayWord::Many},   {111, DayWord::Many}, {112, DayWord::Many},
        {61, DayWord::One},   {-10, DayWord::Many},  {-1, DayWord::Keep},  {-11, DayWord::Keep},
        {-12, DayWord::Keep}, {1e30, DayWord::Many},
    };
    for (const auto& c : cases) EXPECT_EQ(dayWord(c.n), c.word) << c.n;
}

} // namespace
} // namespace velmora
