// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The depth of the archive as the main window writes it. The window, the
// disk-array dialog and the site dialog all word a depth here, so that a
// figure one of them shows reads the same in the others.
namespace velmora {

// The day word after a depth of `days`, taken from the whole part of the
// figure shown ("2,5 дня."). A depth with no day word of its own (a negative
// one, or no number) keeps `keptWord`, the word the window shows already.
std::string_view depthDayWord(float days, std::string_view keptWord);

// The figure and its day word, "12,5 дней.", with `separator` as the decimal
// point; "бесконечность" where nothing is recorded a day (no depth).
std::string depthText(std::optional<float> days, std::string_view separator, std::string_view keptWord);

} // namespace velmora
