// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

namespace velmora {

// The one door through which every text the user sees passes on its way into
// a widget, a window title, a message box or the command line's output (a
// translation would hook in here). The program's texts are UTF-8. QtCore only,
// so the plan files and the command line use it without any window.
inline QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace velmora
