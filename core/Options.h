// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Texts.h"

#include <array>
#include <cstddef>
#include <string_view>

// The option lists of the main window, one table per list, in the order the
// list shows them. A row carries everything about its entry: the caption the
// list shows, the text of the report, and the figures the arithmetic uses.
// A channel stores the position of its entry; nothing else knows the order.
namespace velmora {

struct ResolutionOption {
    std::string_view caption;
    std::string_view reportText;
    float width;
    float height;
    // A resolution IP cameras send, where Main and High need fewer bits.
    bool ipCamera;
};

// The first two captions use the Cyrillic "х", the others the Latin "x"; the
// Full HD entry reads 1960 but means 1920.
inline constexpr std::array<ResolutionOption, 7> kResolutions = {{
    {"Full HD(1960х1080p)", "1920x1080", 1920, 1080, true},
    {"1280х720p", "1280x720", 1280, 720, true},
    {"960H(926x576)", "926x576", 926, 576, false},
    {"D1(704x576)", "704x576", 704, 576, false},
    {"VGA(640x480)", "640x480", 640, 480, false},
    {"VGA(640x360)", "640x360", 640, 360, true},
    {"CIF(352x288)", "352x288", 352, 288, false},
}};

struct FrameRateOption {
    std::string_view caption;
    int framesPerSecond;
};

inline constexpr std::array<FrameRateOption, 25> kFrameRates = {{
    {"25", 25}, {"24", 24}, {"23", 23}, {"22", 22}, {"21", 21}, {"20", 20}, {"19", 19},
    {"18", 18}, {"17", 17}, {"16", 16}, {"15", 15}, {"14", 14}, {"13", 13}, {"12", 12},
    {"11", 11}, {"10", 10}, {"9", 9},   {"8", 8},   {"7", 7},   {"6", 6},   {"5", 5},
    {"4", 4},   {"3", 3},   {"2", 2},   {"1", 1},
}};

struct HoursOption {
    std::string_view caption;
    int hoursPerDay;
};

inline constexpr std::array<HoursOption, 24> kHours = {{
    {"24ч", 24}, {"23ч", 23}, {"22ч", 22}, {"21ч", 21}, {"20ч", 20}, {"19ч", 19}, {"18ч", 18}, {"17ч", 17},
    {"16ч", 16}, {"15ч", 15}, {"14ч", 14}, {"13ч", 13}, {"12ч", 12}, {"11ч", 11}, {"10ч", 10}, {"9ч", 9},
    {"8ч", 8},   {"7ч", 7},   {"6ч", 6},   {"5ч", 5},   {"4ч", 4},   {"3ч", 3},   {"2ч", 2},   {"1ч", 1},
}};

struct QualityOption {
    std::string_view caption;
    std::string_view reportText;
    // Bits per pixel with much motion, before the profile's saving.
    double bitsPerPixel;
};

inline constexpr std::array<QualityOption, 9> kQualities = {{
    {"(9)прекрасное", "(9)Прекр.", 0.293},
    {"(8)отличное", " (8)Отл.", 0.222},
    {"(7)хорошее", "(7)Хор.", 0.146},
    {"(6)нормальное", "(6)Норм.", 0.1152},
    {"(5)плохое", "(5)Плох.", 0.077},
    {"(4)очень плохое", "(4)Оч.пл", 0.069},
    {"(3)", "(3)", 0.03},
    {"(2)", "(2)", 0.027},
    {"(1)", "(1)", 0.022},
}};

struct ProfileOption {
    std::string_view caption;
    std::string_view reportText;
    // Saves bits at the IP-camera resolutions (and turns CABAC off there).
    bool savesAtIpResolutions;
};

inline constexpr std::array<ProfileOption, 3> kProfiles = {{
    {"Base", "Base", false},
    {"Main", "Main", true},
    {"High", "High", true},
}};

struct CodecOption {
    std::string_view caption;
    // The sound's share of the channel's bitrate, kbit/s.
    float kilobitsPerSecond;
};

inline constexpr std::array<CodecOption, 3> kCodecs = {{
    {"G711_ALAW", 64.0f},
    {"G711_ULAW", 64.0f},
    {"RAW_PCM(DVR)", 128.0f},
}};

struct DiskUnitOption {
    std::string_view caption;
    // Gigabytes in one unit of the disk size.
    double gigabytes;
};

inline constexpr std::array<DiskUnitOption, 2> kDiskUnits = {{
    {texts::kTerabytes, 1024.0},
    {texts::kGigabytes, 1.0},
}};
// A disk unit position outside the list counts the size in gigabytes.
inline constexpr DiskUnitOption kGigabyteUnit = {texts::kGigabytes, 1.0};

// The row at a list position, or null for a position outside the list
// (a list with nothing selected is at -1).
template <typename Row, std::size_t N>
constexpr const Row* optionAt(const std::array<Row, N>& table, long position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= N) return nullptr;
    return &table[static_cast<std::size_t>(position)];
}

// The position of the terabyte, the unit of sizes computed elsewhere.
inline constexpr int kTerabyteUnit = [] {
    for (std::size_t i = 0; i < kDiskUnits.size(); ++i)
        if (kDiskUnits[i].caption == texts::kTerabytes) return static_cast<int>(i);
    return -1;
}();
static_assert(kTerabyteUnit >= 0, "the disk units offer terabytes");

inline constexpr const DiskUnitOption& diskUnitAt(long position)
{
    const DiskUnitOption* unit = optionAt(kDiskUnits, position);
    return unit ? *unit : kGigabyteUnit;
}

} // namespace velmora
