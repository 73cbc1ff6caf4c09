#include "DiskArrayForm.h"

#include <gtest/gtest.h>

#include <string>

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
    for (const Case& c : {Case{".", "10.37 Тбайт", "663.57 дня"}, Case{",", "10,37 Тбайт", "663,57 дня"}}) {
        const DiskArrayForm form = raid5Form(c.decimal);
        const DiskArrayView& v = form.view();
        EXPECT_EQ(v.disks, "4 (под данные: 3)") << c.decimal;
        EXPECT_EQ(v.raw, "16 ТБ") << c.decimal;
        EXPECT_EQ(v.usable, c.usable) << c.decimal;
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
        {"2 disks in RAID 5", "2", "0", ArrayLevel::Raid5,
         "RAID 5 нужно не меньше 3 дисков (в массиве без резервных: 2)."},
        {"6 disks RAID 10, one spare", "6", "1", ArrayLevel::Raid10,
         "RAID 10 нужно чётное число дисков, не меньше 4 (в массиве без резервных: 5)."},
        {"3 disks RAID 1", "3", "0", ArrayLevel::Raid1,
         "RAID 1 собирается из зеркальных пар: нужно чётное число дисков (в массиве без резервных: 3)."},
        {"3 disks RAID 6", "3", "0", ArrayLevel::Raid6,
         "RAID 6 нужно не меньше 4 дисков (в массиве без резервных: 3)."},
        {"all spares", "3", "3", ArrayLevel::Jbod,
         "Все диски отданы в резерв: в массиве не остаётся ни одного."},
    };
    for (const Case& c : cases) {
        DiskArrayForm form(".");
        form.edit(ArrayField::Disks, c.disks);
        form.edit(ArrayField::Spares, c.spares);
        form.selectLevel(static_cast<int>(c.level));
        const DiskArrayView& v = form.view();
        EXPECT_EQ(v.message, c.message) << c.name;
        EXPECT_EQ(v.usable + v.raw + v.disks + v.depth + v.applyText, "") << c.name;
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
        {"empty spares", ArrayField::Spares, ""},
        {"whole reserve", ArrayField::Reserve, "100"},
        {"negative reserve", ArrayField::Reserve, "-5"},
        {"empty reserve", ArrayField::Reserve, ""},
        {"zero limit", ArrayField::Limit, "0"},
        {"huge limit", ArrayField::Limit, "1E39"},
        {"letters as limit", ArrayField::Limit, "много"},
        {"whole headroom", ArrayField::Headroom, "100"},
        {"empty headroom", ArrayField::Headroom, ""},
    };
    for (const Case& c : cases) {
        DiskArrayForm form = raid5Form(".");
        form.edit(ArrayField::Limit, "100");
        form.edit(c.field, c.text);
        const DiskArrayView& v = form.view();
        for (std::size_t i = 0; i < kArrayFieldCount; ++i)
            EXPECT_EQ(v.bad[i], i == static_cast<std::size_t>(c.field)) << c.name << ", field " << i;
        EXPECT_EQ(v.disks + v.raw + v.usable + v.depth + v.load + v.applyText, "") << c.name;
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
        EXPECT_EQ(form.view().usable, c.usable) << c.name;
        EXPECT_FALSE(form.view().bad[static_cast<std::size_t>(ArrayField::DiskSize)]) << c.name;
    }
}

TEST(DiskArrayForm, TooLittleToApply)
{
    DiskArrayForm form(",");
    form.edit(ArrayField::DiskSize, "0,001");
    EXPECT_EQ(form.view().usable, "0 Тбайт");
    EXPECT_EQ(form.view().applyText, "");
    EXPECT_EQ(form.view().message, "Полезный объём меньше 0,01 Тбайт: подставлять нечего.");
}

TEST(DiskArrayForm, DepthFollowsTheWindow)
{
    DiskArrayForm form = raid5Form(",");
    form.setWindowFigures(0, 0);
    EXPECT_EQ(form.view().depth, "бесконечность");
    const double usableGb = arrayCapacity({4, 4, ArrayLevel::Raid5, 0, 5}).usableTb * 1024;
    struct Case {
        double dayTotal;
        const char* depth;
    };
    const Case cases[] = {
        {usableGb, "1 день"},       {usableGb / 2, "2 дня"},     {usableGb / 11, "11 дней"},
        {usableGb / 21, "21 день"}, {usableGb / 2.5, "2,5 дня"}, {usableGb * 1000, "0 дней"},
    };
    for (const Case& c : cases) {
        form.setWindowFigures(c.dayTotal, 0);
        EXPECT_EQ(form.view().depth, c.depth) << c.dayTotal;
    }
    form.setWindowFigures(1e-30, 0);
    EXPECT_EQ(form.view().depth, "1,061708E+34 дней");
    form.setWindowFigures(-5000, 0); // negative bitrates are the window's to take
    EXPECT_EQ(form.view().depth, "-2,12 дня");
}

TEST(DiskArrayForm, InputLoadAndItsWarning)
{
    struct Case {
        const char* name;
        const char* limit;
        const char* headroom;
        double totalMbit;
        const char* load;
        const char* message;
    };
    const Case cases[] = {
        {"not checked", "", "25", 50, "не проверяется", ""},
        {"within the allowed share", "16", "25", 12, "75 %", ""},
        // 78.125 is a tie: to the even neighbour, as the window rounds.
        {"above it", "16", "25", 12.5, "78,12 %",
         "Поток 12,5 Мбит/с больше допустимых 12 Мбит/с (предел входа за вычетом запаса)."},
        {"a limit with a fraction", "12,5", "0", 1.58, "12,64 %", ""},
    };
    for (const Case& c : cases) {
        DiskArrayForm form = raid5Form(",");
        form.edit(ArrayField::Limit, c.limit);
        form.edit(ArrayField::Headroom, c.headroom);
        form.setWindowFigures(16, c.totalMbit);
        EXPECT_EQ(form.view().load, c.load) << c.name;
        EXPECT_EQ(form.view().message, c.message) << c.name;
        EXPECT_EQ(form.view().applyText, "10.37") << c.name; // a warning, not a refusal
    }
    // A broken array and the warning together, one to a line.
    DiskArrayForm form = raid5Form(",");
    form.edit(ArrayField::Disks, "2");
    form.edit(ArrayField::Limit, "10");
    form.setWindowFigures(16, 20);
    EXPECT_EQ(form.view().message,
              "RAID 5 нужно не меньше 3 дисков (в массиве без резервных: 2).\n"
              "Поток 20 Мбит/с больше допустимых 7,5 Мбит/с (предел входа за вычетом запаса).");
}

TEST(DiskArrayForm, RestoredSettingsAreCheckedLikeTypedOnes)
{
    DiskArraySettings s;
    s.texts = {"6", "10", "1", "5", "abc", "25"};
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
