// SPDX-License-Identifier: GPL-3.0-or-later
#include "WrappingWidgets.h"

#include <QContextMenuEvent>

#include <QButtonGroup>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace velmora {

namespace {

// The style draws the bare control; the caption is drawn wrapped afterwards.
QString takeCaption(QStyleOptionButton& option)
{
    QString caption = option.text;
    option.text.clear();
    return caption;
}

} // namespace

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = takeCaption(option);
    painter.drawControl(QStyle::CE_PushButton, option);
    if (caption.isEmpty()) return;
    const QRect area =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 1, -1, -1);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent) : PaintsLater(text, parent)
{
    // Clearing a box makes Qt search all the window's children for buttons
    // the box excludes, unless the box has a group: a group of its own that
    // excludes nothing spares that search and changes nothing else.
    auto* group = new QButtonGroup(this);
    group->setExclusive(false);
    group->addButton(this);
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = takeCaption(option);
    // The box sits at the left, centred in the height; the caption fills the rest.
    const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    QStyleOptionButton indicator = option;
    indicator.rect = QRect(QPoint(box.left(), (height() - box.height()) / 2), box.size());
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);
    const QRect text(indicator.rect.right() + 1, 0, width() - indicator.rect.right() - 1, height());
    painter.drawItemText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, option.palette,
                         isEnabled(), caption, QPalette::WindowText);
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

QRect NarrowListStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl sub, const QWidget* widget) const
{
    if (control != CC_ComboBox) return QProxyStyle::subControlRect(control, option, sub, widget);
    constexpr int arrow = 14;
    const QRect frame = option->rect;
    switch (sub) {
    case SC_ComboBoxArrow: return QRect(frame.right() - arrow, frame.top() + 1, arrow, frame.height() - 2);
    case SC_ComboBoxEditField:
        return QRect(frame.left() + 1, frame.top() + 2, frame.width() - arrow - 2, frame.height() - 4);
    default: return QProxyStyle::subControlRect(control, option, sub, widget);
    }
}

QRect TextLabel::inkRect() const
{
    // Laying the text out costs about as much as drawing it: keep the answer
    // until the text, the size or the font changes.
    if (!inkKnown_ || inkText_ != text() || inkSize_ != size() || inkFont_ != font()) {
        inkKnown_ = true;
        inkText_ = text();
        inkSize_ = size();
        inkFont_ = font();
        const int m = margin();
        const QRect area = contentsRect().adjusted(m, m, -m, -m);
        // Glyphs may reach a little past the advance that lays them out, and
        // their smoothed edges a pixel further.
        const int reach = fontMetrics().height() / 4 + 2;
        const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
        const QRect laidOut = fontMetrics().boundingRect(area, flags, inkText_);
        ink_ = laidOut.adjusted(-reach, -reach, reach, reach).intersected(rect());
    }
    return ink_;
}

void TextLabel::paintEvent(QPaintEvent* event)
{
    const bool bare = frameShape() == QFrame::NoFrame && pixmap().isNull() && textFormat() == Qt::PlainText &&
                      indent() <= 0;
    if (bare && !inkRect().intersects(event->rect())) return;
    QLabel::paintEvent(event);
}

void NarrowList::changeEvent(QEvent* event)
{
    // Qt builds the popup on a font change to hand it the new font. A popup
    // not built yet needs nothing: built later as the list's child, it takes
    // the list's font then.
    if (event->type() == QEvent::FontChange && findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty()) {
        // The list's own handler would build the popup.
        QWidget::changeEvent(event); // NOLINT(bugprone-parent-virtual-call)
        updateGeometry();
        return;
    }
    QComboBox::changeEvent(event);
}

void NarrowList::paintEvent(QPaintEvent*)
{
    // As the list paints itself, with the narrow arrow.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    narrow_->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
    if (currentIndex() < 0 && !placeholderText().isEmpty()) {
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        option.currentText = placeholderText();
    }
    narrow_->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, this);
}

void NarrowList::contextMenuEvent(QContextMenuEvent* event)
{
    event->ignore();
}

} // namespace velmora
