// SPDX-License-Identifier: GPL-3.0-or-later
#include "Depth.h"
#include "FormFixture.h"

#include "Texts.h"

#include <cfloat>
#include <cmath>
#include <optional>

namespace velmora::testing {
namespace {

bool manualLook(const MainForm& f)
{
    return f.control(Ctl::Label1).visible && !f.control(Ctl::Label37).enabled &&
           f.control(Ctl::Label20).text == texts::kHintManual;
}

TEST(Bitrate, ResolutionChangesBitsAndCabacNote)
{
    Started s;
    s->userSelect(Ctl::Combo4, 0);
    EXPECT_EQ(s.text(Ctl::cabac), "IP-камера. CABAC=0 . CALVC вкл.");
    EXPECT_EQ(s.text(Ctl::Label18), "0.080665");
    s->userSelect(Ctl::Combo2, 0); // Base: no factor
    EXPECT_EQ(s.text(Ctl::cabac), "CABAC=1");
    EXPECT_EQ(s.text(Ctl::Label18), "0.1241");
}

TEST(Bitrate, MotionRemovesTheFactor)
{
    Started s;
    s->userSelect(Ctl::Combo6, 0);
    s->userSelect(Ctl::Combo4, 6);
    s->userSelect(Ctl::Combo2, 0);
    s->userSetCheck(Ctl::Check1, 1);
    EXPECT_EQ(s.text(Ctl::Label18), "0.293");
}

TEST(Bitrate, SoundAddsItsCodecRate)
{
    Started s;
    const float silent = s->ch.chbitrate[1];
    s->userSetCheck(Ctl::Check2, 1);
    EXPECT_TRUE(s->control(Ctl::Combo9).enabled);
    EXPECT_TRUE(s->control(Ctl::Label44).enabled);
    EXPECT_EQ(s->ch.chbitrate[1], silent + 128.0f);
    s->userSelect(Ctl::Combo9, 0);
    EXPECT_EQ(s->ch.chbitrate[1], silent + 64.0f);
    s->userSetCheck(Ctl::Check2, 0);
    EXPECT_FALSE(s->control(Ctl::Combo9).enabled);
    EXPECT_EQ(s->control(Ctl::Combo9).index, 0); // keeps showing the chosen codec
    EXPECT_EQ(s->ch.chbitrate[1], silent);
}

TEST(Bitrate, ListEndsGiveOneFrameAndOneHour)
{
    Started s;
    s->userSelect(Ctl::Combo3, 24);
    EXPECT_EQ(s->framerate, 1.0f);
    s->userSelect(Ctl::Combo1, 23);
    EXPECT_EQ(s->hoursperday, 1);
}

TEST(Bitrate, TypingMarksTheChannelManual)
{
    Started s;
    EXPECT_FALSE(manualLook(*s));
    s->userEdit(Ctl::Text1, "1616.01"); // the same text still counts as typing
    EXPECT_EQ(s->ch.chmanual[1], kTrue);
    EXPECT_TRUE(manualLook(*s));
    s->userSelect(Ctl::Combo3, 5); // a setting clears the mark and recomputes
    EXPECT_EQ(s->ch.chmanual[1], kFalse);
    EXPECT_FALSE(manualLook(*s));
}

TEST(Bitrate, HoursKeepAHandTypedBitrate)
{
    Started s;
    s->userEdit(Ctl::Text1, "2000");
    s->userSelect(Ctl::Combo1, 12);
    EXPECT_EQ(s->ch.chmanual[1], kTrue);
    EXPECT_EQ(s->ch.chbitrate[1], 2000.0f);
    EXPECT_EQ(s.text(Ctl::Text1), "2000");
}

struct TypedCase {
    const char* name;
    const char* typed;
    bool refused;
    float stored;
};

TEST(Bitrate, TypedLimitAndUnreadableText)
{
    const TypedCase cases[] = {
        {"below_limit", "9999998", false, 9999998.0f},
        {"at_limit", "9999999", true, 1616.01f},
        {"float_rounds_up_to_limit", "9999998.9", true, 1616.01f},
        {"huge", "1E39", true, 1616.01f},
        {"beyond_double", "1E400", true, 1616.01f},
        {"negative_beyond_float", "-1E39", true, 1616.01f},
        {"negative_infinite", "-1E400", true, 1616.01f},
        {"hex_overflow", "&HFFFFFFFFFFFF", true, 1616.01f},
        {"not_a_number", "abc", false, 0.0f},
        {"empty", "", false, 0.0f},
        {"negative", "-3", false, -3.0f},
        {"largest_negative_float", "-3.4E38", false, -3.4e38f},
    };
    for (const auto& c : cases) {
        Started s;
        const std::string totalBefore = s.text(Ctl::Label43);
        s->userEdit(Ctl::Text1, c.typed);
        EXPECT_EQ(s->ch.chbitrate[1], c.stored) << c.name;
        EXPECT_EQ(s->ch.chmanual[1], kTrue) << c.name;
        EXPECT_TRUE(manualLook(*s)) << c.name;
        EXPECT_EQ(s.text(Ctl::Text1), c.typed) << c.name; // the field keeps the typed text
        if (c.refused) {
            for (Ctl label : {Ctl::Label11, Ctl::Label5, Ctl::Label6})
                EXPECT_EQ(s.text(label), "Перебор") << c.name;
            EXPECT_EQ(s.text(Ctl::Label43), totalBefore) << c.name;
        }
        for (float v : {s->ch.chdaily[1], s->totaldaily, s->periodtotal, s->depthdays, s->totalbitrate})
            EXPECT_TRUE(std::isfinite(v)) << c.name;
    }
}

TEST(Bitrate, NegativeZeroShowsAsZero)
{
    Started s;
    s->userEdit(Ctl::Text1, "-0");
    EXPECT_EQ(s.text(Ctl::Label43), "0");
    EXPECT_EQ(s.text(Ctl::Label6), "0");
    EXPECT_EQ(s.text(Ctl::Label34), "бесконечность");
}

TEST(Volumes, UnitsFollowThe990Rule)
{
    Started s;
    s->userEdit(Ctl::Text1, "100");
    EXPECT_EQ(s.text(Ctl::Label11), "750");
    EXPECT_EQ(s.text(Ctl::Label10), "Кбайт");
    EXPECT_EQ(s.text(Ctl::Label5), "43.95");
    EXPECT_EQ(s.text(Ctl::Label7), "Mбайт");
    EXPECT_EQ(s.text(Ctl::Label6), "1.03");
    EXPECT_EQ(s.text(Ctl::Label8), "Гбайт");
    EXPECT_EQ(s->ch.chdailygb[1], kTrue);
    s->userSelect(Ctl::Combo1, 23); // one hour a day
    EXPECT_EQ(s.text(Ctl::Label6), "43.95");
    EXPECT_EQ(s.text(Ctl::Label8), "Mбайт");
    EXPECT_EQ(s->ch.chdailygb[1], kFalse);
}

TEST(Depth, DiskSizeUnitAndLimits)
{
    Started s;
    s->userEdit(Ctl::Text2, "2");
    EXPECT_EQ(s.text(Ctl::Label34), "123.04");
    EXPECT_EQ(s.text(Ctl::Label35), "дня.");
    s->userSelect(Ctl::Combo5, 1);
    EXPECT_EQ(s.text(Ctl::Label34), "0.12");
    EXPECT_EQ(s.text(Ctl::Label35), "дней.");
    s->userEdit(Ctl::Text2, "9999999");
    EXPECT_EQ(s.text(Ctl::Label34), "Перебор!");
    EXPECT_EQ(s.text(Ctl::Label35), "дней."); // the word stays
    s->userEdit(Ctl::Text2, "-1E39");
    EXPECT_EQ(s.text(Ctl::Label34), "Перебор!");
    EXPECT_TRUE(std::isfinite(s->hddsize));
    s->userEdit(Ctl::Text2, "");
    EXPECT_EQ(s.text(Ctl::Label34), "0");
    EXPECT_EQ(s.text(Ctl::Label35), "дней.");
    s->userSelect(Ctl::Combo4, 0); // a settings change leaves the depth alone while the disk reads 0
    EXPECT_EQ(s.text(Ctl::Label34), "0");
}

TEST(Depth, NothingRecordedIsInfinity)
{
    Started s;
    s->userEdit(Ctl::Text1, "0");
    EXPECT_EQ(s.text(Ctl::Label34), "бесконечность");
    EXPECT_EQ(s.text(Ctl::Label35), "день."); // follows the depth left from before
    EXPECT_EQ(s.text(Ctl::Label43), "0");
}

// The window, the disk-array dialog and the site dialog word a depth alike:
// the word from the whole part of the figure, a depth of no word of its own
// keeping the word shown already.
TEST(Depth, TheOneWordingOfADepth)
{
    struct Case {
        std::optional<float> days;
        const char* separator;
        const char* kept;
        const char* text;
    } cases[] = {
        {1.0F, ",", "дней.", "1 день."},
        {21.0F, ".", "дней.", "21 день."},
        {2.5F, ",", "день.", "2,5 дня."},
        {104.0F, ".", "день.", "104 дня."},
        {11.0F, ".", "день.", "11 дней."},
        {112.0F, ".", "день.", "112 дней."},
        {0.0F, ".", "день.", "0 дней."},
        {-0.5F, ".", "день.", "-0.5 дней."}, // the whole part is 0
        {-3.0F, ".", "день.", "-3 день."},   // no word of its own: the kept one
        {-21.0F, ",", "дня.", "-21 дня."},
        {std::nanf(""), ".", "дня.", "NaN дня."},
        {std::nullopt, ",", "дня.", "бесконечность"},
    };
    for (const Case& c : cases) EXPECT_EQ(depthText(c.days, c.separator, c.kept), c.text) << c.text;
    // The window keeps its word the same way.
    Started s;
    s->userEdit(Ctl::Text2, "1");
    EXPECT_EQ(s.text(Ctl::Label35), "день.");
    s->userEdit(Ctl::Text2, "-3");
    EXPECT_EQ(s.text(Ctl::Label35), "день.");
}

TEST(Period, DayWordsAndLimits)
{
    struct Case {
        const char* typed;
        const char* word;
        int days;
    } cases[] = {{"21", "день:", 21},    {"22", "дня:", 22},      {"11", "дней:", 11}, {"111", "дней:", 111},
                 {"121", "день:", 121},  {"2.5", "дня:", 2},      {"3.5", "дня:", 4},  {"99999", "дней:", 30},
                 {"40000", "дней:", 30}, {"-40000", "дней:", 30}, {"-1", "дней:", -1}, {"-20", "дней:", -20},
                 {"1E400", "дней:", 30}, {"-1E400", "дней:", 30}};
    for (const auto& c : cases) {
        Started s;
        s->userEdit(Ctl::Text3, c.typed);
        EXPECT_EQ(s->perioddays, c.days) << c.typed;
        EXPECT_EQ(s.text(Ctl::Label41), c.word) << c.typed;
    }
    Started s;
    s->userEdit(Ctl::Text3, "1");
    EXPECT_EQ(s.text(Ctl::Label29), "0.02");
}

TEST(Hints, ShownWhileTheUserIsInTheField)
{
    Started s;
    s->userClick(Ctl::Text2);
    EXPECT_TRUE(s->control(Ctl::Label36).visible);
    s->userLeave(Ctl::Text2);
    EXPECT_FALSE(s->control(Ctl::Label36).visible);
    s->userClick(Ctl::Text3);
    EXPECT_TRUE(s->control(Ctl::Label39).visible);
    s->userLeave(Ctl::Text3);
    EXPECT_FALSE(s->control(Ctl::Label39).visible);
}

TEST(Hover, HintOverThePicture)
{
    Started s;
    EXPECT_FALSE(s->control(Ctl::Image2).flat);
    s->Image2_MouseMove();
    EXPECT_TRUE(s->control(Ctl::Label13).visible);
    EXPECT_TRUE(s->control(Ctl::Image2).flat);
    EXPECT_EQ(s->overabout, kTrue);
    s->Form_MouseMove();
    EXPECT_FALSE(s->control(Ctl::Label13).visible);
    EXPECT_FALSE(s->control(Ctl::Image2).flat);
    EXPECT_EQ(s->overabout, kFalse);
}

TEST(Windows, ReportAndAboutAreAskedOfTheHost)
{
    Started s;
    s->userClick(Ctl::Command5);
    s->userClick(Ctl::Image2);
    s->userClick(Ctl::Image2);
    EXPECT_EQ(s.host.reports, 1);
    EXPECT_EQ(s.host.abouts, 2);
}

TEST(UserActions, RefusedWhereAUserCouldNotAct)
{
    Started s;
    EXPECT_FALSE(s->userSelect(Ctl::Combo9, 0)); // disabled without sound
    EXPECT_FALSE(s->userSelect(Ctl::Combo4, 7));
    EXPECT_FALSE(s->userSelect(Ctl::Combo4, -1));
    EXPECT_FALSE(s->userClick(Ctl::Command4)); // disabled with one channel
    EXPECT_FALSE(s->userEdit(Ctl::Label6, "x"));
    Started compact(Layout::Compact);
    EXPECT_FALSE(compact->userEdit(Ctl::Label11, "x"));
    EXPECT_EQ(s->ch.chcodec[1], 2);
}

} // namespace
} // namespace velmora::testing
