// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// "Сводка объекта": its title, the table's columns, the totals' words and
// what a screen reader hears of them.
namespace velmora::summarytexts {

inline constexpr std::string_view kTitle = "Сводка объекта";
inline constexpr std::string_view kTableName = "Регистраторы объекта";
// The columns, and the meaning of each cell a screen reader hears before its value.
inline constexpr std::array<std::string_view, 10> kColumns = {
    "Регистратор", "Каналов", "Поток, Мбит/с", "Сеть, Mbit/s", "Архив за день, Гбайт",
    "Диск",        "Глубина", "Нужно дней",    "Хватает",      "Нужно дисков"};
inline constexpr std::array<std::string_view, 10> kCellMeanings = {
    "Регистратор", "Всего каналов",  "Суммарная скорость потока", "Поток в сети",       "Архив за день",
    "HDD объёмом", "Глубина архива", "Нужная глубина архива",     "Глубина достаточна", "Нужно дисков"};
// The units a screen reader hears after a cell's value, where it has one.
inline constexpr std::array<std::string_view, 10> kCellUnits = {"", "", "Мбит/с", "Mbit/s", "Гбайт",
                                                                "", "", "дней",   "",       ""};
inline constexpr std::string_view kReached = "да";
inline constexpr std::string_view kShort = "нет";
inline constexpr std::string_view kNotAsked = "—";
// The site's totals under the table: meaning, then value and unit.
inline constexpr std::string_view kCameras = "Камер на объекте:";
inline constexpr std::string_view kNetwork = "Поток в сети объекта:";
inline constexpr std::string_view kNetworkUnit = "Mbit/s";
inline constexpr std::string_view kDayTotal = "Архив объекта за день:";
inline constexpr std::string_view kDayTotalUnit = "Гбайт";
inline constexpr std::string_view kDisksNeeded = "Дисков на нужную глубину:";
// Above each recorder's report page of a site's PDF.
inline constexpr std::string_view kRecorderPage = "Регистратор «%1»";
inline constexpr std::string_view kShow = "&Показать";
inline constexpr std::string_view kClose = "&Закрыть";

} // namespace velmora::summarytexts
