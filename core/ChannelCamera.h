// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

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
// characters (TABs, line breaks, escapes) made blanks, so that no name moves a
// table's columns or prints a terminal's escape sequences.
inline std::string oneLineName(std::string name)
{
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return name;
}

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
};

} // namespace velmora
