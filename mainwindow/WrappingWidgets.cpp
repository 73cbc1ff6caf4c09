#include "WrappingWidgets.h"

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

} // namespace velmora
