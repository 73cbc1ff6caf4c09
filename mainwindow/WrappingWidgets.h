// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>

namespace velmora {

// Qt's buttons repaint the window at once when pressed and released, which
// paints every control the click has changed before the click returns. A
// button made with this leaves that painting to the event loop, as a list or
// a text box does: it follows a moment later, once, and shows the same. The
// button's `released` signal ends the hold early: the click's handlers run
// on `clicked`, after it, so whatever a click opens, a message box with its
// own event loop included, finds the button painted as released.
template <typename Button>
class PaintsLater : public Button {
public:
    PaintsLater(const QString& text, QWidget* parent) : Button(text, parent)
    {
        QObject::connect(this, &QAbstractButton::released, this, [this] { releaseHold(); });
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        heldWhile([&] { Button::mousePressEvent(event); });
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        heldWhile([&] { Button::mouseReleaseEvent(event); });
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        heldWhile([&] { Button::keyPressEvent(event); });
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        heldWhile([&] { Button::keyReleaseEvent(event); });
    }

private:
    template <typename Handle>
    void heldWhile(Handle handle)
    {
        const QPointer<QAbstractButton> alive(this); // a click may close the window and take the button
        if (this->updatesEnabled()) {
            this->setUpdatesEnabled(false);
            paintHeld_ = true;
        }
        handle();
        if (alive) releaseHold();
    }
    // Lifts this hold only: a window may hold its children's painting for
    // reasons of its own.
    void releaseHold()
    {
        if (!paintHeld_) return;
        paintHeld_ = false;
        this->setUpdatesEnabled(true);
    }

    bool paintHeld_ = false;
};

// A button whose caption wraps at word boundaries inside the button, centred,
// as the window's long captions need.
class WrappingButton : public PaintsLater<QPushButton> {
    Q_OBJECT

public:
    using PaintsLater::PaintsLater;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A check box whose caption wraps at word boundaries beside the box; a click
// anywhere on it toggles the box.
class WrappingCheckBox : public PaintsLater<QCheckBox> {
    Q_OBJECT

public:
    WrappingCheckBox(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

// A label of the window: plain text on the window's surface. The window's
// labels overlap one another's rectangles, so a label whose text changes
// asks its neighbours to repaint too; a neighbour whose own text stands
// elsewhere has nothing to draw there and skips the work of laying it out.
class TextLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Where the text's pixels can be, in the label's coordinates: the laid-out
    // text with room for glyphs that reach past their advance.
    QRect inkRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable bool inkKnown_ = false;
    mutable QString inkText_;
    mutable QSize inkSize_;
    mutable QFont inkFont_;
    mutable QRect ink_;
};

// A label that shows a figure; screen readers read it as what the figure
// means, with the text shown as its value (see MainWindow).
class FigureLabel : public TextLabel {
    Q_OBJECT

public:
    using TextLabel::TextLabel;
};

// The lists are narrow: their entries get the whole width but for a slim
// arrow, so that "RAW_PCM(DVR)" and the resolutions are not cut off.
class NarrowListStyle : public QProxyStyle {
    Q_OBJECT

public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
};

// A list drawn through NarrowListStyle. The list keeps the application's
// style: setting a style on a list makes Qt build its popup at once, which a
// list nobody has opened yet does not need.
class NarrowList : public QComboBox {
    Q_OBJECT

public:
    NarrowList(QStyle* narrow, QWidget* parent) : QComboBox(parent), narrow_(narrow) {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A list has no menu of its own (QComboBox takes the request and does
    // nothing): the Menu key on a list opens the window's menu.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QStyle* narrow_;
};

} // namespace velmora
