#include "NumberRules.h"

#include "Single.h"

#include <charconv>
#include <cmath>
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

std::string floatText(float x, std::string_view separator)
{
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x > 0 ? "Inf" : "-Inf";
    if (x == 0.0f) return "0"; // also -0

    // Seven significant digits of the magnitude and its decimal exponent: d.dddddde[+-]XX.
    char buf[32];
    const auto written = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific,
                                       kSignificantDigits - 1);
    const std::string_view s(buf, static_cast<std::size_t>(written.ptr - buf));
    const std::size_t exponentAt = s.find('e');
    std::string digits(1, s[0]);
    digits.append(s.substr(2, exponentAt - 2));
    const std::size_t exponentSign = exponentAt + 1;
    int exponent = 0;
    std::from_chars(s.data() + exponentSign + 1, s.data() + s.size(), exponent);
    if (s[exponentSign] == '-') exponent = -exponent;
    std::string out;
    if (x < 0) out += '-';
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    if (exponent >= kSignificantDigits || exponent < kSmallestPlainExponent) {
        out += digits[0];
        if (digits.size() > 1) {
            out += separator;
            out.append(digits, 1);
        }
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += e;
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits;
            out.append(whole - digits.size(), '0');
        } else {
            out.append(digits, 0, whole);
            out += separator;
            out.append(digits, whole);
        }
    } else {
        out += '0';
        out += separator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
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
