// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QContextMenuEvent;
class QMenu;
class QWidget;

namespace velmora {

// One entry of a window's context menu: its words, its keys (the keys work
// with the menu closed too) and what it does. An entry without words is a
// separator; one with `fill` is a submenu, filled each time it opens.
struct MenuEntry {
    QString text;
    QKeySequence keys;
    std::function<void()> run;
    std::function<void(QMenu*)> fill = {};
};

// A window's context menu: its commands and their keys exist from the start,
// the menu that shows them is made when first needed. The Menu key or
// Shift+F10 opens it at the control with the focus (a text box keeps its own
// menu); the mouse opens it over the bare surface and the labels.
class WindowMenu : public QObject {
public:
    WindowMenu(QWidget& window, std::vector<MenuEntry> entries);

    QMenu* menu();
    // The window's context-menu request: the menu pops up, or the event is
    // ignored where another control has a menu of its own.
    void request(QContextMenuEvent* event);

private:
    QWidget& window_;
    std::vector<QAction*> actions_; // null: a separator
    QMenu* menu_ = nullptr;
};

} // namespace velmora
