// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlWidgets.h"

#include "MainForm.h"
#include "Pictures.h"
#include "ScreenReaders.h"
#include "TextDoor.h"
#include "WrappingWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace velmora {

namespace {

// Entries a dropped-down list shows before it scrolls: every frame rate.
constexpr int kListRows = 25;
// The arrow buttons' triangles, in pixels.
constexpr int kArrowIconSize = 50;

void setPictureBorder(QLabel* picture, bool flat)
{
    picture->setFrameStyle(flat ? (QFrame::Box | QFrame::Plain) : (QFrame::Panel | QFrame::Sunken));
    picture->setLineWidth(2);
}

} // namespace

QWidget* makeControlWidget(Ctl id, const QString& caption, QWidget& window, QStyle* listStyle)
{
    // The window's own kinds of widget; the builder names, places and dresses them.
    switch (controlKind(id)) {
    case Kind::Label:
        // A figure gets its text once it is a FigureLabel, so that a screen
        // reader that is listening reads it as a figure from the start.
        return isFigure(id) ? new FigureLabel(&window) : new TextLabel(&window);
    case Kind::List: {
        auto* list = new NarrowList(listStyle, &window);
        list->setMaxVisibleItems(kListRows);
        return list;
    }
    case Kind::CheckBox: return new WrappingCheckBox(caption, &window);
    case Kind::TextBox: return nullptr;
    case Kind::Button: {
        auto* button = new WrappingButton(caption, &window);
        if (id == Ctl::Command1 || id == Ctl::Command2) {
            button->setIcon(id == Ctl::Command1 ? rightTriangle(window.devicePixelRatioF())
                                                : leftTriangle(window.devicePixelRatioF()));
            button->setIconSize(QSize(kArrowIconSize, kArrowIconSize));
        }
        return button;
    }
    case Kind::Picture: break;
    }
    auto* picture = new QLabel(&window);
    picture->setPixmap(cameraPicture(window.devicePixelRatioF()));
    picture->setMouseTracking(true);
    picture->setCursor(Qt::PointingHandCursor);
    setPictureBorder(picture, false);
    return picture;
}

void showControl(QWidget& widget, Ctl id, const Control& c)
{
    QWidget* w = &widget;
    const QSignalBlocker blocker(w);
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    switch (controlKind(id)) {
    case Kind::List: {
        auto* list = static_cast<QComboBox*>(w);
        if (list->count() != static_cast<int>(c.entries.size())) {
            list->clear();
            for (const std::string& entry : c.entries) list->addItem(qtText(entry));
        }
        if (list->currentIndex() != c.index) list->setCurrentIndex(c.index);
        break;
    }
    case Kind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(w);
        if (box->isChecked() != (c.value != 0)) box->setChecked(c.value != 0);
        break;
    }
    case Kind::TextBox: {
        auto* edit = static_cast<QLineEdit*>(w);
        const QString text = qtText(c.text);
        if (edit->text() != text) edit->setText(text);
        break;
    }
    case Kind::Button: {
        auto* button = static_cast<QPushButton*>(w);
        const QString text = qtText(c.text);
        if (button->text() != text) button->setText(text);
        break;
    }
    case Kind::Picture: setPictureBorder(static_cast<QLabel*>(w), c.flat); break;
    case Kind::Label: {
        auto* label = static_cast<QLabel*>(w);
        const QString text = qtText(c.text);
        if (label->text() == text) break;
        label->setText(text);
        announceFigure(label, text);
        break;
    }
    }
}

} // namespace velmora
