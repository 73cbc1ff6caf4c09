// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace velmora {

class Platform;

// What the calculator is for, how the hand-typed bitrate works, and who made
// it, with a link that opens the maker's web site.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    // The window icon is the caller's: setWindowIcon() before showing.
    explicit AboutWindow(Platform& platform, QWidget* parent = nullptr);

    // The link: asks the shell to open the maker's web site, on every click.
    void Label2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Platform& platform_;
    QLabel* link_ = nullptr;
};

} // namespace velmora
