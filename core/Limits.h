// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Single.h"

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
// The bitrate field's rule, for the field, the plan files and their checks:
// a typed bitrate is taken when it lies below the input limit and a 32-bit
// float holds it there. A huge negative number gets past the limit but not
// into a float; 9999998.9 does, but the float rounds it up to the limit, and
// a channel must never refuse its own bitrate the next time it is shown.
inline bool bitrateAccepted(double kbps)
{
    return kbps < kInputLimit && fitsSingle(kbps) && single(kbps) < kInputLimit;
}

// Period entries from this value up are ignored.
inline constexpr double kPeriodLimit = 99999.0;

// The period's day count is a 16-bit number; a count outside its range is ignored.
using DayCount = std::int16_t;
inline constexpr double kFewestDays = std::numeric_limits<DayCount>::min();
inline constexpr double kMostDays = std::numeric_limits<DayCount>::max();

} // namespace velmora
