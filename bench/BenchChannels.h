// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainForm.h"

namespace velmora {

// Fills the form to 32 channels whose neighbours differ in every setting, so
// that stepping to the next one runs every handler of showchannel. `run`
// performs one action on the form (directly, or through the window).
template <typename Run>
void fillDifferingChannels(Run&& run)
{
    for (int i = 0; i < 31; ++i) {
        const bool odd = i % 2 == 0;
        run([&](MainForm& f) {
            f.userSelect(Ctl::Combo3, odd ? 5 : 0);
            f.userSelect(Ctl::Combo4, odd ? 0 : 2);
            f.userSelect(Ctl::Combo1, odd ? 12 : 0);
            f.userSelect(Ctl::Combo6, odd ? 0 : 2);
            f.userSetCheck(Ctl::Check2, odd ? 1 : 0);
            if (odd) f.userSelect(Ctl::Combo9, 1);
            f.userSelect(Ctl::Combo2, odd ? 2 : 1);
            f.userSetCheck(Ctl::Check1, odd ? 1 : 0);
            f.userClick(Ctl::Command3);
        });
    }
}

} // namespace velmora
