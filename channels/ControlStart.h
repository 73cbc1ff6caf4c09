// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

#include <string_view>

namespace velmora {

// What a control shows when its window is created: its caption or text and
// whether it starts hidden or disabled.
struct ControlStart {
    Ctl id;
    std::string_view caption;
    bool hidden = false;
    bool disabled = false;
};

} // namespace velmora
