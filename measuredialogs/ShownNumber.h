// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberRules.h"
#include "Platform.h"
#include "TextDoor.h"

#include <QString>

namespace velmora {

// A measured figure as the measuring dialogs show it: at most `decimals`
// decimals, no trailing zeros, the desktop's decimal separator.
inline QString shownNumber(double value, int decimals, Platform& platform)
{
    return qtText(decimalText(value, decimals, platform.decimalSeparator().toStdString()));
}

} // namespace velmora
