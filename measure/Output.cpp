#include "Output.h"

#include <cmath>
#include <cstdio>

namespace velmora::measure {

namespace {

// A number with at most `decimals` decimals and no trailing zeros; the C
// locale's period whatever the user's locale (the program never sets one).
std::string number(double value, int decimals)
{
    if (!std::isfinite(value)) return "null";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out(text);
    if (out.find('.') != std::string::npos) {
        while (out.back() == '0') out.pop_back();
        if (out.back() == '.') out.pop_back();
    }
    if (out == "-0") out = "0";
    return out;
}

template <typename T>
std::string orNull(const std::optional<T>& value, int decimals)
{
    return value ? number(static_cast<double>(*value), decimals) : "null";
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
    std::string out = "{";
    out += "\"source\":" + jsonString(m.source);
    out += ",\"codec\":" + jsonString(m.codec);
    out += ",\"profile\":" + orNull(m.profile);
    out += ",\"width\":" + orNull(m.width, 0);
    out += ",\"height\":" + orNull(m.height, 0);
    out += ",\"fps\":" + orNull(f.fps, 3);
    out += ",\"gop\":" + orNull(f.gop, 2);
    out += ",\"seconds\":" + number(f.seconds, 3);
    out += ",\"video_kbps\":" + number(f.videoKbps, 2);
    out += ",\"peak_kbps\":" + orNull(f.peakKbps, 2);
    out += ",\"audio_codec\":" + orNull(m.audioCodec);
    out += ",\"audio_kbps\":" + (m.audioCodec ? orNull(f.audioKbps, 2) : std::string("null"));
    return out + "}";
}

std::string progressLine(double seconds, double kbps)
{
    return "progress " + number(seconds, 2) + " " + number(kbps, 2);
}

std::string failureLine(Cause cause)
{
    return "failure " + std::string(causeText(cause).code);
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
