// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberRules.h"

#include "Single.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {

// A float's text has at most this many significant digits...
constexpr int kSignificantDigits = 7;
// ...and is written in exponent form below 1E-05 (more than four zeros after the point).
constexpr int kSmallestPlainExponent = -5;

} // namespace

float okrug(float x)
{
    const double hundredfold = static_cast<double>(x) * 100.0;
    // Floats this large are whole numbers already; x * 100 would not fit.
    if (!fitsSingle(hundredfold)) return x;
    const double t = single(hundredfold);
    return single(std::nearbyint(t) / 100.0);
}

double roundHalfEven(double x)
{
    return std::nearbyint(x);
}

std::string intText(long long n)
{
    return std::to_string(n);
}

std::string decimalText(double value, int decimals, std::string_view separator)
{
    if (!std::isfinite(value)) return "null";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out(text);
    const std::size_t point = out.find('.');
    if (point != std::string::npos) {
        while (out.back() == '0') out.pop_back();
        if (out.back() == '.') out.pop_back();
    }
    if (out == "-0") out = "0";
    if (point != std::string::npos && point < out.size()) out.replace(point, 1, separator);
    return out;
}

namespace {

// Powers of ten from 1E-32 to 1E+51: enough to bring any float's magnitude
// to seven digits before the point.
constexpr int kLowestPower = -32;
constexpr int kHighestPower = 51;
constexpr std::array<double, kHighestPower - kLowestPower + 1> kPowersOfTen = [] {
    std::array<double, kHighestPower - kLowestPower + 1> p{};
    // Exact up to 1E+22; beyond, each step rounds once, so no entry is more
    // than 30 roundings (under 4E-15 of its size) from the true power.
    double up = 1.0;
    for (int k = 0; k <= kHighestPower; ++k) {
        p[static_cast<std::size_t>(k - kLowestPower)] = up;
        up *= 10.0;
    }
    double whole = 1.0;
    for (int k = 1; k <= -kLowestPower; ++k) {
        whole *= 10.0;
        p[static_cast<std::size_t>(-k - kLowestPower)] = 1.0 / whole;
    }
    return p;
}();

double powerOfTen(int k)
{
    return kPowersOfTen[static_cast<std::size_t>(k - kLowestPower)];
}

// A magnitude rounded to seven significant digits as printf's "%.6e" rounds
// it: on the float's exact value, ties to even.
struct SevenDigits {
    std::uint32_t digits; // 1000000 to 9999999
    int exponent;         // of the first digit
};

SevenDigits slowSevenDigits(float magnitude)
{
    char buf[32];
    const auto written = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                       kSignificantDigits - 1);
    const std::string_view s(buf, static_cast<std::size_t>(written.ptr - buf));
    SevenDigits r{0, 0};
    for (const char c : s.substr(0, s.find('e')))
        if (c != '.') r.digits = r.digits * 10 + static_cast<std::uint32_t>(c - '0');
    const std::size_t exponentAt = s.find('e') + 1;
    const std::size_t numberAt = s[exponentAt] == '+' || s[exponentAt] == '-' ? exponentAt + 1 : exponentAt;
    std::from_chars(s.data() + numberAt, s.data() + s.size(), r.exponent);
    if (s[exponentAt] == '-') r.exponent = -r.exponent;
    return r;
}

SevenDigits sevenDigits(float magnitude)
{
    constexpr double lowest = 1e6;
    constexpr double beyond = 1e7;
    // The product is within 5E-15 of its size of the true value (under 1E-7
    // at this size), so it decides the rounding unless it lies within 1E-6
    // of a half: those few go the exact, slower way.
    constexpr double nearHalf = 1e-6;
    const double v = magnitude; // exact
    // The decimal exponent from the binary one (log10 2 is 78913 / 2^18 to
    // the precision needed here); it may be one short, which the next step mends.
    constexpr int binaryBias = 1023;
    constexpr int mantissaBits = 52;
    constexpr std::uint64_t exponentMask = 0x7ff;
    constexpr int log10Of2Scaled = 78913;
    constexpr int log10Of2Shift = 18;
    const int binary =
        static_cast<int>((std::bit_cast<std::uint64_t>(v) >> mantissaBits) & exponentMask) - binaryBias;
    int exponent = (binary * log10Of2Scaled) >> log10Of2Shift;
    double scaled = v * powerOfTen(kSignificantDigits - 1 - exponent);
    if (scaled >= beyond) {
        ++exponent;
        scaled = v * powerOfTen(kSignificantDigits - 1 - exponent);
    } else if (scaled < lowest) {
        --exponent;
        scaled = v * powerOfTen(kSignificantDigits - 1 - exponent);
    }
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < nearHalf || whole < lowest || whole >= beyond)
        return slowSevenDigits(magnitude);
    auto digits = static_cast<std::uint32_t>(whole) + (fraction > 0.5 ? 1 : 0);
    if (digits == static_cast<std::uint32_t>(beyond)) {
        digits = static_cast<std::uint32_t>(lowest);
        ++exponent;
    }
    return {digits, exponent};
}

} // namespace

