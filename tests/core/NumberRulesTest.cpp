// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberRules.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace velmora {
namespace {

struct OkrugCase {
    const char* name;
    float in;
    float out;
};

TEST(Okrug, RoundsTheSingleValueToTwoDecimalsTiesToEven)
{
    const OkrugCase cases[] = {
        {"tie_down_to_even", 2.345f, 2.34f},
        {"eighth", 0.125f, 0.12f},
        {"0.145", 0.145f, 0.14f},
        {"0.155", 0.155f, 0.16f},
        {"2.675", 2.675f, 2.68f},
        {"not_a_tie_above", 0.135f, 0.14f},
        {"1.005", 1.005f, 1.0f},
        {"minus_1.005", -1.005f, -1.0f},
        {"startup_bitrate", 1616.0146f, 1616.01f},
        {"whole", 24.0f, 24.0f},
        {"zero", 0.0f, 0.0f},
    };
    for (const auto& c : cases) EXPECT_EQ(okrug(c.in), c.out) << c.name;
}

TEST(Okrug, KeepsHugeValuesFiniteAndUnchanged)
{
    EXPECT_EQ(okrug(FLT_MAX), FLT_MAX);
    EXPECT_EQ(okrug(-FLT_MAX), -FLT_MAX);
    EXPECT_TRUE(std::isfinite(okrug(3e37f)));
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(2.51), 3.0);
}

struct TextCase {
    const char* name;
    float in;
    const char* period;
    const char* comma;
};

TEST(FloatText, SevenSignificantDigitsWithTheRegionalSeparator)
{
    const TextCase cases[] = {
        {"two_decimals", 1616.01f, "1616.01", "1616,01"},
        {"bits_per_pixel", 0.1241f, "0.1241", "0,1241"},
        {"whole_has_no_point", 24.0f, "24", "24"},
        {"half", 0.5f, "0.5", "0,5"},
        {"unrounded_bitrate", 1616.0146f, "1616.015", "1616,015"},
        {"ip_camera_bits", 0.080665f, "0.080665", "0,080665"},
        {"negative", -3.0f, "-3", "-3"},
        {"negative_zero", -0.0f, "0", "0"},
        {"seven_digits_whole", 9999998.0f, "9999998", "9999998"},
        {"eight_digits_go_exponent", 12345678.0f, "1.234568E+07", "1,234568E+07"},
        {"ten_million", 1e7f, "1E+07", "1E+07"},
        {"four_zeros_after_point", 0.00001f, "0.00001", "0,00001"},
        {"five_zeros_go_exponent", 0.000001f, "1E-06", "1E-06"},
        {"largest_float", FLT_MAX, "3.402823E+38", "3,402823E+38"},
        {"rounding_carries", 0.99999999f, "1", "1"},
        {"smallest_float", 1.4e-45f, "1.401298E-45", "1,401298E-45"},
        {"negative_exponent_form", -0.0000015f, "-1.5E-06", "-1,5E-06"},
        {"four_zeros_then_digits", 0.0000123f, "0.0000123", "0,0000123"},
        {"six_zeros_before_the_point", 1000000.0f, "1000000", "1000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(floatText(c.in, "."), c.period) << c.name;
        EXPECT_EQ(floatText(c.in, ","), c.comma) << c.name;
    }
    // A separator of several characters stands where the point would.
    EXPECT_EQ(floatText(1616.01f, " point "), "1616 point 01");
    EXPECT_EQ(floatText(-1.5e-6f, "<separator>"), "-1<separator>5E-06");
}

// The seven digits and the exponent of floatText come from the same rounding
// as printf's "%.6e" (exact value, ties to even): a wide spread of floats,
// all exponents, and consecutive floats where ties occur.
TEST(FloatText, RoundsLikePrintf)
{
    const auto reference = [](float x) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(x));
        return std::string(buf);
    };
    // Rebuilds printf's form from floatText's own: sign, digits, exponent.
    const auto digitsOf = [](float x) {
        std::string text = floatText(x, ".");
        std::string sign;
        if (text.front() == '-') {
            sign = "-";
            text.erase(0, 1);
        }
        int exponent = 0;
        if (const auto e = text.find('E'); e != std::string::npos) {
            exponent = std::stoi(text.substr(e + 1));
            text.erase(e);
        }
        const auto point = text.find('.');
        std::string digits = text;
        int whole = static_cast<int>(text.size());
        if (point != std::string::npos) {
            digits.erase(point, 1);
            whole = static_cast<int>(point);
        }
        const auto first = digits.find_first_not_of('0');
        exponent += whole - 1 - static_cast<int>(first);
        digits = digits.substr(first);
        digits.resize(7, '0');
        char e[16];
        std::snprintf(e, sizeof e, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return sign + digits.substr(0, 1) + "." + digits.substr(1) + e;
    };
    std::mt19937 random(7);
    std::uint32_t bits = 0x3f800000; // 1.0: from here on consecutive floats have exact ties
    for (int i = 0; i < 200000; ++i) {
        std::uint32_t b = i % 2 ? random() : bits++;
        float x;
        std::memcpy(&x, &b, sizeof x);
        if (!std::isfinite(x) || x == 0.0f) continue;
        ASSERT_EQ(digitsOf(x), reference(x)) << floatText(x, ".");
    }
}

struct ReadCase {
    const char* name;
    std::string in;
    double out;
};

TEST(ReadNumber, StopsAtTheFirstCharacterThatCannotContinue)
{
    const ReadCase cases[] = {
        {"blanks_anywhere", " 1 024.5abc", 1024.5},
        {"comma_ends_number", "1,5", 1.0},
        {"empty", "", 0.0},
        {"negative", "-3", -3.0},
        {"exponent", "2E3", 2000.0},
        {"exponent_d", "2d3", 2000.0},
        {"exponent_sign", "25e-1", 2.5},
        {"exponent_without_digits", "7E", 7.0},
        {"exponent_sign_without_digits", "7E+x", 7.0},
        {"tabs_and_line_feeds", "\t1\n2", 12.0},
        {"second_point_stops", "1.2.3", 1.2},
        {"leading_point", ".5", 0.5},
        {"plus_sign", "+8", 8.0},
        {"no_digits", "abc", 0.0},
        {"sign_only", "-", 0.0},
        {"point_only", ".", 0.0},
        {"hex", "&H1F", 31.0},
        {"hex_lower", "&hff", 255.0},
        {"hex_stops", "&H1G", 1.0},
        {"octal", "&O17", 15.0},
        {"octal_stops_at_8", "&O18", 1.0},
        {"ampersand_alone", "&", 0.0},
        {"hex_32_bit", "&HFFFFFFFF", 4294967295.0},
        {"hex_beyond_32_bit", "&HFFFFFFFFFFFF", 281474976710655.0},
        {"nan_text", "NaN", 0.0},
        {"inf_text", "inf", 0.0},
        {"doubled_sign", "--1", 0.0},
    };
    for (const auto& c : cases) EXPECT_EQ(readNumber(c.in), c.out) << c.name;
}

TEST(ReadNumber, OverflowGivesInfinityNeverNaN)
{
    EXPECT_EQ(readNumber("1E400"), HUGE_VAL);
    EXPECT_EQ(readNumber("-1E400"), -HUGE_VAL);
    EXPECT_EQ(readNumber("1E39"), 1e39);
    const std::string manyDigits(5000, '9');
    EXPECT_EQ(readNumber(manyDigits), HUGE_VAL);
    EXPECT_EQ(readNumber("&H" + std::string(400, 'F')), HUGE_VAL);
}

} // namespace
} // namespace velmora
