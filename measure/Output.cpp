// SPDX-License-Identifier: GPL-3.0-or-later
#include "Output.h"

#include "NumberRules.h"

#include <cmath>

namespace velmora::measure {

namespace {

template <typename T>
std::string orNull(const std::optional<T>& value, int decimals)
{
    return value ? decimalText(static_cast<double>(*value), decimals) : "null";
}

std::string orNull(const std::optional<std::string>& value)
{
    return value ? jsonString(*value) : "null";
}

} // namespace

std::string_view timeSourceName(TimeSource clock)
{
    switch (clock) {
    case TimeSource::Arrival: return "arrival";
    case TimeSource::Given: return "given";
    default: return "stream";
    }
}

std::string resultJson(const Measurement& m)
{
    const Figures& f = m.figures;
    const std::optional<double> audio = m.audioCodec ? f.audioKbps : std::nullopt;
    std::string out = "{";
    const auto add = [&out](const char* name, const std::string& value) {
        if (out.size() > 1) out += ',';
        out += '"';
        out += name;
        out += "\":" + value;
    };
    add(key::kSource, jsonString(m.source));
    add(key::kCodec, jsonString(m.codec));
    add(key::kProfile, orNull(m.profile));
    add(key::kWidth, orNull(m.width, 0));
    add(key::kHeight, orNull(m.height, 0));
    add(key::kFps, orNull(f.fps, 3));
    add(key::kGop, orNull(f.gop, 2));
    add(key::kGopMin, orNull(f.gopMin, 0));
    add(key::kGopMax, orNull(f.gopMax, 0));
    add(key::kKeyframePercent, decimalText(f.keyframePercent, 1));
    add(key::kSeconds, decimalText(f.seconds, 3));
    add(key::kClock, jsonString(timeSourceName(m.clock)));
    add(key::kVideoKbps, decimalText(f.videoKbps, 2));
    add(key::kPeakKbps, orNull(f.peakKbps, 2));
    add(key::kAudioCodec, orNull(m.audioCodec));
    add(key::kAudioKbps, orNull(audio, 2));
    add(key::kAppliedKbps, decimalText(appliedKbps(f.videoKbps, audio), 2));
    std::string perSecond = "[";
    for (const double kbps : f.perSecond) {
        if (perSecond.size() > 1) perSecond += ',';
        perSecond += decimalText(kbps, 2);
    }
    add(key::kPerSecondKbps, perSecond + "]");
    return out + "}";
}

std::string failureMessage(Cause cause, std::string_view shownSource)
{
    std::string out = "velmora-measure: " + std::string(causeText(cause).english);
    if (!shownSource.empty()) out += ": " + std::string(shownSource);
    // One line, whatever the address holds.
    for (char& c : out)
        if (c == '\n' || c == '\r') c = ' ';
    return out;
}

} // namespace velmora::measure
