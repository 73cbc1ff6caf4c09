// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskArrayWindow.h"

#include "DiskArrayTexts.h"
#include "WindowBuilder.h"
#include "WindowKit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <vector>

namespace velmora {

namespace {

constexpr int kClientWidth = 8400;  // twips
constexpr int kClientHeight = 9480; // twips
constexpr FontDef kHeadingFont{.family = "Arial", .points = 11.25, .bold = true, .underline = true};
constexpr FontDef kCaptionFont{.family = "Arial", .points = 9.75, .bold = true};
constexpr FontDef kFieldFont{.family = "Arial", .points = 9.0, .bold = true};
constexpr FontDef kMessageFont{.family = "Arial", .points = 9.0, .bold = true};

// What a row stands for, in its slot: a field or a result by its number, or
// one of the dialog's single controls; headings and captions stand for nothing.
enum Slot : int {
    kNothing = 0,
    kFirstField = 1,
    kFirstResult = kFirstField + static_cast<int>(kArrayFieldCount),
    kMessage = kFirstResult + 6, // after arrayDisks, markedSize, usableSize, depth, load, disksNeeded
    kApplySlot,
    kCloseSlot,
};

constexpr int kLeft = 360;
constexpr int kCaptionWidth = 4560;
constexpr int kHeadingHeight = 300;
constexpr int kCaptionHeight = 375;
constexpr int kFieldLeft = 5040;
constexpr int kFieldWidth = 1095;
constexpr int kFieldHeight = 315;
constexpr int kResultCaptionWidth = 3015;
constexpr int kValueLeft = 3480;
constexpr int kValueWidth = kClientWidth - kLeft - kValueLeft;
constexpr int kMessageTop = 7410;
constexpr int kMessageHeight = 1200; // room for six lines
constexpr int kButtonTop = 8730;
constexpr int kButtonWidth = 1695;
constexpr int kButtonHeight = 495;

using namespace arraytexts;

constexpr ControlRow heading(std::string_view name, std::string_view caption, int top)
{
    return {.name = name,
            .caption = caption,
            .place = {kLeft, top, kCaptionWidth, kHeadingHeight},
            .font = kHeadingFont,
            .colour = kDarkRed};
}

// A caption names the field or list in the row after it.
constexpr ControlRow caption(std::string_view name, std::string_view text, int top,
                             int height = kCaptionHeight)
{
    return {
        .name = name, .caption = text, .place = {kLeft, top, kCaptionWidth, height}, .font = kCaptionFont};
}

constexpr ControlRow field(std::string_view name, int top, ArrayField which)
{
    return {.name = name,
            .kind = ControlKind::TextBox,
            .place = {kFieldLeft, top, kFieldWidth, kFieldHeight},
            .font = kFieldFont,
            .slot = kFirstField + static_cast<int>(which)};
}

constexpr ControlRow resultCaption(std::string_view name, std::string_view text, int top)
{
    return {.name = name,
            .caption = text,
            .place = {kLeft, top, kResultCaptionWidth, kCaptionHeight},
            .font = kCaptionFont};
}

constexpr ControlRow result(std::string_view name, int top, int which)
{
    return {.name = name,
            .place = {kValueLeft, top, kValueWidth, kCaptionHeight},
            .font = kCaptionFont,
            .slot = kFirstResult + which};
}

constexpr ControlRow button(std::string_view name, std::string_view caption, int left, int slot)
{
    return {.name = name,
            .kind = ControlKind::Button,
            .caption = caption,
            .place = {left, kButtonTop, kButtonWidth, kButtonHeight},
            .font = kFieldFont,
            .slot = slot};
}

// In the window's order, top to bottom and left to right, which is also the
// order of the Tab key.
constexpr ControlRow kControls[] = {
    heading("arrayHeading", kArrayHeading, 240),
    caption("disksCaption", kDisksCaption, 690),
    field("disks", 660, ArrayField::Disks),
    caption("diskSizeCaption", kDiskSizeCaption, 1110),
    field("diskSize", 1080, ArrayField::DiskSize),
    caption("arrayCaption", kArrayCaption, 1530),
    {.name = "array", .kind = ControlKind::List, .place = {kFieldLeft, 1485, 2400, 345}, .font = kFieldFont},
    caption("sparesCaption", kSparesCaption, 1950),
    field("spares", 1920, ArrayField::Spares),
    caption("reserveCaption", kReserveCaption, 2370),
    field("reserve", 2340, ArrayField::Reserve),
    caption("targetDaysCaption", kTargetDaysCaption, 2790),
    field("targetDays", 2760, ArrayField::TargetDays),
    heading("inputHeading", kInputHeading, 3300),
    caption("inputLimitCaption", kInputLimitCaption, 3750, 600),
    field("inputLimit", 3720, ArrayField::Limit),
    caption("headroomCaption", kHeadroomCaption, 4410),
    field("headroom", 4380, ArrayField::Headroom),
    heading("resultHeading", kResultHeading, 4920),
    resultCaption("arrayDisksCaption", kArrayDisksCaption, 5340),
    result("arrayDisks", 5340, 0),
    resultCaption("markedSizeCaption", kMarkedSizeCaption, 5670),
    result("markedSize", 5670, 1),
    resultCaption("usableSizeCaption", kUsableSizeCaption, 6000),
    result("usableSize", 6000, 2),
    resultCaption("depthCaption", kDepthCaption, 6330),
    result("depth", 6330, 3),
    resultCaption("disksNeededCaption", kDisksNeededCaption, 6660),
    result("disksNeeded", 6660, 5),
    resultCaption("loadCaption", kLoadCaption, 6990),
    result("load", 6990, 4),
    {.name = "message",
     .place = {kLeft, kMessageTop, kClientWidth - 2 * kLeft, kMessageHeight},
     .font = kMessageFont,
     .colour = kDarkRed,
     .slot = kMessage},
    button("apply", kApply, kClientWidth - 2 * kButtonWidth - 225 - kLeft, kApplySlot),
    button("close", kClose, kClientWidth - kButtonWidth - kLeft, kCloseSlot),
};

} // namespace

DiskArrayWindow::DiskArrayWindow(DiskArrayForm& form, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      form_(form)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpFixedDialog(*this, qtText(arraytexts::kTitle), kClientWidth, kClientHeight);
    build();
    refresh();
}

void DiskArrayWindow::build()
{
    static_assert(kMessage - kFirstResult == kResultCount);
    const std::vector<QWidget*> made = buildControls(*this, kControls, {}, Face::Desktop);
    for (std::size_t i = 0; i < made.size(); ++i) {
        const int slot = kControls[i].slot;
        // The caption before a field or the list names it, for the keyboard and for screen readers.
        auto* caption = i > 0 ? qobject_cast<QLabel*>(made[i - 1]) : nullptr;
        if (auto* edit = qobject_cast<QLineEdit*>(made[i])) {
            const auto field = static_cast<ArrayField>(slot - kFirstField);
            connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
                form_.edit(field, text.toStdString());
                refresh();
            });
            edit->setToolTip(qtText(arrayFieldRule(field)));
            edit->setAccessibleDescription(edit->toolTip());
            if (caption) caption->setBuddy(edit);
            fields_[static_cast<std::size_t>(field)] = edit;
        } else if (auto* list = qobject_cast<QComboBox*>(made[i])) {
            level_ = list;
            if (caption) caption->setBuddy(level_);
            for (std::string_view entry : kArrayLevelNames) level_->addItem(qtText(entry));
            connect(level_, &QComboBox::currentIndexChanged, this, [this](int position) {
                form_.selectLevel(position);
                refresh();
            });
        } else if (slot == kApplySlot) {
            apply_ = static_cast<QPushButton*>(made[i]);
            connect(apply_, &QPushButton::clicked, this, &DiskArrayWindow::apply);
        } else if (slot == kCloseSlot) {
            close_ = static_cast<QPushButton*>(made[i]);
            connect(close_, &QPushButton::clicked, this, &QWidget::close);
        } else if (slot == kMessage) {
            message_ = static_cast<QLabel*>(made[i]);
        } else if (slot >= kFirstResult) {
            results_[static_cast<std::size_t>(slot - kFirstResult)] = static_cast<QLabel*>(made[i]);
        }
    }
}

