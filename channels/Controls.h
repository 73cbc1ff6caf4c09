// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControlTable.h"

#include <optional>
#include <string_view>

namespace velmora {

// Every control of the main window, in the window's order (ControlTable.h).
enum class Ctl : int {
#define VELMORA_CONTROL_ID(name, kind, where, shows) name,
    VELMORA_CONTROLS(VELMORA_CONTROL_ID)
#undef VELMORA_CONTROL_ID
        Count
};

constexpr int kControlCount = static_cast<int>(Ctl::Count);

enum class Kind { Label, List, CheckBox, TextBox, Button, Picture };

std::string_view controlName(Ctl id);
std::optional<Ctl> controlByName(std::string_view name);
Kind controlKind(Ctl id);
// One line on what the control shows, for people reading a dump or a diff.
std::string_view controlMeaning(Ctl id);
// The per-minute and per-hour rows, which the compact layout does not have.
bool onlyInTallLayout(Ctl id);

} // namespace velmora
