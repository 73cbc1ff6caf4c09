// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>

namespace velmora {

// The program's manual (F1): the bundled Russian help page in a window of its
// own, in the desktop's colours. Links inside the page move within it.
class HelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
};

} // namespace velmora
