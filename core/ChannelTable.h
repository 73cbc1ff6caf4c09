// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace velmora {

// Flags are 16-bit integers: true is -1, false is 0.
using Flag = std::int16_t;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;

constexpr int kMaxChannels = 32;
constexpr int kSlots = kMaxChannels + 1; // slot 0 is never a channel

// Twelve parallel columns of 33 slots; channels live in slots 1..channelcount.
struct ChannelTable {
    std::array<std::int16_t, kSlots> chfpsindex{};
    std::array<std::int16_t, kSlots> chresindex{};
    std::array<std::int16_t, kSlots> chhoursindex{};
    std::array<std::int16_t, kSlots> chqualityindex{};
    std::array<std::uint8_t, kSlots> chprofile{};
    std::array<std::uint8_t, kSlots> chmotion{};
    std::array<std::uint8_t, kSlots> chaudio{};
    std::array<std::uint8_t, kSlots> chcodec{};
    std::array<float, kSlots> chbitrate{};
    std::array<float, kSlots> chdaily{};
    std::array<Flag, kSlots> chdailygb{};
    std::array<Flag, kSlots> chmanual{};

    // Every column of slot `from` into slot `to` (adding and deleting channels).
    void copyChannel(int from, int to);
    // The nine columns that "copy to all" carries: all but chaudio, chcodec, chmotion.
    void copySettings(int from, int to);
};

} // namespace velmora
