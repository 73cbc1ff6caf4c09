// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskArrayWindow.h"

#include "DiskArrayTexts.h"
#include "WindowKit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <climits>

namespace velmora {

namespace {

constexpr int kClientWidth = 8400;  // twips
constexpr int kClientHeight = 9480; // twips
constexpr FontDef kHeadingFont{.family = "Arial", .points = 11.25, .bold = true, .underline = true};
constexpr FontDef kCaptionFont{.family = "Arial", .points = 9.75, .bold = true};
constexpr FontDef kFieldFont{.family = "Arial", .points = 9.0, .bold = true};
constexpr FontDef kMessageFont{.family = "Arial", .points = 9.0, .bold = true};
// A field whose text cannot be taken.
constexpr Rgb kMarkedField{255, 200, 200};

enum class Part { Heading, Caption, Field, List, Result, Message, Button };

struct DialogControl {
    std::string_view name;
    Part part;
    std::string_view caption;
    TwipRect place;
    int slot = 0; // the field, or the result, it stands for
};

constexpr int kLeft = 360;
constexpr int kCaptionWidth = 4560;
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

using namespace arraytexts;

// In the window's order, which is also the order of the Tab key.
constexpr DialogControl kControls[] = {
    {"arrayHeading", Part::Heading, kArrayHeading, {kLeft, 240, kCaptionWidth, 300}},
    {"disksCaption", Part::Caption, kDisksCaption, {kLeft, 690, kCaptionWidth, kCaptionHeight}},
    {"disks", Part::Field, "", {kFieldLeft, 660, kFieldWidth, kFieldHeight}, 0},
    {"diskSizeCaption", Part::Caption, kDiskSizeCaption, {kLeft, 1110, kCaptionWidth, kCaptionHeight}},
    {"diskSize", Part::Field, "", {kFieldLeft, 1080, kFieldWidth, kFieldHeight}, 1},
    {"arrayCaption", Part::Caption, kArrayCaption, {kLeft, 1530, kCaptionWidth, kCaptionHeight}},
    {"array", Part::List, "", {kFieldLeft, 1485, 2400, 345}},
    {"sparesCaption", Part::Caption, kSparesCaption, {kLeft, 1950, kCaptionWidth, kCaptionHeight}},
    {"spares", Part::Field, "", {kFieldLeft, 1920, kFieldWidth, kFieldHeight}, 2},
    {"reserveCaption", Part::Caption, kReserveCaption, {kLeft, 2370, kCaptionWidth, kCaptionHeight}},
    {"reserve", Part::Field, "", {kFieldLeft, 2340, kFieldWidth, kFieldHeight}, 3},
    {"targetDaysCaption", Part::Caption, kTargetDaysCaption, {kLeft, 2790, kCaptionWidth, kCaptionHeight}},
    {"targetDays", Part::Field, "", {kFieldLeft, 2760, kFieldWidth, kFieldHeight}, 6},
    {"inputHeading", Part::Heading, kInputHeading, {kLeft, 3300, kCaptionWidth, 300}},
    {"inputLimitCaption", Part::Caption, kInputLimitCaption, {kLeft, 3750, kCaptionWidth, 600}},
    {"inputLimit", Part::Field, "", {kFieldLeft, 3720, kFieldWidth, kFieldHeight}, 4},
    {"headroomCaption", Part::Caption, kHeadroomCaption, {kLeft, 4410, kCaptionWidth, kCaptionHeight}},
    {"headroom", Part::Field, "", {kFieldLeft, 4380, kFieldWidth, kFieldHeight}, 5},
    {"resultHeading", Part::Heading, kResultHeading, {kLeft, 4920, kCaptionWidth, 300}},
    {"arrayDisksCaption",
     Part::Caption,
     kArrayDisksCaption,
     {kLeft, 5340, kResultCaptionWidth, kCaptionHeight}},
    {"arrayDisks", Part::Result, "", {kValueLeft, 5340, kValueWidth, kCaptionHeight}, 0},
    {"markedSizeCaption",
     Part::Caption,
     kMarkedSizeCaption,
     {kLeft, 5670, kResultCaptionWidth, kCaptionHeight}},
    {"markedSize", Part::Result, "", {kValueLeft, 5670, kValueWidth, kCaptionHeight}, 1},
    {"usableSizeCaption",
     Part::Caption,
     kUsableSizeCaption,
     {kLeft, 6000, kResultCaptionWidth, kCaptionHeight}},
    {"usableSize", Part::Result, "", {kValueLeft, 6000, kValueWidth, kCaptionHeight}, 2},
    {"depthCaption", Part::Caption, kDepthCaption, {kLeft, 6330, kResultCaptionWidth, kCaptionHeight}},
    {"depth", Part::Result, "", {kValueLeft, 6330, kValueWidth, kCaptionHeight}, 3},
    {"disksNeededCaption",
     Part::Caption,
     kDisksNeededCaption,
     {kLeft, 6660, kResultCaptionWidth, kCaptionHeight}},
    {"disksNeeded", Part::Result, "", {kValueLeft, 6660, kValueWidth, kCaptionHeight}, 5},
    {"loadCaption", Part::Caption, kLoadCaption, {kLeft, 6990, kResultCaptionWidth, kCaptionHeight}},
    {"load", Part::Result, "", {kValueLeft, 6990, kValueWidth, kCaptionHeight}, 4},
    {"message", Part::Message, "", {kLeft, kMessageTop, kClientWidth - 2 * kLeft, kMessageHeight}},
    {"apply", Part::Button, kApply, {kClientWidth - 2 * 1695 - 225 - kLeft, kButtonTop, 1695, 495}},
    {"close", Part::Button, kClose, {kClientWidth - 1695 - kLeft, kButtonTop, 1695, 495}},
};

void setColours(QWidget* w, Rgb text, bool marked)
{
    QPalette palette = w->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, qtColour(text));
        palette.setColor(group, QPalette::Text, qtColour(text));
    }
    palette.setColor(QPalette::Base, marked ? qtColour(kMarkedField) : QColor(Qt::white));
    // A list that cannot be typed into has a button's face: white like the fields.
    if (qobject_cast<QComboBox*>(w)) palette.setColor(QPalette::Button, Qt::white);
    w->setPalette(palette);
}

} // namespace

