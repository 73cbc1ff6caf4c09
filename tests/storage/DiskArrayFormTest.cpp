// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskArrayForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

// The dialog set to 4 x 4 TB in RAID 5 with the start reserve of 5 %.
DiskArrayForm raid5Form(std::string decimal)
{
    DiskArrayForm form(std::move(decimal));
    form.edit(ArrayField::Disks, "4");
    form.edit(ArrayField::DiskSize, "4");
    form.selectLevel(static_cast<int>(ArrayLevel::Raid5));
    form.setWindowFigures(16, 1.5);
    return form;
}

TEST(DiskArrayForm, StartsAsOneDiskWithTheUsualReserves)
{
    const DiskArrayForm form(",");
    const DiskArraySettings& s = form.settings();
    EXPECT_EQ(s.texts[static_cast<std::size_t>(ArrayField::Reserve)], "5");
    EXPECT_EQ(s.texts[static_cast<std::size_t>(ArrayField::Limit)], "");
    EXPECT_EQ(s.texts[static_cast<std::size_t>(ArrayField::Headroom)], "25");
    EXPECT_EQ(s.level, static_cast<int>(ArrayLevel::Jbod));
    EXPECT_EQ(form.view().load, "не проверяется");
    EXPECT_EQ(form.view().message, "");
}

TEST(DiskArrayForm, WorkedCaseInBothSeparators)
{
    struct Case {
        const char* decimal;
        const char* usable;
        const char* depth;
    };
    for (const Case& c : {Case{".", "10.37 Тбайт", "663.68 дня."}, Case{",", "10,37 Тбайт", "663,68 дня."}}) {
        const DiskArrayForm form = raid5Form(c.decimal);
        const DiskArrayView& v = form.view();
        EXPECT_EQ(v.arrayDisks, "4 (под данные: 3)") << c.decimal;
        EXPECT_EQ(v.markedSize, std::string("16 ТБ = 14") + c.decimal + "55 Тбайт") << c.decimal;
        EXPECT_EQ(v.usableSize, c.usable) << c.decimal;
        EXPECT_EQ(v.depth, c.depth) << c.decimal;
        // The disk-size field reads the period only.
        EXPECT_EQ(v.applyText, "10.37") << c.decimal;
        EXPECT_EQ(v.message, "") << c.decimal;
    }
}

TEST(DiskArrayForm, BrokenRuleSaysWhichAndShowsNoResult)
{
    struct Case {
        const char* name;
        const char* disks;
        const char* spares;
        ArrayLevel level;
        const char* message;
    };
    const Case cases[] = {
        {"2 disks in RAID 5", "2", "0", ArrayLevel::Raid5, "RAID 5 нужно не меньше 3 дисков, а их 2."},
        {"6 disks RAID 10, one spare", "6", "1", ArrayLevel::Raid10,
         "RAID 10 собирается из зеркальных пар: нужно чётное число дисков, а без резервных их 5."},
        {"3 disks RAID 10", "3", "0", ArrayLevel::Raid10, "RAID 10 нужно не меньше 4 дисков, а их 3."},
        {"1 disk RAID 1", "1", "0", ArrayLevel::Raid1, "RAID 1 нужно не меньше 2 дисков, а их 1."},
        {"3 disks RAID 6", "3", "0", ArrayLevel::Raid6, "RAID 6 нужно не меньше 4 дисков, а их 3."},
        {"RAID 5 short by a spare", "3", "1", ArrayLevel::Raid5,
         "RAID 5 нужно не меньше 3 дисков, а без резервных их 2."},
        {"all spares", "3", "3", ArrayLevel::Jbod,
         "Все диски отданы в резерв: в массиве не остаётся ни одного."},
        // No disk left is no question of an even count.
        {"a mirror all spares", "2", "2", ArrayLevel::Raid1,
         "Все диски отданы в резерв: в массиве не остаётся ни одного."},
        // Never a negative count.
        {"more spares than disks", "3", "5", ArrayLevel::Raid0,
         "Резервных дисков (5) больше, чем всех дисков (3)."},
    };
    for (const Case& c : cases) {
        DiskArrayForm form(".");
        form.edit(ArrayField::Disks, c.disks);
        form.edit(ArrayField::Spares, c.spares);
        form.selectLevel(static_cast<int>(c.level));
        const DiskArrayView& v = form.view();
        EXPECT_EQ(v.message, c.message) << c.name;
        EXPECT_EQ(v.usableSize + v.markedSize + v.arrayDisks + v.depth + v.applyText, "") << c.name;
        for (bool bad : v.bad) EXPECT_FALSE(bad) << c.name;
    }
}

