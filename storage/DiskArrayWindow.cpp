#include "DiskArrayWindow.h"

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

constexpr int kClientWidth = 7800;  // twips
constexpr int kClientHeight = 8760; // twips
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

constexpr int kFieldLeft = 5040;
constexpr int kFieldWidth = 1095;
constexpr int kFieldHeight = 315;
constexpr int kValueLeft = 3480;

// In the window's order, which is also the order of the Tab key.
constexpr DialogControl kControls[] = {
    {"Label1", Part::Heading, "Диски и массив", {360, 240, 4560, 300}},
    {"Label2", Part::Caption, "Число дисков:", {360, 750, 4560, 375}},
    {"Text1", Part::Field, "", {kFieldLeft, 720, kFieldWidth, kFieldHeight}, 0},
    {"Label3", Part::Caption, "Объём диска по маркировке, ТБ:", {360, 1230, 4560, 375}},
    {"Text2", Part::Field, "", {kFieldLeft, 1200, kFieldWidth, kFieldHeight}, 1},
    {"Label4", Part::Caption, "Массив:", {360, 1710, 4560, 375}},
    {"Combo1", Part::List, "", {kFieldLeft, 1680, 2400, 345}},
    {"Label5", Part::Caption, "Резервных дисков (горячая замена):", {360, 2190, 4560, 375}},
    {"Text3", Part::Field, "", {kFieldLeft, 2160, kFieldWidth, kFieldHeight}, 2},
    {"Label6", Part::Caption, "Запас на форматирование, %:", {360, 2670, 4560, 375}},
    {"Text4", Part::Field, "", {kFieldLeft, 2640, kFieldWidth, kFieldHeight}, 3},
    {"Label7", Part::Heading, "Вход регистратора", {360, 3240, 4560, 300}},
    {"Label8", Part::Caption, "Предел входа, Мбит/с (пусто: без проверки):", {360, 3750, 4560, 375}},
    {"Text5", Part::Field, "", {kFieldLeft, 3720, kFieldWidth, kFieldHeight}, 4},
    {"Label9", Part::Caption, "Запас по входу, %:", {360, 4230, 4560, 375}},
    {"Text6", Part::Field, "", {kFieldLeft, 4200, kFieldWidth, kFieldHeight}, 5},
    {"Label10", Part::Heading, "Результат", {360, 4800, 4560, 300}},
    {"Label11", Part::Caption, "Дисков в массиве:", {360, 5280, 3015, 375}},
    {"Label12", Part::Result, "", {kValueLeft, 5280, 3960, 375}, 0},
    {"Label13", Part::Caption, "Объём по маркировке:", {360, 5640, 3015, 375}},
    {"Label14", Part::Result, "", {kValueLeft, 5640, 3960, 375}, 1},
    {"Label15", Part::Caption, "Полезный объём:", {360, 6000, 3015, 375}},
    {"Label16", Part::Result, "", {kValueLeft, 6000, 3960, 375}, 2},
    {"Label17", Part::Caption, "Глубина архива:", {360, 6360, 3015, 375}},
    {"Label18", Part::Result, "", {kValueLeft, 6360, 3960, 375}, 3},
    {"Label19", Part::Caption, "Нагрузка на вход:", {360, 6720, 3015, 375}},
    {"Label20", Part::Result, "", {kValueLeft, 6720, 3960, 375}, 4},
    {"Label21", Part::Message, "", {360, 7140, 7080, 735}},
    {"Command1", Part::Button, "Применить", {3840, 7980, 1695, 495}},
    {"Command2", Part::Button, "Закрыть", {5760, 7980, 1695, 495}},
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
    setUpFixedWindow(*this, qtText("Дисковый массив"), kClientWidth, kClientHeight);
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
            if (c.name == "Command1") {
                apply_ = button;
                connect(button, &QPushButton::clicked, this, &DiskArrayWindow::Command1_Click);
            } else {
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
    const std::array<const std::string*, kResultCount> results = {&v.disks, &v.raw, &v.usable, &v.depth,
                                                                  &v.load};
    for (std::size_t i = 0; i < results.size(); ++i) results_[i]->setText(qtText(*results[i]));
    message_->setText(qtText(v.message));
    apply_->setEnabled(!v.applyText.empty());
}

void DiskArrayWindow::Command1_Click()
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
