// SPDX-License-Identifier: GPL-3.0-or-later
#include "../channels/FormFixture.h"

#include "Texts.h"

namespace velmora::testing {
namespace {

TEST(Startup, LayoutThreshold)
{
    struct Case {
        int height;
        Layout layout;
    } cases[] = {{949, Layout::Compact}, {950, Layout::Tall},  {768, Layout::Compact},
                 {1024, Layout::Tall},   {1080, Layout::Tall}, {0, Layout::Compact}};
    for (const auto& c : cases) EXPECT_EQ(chooseLayout(c.height), c.layout) << c.height;
}

struct StartupFigures {
    const char* name;
    Layout layout;
    const char* decimal;
    const char* bitrate;
    const char* minute;
    const char* hour;
    const char* day;
    const char* dayTotal;
    const char* period;
    const char* depth;
    const char* total;
};

TEST(Startup, FirstEstimateWithEitherSeparatorAndLayout)
{
    const StartupFigures cases[] = {
        {"tall_period", Layout::Tall, ".", "1616.01", "11.84", "710.16", "16.64", "16.64", "0.49", "61.52",
         "1.58"},
        {"tall_comma", Layout::Tall, ",", "1616,01", "11,84", "710,16", "16,64", "16,64", "0,49", "61,52",
         "1,58"},
        {"compact_period", Layout::Compact, ".", "1616.01", "", "", "16.64", "16.64", "0.49", "61.52",
         "1.58"},
        {"compact_comma", Layout::Compact, ",", "1616,01", "", "", "16,64", "16,64", "0,49", "61,52", "1,58"},
    };
    for (const auto& c : cases) {
        Started s(c.layout, c.decimal);
        EXPECT_EQ(s.text(Ctl::Text1), c.bitrate) << c.name;
        EXPECT_EQ(s.text(Ctl::Label11), c.minute) << c.name;
        EXPECT_EQ(s.text(Ctl::Label5), c.hour) << c.name;
        EXPECT_EQ(s.text(Ctl::Label6), c.day) << c.name;
        EXPECT_EQ(s.text(Ctl::Label26), c.dayTotal) << c.name;
        EXPECT_EQ(s.text(Ctl::Label29), c.period) << c.name;
        EXPECT_EQ(s.text(Ctl::Label34), c.depth) << c.name;
        EXPECT_EQ(s.text(Ctl::Label43), c.total) << c.name;
        EXPECT_EQ(s.text(Ctl::Label41), "дней:") << c.name;
        EXPECT_EQ(s.text(Ctl::Label35), "день.") << c.name;
        EXPECT_EQ(s.text(Ctl::Label8), "Гбайт") << c.name;
        EXPECT_EQ(s.text(Ctl::Label18), std::string("0") + c.decimal + "1241") << c.name;
        EXPECT_EQ(s.text(Ctl::cabac), "CABAC=1") << c.name;
        EXPECT_EQ(s->ch.chmanual[1], kFalse) << c.name;
        EXPECT_EQ(s->settingbitrate, kFalse) << c.name;
    }
}

TEST(Startup, StoredBitrateIsReadBackFromTheField)
{
    EXPECT_EQ(Started(Layout::Tall, ".")->ch.chbitrate[1], 1616.01f);
    // A comma ends the number, so only the whole part is stored.
    EXPECT_EQ(Started(Layout::Tall, ",")->ch.chbitrate[1], 1616.0f);
}

TEST(Startup, PerMinuteAndPerHourUnits)
{
    Started s;
    EXPECT_EQ(s.text(Ctl::Label10), "Мбайт"); // Cyrillic М
    EXPECT_EQ(s.text(Ctl::Label7), "Mбайт");  // Latin M
    EXPECT_EQ(s.text(Ctl::Label10).substr(0, 2), "\xD0\x9C");
    EXPECT_EQ(s.text(Ctl::Label7).substr(0, 1), "M");
}

TEST(Startup, ChannelOneAndTheControls)
{
    Started s;
    const MainForm& f = *s;
    EXPECT_EQ(f.perioddays, 30);
    EXPECT_EQ(f.curchannel, 1);
    EXPECT_EQ(f.channelcount, 1);
    EXPECT_EQ(f.ch.chhoursindex[1], 0);
    EXPECT_EQ(f.hoursperday, 24);
    EXPECT_EQ(f.ch.chprofile[1], 1);
    EXPECT_EQ(f.ch.chqualityindex[1], 2);
    EXPECT_EQ(f.ch.chfpsindex[1], 0);
    EXPECT_EQ(f.framerate, 25.0f);
    EXPECT_EQ(f.ch.chresindex[1], 2);
    EXPECT_EQ(f.framewidth, 926.0f);
    EXPECT_EQ(f.frameheight, 576.0f);
    EXPECT_EQ(f.ch.chcodec[1], 2);
    EXPECT_EQ(f.control(Ctl::Combo1).index, 0);
    EXPECT_EQ(f.control(Ctl::Combo2).index, 1);
    EXPECT_EQ(f.control(Ctl::Combo6).index, 2);
    EXPECT_EQ(f.control(Ctl::Combo3).index, 0);
    EXPECT_EQ(f.control(Ctl::Combo5).index, 0);
    EXPECT_EQ(f.control(Ctl::Combo4).index, 2);
    EXPECT_EQ(f.control(Ctl::Combo9).index, 2);
    EXPECT_EQ(f.control(Ctl::Combo1).entries.size(), 24u);
    EXPECT_EQ(f.control(Ctl::Combo3).entries.size(), 25u);
    EXPECT_EQ(f.control(Ctl::Combo4).entries[0], "Full HD(1960х1080p)");
    EXPECT_FALSE(f.control(Ctl::Combo9).enabled);
    EXPECT_FALSE(f.control(Ctl::Label44).enabled);
    EXPECT_FALSE(f.control(Ctl::Command4).enabled);
    for (Ctl hidden : {Ctl::Label1, Ctl::Label13, Ctl::Label36, Ctl::Label39})
        EXPECT_FALSE(f.control(hidden).visible) << controlName(hidden);
    EXPECT_EQ(s.text(Ctl::Text2), "1");
    EXPECT_EQ(s.text(Ctl::Text3), "30");
    EXPECT_EQ(s.text(Ctl::Label23), "1");
    EXPECT_EQ(s.text(Ctl::Label24), "1");
    EXPECT_EQ(s.text(Ctl::Label20), texts::kHintComputed);
    for (std::size_t slot = 2; slot < kSlots; ++slot) EXPECT_EQ(f.ch.chbitrate[slot], 0.0f);
}

TEST(Startup, CompactLayoutHasNoMinuteAndHourRows)
{
    Started s(Layout::Compact);
    for (Ctl id : {Ctl::Label3, Ctl::Label5, Ctl::Label7, Ctl::Label10, Ctl::Label11, Ctl::Label12})
        EXPECT_FALSE(s->control(id).present) << controlName(id);
    EXPECT_TRUE(s->control(Ctl::Label6).present);
    s->userEdit(Ctl::Text1, "9999999");
    EXPECT_EQ(s.text(Ctl::Label6), "Перебор");
    EXPECT_EQ(s.text(Ctl::Label11), "");
}

} // namespace
} // namespace velmora::testing