TEST(DiskArrayForm, BadInputMarksTheFieldAndShowsNoResult)
{
    struct Case {
        const char* name;
        ArrayField field;
        std::string text;
    };
    const std::string megabyteOfDigits(1 << 20, '9');
    const Case cases[] = {
        {"no disks", ArrayField::Disks, ""},
        {"letters", ArrayField::Disks, "four"},
        {"negative", ArrayField::Disks, "-4"},
        {"half a disk", ArrayField::Disks, "2.5"},
        {"none", ArrayField::Disks, "0"},
        {"one too many", ArrayField::Disks, "65"},
        {"huge", ArrayField::Disks, "99999999999999999999999"},
        {"empty size", ArrayField::DiskSize, ""},
        {"exponent beyond a float", ArrayField::DiskSize, "1E39"},
        {"small exponent", ArrayField::DiskSize, "4e0"},
        {"zero size", ArrayField::DiskSize, "0"},
        {"negative size", ArrayField::DiskSize, "-4"},
        {"a megabyte of digits", ArrayField::DiskSize, megabyteOfDigits},
        {"a comma where the period is the separator", ArrayField::DiskSize, "2,5"},
        {"two separators", ArrayField::DiskSize, "2.5.1"},
        {"a separator alone", ArrayField::DiskSize, "."},
        {"infinity spelled", ArrayField::DiskSize, "inf"},
        {"not a number spelled", ArrayField::DiskSize, "nan"},
        {"hexadecimal", ArrayField::DiskSize, "&H10"},
        {"negative spares", ArrayField::Spares, "-1"},
        {"one spare too many", ArrayField::Spares, "64"},
        {"empty spares", ArrayField::Spares, ""},
        {"whole reserve", ArrayField::Reserve, "100"},
        {"negative reserve", ArrayField::Reserve, "-5"},
        {"empty reserve", ArrayField::Reserve, ""},
        {"zero limit", ArrayField::Limit, "0"},
        {"huge limit", ArrayField::Limit, "1E39"},
        {"letters as limit", ArrayField::Limit, "много"},
        {"whole headroom", ArrayField::Headroom, "100"},
        {"letters as headroom", ArrayField::Headroom, "abc"},
        {"no days", ArrayField::TargetDays, "0"},
        {"half a day", ArrayField::TargetDays, "2.5"},
        {"days beyond the most", ArrayField::TargetDays, "10001"},
        {"letters as days", ArrayField::TargetDays, "месяц"},
    };
    for (const Case& c : cases) {
        DiskArrayForm form = raid5Form(".");
        form.edit(ArrayField::Limit, "100");
        form.edit(c.field, c.text);
        const DiskArrayView& v = form.view();
        for (std::size_t i = 0; i < kArrayFieldCount; ++i)
            EXPECT_EQ(v.bad[i], i == static_cast<std::size_t>(c.field)) << c.name << ", field " << i;
        EXPECT_EQ(v.arrayDisks + v.markedSize + v.usableSize + v.depth + v.load + v.disksNeeded + v.applyText,
                  "")
            << c.name;
        EXPECT_FALSE(v.message.empty()) << c.name;
        // The text stays as typed.
        EXPECT_EQ(form.settings().texts[static_cast<std::size_t>(c.field)], c.text) << c.name;

        // Mending the field brings every result back.
        form.edit(c.field, DiskArraySettings{}.texts[static_cast<std::size_t>(c.field)]);
        form.edit(ArrayField::Disks, "4");
        form.edit(ArrayField::DiskSize, "4");
        EXPECT_EQ(form.view().applyText, "10.37") << c.name;
    }
}

