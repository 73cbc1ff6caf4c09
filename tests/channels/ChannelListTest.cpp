// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormFixture.h"

#include "Estimate.h"
#include "NumberRules.h"
#include "Texts.h"

namespace velmora::testing {
namespace {

// Adds channels until there are `count`, each a copy of the one shown.
void addUpTo(MainForm& f, int count)
{
    while (f.channelcount < count) f.userClick(Ctl::Command3);
}

TEST(ChannelList, StepWrapsAround)
{
    Started s;
    s->userClick(Ctl::Command1);
    EXPECT_EQ(s->curchannel, 1);
    s->userClick(Ctl::Command2);
    EXPECT_EQ(s->curchannel, 1);
    addUpTo(*s, 3);
    EXPECT_EQ(s->curchannel, 3);
    s->userClick(Ctl::Command1);
    EXPECT_EQ(s->curchannel, 1);
    EXPECT_EQ(s.text(Ctl::Label23), "1");
    EXPECT_EQ(s.text(Ctl::Label46), "1");
    s->userClick(Ctl::Command2);
    EXPECT_EQ(s->curchannel, 3);
}

TEST(ChannelList, AddCopiesTheShownChannelToTheEnd)
{
    Started s;
    addUpTo(*s, 5);
    s->userClick(Ctl::Command1); // channel 1
    s->userClick(Ctl::Command1); // channel 2
    s->userSelect(Ctl::Combo4, 6);
    s->userClick(Ctl::Command3);
    EXPECT_EQ(s->curchannel, 6);
    EXPECT_EQ(s.text(Ctl::Label23), "6");
    EXPECT_EQ(s.text(Ctl::Label24), "6");
    EXPECT_EQ(s->ch.chresindex[6], 6);
    EXPECT_EQ(s->ch.chbitrate[6], s->ch.chbitrate[2]);
    EXPECT_TRUE(s->control(Ctl::Command4).enabled);
}

TEST(ChannelList, AddAt32ChangesNothingButEnablesDelete)
{
    Started s;
    addUpTo(*s, 32);
    s->userClick(Ctl::Command2);
    const std::int16_t shown = s->curchannel;
    s->userClick(Ctl::Command3);
    EXPECT_EQ(s->channelcount, 32);
    EXPECT_EQ(s->curchannel, shown);
    EXPECT_TRUE(s->control(Ctl::Command4).enabled);
    EXPECT_TRUE(s->control(Ctl::Command3).enabled);
}

TEST(ChannelList, DeleteInTheMiddleKeepsEachChannelWhole)
{
    Started s;
    // Five channels with distinct bitrates; channel 4 hand-typed and in megabytes.
    const char* typed[] = {"100", "2000", "300", "40", "5000"};
    for (int k = 0; k < 5; ++k) {
        if (k > 0) s->userClick(Ctl::Command3);
        s->userEdit(Ctl::Text1, typed[k]);
    }
    s->userClick(Ctl::Command1);   // channel 1
    s->userSelect(Ctl::Combo6, 0); // channel 1 computed again
    s->userClick(Ctl::Command1);
    s->userClick(Ctl::Command1); // channel 3
    const Flag gb4 = s->ch.chdailygb[4];
    const Flag gb5 = s->ch.chdailygb[5];
    ASSERT_NE(gb4, gb5);
    s->userClick(Ctl::Command4);
    EXPECT_EQ(s->channelcount, 4);
    EXPECT_EQ(s->curchannel, 3);
    EXPECT_EQ(s.text(Ctl::Label24), "4");
    EXPECT_EQ(s.text(Ctl::Label23), "3");
    EXPECT_EQ(s->ch.chbitrate[3], 40.0f);
    EXPECT_EQ(s->ch.chbitrate[4], 5000.0f);
    EXPECT_EQ(s->ch.chdailygb[3], gb4);
    EXPECT_EQ(s->ch.chdailygb[4], gb5);
    EXPECT_EQ(s->ch.chmanual[3], kTrue);
    EXPECT_EQ(s->ch.chbitrate[5], 0.0f);
    EXPECT_EQ(s.text(Ctl::Text1), "40"); // hand-typed bitrate survives showing
    EXPECT_EQ(s.text(Ctl::Label26), floatText(okrug(dayTotal(s->ch, 4)), "."));
    EXPECT_EQ(s->totalbitrate, totalBitrate(s->ch, 4));
}

TEST(ChannelList, DeleteTheLastShowsThePreviousAndDownToOneDisables)
{
    Started s;
    addUpTo(*s, 3);
    s->userClick(Ctl::Command4);
    EXPECT_EQ(s->curchannel, 2);
    EXPECT_EQ(s->channelcount, 2);
    EXPECT_EQ(s->ch.chbitrate[3], 0.0f);
    EXPECT_TRUE(s->control(Ctl::Command4).enabled);
    s->userClick(Ctl::Command4);
    EXPECT_EQ(s->channelcount, 1);
    EXPECT_FALSE(s->control(Ctl::Command4).enabled);
    s->userClick(Ctl::Command3);
    EXPECT_TRUE(s->control(Ctl::Command4).enabled);
}

TEST(ShowChannel, HandTypedBitrateSurvivesShowing)
{
    Started s;
    s->userClick(Ctl::Command3);     // channel 2, computed
    s->userSelect(Ctl::Combo4, 0);   // other resolution
    s->userSetCheck(Ctl::Check2, 1); // and sound
    s->userClick(Ctl::Command1);     // channel 1
    s->userEdit(Ctl::Text1, "777.5");
    s->userClick(Ctl::Command1); // channel 2
    EXPECT_FALSE(s->control(Ctl::Label1).visible);
    s->userClick(Ctl::Command1); // channel 1 again: its settings differ
    EXPECT_EQ(s.text(Ctl::Text1), "777.5");
    EXPECT_EQ(s->ch.chbitrate[1], 777.5f);
    EXPECT_EQ(s->ch.chmanual[1], kTrue);
    EXPECT_TRUE(s->control(Ctl::Label1).visible);
    EXPECT_EQ(s.text(Ctl::Label20), texts::kHintManual);
    // The sound box changed, but the codec list kept its enabled state.
    EXPECT_EQ(s->control(Ctl::Check2).value, 0);
    EXPECT_TRUE(s->control(Ctl::Combo9).enabled);
}

TEST(CopyToAll, AskedQuestionAndNoChangesNothing)
{
    Started s;
    addUpTo(*s, 3);
    s->userSelect(Ctl::Combo4, 0);
    s.host.answer = false;
    const auto before = s->ch.chresindex;
    s->userClick(Ctl::Command6);
    ASSERT_EQ(s.host.questions.size(), 1u);
    EXPECT_EQ(s.host.questions[0], std::string(texts::kCopyTitle) + "|" + std::string(texts::kCopyQuestion));
    EXPECT_EQ(s->ch.chresindex, before);
}

TEST(CopyToAll, CarriesSettingsButNotSoundOrMotion)
{
    Started s;
    addUpTo(*s, 3); // channel 3 current
    s->userSetCheck(Ctl::Check2, 1);
    s->userSelect(Ctl::Combo9, 0);
    s->userSetCheck(Ctl::Check1, 1);
    s->userSelect(Ctl::Combo3, 10);
    s->userClick(Ctl::Command6);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(s->ch.chfpsindex[k], 10) << k;
        EXPECT_EQ(s->ch.chbitrate[k], s->ch.chbitrate[3]) << k;
        EXPECT_EQ(s->ch.chdaily[k], s->ch.chdaily[3]) << k;
    }
    EXPECT_EQ(s->ch.chaudio[1], 0);
    EXPECT_EQ(s->ch.chcodec[1], 2);
    EXPECT_EQ(s->ch.chmotion[1], 0);
    EXPECT_EQ(s->totalbitrate, s->ch.chbitrate[3] * 3);
    // A channel whose sound or motion differs is recomputed when shown...
    s->userClick(Ctl::Command1);
    EXPECT_NE(s->ch.chbitrate[1], s->ch.chbitrate[3]);
}

// From the first of three channels, whose day volume is in megabytes while
// the others' are in gigabytes: every channel takes the first one's settings,
// bitrate, volume and unit, keeps its own sound and motion, and the day total
// adds the copied megabytes as gigabytes.
TEST(CopyToAll, FromTheFirstOfThreeWithMixedUnits)
{
    Started s;
    addUpTo(*s, 3);                  // channel 3 shown
    s->userSetCheck(Ctl::Check1, 1); // channel 3: much motion
    s->userClick(Ctl::Command1);     // channel 1
    s->userSelect(Ctl::Combo4, 6);   // the smallest picture,
    s->userSelect(Ctl::Combo3, 24);  // one frame a second,
    s->userSelect(Ctl::Combo6, 8);   // the lowest quality,
    s->userSelect(Ctl::Combo1, 23);  // an hour a day: under a megabyte a day
    s->userClick(Ctl::Command1);     // channel 2
    s->userSetCheck(Ctl::Check2, 1); // channel 2: sound
    s->userClick(Ctl::Command2);     // channel 1 again
    ASSERT_EQ(s->curchannel, 1);
    ASSERT_EQ(s->ch.chdailygb[1], kFalse);
    ASSERT_EQ(s->ch.chdailygb[2], kTrue);
    ASSERT_EQ(s->ch.chdailygb[3], kTrue);
    const float bitrate = s->ch.chbitrate[1];
    const float daily = s->ch.chdaily[1];

    s->userClick(Ctl::Command6);
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(s->ch.chresindex[k], 6);
        EXPECT_EQ(s->ch.chfpsindex[k], 24);
        EXPECT_EQ(s->ch.chqualityindex[k], 8);
        EXPECT_EQ(s->ch.chhoursindex[k], 23);
        EXPECT_EQ(s->ch.chbitrate[k], bitrate);
        EXPECT_EQ(s->ch.chdaily[k], daily);
        EXPECT_EQ(s->ch.chdailygb[k], kFalse);
    }
    EXPECT_EQ(s->ch.chaudio[1], 0);
    EXPECT_EQ(s->ch.chaudio[2], 1);
    EXPECT_EQ(s->ch.chmotion[1], 0);
    EXPECT_EQ(s->ch.chmotion[3], 1);
    EXPECT_EQ(s->curchannel, 1);
    EXPECT_EQ(s.text(Ctl::Label8), texts::kMegabytes);
    float total = 0.0f;
    for (int k = 1; k <= 3; ++k) total = static_cast<float>(total + daily / 1024.0);
    EXPECT_EQ(s->totaldaily, total);
    EXPECT_EQ(s.text(Ctl::Label26), floatText(okrug(total), "."));
}

TEST(CopyToAll, AChannelThatDiffersInNothingKeepsTheCopiedBitrate)
{
    Started s;
    addUpTo(*s, 2); // channel 2, same settings as channel 1
    s->userSelect(Ctl::Combo3, 5);
    s->userClick(Ctl::Command6);
    s->userClick(Ctl::Command1); // channel 1: no list or box changes what it shows
    EXPECT_EQ(s->ch.chbitrate[1], s->ch.chbitrate[2]);
    EXPECT_EQ(s->ch.chfpsindex[1], 5);
}

TEST(CopyToAll, HandTypedBitrateMakesEveryChannelHandTyped)
{
    Started s;
    addUpTo(*s, 3);
    s->userEdit(Ctl::Text1, "1234");
    s->userClick(Ctl::Command6);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(s->ch.chmanual[k], kTrue) << k;
        EXPECT_EQ(s->ch.chbitrate[k], 1234.0f) << k;
    }
    s->userClick(Ctl::Command1);
    EXPECT_EQ(s.text(Ctl::Text1), "1234");
}

} // namespace
} // namespace velmora::testing
