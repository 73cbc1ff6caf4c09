#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>

namespace velmora {

// A button whose caption wraps at word boundaries inside the button, centred,
// as the window's long captions need.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A check box whose caption wraps at word boundaries beside the box; a click
// anywhere on it toggles the box.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

// A label that shows a figure; screen readers read it as what the figure
// means, with the text shown as its value (see MainWindow).
class FigureLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
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

private:
    QStyle* narrow_;
};

} // namespace velmora