TEST(DiskArrayForm, TakesWhatUsersType)
{
    struct Case {
        const char* name;
        const char* decimal;
        const char* size;
        const char* usable;
    };
    const Case cases[] = {
        {"regional comma", ",", "2,5", "2,16 Тбайт"},
        {"period under a comma locale", ",", "2.5", "2,16 Тбайт"},
        {"blanks around", ".", " 2.5 ", "2.16 Тбайт"},
        {"leading point", ".", ".5", "0.43 Тбайт"},
        {"trailing point", ".", "4.", "3.46 Тбайт"},
        {"leading zeros", ".", "004", "3.46 Тбайт"},
        {"largest disk", ".", "1000", "864.02 Тбайт"},
    };
    for (const Case& c : cases) {
        DiskArrayForm form(c.decimal);
        form.edit(ArrayField::DiskSize, c.size);
        EXPECT_EQ(form.view().usableSize, c.usable) << c.name;
        EXPECT_FALSE(form.view().bad[static_cast<std::size_t>(ArrayField::DiskSize)]) << c.name;
    }
}

TEST(DiskArrayForm, TooLittleToApply)
{
    DiskArrayForm form(",");
    form.edit(ArrayField::DiskSize, "0,001");
    EXPECT_EQ(form.view().usableSize, "0 Тбайт");
    EXPECT_EQ(form.view().applyText, "");
    EXPECT_EQ(form.view().message, "Полезный объём меньше 0,01 Тбайт: подставлять нечего.");
}

// The depth is the window's own for the size "Применить" types (10.37
// Тбайт), figure and word: the word from the whole part of the shown figure.
TEST(DiskArrayForm, DepthFollowsTheWindow)
{
    DiskArrayForm form = raid5Form(",");
    form.setWindowFigures(0, 0);
    EXPECT_EQ(form.view().depth, "бесконечность");
    const double shownGb = 10.37 * 1024;
    struct Case {
        double dayTotal;
        const char* depth;
    };
    const Case cases[] = {
        {shownGb, "1 день."},
        {shownGb / 2, "2 дня."},
        {shownGb / 11, "11 дней."},
        {shownGb / 21, "21 день."},
        {shownGb / 2.5, "2,5 дня."},
        {shownGb / 5.5, "5,5 дней."},
        {shownGb * 1000, "0 дней."},
        // Shown as 2, so "дня": the word follows the figure shown, not the one cut off at 1.
        {shownGb / 1.998, "2 дня."},
        // The window's figure, not the unrounded usable size's 26.58.
        {shownGb / 26.45, "26,45 дней."},
    };
    for (const Case& c : cases) {
        form.setWindowFigures(c.dayTotal, 0);
        EXPECT_EQ(form.view().depth, c.depth) << c.dayTotal;
    }
    form.setWindowFigures(1e-30, 0);
    EXPECT_EQ(form.view().depth, "1,061888E+34 дня.");
    form.setWindowFigures(-5000, 0); // negative bitrates are the window's to take
    EXPECT_EQ(form.view().depth, "-2,12 дней.");
}