DiskArrayWindow::DiskArrayWindow(DiskArrayForm& form, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      form_(form)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpFixedWindow(*this, qtText(arraytexts::kTitle), kClientWidth, kClientHeight);
    build();
    refresh();
}

void DiskArrayWindow::build()
{
    QWidget* previous = nullptr;
    for (const DialogControl& c : kControls) {
        QWidget* w = nullptr;
        const QString caption = qtText(c.caption);
        switch (c.part) {
        case Part::Heading:
        case Part::Caption:
        case Part::Result:
        case Part::Message: {
            auto* label = new QLabel(caption, this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setFont(qtFont(c.part == Part::Heading   ? kHeadingFont
                                  : c.part == Part::Message ? kMessageFont
                                                            : kCaptionFont));
            setColours(label, c.part == Part::Heading || c.part == Part::Message ? kDarkRed : kBlack, false);
            if (c.part == Part::Result) results_[static_cast<std::size_t>(c.slot)] = label;
            if (c.part == Part::Message) message_ = label;
            if (c.part == Part::Caption) caption_ = label;
            w = label;
            break;
        }
        case Part::Field: {
            auto* edit = new QLineEdit(this);
            edit->setMaxLength(INT_MAX); // a text box takes text of any length
            edit->setFont(qtFont(kFieldFont));
            const auto field = static_cast<ArrayField>(c.slot);
            connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
                form_.edit(field, text.toStdString());
                refresh();
            });
            edit->setToolTip(qtText(arrayFieldRule(field)));
            edit->setAccessibleDescription(edit->toolTip());
            // The caption before the field names it, for the keyboard and for screen readers.
            if (caption_) caption_->setBuddy(edit);
            fields_[static_cast<std::size_t>(c.slot)] = edit;
            w = edit;
            break;
        }
        case Part::List: {
            level_ = new QComboBox(this);
            if (caption_) caption_->setBuddy(level_);
            level_->setEditable(false);
            level_->setFont(qtFont(kFieldFont));
            for (std::string_view entry : kArrayLevelNames) level_->addItem(qtText(entry));
            setColours(level_, kBlack, false);
            connect(level_, &QComboBox::currentIndexChanged, this, [this](int position) {
                form_.selectLevel(position);
                refresh();
            });
            w = level_;
            break;
        }
        case Part::Button: {
            auto* button = new QPushButton(caption, this);
            button->setAutoDefault(false);
            button->setFont(qtFont(kFieldFont));
            if (c.name == "apply") {
                apply_ = button;
                connect(button, &QPushButton::clicked, this, &DiskArrayWindow::apply);
            } else {
                close_ = button;
                connect(button, &QPushButton::clicked, this, &QWidget::close);
            }
            w = button;
            break;
        }
        }
        w->setObjectName(qtText(c.name));
        w->setGeometry(pixelRect(c.place));
        if (w->focusPolicy() != Qt::NoFocus) {
            if (previous) setTabOrder(previous, w);
            previous = w;
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
        setColours(edit, v.bad[i] ? kDarkRed : kBlack, v.bad[i]);
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
