// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LayoutTable.h"
#include "MainForm.h"
#include "PlanSession.h"

#include <memory>
#include <string>

namespace velmora {

enum class Layout { Tall, Compact };

// Screens at least this many pixels high get the tall window.
inline constexpr int kLayoutThreshold = 950;

Layout chooseLayout(int screenHeight);
const WindowDef& layoutTable(Layout layout);

// The initialisation of the main window: the day count and the channel
// numbers, then each list filled and its default selected, in this order;
// every selection runs its handler, so channel 1 is estimated before the
// window is first shown.
void Form_Load(MainForm& form);

// A main window's behaviour in its start state for the given layout, initialised.
std::unique_ptr<MainForm> createMainForm(Layout layout, std::string decimal, FormHost& host);

// A plan session whose forms are those of `layout`, with the given separator.
PlanSession sessionFor(Layout layout, const std::string& decimal, FormHost& host);

} // namespace velmora
