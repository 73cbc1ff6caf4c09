// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What the stream meter found for a channel's camera, kept with the channel
// so that a plan says where its bitrate came from. Rates are kbit/s of 1000
// bits, as the camera sends them.
struct MeasuredRecord {
    std::string source; // the address without credentials, or the recording's path
    std::string codec;
    int width = 0; // 0: the headers did not say
    int height = 0;
    std::optional<double> fps;
    double videoKbps = 0;
    std::optional<double> peakKbps;
    std::optional<double> audioKbps; // none: no sound, or not measured
    double seconds = 0;              // stream time measured
    std::string clock;               // "stream", "arrival" or "given"
    std::string measuredAt;          // ISO 8601 with the offset from UTC

    bool operator==(const MeasuredRecord&) const = default;
};

// A camera's name as a list or a plan gives it: one line of text, its control
// characters (TABs, line breaks, escapes, and the UTF-8 ones from U+0080 to
// U+009F) made blanks, so that no name moves a table's columns or prints a
// terminal's escape sequences.
inline constexpr unsigned char kFirstPrintable = 0x20;
inline constexpr unsigned char kDelete = 0x7F;
inline constexpr unsigned char kWideControlLead = 0xC2; // U+0080 to U+009F: 0xC2, then 0x80 to 0x9F
inline constexpr unsigned char kLastWideControl = 0x9F;
inline constexpr unsigned char kContinuationMask = 0xC0;
inline constexpr unsigned char kContinuation = 0x80;

inline std::string oneLineName(std::string name)
{
    std::string line;
    line.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool wideControl = c == kWideControlLead && i + 1 < name.size() &&
                                 static_cast<unsigned char>(name[i + 1]) >= kContinuation &&
                                 static_cast<unsigned char>(name[i + 1]) <= kLastWideControl;
        if (wideControl) ++i;
        line += c < kFirstPrintable || c == kDelete || wideControl ? ' ' : name[i];
    }
    return line;
}

// The characters of UTF-8 text (its code points), for the limits on names.
inline std::size_t nameLength(std::string_view name)
{
    std::size_t n = 0;
    for (const char c : name)
        if ((static_cast<unsigned char>(c) & kContinuationMask) != kContinuation) ++n;
    return n;
}

// A camera's name is at most this many characters: a plan refuses a longer
// one, a list refuses its line.
inline constexpr std::size_t kMaxCameraNameLength = 128;

// Who a channel is: the camera's name and, while its bitrate is still the
// measured one, the measurement.
struct ChannelCamera {
    std::string name; // empty: a channel without a name
    std::optional<MeasuredRecord> measured;

    bool operator==(const ChannelCamera&) const = default;
};

// A camera the stream meter measured, made into a channel of its own (measuredChannels()).
struct MeasuredCamera {
    std::string name;
    MeasuredRecord record;
    double appliedKbps = 0; // what "Применить" types: the program's Кбит/с, two decimals
    std::string recorder;   // the recorder the site's list puts it on; empty: the one shown
};

} // namespace velmora
