// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "FakePlatform.h"
#include "Program.h"
#include "QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <random>

namespace velmora::testing {
namespace {

template <typename T = QWidget>
T* find(MainWindow& w, const char* name)
{
    return w.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

QString shownText(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    return {};
}

struct Window {
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;

    explicit Window(int height = 1080, QString decimal = ".")
    {
        platform.height = height;
        platform.decimal = std::move(decimal);
        window.reset(new MainWindow(chooseLayout(height), platform));
        window->show();
    }
    MainWindow& operator*() { return *window; }
    MainWindow* operator->() { return window.get(); }
};

TEST(MainWindowWidgets, BothLayoutsHaveExactlyTheirControls)
{
    for (int height : {1080, 768}) {
        Window w(height);
        const WindowDef& table = layoutTable(w->windowLayout());
        int named = 0;
        for (QObject* child : w->children())
            if (child->isWidgetType() && !child->objectName().isEmpty()) ++named;
        EXPECT_EQ(named, height == 1080 ? 66 : 60);
        EXPECT_EQ(w->windowTitle(), "Velmora");
        EXPECT_EQ(w->size(), QSize(twipsToPixels(table.clientWidth), twipsToPixels(table.clientHeight)));
        for (const ControlRow& c : table.controls) {
            const std::string name(c.name);
            QWidget* widget = find(*w, name.c_str());
            ASSERT_NE(widget, nullptr) << name;
            EXPECT_EQ(widget->geometry(),
                      QRect(c.place.left / kTwipsPerPixel, c.place.top / kTwipsPerPixel,
                            c.place.width / kTwipsPerPixel, c.place.height / kTwipsPerPixel))
                << name;
        }
    }
}

struct StartCase {
    const char* name;
    const char* text;
    bool visible;
    bool enabled;
};

TEST(MainWindowWidgets, StartTextsAndStates)
{
    const StartCase cases[] = {
        {"Label37", "Настройки канала", true, true},
        {"Label4", "За                        день:", true, true},
        {"Label16", "  Разрешение:", true, true},
        {"Check1", " Много движения, либо есть помехи на изображении", true, true},
        {"Text1", "1616.01", true, true},
        {"Text2", "1", true, true},
        {"Text3", "30", true, true},
        {"Label18", "0.1241", true, true},
        {"Label43", "1.58", true, true},
        {"Label34", "61.52", true, true},
        {"Label44", "Кодер звука:", true, false},
        {"Command4", "Удалить канал", true, false},
        {"Command5", "Печать..", true, true},
        {"Label1", "Рассчёт относительно установленного битрейта:", false, true},
        {"Label13", "О программе", false, true},
        {"Label36", "Число должно быть целым", false, true},
        {"Label39", "Число должно быть целым", false, true},
    };
    for (int height : {1080, 768}) {
        Window w(height);
        for (const auto& c : cases) {
            QWidget* widget = find(*w, c.name);
            ASSERT_NE(widget, nullptr) << c.name;
            EXPECT_EQ(shownText(widget), QString::fromUtf8(c.text)) << c.name << " " << height;
            EXPECT_EQ(widget->isVisibleTo(w.window.get()), c.visible) << c.name;
            EXPECT_EQ(widget->isEnabled(), c.enabled) << c.name;
        }
        auto* codec = find<QComboBox>(*w, "Combo9");
        EXPECT_FALSE(codec->isEnabled());
        EXPECT_EQ(codec->currentText(), "RAW_PCM(DVR)");
        EXPECT_EQ(find<QComboBox>(*w, "Combo4")->currentText(), "960H(926x576)");
        EXPECT_EQ(find<QComboBox>(*w, "Combo4")->count(), 7);
    }
}

TEST(MainWindowWidgets, CompactWindowLacksTheMinuteAndHourRows)
{
    Window w(949);
    for (const char* name : {"Label3", "Label5", "Label7", "Label10", "Label11", "Label12"})
        EXPECT_EQ(find(*w, name), nullptr) << name;
}

TEST(MainWindowWidgets, ASelectionInTheListReachesTheForm)
{
    Window w;
    find<QComboBox>(*w, "Combo4")->setCurrentIndex(0);
    EXPECT_EQ(find<QLabel>(*w, "cabac")->text(), "IP-камера. CABAC=0 . CALVC вкл.");
    EXPECT_EQ(find<QLabel>(*w, "Label18")->text(), "0.080665");
    EXPECT_EQ(w->form().ch.chresindex[1], 0);
    EXPECT_EQ(find<QLineEdit>(*w, "Text1")->text(), QString::number(w->form().ch.chbitrate[1], 'g', 7));
}

TEST(MainWindowWidgets, TypingIntoTheBitrateFieldEvenTheSameText)
{
    Window w;
    auto* field = find<QLineEdit>(*w, "Text1");
    field->selectAll();
    field->insert(field->text()); // a paste of the same text over it
    EXPECT_EQ(w->form().ch.chmanual[1], kTrue);
    EXPECT_TRUE(find(*w, "Label1")->isVisibleTo(w.window.get()));
    EXPECT_FALSE(find(*w, "Label37")->isEnabled());
}

TEST(MainWindowWidgets, CheckBoxClickEnablesTheCodec)
{
    Window w;
    find<QCheckBox>(*w, "Check2")->click();
    EXPECT_TRUE(find(*w, "Combo9")->isEnabled());
    EXPECT_TRUE(find(*w, "Label44")->isEnabled());
    EXPECT_EQ(find<QLineEdit>(*w, "Text1")->text(), "1744.01");
}

TEST(MainWindowWidgets, ChannelButtons)
{
    Window w;
    find<QPushButton>(*w, "Command3")->click();
    EXPECT_EQ(find<QLabel>(*w, "Label24")->text(), "2");
    EXPECT_EQ(find<QLabel>(*w, "Label23")->text(), "2");
    EXPECT_TRUE(find(*w, "Command4")->isEnabled());
    find<QPushButton>(*w, "Command4")->click();
    EXPECT_EQ(find<QLabel>(*w, "Label24")->text(), "1");
    EXPECT_FALSE(find(*w, "Command4")->isEnabled());
}

void moveOver(QWidget* target, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

TEST(MainWindowWidgets, HoverHintOverThePicture)
{
    Window w;
    QWidget* picture = find(*w, "Image2");
    QWidget* hint = find(*w, "Label13");
    auto* frame = qobject_cast<QLabel*>(picture);
    EXPECT_EQ(frame->frameShadow(), QFrame::Sunken);
    moveOver(picture, {10, 10});
    EXPECT_TRUE(hint->isVisibleTo(w.window.get()));
    EXPECT_EQ(frame->frameShadow(), QFrame::Plain);
    moveOver(find(*w, "Label38"), {2, 2}); // another control: nothing changes
    EXPECT_TRUE(hint->isVisibleTo(w.window.get()));
    moveOver(w.window.get(), {2, 2}); // the bare surface
    EXPECT_FALSE(hint->isVisibleTo(w.window.get()));
    EXPECT_EQ(frame->frameShadow(), QFrame::Sunken);
}

TEST(MainWindowWidgets, FieldHintsFollowClickAndFocus)
{
    Window w;
    QWidget* field = find(*w, "Text2");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), field->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &press);
    EXPECT_TRUE(find(*w, "Label36")->isVisibleTo(w.window.get()));
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(field, &out);
    EXPECT_FALSE(find(*w, "Label36")->isVisibleTo(w.window.get()));
}

TEST(MainWindowWidgets, CopyQuestionAnswered)
{
    for (bool yes : {true, false}) {
        Window w;
        w.platform.answer = yes;
        find<QPushButton>(*w, "Command3")->click();
        find<QComboBox>(*w, "Combo3")->setCurrentIndex(4);
        find<QPushButton>(*w, "Command6")->click();
        ASSERT_EQ(w.platform.questions.size(), 1u);
        EXPECT_EQ(w.platform.questions[0].title, "===========");
        EXPECT_EQ(w.platform.questions[0].text, "Установить настройки данного канала (кроме настроек звука и "
                                                "движения) вместо настроек всех каналов?");
        EXPECT_EQ(w->form().ch.chfpsindex[1], yes ? 4 : 0);
    }
}

// The real question: a modal box titled with eleven equals signs, Yes the
// default, no icon.
TEST(MainWindowWidgets, RealMessageBoxYesAndNo)
{
    for (auto button : {QMessageBox::Yes, QMessageBox::No}) {
        QtPlatform platform;
        QString title;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QAbstractButton* defaultButton = nullptr;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            icon = box->icon();
            defaultButton = box->defaultButton();
            EXPECT_EQ(defaultButton, box->button(QMessageBox::Yes));
            box->button(button)->click();
        });
        const bool answer = platform.askYesNo(nullptr, "===========", "?");
        EXPECT_EQ(answer, button == QMessageBox::Yes);
        EXPECT_EQ(title, "===========");
        EXPECT_EQ(icon, QMessageBox::NoIcon);
    }
}

