#include "WrappingWidgets.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace velmora {

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    if (caption.isEmpty()) return;
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 1, -1, -1);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    // The box sits at the left, centred in the height; the caption fills the rest.
    const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    QStyleOptionButton indicator = option;
    indicator.rect = QRect(QPoint(box.left(), (height() - box.height()) / 2), box.size());
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);
    const QRect text(indicator.rect.right() + 1, 0, width() - indicator.rect.right() - 1, height());
    painter.drawItemText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, option.palette, isEnabled(),
                         caption, QPalette::WindowText);
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

} // namespace velmora
