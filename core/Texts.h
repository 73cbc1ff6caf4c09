// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The program's own words, exactly as the user sees them.
namespace velmora::texts {

// Shown in the volume labels when a typed bitrate is 9999999 kbit/s or more.
inline constexpr std::string_view kTooMuch = "Перебор";
// Shown as the depth when the disk size is 9999999 or more (or cannot be held).
inline constexpr std::string_view kTooMuchDisk = "Перебор!";
// Shown as the depth when nothing is recorded at all (the day total is 0).
inline constexpr std::string_view kInfinity = "бесконечность";
// Hint under the disk size and period fields while the user is in them.
inline constexpr std::string_view kWholeNumberHint = "Число должно быть целым";

inline constexpr std::string_view kCabacOn = "CABAC=1";
inline constexpr std::string_view kCabacOff = "IP-камера. CABAC=0 . CALVC вкл.";
inline constexpr std::string_view kHintComputed = "Можно установить CBR битрейт вручную";
inline constexpr std::string_view kHintManual = "Можно изменить настройки чтобы пересчитать битрейт";

// Units. The per-minute megabyte has a Cyrillic М, the per-hour and per-day one a Latin M.
inline constexpr std::string_view kKilobytes = "Кбайт";
inline constexpr std::string_view kMegabytesMinute = "Мбайт";
inline constexpr std::string_view kMegabytes = "Mбайт";
inline constexpr std::string_view kGigabytes = "Гбайт";
inline constexpr std::string_view kTerabytes = "Тбайт";

inline constexpr std::string_view kCopyTitle = "===========";
inline constexpr std::string_view kCopyQuestion =
    "Установить настройки данного канала (кроме настроек звука и движения) вместо настроек всех каналов?";

// Day words: after the period field (with a colon) and after the depth (with a full stop).
inline constexpr std::array<std::string_view, 3> kPeriodDayWords = {"день:", "дня:", "дней:"};
inline constexpr std::array<std::string_view, 3> kDepthDayWords = {"день.", "дня.", "дней."};

} // namespace velmora::texts