TEST(DiskArrayForm, InputLoadAndItsWarning)
{
    // The window counts 2^20 bits to its Мбит, the recorder's maker 10^6.
    constexpr double kProgramPerDecimal = 1e6 / 1048576.0;
    struct Case {
        const char* name;
        const char* limit;
        const char* headroom;
        double decimalMbit;
        const char* load;
        const char* message;
    };
    const Case cases[] = {
        {"not checked", "", "25", 50, "не проверяется", ""},
        {"within the allowed share", "16", "25", 11.9, "74,38 % (11,9 из 16 Мбит/с)", ""},
        {"above it", "16", "25", 12.8, "80 % (12,8 из 16 Мбит/с)",
         "Поток 12,8 Мбит/с больше допустимых 12 Мбит/с (предел входа за вычетом запаса)."},
        {"a limit with a fraction", "12,5", "0", 1.58, "12,64 % (1,58 из 12,5 Мбит/с)", ""},
        // Empty headroom keeps nothing free.
        {"empty headroom", "16", "", 15.9, "99,38 % (15,9 из 16 Мбит/с)", ""},
        // 262144 kbit/s in the window, 256 of its Мбит/с, are 104.86 % of a maker's 256.
        {"the window's 256 against a maker's 256", "256", "0", 256 / kProgramPerDecimal,
         "104,86 % (268,44 из 256 Мбит/с)",
         "Поток 268,44 Мбит/с больше допустимых 256 Мбит/с (предел входа за вычетом запаса)."},
    };
    for (const Case& c : cases) {
        DiskArrayForm form = raid5Form(",");
        form.edit(ArrayField::Limit, c.limit);
        form.edit(ArrayField::Headroom, c.headroom);
        form.setWindowFigures(16, c.decimalMbit * kProgramPerDecimal);
        EXPECT_EQ(form.view().load, c.load) << c.name;
        EXPECT_EQ(form.view().message, c.message) << c.name;
        EXPECT_EQ(form.view().applyText, "10.37") << c.name; // a warning, not a refusal
    }
    // A broken array and the warning together, one to a line.
    DiskArrayForm form = raid5Form(",");
    form.edit(ArrayField::Disks, "2");
    form.edit(ArrayField::Limit, "10");
    form.setWindowFigures(16, 20 * kProgramPerDecimal);
    EXPECT_EQ(form.view().message,
              "RAID 5 нужно не меньше 3 дисков, а их 2.\n"
              "Поток 20 Мбит/с больше допустимых 7,5 Мбит/с (предел входа за вычетом запаса).");
}

// Each message speaks of the case at hand.
TEST(DiskArrayForm, MessagesOfTheCaseAtHand)
{
    struct Case {
        const char* name;
        const char* decimal;
        ArrayField field;
        const char* text;
        ArrayLevel level;
        const char* message;
    };
    const Case cases[] = {
        {"a comma under the period", ".", ArrayField::DiskSize, "12,5", ArrayLevel::Raid5,
         "Объём диска: дробную часть здесь отделяет точка, а не запятая."},
        {"a comma in the reserve", ".", ArrayField::Reserve, "7,5", ArrayLevel::Raid5,
         "Запас на форматирование: дробную часть здесь отделяет точка, а не запятая."},
        {"a comma that would not read anyway", ".", ArrayField::DiskSize, "12,5,1", ArrayLevel::Raid5,
         "Объём диска: больше 0 и не больше 1000 ТБ."},
        {"a comma too large anyway", ".", ArrayField::DiskSize, "1200,5", ArrayLevel::Raid5,
         "Объём диска: дробную часть здесь отделяет точка, а не запятая."},
        {"a spare in RAID 0", ",", ArrayField::Spares, "1", ArrayLevel::Raid0,
         "В JBOD и RAID 0 резервному диску нечего восстанавливать: он только лежит в запасе."},
        {"a spare in JBOD", ",", ArrayField::Spares, "1", ArrayLevel::Jbod,
         "В JBOD и RAID 0 резервному диску нечего восстанавливать: он только лежит в запасе."},
        {"a spare in RAID 5", ",", ArrayField::Spares, "1", ArrayLevel::Raid5, ""},
        {"empty headroom without a limit", ",", ArrayField::Headroom, "", ArrayLevel::Raid5, ""},
    };
    for (const Case& c : cases) {
        DiskArrayForm form(c.decimal);
        form.edit(ArrayField::Disks, "5");
        form.selectLevel(static_cast<int>(c.level));
        form.edit(c.field, c.text);
        EXPECT_EQ(form.view().message, c.message) << c.name;
        EXPECT_EQ(form.view().usableSize.empty(), form.view().bad[static_cast<std::size_t>(c.field)])
            << c.name;
    }
}