TEST(MainWindowWidgets, StartupChoosesTheLayoutAndFocusesTheBitrate)
{
    for (int height : {949, 950}) {
        FakePlatform platform;
        platform.height = height;
        MainWindow* w = startProgram(platform);
        EXPECT_EQ(w->windowLayout(), height < 950 ? Layout::Compact : Layout::Tall);
        EXPECT_EQ(w->focusWidget(), w->widget(Ctl::Text1));
        delete w;
    }
}

// The main window keeps its design's order; our own dialogs go through their
// controls as they are seen, top to bottom and left to right.
TEST(MainWindowWidgets, TabGoesThroughTheControlsInTheirOrder)
{
    struct Case {
        const char* window;
        int height;
        const char* order;
    };
    const Case cases[] = {
        {"Main", 1080,
         "Text1 Combo1 Combo2 Combo3 Combo4 Command1 Command2 Command3 Command4 Command5 "
         "Text2 Combo5 Text3 Combo6 Check2 Combo9 Command6 Check1"},
        {"Main", 768,
         "Text1 Combo1 Combo2 Combo3 Combo4 Command1 Command2 Command3 Command4 Command5 "
         "Text2 Combo5 Text3 Combo6 Check2 Combo9 Command6 Check1"},
        {"Form4", 1080, "disks diskSize array spares reserve targetDays inputLimit headroom apply close"},
        {"Form5", 1080, "address chooseFile name password duration fps start cancel apply close"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + std::to_string(c.height));
        Window w(c.height);
        QWidget* window = w.window.get();
        if (std::string_view(c.window) == "Form4") {
            w->showDiskArray();
            window = w->diskArrayWindow();
        } else if (std::string_view(c.window) == "Form5") {
            w->showMeasure();
            window = w->measureDialog();
        }
        ASSERT_NE(window, nullptr);
        QStringList order;
        std::vector<QWidget*> reached;
        // From the first control round the chain, as Tab goes.
        const QString first = QString::fromLatin1(c.order).section(QLatin1Char(' '), 0, 0);
        QWidget* at = window->findChild<QWidget*>(first);
        ASSERT_NE(at, nullptr);
        for (int step = 0; step < 200; ++step, at = at->nextInFocusChain()) {
            if (!at->objectName().isEmpty() && at->parentWidget() == window &&
                (at->focusPolicy() & Qt::TabFocus) && !order.contains(at->objectName())) {
                order << at->objectName();
                reached.push_back(at);
            }
        }
        EXPECT_EQ(order.join(' ').toStdString(), c.order);
        if (window == w.window.get()) continue;
        // As seen: the next control is not above this one, and on the same line it is to the right.
        for (std::size_t i = 1; i < reached.size(); ++i) {
            QWidget* before = reached[i - 1];
            QWidget* next = reached[i];
            if (!before->isVisibleTo(window) || !next->isVisibleTo(window)) continue;
            const QRect a = before->geometry();
            const QRect b = next->geometry();
            const bool sameLine = b.top() < a.bottom() && a.top() < b.bottom();
            EXPECT_TRUE(sameLine ? b.left() > a.left() : b.top() >= a.bottom())
                << before->objectName().toStdString() << " before " << next->objectName().toStdString();
        }
    }
}

