// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Protocol.h"
#include "StreamMeasure.h"

#include <string>
#include <string_view>

namespace velmora::measure {

// The one JSON object printed on success, on one line, with every key of
// Protocol.h present (null where the stream does not tell).
std::string resultJson(const Measurement& m);

// The failure as one English line: "velmora-measure: CAUSE: SOURCE".
std::string failureMessage(Cause cause, std::string_view shownSource);

} // namespace velmora::measure
