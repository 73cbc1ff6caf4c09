// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelCamera.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// The recorders of a site: how many, how they are named.
namespace velmora {

inline constexpr int kMaxRecorders = 32;
inline constexpr std::size_t kMaxRecorderNameLength = 64; // characters

// The name a recorder gets when nobody named it.
inline std::string numberedRecorderName(int number)
{
    return "Регистратор " + std::to_string(number);
}

// What keeps a text from naming a recorder among `others`.
enum class RecorderNameProblem {
    None,
    Empty,
    TooLong,  // over kMaxRecorderNameLength characters
    Control,  // a control character (a TAB, a line break, an escape)
    EndBlank, // a blank at the start or the end
    Taken,    // another recorder has it
};

inline RecorderNameProblem recorderNameProblem(std::string_view name, const std::vector<std::string>& others)
{
    if (name.empty()) return RecorderNameProblem::Empty;
    if (nameLength(name) > kMaxRecorderNameLength) return RecorderNameProblem::TooLong;
    if (oneLineName(std::string(name)) != name) return RecorderNameProblem::Control;
    if (name.front() == ' ' || name.back() == ' ') return RecorderNameProblem::EndBlank;
    if (std::find(others.begin(), others.end(), name) != others.end()) return RecorderNameProblem::Taken;
    return RecorderNameProblem::None;
}

// The first "Регистратор N" that none of `taken` is.
inline std::string freeRecorderName(const std::vector<std::string>& taken)
{
    for (int n = 1;; ++n) {
        std::string name = numberedRecorderName(n);
        if (std::find(taken.begin(), taken.end(), name) == taken.end()) return name;
    }
}

} // namespace velmora
