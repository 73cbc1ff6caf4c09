// SPDX-License-Identifier: GPL-3.0-or-later
#include "Protocol.h"

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

} // namespace

std::string decimalText(double value, int decimals)
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
