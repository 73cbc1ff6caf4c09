// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the number rules: reading a typed number from arbitrary bytes, and
// the text and two-decimal rounding of the float that is stored from it.
// Every broken rule aborts with the input that broke it.

#include "Estimate.h"
#include "Limits.h"
#include "NumberRules.h"
#include "Single.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace velmora;

[[noreturn]] void broken(const char* rule, double value, const std::string& detail)
{
    std::fprintf(stderr, "broken rule: %s (value %.9g) %s\n", rule, value, detail.c_str());
    std::abort();
}

// A float's text: [-]digits[sep digits][E(+|-)dd], no blanks, no "-0", no
// trailing zeros after the separator and no separator without digits after it.
void checkShape(float x, const std::string& t, std::string_view sep)
{
    if (t.empty()) broken("empty text", x, t);
    std::size_t i = 0;
    if (t[i] == '-') ++i;
    const std::size_t firstDigit = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    if (i == firstDigit) broken("no digit before the separator", x, t);
    if (i - firstDigit > 1 && t[firstDigit] == '0') broken("leading zero", x, t);
    if (t.compare(i, sep.size(), sep) == 0) {
        i += sep.size();
        const std::size_t fraction = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        if (i == fraction) broken("separator without digits after it", x, t);
        if (t[i - 1] == '0') broken("trailing zero after the separator", x, t);
    }
    if (i < t.size() && t[i] == 'E') {
        ++i;
        if (i >= t.size() || (t[i] != '+' && t[i] != '-')) broken("exponent without sign", x, t);
        ++i;
        const std::size_t expDigits = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        if (i - expDigits != 2) broken("exponent not two digits", x, t);
    }
    if (i != t.size()) broken("unexpected character", x, t);
    if (t == "-0") broken("negative zero shown", x, t);
    std::size_t significant = 0;
    bool leading = true;
    for (char ch : t) {
        if (ch == 'E') break;
        if (ch < '0' || ch > '9') continue;
        if (ch != '0') leading = false;
        if (!leading) ++significant;
    }
    if (significant > 7) broken("more than 7 significant digits", x, t);
}

void checkFloat(float x)
{
    if (!std::isfinite(x)) {
        // Never stored by the program, but the text must still be something.
        if (floatText(x, ".").empty()) broken("empty text for a non-finite value", x, "");
        return;
    }
    const std::string period = floatText(x, ".");
    const std::string comma = floatText(x, ",");
    checkShape(x, period, ".");
    checkShape(x, comma, ",");
    std::string swapped = period;
    for (char& ch : swapped)
        if (ch == '.') ch = ',';
    if (swapped != comma) broken("separators differ in more than the separator", x, period + " / " + comma);

    // Read back, the text is the value to 7 significant digits.
    const double back = readNumber(period);
    const double err = std::fabs(back - static_cast<double>(x));
    if (!(err <= 5.0000001e-7 * std::fabs(static_cast<double>(x)) + 1e-300))
        broken("text does not read back within 7 digits", x, period);
    if (x != 0 && std::signbit(back) != std::signbit(x))
        broken("text reads back with the other sign", x, period);

    const float r = okrug(x);
    if (!std::isfinite(r)) broken("okrug not finite", x, floatText(r, "."));
    const double ax = std::fabs(static_cast<double>(x));
    if (r != 0 && std::signbit(r) != std::signbit(x)) broken("okrug changed the sign", x, floatText(r, "."));
    if (ax > 1e6) {
        // Hundredths are below the float's resolution here: at most one unit moves.
        if (std::fabs(static_cast<double>(r) - x) > ax * 2.0 * FLT_EPSILON)
            broken("okrug moved a large value", x, "");
    } else {
        if (std::fabs(static_cast<double>(r) - x) > 0.005 + ax * 4.0 * FLT_EPSILON)
            broken("okrug moved by more than half a hundredth", x, floatText(r, "."));
        if (ax < 1e4 && okrug(r) != r) broken("okrug not idempotent", x, floatText(r, "."));
    }

    // The estimation of one channel stays finite for any stored bitrate.
    for (int hours : {1, 24}) {
        const ChannelVolumes v = channelVolumes(x, hours);
        if (!std::isfinite(v.kbpersec) || !std::isfinite(v.perminute) || !std::isfinite(v.perhour) ||
            !std::isfinite(v.daily))
            broken("volume not finite", x, "");
    }
    if (x != 0) {
        for (int unit : {0, 1})
            if (!std::isfinite(depthDays(FLT_MAX, unit, x)) || !std::isfinite(depthDays(-FLT_MAX, unit, x)))
                broken("depth not finite", x, "");
    }
    for (int days : {static_cast<int>(kFewestDays), static_cast<int>(kMostDays)})
        if (!std::isfinite(periodTotal(x, days))) broken("period total not finite", x, "");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double v = readNumber(text);
    if (std::isnan(v)) broken("readNumber gave NaN", v, std::string(text.substr(0, 80)));

    // Blanks, tabs and line feeds are skipped wherever they stand.
    std::string blankless;
    for (char ch : text)
        if (ch != ' ' && ch != '\t' && ch != '\n') blankless += ch;
    const double w = readNumber(blankless);
    if (!(w == v && std::signbit(w) == std::signbit(v)))
        broken("blanks changed the number", v, std::to_string(w));

    // Reading stops at a character that cannot continue a number.
    const double cut = readNumber(std::string(text) + ",9");
    if (!(cut == v && std::signbit(cut) == std::signbit(v))) broken("a comma continued the number", v, "");

    // The float stored from it, and the raw bit pattern of the first four bytes.
    checkFloat(single(v));
    if (size >= 4) {
        float raw;
        std::memcpy(&raw, data, sizeof raw);
        checkFloat(raw);
        const double stored = single(static_cast<double>(raw));
        if (!std::isfinite(stored)) broken("single() stored a non-finite value", raw, "");
    }
    return 0;
}
