// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameHeaders.h"

namespace velmora::measure {

namespace {

unsigned word(const std::uint8_t* p)
{
    return static_cast<unsigned>(p[0]) << 8 | p[1];
}

// Start-of-frame markers: C0 to CF except DHT (C4), JPG (C8) and DAC (CC).
bool startOfFrame(std::uint8_t marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

std::optional<FrameSize> jpegFrameSize(const std::uint8_t* data, std::size_t size)
{
    if (!data || size < 4 || data[0] != 0xFF || data[1] != 0xD8) return std::nullopt;
    std::size_t i = 2;
    while (i + 4 <= size) {
        if (data[i] != 0xFF) return std::nullopt;
        const std::uint8_t marker = data[i + 1];
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) { // no length
            i += 2;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) return std::nullopt; // picture data or the end: no frame header
        const std::size_t length = word(data + i + 2);
        if (length < 2 || i + 2 + length > size) return std::nullopt;
        if (startOfFrame(marker)) {
            if (length < 7) return std::nullopt;
            const int height = static_cast<int>(word(data + i + 5));
            const int width = static_cast<int>(word(data + i + 7));
            if (width == 0 || height == 0) return std::nullopt;
            return FrameSize{width, height};
        }
        i += 2 + length;
    }
    return std::nullopt;
}

} // namespace velmora::measure
