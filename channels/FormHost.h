// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace velmora {

// What the main window's behaviour asks of the world around it: the one
// question it ever asks, and the two other windows it opens. The Qt window
// answers with real windows; tests answer with plain objects.
class FormHost {
public:
    virtual ~FormHost() = default;
    // A modal Yes/No question, Yes the default; true when the answer is Yes.
    virtual bool askYesNo(std::string_view title, std::string_view text) = 0;
    // "Печать..": show the report window and fill it from the form.
    virtual void showReport() = 0;
    // A click on the camera picture: discard an open About window and show a fresh one.
    virtual void showAbout() = 0;
};

} // namespace velmora