std::string floatText(float x, std::string_view separator)
{
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x > 0 ? "Inf" : "-Inf";
    if (x == 0.0f) return "0"; // also -0

    // Seven significant digits of the magnitude, trailing zeros dropped, and
    // the decimal exponent of the first.
    const SevenDigits seven = sevenDigits(std::fabs(x));
    char digitText[kSignificantDigits];
    std::uint32_t rest = seven.digits;
    for (int i = kSignificantDigits - 1; i >= 0; --i) {
        digitText[i] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    }
    std::size_t count = kSignificantDigits;
    while (count > 1 && digitText[count - 1] == '0') --count;
    const std::string_view digits(digitText, count);
    const int exponent = seven.exponent;
    // At most: a sign, "0", the separator, four zeros, seven digits; or a
    // sign, a digit, the separator, six digits and "E-45".
    char out[64];
    std::size_t n = 0;
    const auto put = [&](std::string_view part) {
        part.copy(out + n, part.size());
        n += part.size();
    };
    constexpr std::size_t longestSeparator = 8;
    if (separator.size() > longestSeparator) {
        std::string text = floatText(x, ".");
        if (const auto point = text.find('.'); point != std::string::npos) text.replace(point, 1, separator);
        return text;
    }
    if (x < 0) put("-");

    if (exponent >= kSignificantDigits || exponent < kSmallestPlainExponent) {
        put(digits.substr(0, 1));
        if (digits.size() > 1) {
            put(separator);
            put(digits.substr(1));
        }
        const int size = std::abs(exponent);
        put(exponent < 0 ? "E-" : "E+");
        const char tens[] = {static_cast<char>('0' + size / 10), static_cast<char>('0' + size % 10)};
        put(std::string_view(tens, 2));
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            put(digits);
            put(std::string_view("000000").substr(0, whole - digits.size()));
        } else {
            put(digits.substr(0, whole));
            put(separator);
            put(digits.substr(whole));
        }
    } else {
        put("0");
        put(separator);
        put(std::string_view("0000").substr(0, static_cast<std::size_t>(-exponent - 1)));
        put(digits);
    }
    return std::string(out, n);
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// Walks the text with blanks skipped wherever they stand.
struct Cursor {
    std::string_view text;
    std::size_t pos = 0;

    char peek()
    {
        while (pos < text.size() && isBlank(text[pos])) ++pos;
        return pos < text.size() ? text[pos] : '\0';
    }
    void next() { ++pos; }
};

double readRadix(Cursor& c, int radix)
{
    double value = 0.0;
    for (;;) {
        const char ch = c.peek();
        int digit;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (radix == 16 && ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else if (radix == 16 && ch >= 'A' && ch <= 'F')
            digit = ch - 'A' + 10;
        else
            break;
        if (digit >= radix) break;
        value = value * radix + digit;
        c.next();
    }
    return value;
}

} // namespace

double readNumber(std::string_view text)
{
    Cursor c{text};
    if (c.peek() == '&') {
        c.next();
        const char kind = c.peek();
        if (kind == 'H' || kind == 'h') {
            c.next();
            return readRadix(c, 16);
        }
        if (kind == 'O' || kind == 'o') {
            c.next();
            return readRadix(c, 8);
        }
        return 0.0;
    }

    std::string number;
    if (c.peek() == '+' || c.peek() == '-') {
        number += c.peek();
        c.next();
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (;;) {
        const char ch = c.peek();
        if (ch >= '0' && ch <= '9') {
            number += ch;
            anyDigit = true;
        } else if (ch == '.' && !seenPoint) {
            number += ch;
            seenPoint = true;
        } else {
            break;
        }
        c.next();
    }
    if (!anyDigit) return 0.0;

    const char e = c.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        Cursor look = c;
        look.next();
        std::string exponent = "e";
        if (look.peek() == '+' || look.peek() == '-') {
            exponent += look.peek();
            look.next();
        }
        bool expDigit = false;
        while (look.peek() >= '0' && look.peek() <= '9') {
            exponent += look.peek();
            expDigit = true;
            look.next();
        }
        if (expDigit) number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

} // namespace velmora