// "Нужно дисков" against a search by hand: the dialog itself, set to one
// disk count after another, until its depth reaches the days wanted.
TEST(DiskArrayForm, DisksNeededIsTheFewestThatReachTheDays)
{
    const char* sizes[] = {"1", "2.5", "8"};
    const char* reserves[] = {"0", "5", "12.5"};
    const char* sparesList[] = {"0", "1", "2"};
    const char* targets[] = {"1", "7", "30", "90", "365"};
    const double dayTotals[] = {0, 16.64, 100, 1000};
    int checked = 0;
    for (int level = 0; level < static_cast<int>(kArrayLevelNames.size()); ++level)
        for (const char* size : sizes)
            for (const char* reserve : reserves)
                for (const char* spares : sparesList)
                    for (const double dayTotal : dayTotals) {
                        DiskArrayForm form(".");
                        form.selectLevel(level);
                        form.edit(ArrayField::DiskSize, size);
                        form.edit(ArrayField::Reserve, reserve);
                        form.edit(ArrayField::Spares, spares);
                        form.setWindowFigures(dayTotal, 0);
                        // The depth at every count the disks field takes.
                        std::vector<double> depth(65, -1);
                        for (int n = 1; n <= 64; ++n) {
                            form.edit(ArrayField::Disks, std::to_string(n));
                            const std::string& shown = form.view().depth;
                            if (shown.empty()) continue;
                            depth[static_cast<std::size_t>(n)] =
                                shown == "бесконечность" ? 1e300
                                                         : std::stod(shown.substr(0, shown.find(' ')));
                        }
                        for (const char* target : targets) {
                            form.edit(ArrayField::TargetDays, target);
                            const double days = std::stod(target);
                            std::string expected = "больше";
                            for (int n = 1; n <= 64; ++n)
                                if (depth[static_cast<std::size_t>(n)] >= days) {
                                    expected = std::to_string(n);
                                    break;
                                }
                            const std::string& got = form.view().disksNeeded;
                            if (level == static_cast<int>(ArrayLevel::Raid1) && expected == "больше") {
                                EXPECT_EQ(got, "не набрать: RAID 1 хранит один диск")
                                    << size << " " << target;
                            } else if (expected == "больше") {
                                // Beyond what the field takes: a count above 64.
                                EXPECT_GT(std::stoi(got), 64) << level << " " << size << " " << target;
                            } else {
                                EXPECT_EQ(got, expected)
                                    << "level " << level << ", " << size << " TB, reserve " << reserve
                                    << ", spares " << spares << ", " << dayTotal << " GB a day, " << target
                                    << " days";
                            }
                            ++checked;
                        }
                    }
    EXPECT_EQ(checked, 6 * 3 * 3 * 3 * 4 * 5);
    // A depth exactly at the days wanted reaches them: one disk of 1 TB holds
    // "10 дней." at 93.18 Гбайт a day, so one disk is enough.
    DiskArrayForm exact(".");
    exact.edit(ArrayField::Reserve, "0");
    exact.edit(ArrayField::DiskSize, "1");
    exact.edit(ArrayField::TargetDays, "10");
    exact.setWindowFigures(93.18, 0);
    EXPECT_EQ(exact.view().depth, "10 дней.");
    EXPECT_EQ(exact.view().disksNeeded, "1");
    // Far beyond any array: said so, never an endless search.
    DiskArrayForm form(".");
    form.edit(ArrayField::DiskSize, "0.001");
    form.edit(ArrayField::TargetDays, "10000");
    form.setWindowFigures(3.4e38, 0);
    EXPECT_EQ(form.view().disksNeeded, "больше 100000");
}

TEST(DiskArrayForm, RestoredSettingsAreCheckedLikeTypedOnes)
{
    DiskArraySettings s;
    s.texts = {"6", "10", "1", "5", "abc", "25", ""};
    s.level = 99;
    DiskArrayForm form(".");
    form.restore(s);
    EXPECT_EQ(form.settings().level, static_cast<int>(ArrayLevel::Jbod));
    EXPECT_TRUE(form.view().bad[static_cast<std::size_t>(ArrayField::Limit)]);
    EXPECT_FALSE(form.selectLevel(6));
    EXPECT_FALSE(form.selectLevel(-1));
    EXPECT_TRUE(form.selectLevel(static_cast<int>(ArrayLevel::Raid6)));
}

TEST(DiskArrayForm, FigureText)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {-0.001, "0"},
        {2.5, "2,5"},
        {10.368, "10,37"},
        {16, "16"},
        {0.005, "0,01"},
        {-3.25, "-3,25"},
        {999999999.99, "999999999,99"},
        {1e9, "1,000000E+09"},
        {-2.5e12, "-2,500000E+12"},
    };
    for (const Case& c : cases) EXPECT_EQ(figureText(c.value, ","), c.text) << c.value;
}

} // namespace
} // namespace velmora
