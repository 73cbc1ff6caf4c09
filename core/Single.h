// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cfloat>
#include <cmath>

namespace velmora {

// Every measured quantity is kept as a 32-bit float, while products are formed
// in double first. A value beyond the float range saturates at the largest
// float, so that nothing stored can become infinite (and the conversion is
// never undefined); NaN cannot come out of the arithmetic, but is stored as 0.
inline float single(double v)
{
    if (std::isnan(v)) return 0.0f;
    if (v > static_cast<double>(FLT_MAX)) return FLT_MAX;
    if (v < -static_cast<double>(FLT_MAX)) return -FLT_MAX;
    return static_cast<float>(v);
}

// True when v can be stored as a 32-bit float without saturating.
inline bool fitsSingle(double v)
{
    return std::isfinite(v) && std::fabs(v) <= static_cast<double>(FLT_MAX);
}

} // namespace velmora
