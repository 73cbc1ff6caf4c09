// SPDX-License-Identifier: GPL-3.0-or-later
#include "Depth.h"

#include "Estimate.h"
#include "NumberRules.h"
#include "Texts.h"

#include <cmath>

namespace velmora {

std::string_view depthDayWord(float days, std::string_view keptWord)
{
    const DayWord word = dayWord(std::trunc(static_cast<double>(days)));
    if (word == DayWord::Keep) return keptWord;
    return texts::kDepthDayWords[static_cast<std::size_t>(word)];
}

std::string depthText(std::optional<float> days, std::string_view separator, std::string_view keptWord)
{
    if (!days) return std::string(texts::kInfinity);
    return floatText(*days, separator) + " " + std::string(depthDayWord(*days, keptWord));
}

} // namespace velmora
