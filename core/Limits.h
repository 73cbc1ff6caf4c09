#pragma once

#include <cstdint>
#include <limits>

// The fixed numbers of the arithmetic and of the fields' limits.
namespace velmora {

// Kilo-, mega-, giga- and terabytes are steps of 1024 here, and so are kbit/s
// to Mbit/s and bits to kilobits.
inline constexpr double kUnitStep = 1024.0;
inline constexpr double kBitsPerByte = 8.0;
inline constexpr double kSecondsPerMinute = 60.0;
inline constexpr double kSecondsPerHour = 3600.0;

// Typed bitrates and disk sizes from this value up are refused.
inline constexpr double kInputLimit = 9999999.0;
// Period entries from this value up are ignored.
inline constexpr double kPeriodLimit = 99999.0;

// The period's day count is a 16-bit number; a count outside its range is ignored.
using DayCount = std::int16_t;
inline constexpr double kFewestDays = std::numeric_limits<DayCount>::min();
inline constexpr double kMostDays = std::numeric_limits<DayCount>::max();

} // namespace velmora
