// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBuilder.h"

#include "PlainTextBox.h"
#include "WindowKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>

#include <climits>

namespace velmora {

namespace {

Qt::Alignment qtAlignment(Align align)
{
    switch (align) {
    case Align::TopCentre: return Qt::AlignHCenter | Qt::AlignTop;
    case Align::TopRight: return Qt::AlignRight | Qt::AlignTop;
    case Align::Centre: return Qt::AlignCenter;
    case Align::MiddleLeft: return Qt::AlignLeft | Qt::AlignVCenter;
    case Align::TopLeft: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* plainWidget(const ControlRow& row, QWidget& window)
{
    switch (row.kind) {
    case ControlKind::List: return new QComboBox(&window);
    case ControlKind::CheckBox: return new QCheckBox(&window);
    case ControlKind::TextBox: return new QLineEdit(&window);
    case ControlKind::Button: return new QPushButton(&window);
    case ControlKind::NotesBox: return new PlainTextBox(&window);
    case ControlKind::ProgressBar: return new QProgressBar(&window);
    case ControlKind::Label:
    case ControlKind::Picture: break;
    }
    return new QLabel(&window);
}

// What the row shows: its caption, or its picture.
void showCaption(QWidget* w, const ControlRow& row, const QWidget& window)
{
    const QString caption = qtText(row.caption);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setAlignment(qtAlignment(row.align));
        if (row.kind == ControlKind::Picture) {
            // At its own size, never stretched; a window may bring its own picture.
            if (row.picture) label->setPixmap(row.picture(window.devicePixelRatioF()));
            return;
        }
        // Plain text always: "<<битрейт>>"-like captions must not be taken for markup.
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        label->setWordWrap(row.wraps);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(caption);
        if (auto* push = qobject_cast<QPushButton*>(w)) push->setAutoDefault(false);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setMaxLength(INT_MAX); // a text box takes text of any length
        edit->setText(caption);
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        list->setEditable(false);
    }
}

} // namespace

std::vector<QWidget*> buildControls(QWidget& window, std::span<const ControlRow> rows, const OwnWidget& own,
                                    Face face)
{
    std::vector<QWidget*> widgets;
    widgets.reserve(rows.size());
    QWidget* previous = nullptr; // the last control the Tab key reaches
    for (const ControlRow& row : rows) {
        QWidget* w = own ? own(row, window) : nullptr;
        if (!w) w = plainWidget(row, window);
        w->setObjectName(qtText(row.name));
        if (row.place.width > 0 || row.place.height > 0) w->setGeometry(pixelRect(row.place));
        if (!row.font.family.empty()) w->setFont(qtFont(row.font));
        if (face == Face::Fixed) {
            if (row.kind != ControlKind::Button) setTextColour(*w, row.colour);
        } else if (row.colour != kBlack) {
            setLegibleTextColour(*w, row.colour);
        }
        if (row.background) {
            setBackground(*w, *row.background);
            // A label or check box paints its own face (a check box's is its base, as a field's).
            if (row.kind == ControlKind::Label || row.kind == ControlKind::CheckBox)
                w->setAutoFillBackground(true);
            if (row.kind == ControlKind::CheckBox) w->setBackgroundRole(QPalette::Base);
        }
        showCaption(w, row, window);
        if (row.hidden) w->hide();
        if (row.disabled) w->setEnabled(false);
        if (face == Face::Desktop && (w->focusPolicy() & Qt::TabFocus)) {
            if (previous) QWidget::setTabOrder(previous, w);
            previous = w;
        }
        widgets.push_back(w);
    }
    return widgets;
}

} // namespace velmora
