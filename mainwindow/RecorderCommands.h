// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QMenu;
class QWidget;

namespace velmora {

class PlanSession;
class Platform;

// The context menu's "Регистраторы": the site's recorders, the one shown
// marked, and adding, renaming and removing them; Ctrl+PgUp and Ctrl+PgDn
// step through them from anywhere in the window. They ask the user through
// the platform and hand the answers to the session.
class RecorderCommands : public QObject {
public:
    // `shown` runs after another recorder took the window's place, `summary`
    // opens "Сводка объекта…".
    RecorderCommands(QWidget& window, Platform& platform, PlanSession& session, std::function<void()> shown,
                     std::function<void()> summary);

    // Fills "Регистраторы" as it opens.
    void fillMenu(QMenu* menu);
    // Shows the recorder at `index` (0-based).
    void show(int index);
    // The next recorder (`by` 1) or the one before (-1), round the site.
    void step(int by);
    void add();
    void rename();
    void remove();

private:
    QWidget& window_;
    Platform& platform_;
    PlanSession& session_;
    std::function<void()> shown_;
    std::function<void()> summary_;
};

} // namespace velmora
