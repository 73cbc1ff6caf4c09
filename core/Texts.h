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

// The option lists, in their order.
inline constexpr std::array<std::string_view, 24> kHoursList = {
    "24ч", "23ч", "22ч", "21ч", "20ч", "19ч", "18ч", "17ч", "16ч", "15ч", "14ч", "13ч",
    "12ч", "11ч", "10ч", "9ч",  "8ч",  "7ч",  "6ч",  "5ч",  "4ч",  "3ч",  "2ч",  "1ч"};
inline constexpr std::array<std::string_view, 3> kProfileList = {"Base", "Main", "High"};
inline constexpr std::array<std::string_view, 9> kQualityList = {
    "(9)прекрасное", "(8)отличное", "(7)хорошее", "(6)нормальное", "(5)плохое", "(4)очень плохое",
    "(3)",           "(2)",         "(1)"};
inline constexpr std::array<std::string_view, 25> kFpsList = {
    "25", "24", "23", "22", "21", "20", "19", "18", "17", "16", "15", "14", "13",
    "12", "11", "10", "9",  "8",  "7",  "6",  "5",  "4",  "3",  "2",  "1"};
inline constexpr std::array<std::string_view, 2> kDiskUnitList = {"Тбайт", "Гбайт"};
// The first two use the Cyrillic "х", the others the Latin "x".
inline constexpr std::array<std::string_view, 7> kResolutionList = {
    "Full HD(1960х1080p)", "1280х720p",    "960H(926x576)", "D1(704x576)",
    "VGA(640x480)",        "VGA(640x360)", "CIF(352x288)"};
inline constexpr std::array<std::string_view, 3> kCodecList = {"G711_ALAW", "G711_ULAW", "RAW_PCM(DVR)"};

} // namespace velmora::texts
