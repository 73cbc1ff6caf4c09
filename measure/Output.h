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

// Text as a JSON string, quotes included; bytes that are not valid UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);

// Whether every byte of `text` belongs to a valid UTF-8 sequence.
bool validUtf8(std::string_view text);

} // namespace velmora::measure
