// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// Every Russian text of the disk-array dialog, each with when it shows.
// Texts with a gap are completed where they are used: the figures go
// between the parts, always figures the user typed or the window shows.
namespace velmora::arraytexts {

// The dialog's title bar.
inline constexpr std::string_view kTitle = "Дисковый массив";

// The entries of the array list, in the order of ArrayLevel.
inline constexpr std::array<std::string_view, 6> kLevelNames = {
    "Без массива (JBOD)", "RAID 0", "RAID 1", "RAID 5", "RAID 6", "RAID 10"};

// Headings over the three groups of the dialog.
inline constexpr std::string_view kArrayHeading = "Диски и массив";
inline constexpr std::string_view kInputHeading = "Вход регистратора";
inline constexpr std::string_view kResultHeading = "Результат";

// Captions before the fields and the list, always shown.
inline constexpr std::string_view kDisksCaption = "Число дисков:";
inline constexpr std::string_view kDiskSizeCaption = "Объём диска по маркировке, ТБ:";
inline constexpr std::string_view kArrayCaption = "Массив:";
inline constexpr std::string_view kSparesCaption = "Резервных дисков (горячая замена):";
inline constexpr std::string_view kReserveCaption = "Запас на форматирование, %:";
inline constexpr std::string_view kTargetDaysCaption = "Нужная глубина архива, дней:";
inline constexpr std::string_view kInputLimitCaption =
    "Предел входа, Мбит/с десятичные, как у производителя (пусто: без проверки):";
inline constexpr std::string_view kHeadroomCaption = "Запас по входу, %:";

// Captions before the results, always shown.
inline constexpr std::string_view kArrayDisksCaption = "Дисков в массиве:";
inline constexpr std::string_view kMarkedSizeCaption = "Объём по маркировке:";
inline constexpr std::string_view kUsableSizeCaption = "Полезный объём:";
inline constexpr std::string_view kDepthCaption = "Глубина архива:";
inline constexpr std::string_view kDisksNeededCaption = "Нужно дисков:";
inline constexpr std::string_view kLoadCaption = "Нагрузка на вход:";

// The buttons.
inline constexpr std::string_view kApply = "Применить";
inline constexpr std::string_view kClose = "Закрыть";

// What each field takes: its tip, and the message while its text cannot be
// taken (in the order of ArrayField); %1 is the least value a field takes,
// %2 the most, both from the field's limits.
inline constexpr std::array<std::string_view, 7> kFieldRules = {
    "Число дисков: целое от %1 до %2.",
    "Объём диска: больше %1 и не больше %2 ТБ.",
    "Резервных дисков: целое от %1 до %2.",
    "Запас на форматирование: от %1 и меньше %2 %.",
    "Предел входа: больше %1 и не больше %2 Мбит/с, или пусто.",
    "Запас по входу: от %1 и меньше %2 %, пусто: 0 %.",
    "Нужная глубина архива: целое от %1 до %2 дней, или пусто.",
};
// The message while a field with a fraction holds a comma where only the
// period is a decimal point (the period separator): the field's name, then this.
inline constexpr std::string_view kPeriodOnly = ": дробную часть здесь отделяет точка, а не запятая.";
// The field names that come before kPeriodOnly (in the order of ArrayField;
// empty for the whole-number fields, which take no fraction at all).
inline constexpr std::array<std::string_view, 7> kFieldNames = {
    "", "Объём диска", "", "Запас на форматирование", "Предел входа", "Запас по входу", "",
};

// The message when an array rule is broken, no result for the array then.
// More spares than disks: "Резервных дисков (5) больше, чем всех дисков (3)."
inline constexpr std::string_view kSparesExceedStart = "Резервных дисков (";
inline constexpr std::string_view kSparesExceedMiddle = ") больше, чем всех дисков (";
inline constexpr std::string_view kSparesExceedEnd = ").";
// As many spares as disks.
inline constexpr std::string_view kNoDisksLeft =
    "Все диски отданы в резерв: в массиве не остаётся ни одного.";
// Too few disks in the array: the level's name, this, the least count, and
// then kTooFewHave (no spares) or kTooFewHaveBesidesSpares, the array's count and ".".
inline constexpr std::string_view kTooFewNeeds = " нужно не меньше ";
inline constexpr std::string_view kTooFewDisks = " дисков";
inline constexpr std::string_view kTooFewHave = ", а их ";
inline constexpr std::string_view kTooFewHaveBesidesSpares = ", а без резервных их ";
// RAID 10 with an odd number of disks (4 or more): then kTooFewHave... and ".".
inline constexpr std::string_view kRaid10Pairs =
    "RAID 10 собирается из зеркальных пар: нужно чётное число дисков";

// Under the results while the array holds but its usable size shows as 0.
inline constexpr std::string_view kTooSmallToApply = "Полезный объём меньше 0,01 Тбайт: подставлять нечего.";
// Under the results while spares are given for JBOD or RAID 0.
inline constexpr std::string_view kSparesIdle =
    "В JBOD и RAID 0 резервному диску нечего восстанавливать: он только лежит в запасе.";
// Under the results while the streams exceed the input limit less the headroom:
// "Поток 268,44 Мбит/с больше допустимых 192 Мбит/с (предел входа за вычетом запаса)."
inline constexpr std::string_view kOverStart = "Поток ";
inline constexpr std::string_view kOverMiddle = " Мбит/с больше допустимых ";
inline constexpr std::string_view kOverEnd = " Мбит/с (предел входа за вычетом запаса).";

// The load while no input limit is given.
inline constexpr std::string_view kNotChecked = "не проверяется";
// The load: "104,86 % (268,44 из 256 Мбит/с)".
inline constexpr std::string_view kLoadOf = " из ";
inline constexpr std::string_view kLoadUnit = " Мбит/с)";

// The disks in the array: "4 (под данные: 3)".
inline constexpr std::string_view kDataDisks = " (под данные: ";
// The size as marked, with the program's terabytes beside it: "126 ТБ = 114,6 Тбайт".
inline constexpr std::string_view kMarkedTb = "ТБ";
inline constexpr std::string_view kEquals = " = ";

// The disks needed while the days wanted are out of reach of any count:
// RAID 1 holds one disk however many mirror it.
inline constexpr std::string_view kRaid1NeverReaches = "не набрать: RAID 1 хранит один диск";
// The disks needed beyond the most the dialog counts: this, then the count.
inline constexpr std::string_view kMoreThan = "больше ";

} // namespace velmora::arraytexts
