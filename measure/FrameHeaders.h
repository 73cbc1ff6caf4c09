// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace velmora::measure {

struct FrameSize {
    int width = 0;
    int height = 0;
};

// The picture size in a JPEG frame's start-of-frame header; none when the
// bytes hold no such header before the picture data, or a size of 0.
std::optional<FrameSize> jpegFrameSize(const std::uint8_t* data, std::size_t size);

} // namespace velmora::measure
