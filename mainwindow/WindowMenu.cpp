// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowMenu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

namespace velmora {

WindowMenu::WindowMenu(QWidget& window, std::vector<MenuEntry> entries) : QObject(&window), window_(window)
{
    for (MenuEntry& entry : entries) {
        if (entry.text.isEmpty()) {
            actions_.push_back(nullptr);
            continue;
        }
        if (entry.fill) {
            auto* submenu = new QMenu(entry.text, &window);
            connect(submenu, &QMenu::aboutToShow, this,
                    [submenu, fill = std::move(entry.fill)] { fill(submenu); });
            actions_.push_back(submenu->menuAction());
            continue;
        }
        auto* action = new QAction(entry.text, &window);
        if (!entry.keys.isEmpty()) {
            action->setShortcut(entry.keys);
            action->setShortcutContext(Qt::WindowShortcut);
            window.addAction(action); // the keys work while the menu is closed
        }
        connect(action, &QAction::triggered, this, std::move(entry.run));
        actions_.push_back(action);
    }
    // Shift+F10 is the menu key of keyboards without one: the control with
    // the focus gets the menu request, so a text box opens its own menu and
    // any other control passes it on to the window.
    auto* menuKey = new QAction(&window);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    window.addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != &window_) target = &window_;
        const QPoint centre = target->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, centre, target->mapToGlobal(centre));
        QApplication::sendEvent(target, &request);
    });
}

QMenu* WindowMenu::menu()
{
    if (!menu_) {
        menu_ = new QMenu(&window_);
        for (QAction* action : actions_) {
            if (action)
                menu_->addAction(action);
            else
                menu_->addSeparator();
        }
    }
    return menu_;
}

void WindowMenu::request(QContextMenuEvent* event)
{
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // The Menu key or Shift+F10, from any control but a text box (which
        // keeps its own menu and never passes the request on): the menu opens
        // at the control with the focus.
        QWidget* focus = window_.focusWidget();
        const QWidget* over = focus && focus->window() == &window_ ? focus : &window_;
        at = over->mapToGlobal(over->rect().center());
    } else {
        // The mouse: the bare surface, a drawn line or a label, the places
        // without a menu of their own. Other controls get nothing new.
        QWidget* child = window_.childAt(event->pos());
        if (child && !qobject_cast<QLabel*>(child)) {
            event->ignore();
            return;
        }
    }
    // A popup, never a nested event loop: nothing waits for the menu to close.
    menu()->popup(at);
    event->accept();
}

} // namespace velmora
