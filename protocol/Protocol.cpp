// SPDX-License-Identifier: GPL-3.0-or-later
#include "Protocol.h"

#include "NumberRules.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace velmora::measure {

namespace {

std::optional<double> finite(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The two words after `prefix`, split at the one blank between them.
bool twoWords(std::string_view line, std::string_view prefix, std::string_view& first,
              std::string_view& second)
{
    if (!line.starts_with(prefix)) return false;
    line.remove_prefix(prefix.size());
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos) return false;
    first = line.substr(0, blank);
    second = line.substr(blank + 1);
    return second.find(' ') == std::string_view::npos;
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
double appliedKbps(double videoKbps, std::optional<double> audioKbps)
{
    constexpr double kBitsPerOwnKilobit = 1024.0; // the program's Кбит
    const double bitsPerSecond = (videoKbps + audioKbps.value_or(0)) * 1000.0;
    return std::round(bitsPerSecond / kBitsPerOwnKilobit * 100.0) / 100.0;
}

std::string progressLine(double seconds, double kbps)
{
    return "progress " + decimalText(seconds, 2) + " " + decimalText(kbps, 2);
}

std::string secondLine(int second, double kbps)
{
    return "second " + std::to_string(second) + " " + decimalText(kbps, 2);
}

std::string failureLine(Cause cause)
{
    return "failure " + std::string(causeText(cause).code);
}

OutputLine readOutputLine(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    std::string_view a;
    std::string_view b;
    if (twoWords(line, "progress ", a, b)) {
        const auto seconds = finite(a);
        const auto kbps = finite(b);
        if (seconds && kbps) return ProgressLine{*seconds, *kbps};
        return {};
    }
    if (twoWords(line, "second ", a, b)) {
        int second = -1;
        const auto [end, error] = std::from_chars(a.data(), a.data() + a.size(), second);
        const auto kbps = finite(b);
        if (error == std::errc() && end == a.data() + a.size() && second >= 0 && kbps)
            return SecondLine{second, *kbps};
        return {};
    }
    if (line.starts_with("failure ")) return FailureLine{causeFromCode(line.substr(8))};
    if (line.starts_with("{")) return ResultLine{std::string(line)};
    return {};
}

} // namespace velmora::measure
