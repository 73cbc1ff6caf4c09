// SPDX-License-Identifier: GPL-3.0-or-later
#include "Output.h"

#include <cmath>
#include <cstdio>

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

// Length of the UTF-8 sequence at `i`, or 0 when it is not a valid one.
std::size_t utf8Length(std::string_view s, std::size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) return 1;
    const std::size_t n = b >= 0xC2 && b <= 0xDF   ? 2
                          : b >= 0xE0 && b <= 0xEF ? 3
                          : b >= 0xF0 && b <= 0xF4 ? 4
                                                   : 0;
    if (n == 0) return 0;
    const unsigned min = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
    if (i + n > s.size()) return 0;
    unsigned cp = b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
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

bool validUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8Length(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t n = utf8Length(text, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out.append(text.substr(i, n));
        }
        i += n;
    }
    return out + "\"";
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