void DiskArrayWindow::refresh()
{
    const DiskArraySettings& s = form_.settings();
    const DiskArrayView& v = form_.view();
    for (std::size_t i = 0; i < kArrayFieldCount; ++i) {
        QLineEdit* edit = fields_[i];
        const QSignalBlocker blocker(edit);
        const QString text = qtText(s.texts[i]);
        if (edit->text() != text) edit->setText(text);
        markField(*edit, v.bad[i]);
    }
    {
        const QSignalBlocker blocker(level_);
        if (level_->currentIndex() != s.level) level_->setCurrentIndex(s.level);
    }
    const std::array<const std::string*, kResultCount> results = {
        &v.arrayDisks, &v.markedSize, &v.usableSize, &v.depth, &v.load, &v.disksNeeded};
    for (std::size_t i = 0; i < results.size(); ++i) results_[i]->setText(qtText(*results[i]));
    message_->setText(qtText(v.message));
    makeRoomForMessage();
    apply_->setEnabled(!v.applyText.empty());
}

void DiskArrayWindow::makeRoomForMessage()
{
    // The room kept holds every message the dialog gives in its fonts; should
    // a font draw wider, the window grows downwards until the whole text shows.
    const int more = message_->heightForWidth(message_->width()) - message_->height();
    if (more <= 0) return;
    message_->resize(message_->width(), message_->height() + more);
    for (QWidget* button : {static_cast<QWidget*>(apply_), static_cast<QWidget*>(close_)})
        button->move(button->x(), button->y() + more);
    setFixedSize(width(), height() + more);
}

void DiskArrayWindow::apply()
{
    const std::string& text = form_.view().applyText;
    if (!text.empty()) emit diskSizeApplied(QString::fromStdString(text));
}

void DiskArrayWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape works as "Закрыть".
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace velmora