TEST(MainWindowWidgets, CommaSeparatorFromThePlatform)
{
    Window w(1080, ",");
    EXPECT_EQ(find<QLineEdit>(*w, "Text1")->text(), "1616,01");
    EXPECT_EQ(find<QLabel>(*w, "Label6")->text(), "16,64");
}

TEST(MainWindowWidgets, AMegabytePasteIsKeptWhole)
{
    Window w;
    auto* field = find<QLineEdit>(*w, "Text2");
    const QString huge(1 << 20, QChar('7'));
    field->selectAll();
    field->insert(huge);
    EXPECT_EQ(field->text().size(), huge.size());
    EXPECT_EQ(find<QLabel>(*w, "Label34")->text(), "Перебор!");
}

// After every user action each widget shows exactly what the form's model
// holds, although the window brings only the changed controls up to date.
TEST(MainWindowWidgets, EveryWidgetFollowsTheModelAfterEachAction)
{
    Window w;
    const auto agrees = [&](int step) {
        for (int i = 0; i < kControlCount; ++i) {
            const Ctl id = static_cast<Ctl>(i);
            QWidget* widget = w->widget(id);
            if (!widget) continue;
            const Control& c = w->form().control(id);
            const std::string name(controlName(id));
            ASSERT_EQ(!widget->isHidden(), c.visible) << name << " after step " << step;
            ASSERT_EQ(widget->isEnabled(), c.enabled) << name << " after step " << step;
            if (auto* list = qobject_cast<QComboBox*>(widget)) {
                ASSERT_EQ(list->currentIndex(), c.index) << name << " after step " << step;
            } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                ASSERT_EQ(box->isChecked(), c.value != 0) << name << " after step " << step;
            } else if (controlKind(id) != Kind::Picture) {
                ASSERT_EQ(shownText(widget).toStdString(), c.text) << name << " after step " << step;
            }
        }
    };
    const char* lists[] = {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6", "Combo9"};
    const char* boxes[] = {"Check1", "Check2"};
    const char* fields[] = {"Text1", "Text2", "Text3"};
    const char* buttons[] = {"Command1", "Command2", "Command3", "Command4", "Command6"};
    const QString texts[] = {"2000", "0", "1E39", "-5", "", "30", "9999999", "1616.01", "abc"};
    w.platform.answer = true;
    std::mt19937 random(11);
    for (int step = 0; step < 400; ++step) {
        const auto pick = [&](auto& from) { return from[random() % std::size(from)]; };
        switch (random() % 4) {
        case 0: {
            auto* list = find<QComboBox>(*w, pick(lists));
            if (list->isEnabled()) list->setCurrentIndex(static_cast<int>(random() % list->count()));
            break;
        }
        case 1:
            if (auto* box = find<QCheckBox>(*w, pick(boxes)); box->isEnabled()) box->click();
            break;
        case 2: {
            auto* field = find<QLineEdit>(*w, pick(fields));
            field->selectAll();
            field->insert(pick(texts));
            break;
        }
        default:
            if (auto* button = find<QPushButton>(*w, pick(buttons)); button->isEnabled()) button->click();
            break;
        }
        agrees(step);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

} // namespace
} // namespace velmora::testing
