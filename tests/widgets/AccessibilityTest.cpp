// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"
#include "MainWindow.h"
#include "Program.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Every window as a screen reader sees it, on the offscreen platform: each
// control a user works has a name, the keyboard reaches each of them, and the
// main window's figures are read with what they mean.
namespace velmora::testing {
namespace {

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::CheckBox:
    case QAccessible::PushButton: return true;
    default: return false;
    }
}

// Walks the accessible tree under `root`, calling `visit` for each element.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit)
{
    if (!root) return;
    visit(root);
    for (int i = 0; i < root->childCount(); ++i) walk(root->child(i), visit);
}

// The widgets Tab and Shift+Tab reach, following the window's focus chain.
QSet<QWidget*> focusChain(QWidget* window)
{
    QSet<QWidget*> reached;
    QWidget* w = window;
    do {
        if (w->focusPolicy() & Qt::TabFocus) reached.insert(w);
        w = w->nextInFocusChain();
    } while (w && w != window);
    return reached;
}

void checkWindow(QWidget* window)
{
    ASSERT_NE(window, nullptr);
    SCOPED_TRACE(window->objectName().toStdString());
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    ASSERT_NE(root, nullptr);
    EXPECT_FALSE(root->text(QAccessible::Name).isEmpty()) << "the window has a title";
    const QSet<QWidget*> reached = focusChain(window);
    int interactive = 0;
    walk(root, [&](QAccessibleInterface* element) {
        if (!isInteractive(element->role()) || element->state().invisible) return;
        auto* w = qobject_cast<QWidget*>(element->object());
        if (!w || w->window() != window) return; // a list's popup belongs to the list
        ++interactive;
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_FALSE(element->text(QAccessible::Name).trimmed().isEmpty()) << "no accessible name";
        EXPECT_TRUE(reached.contains(w)) << "the keyboard does not reach it";
    });
    EXPECT_GT(interactive, 0);
}

TEST(Accessibility, EveryWindowNamesAndReachesItsControls)
{
    for (int height : {1080, 768}) {
        SCOPED_TRACE(height);
        FakePlatform platform;
        platform.height = height;
        std::unique_ptr<MainWindow> main(startProgram(platform));
        main->showReport();
        main->showAbout();
        main->showDiskArray();
        for (QWidget* window :
             {static_cast<QWidget*>(main.get()), static_cast<QWidget*>(main->reportWindow()),
              static_cast<QWidget*>(main->diskArrayWindow())})
            checkWindow(window);
        // The About window has no control to tab to; its link is read by its text.
        QAccessibleInterface* about = QAccessible::queryAccessibleInterface(main->aboutWindow());
        ASSERT_NE(about, nullptr);
        int named = 0;
        walk(about,
             [&](QAccessibleInterface* element) { named += !element->text(QAccessible::Name).isEmpty(); });
        EXPECT_GT(named, 1);
        delete main->reportWindow();
        delete main->aboutWindow();
        delete main->diskArrayWindow();
    }
}

struct NameCase {
    Ctl id;
    const char* name;
};

TEST(Accessibility, PictureButtonsAndPictureSayWhatTheyDo)
{
    FakePlatform platform;
    std::unique_ptr<MainWindow> main(startProgram(platform));
    const NameCase cases[] = {
        {Ctl::Command2, "Предыдущий канал"},
        {Ctl::Command1, "Следующий канал"},
        {Ctl::Image2, "О программе"},
        {Ctl::Text1, "Скорость потока, Кбит/с"},
        {Ctl::Check2, "Звук"},
    };
    for (const NameCase& c : cases) {
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(main->widget(c.id));
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->text(QAccessible::Name).toStdString(), c.name);
    }
    // Lists and fields are labelled by their captions (on Linux a list's name is its entry).
    const struct {
        Ctl control;
        Ctl caption;
    } captions[] = {{Ctl::Combo6, Ctl::Label40}, {Ctl::Combo1, Ctl::Label4}, {Ctl::Text2, Ctl::Label31}};
    for (const auto& c : captions) {
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(main->widget(c.control));
        ASSERT_NE(element, nullptr);
        bool labelled = false;
        for (const auto& [other, relation] : element->relations(QAccessible::Label))
            labelled = labelled || other->object() == main->widget(c.caption);
        EXPECT_TRUE(labelled) << controlName(c.control);
    }
}

struct FigureCase {
    Ctl id;
    const char* name;
    Ctl unit; // Ctl::Count: none
};

// A figure is read as what it means, the text shown and its unit; its value
// follows the window as the figures change.
TEST(Accessibility, FiguresAreReadWithWhatTheyMean)
{
    FakePlatform platform;
    std::unique_ptr<MainWindow> main(startProgram(platform));
    const FigureCase cases[] = {
        {Ctl::Label26, "Общий объём архива за день", Ctl::Label28},
        {Ctl::Label29, "Общий объём архива за период", Ctl::Label30},
        {Ctl::Label43, "Суммарная скорость потока", Ctl::Label45},
        {Ctl::Label34, "HDD хватит на", Ctl::Label35},
        {Ctl::Label6, "Объём архива канала за день", Ctl::Label8},
        {Ctl::Label18, "Бит на пиксел", Ctl::Count},
        {Ctl::Label24, "Всего каналов", Ctl::Count},
    };
    auto check = [&] {
        for (const FigureCase& c : cases) {
            SCOPED_TRACE(c.name);
            auto* label = qobject_cast<QLabel*>(main->widget(c.id));
            ASSERT_NE(label, nullptr);
            QAccessibleInterface* element = QAccessible::queryAccessibleInterface(label);
            ASSERT_NE(element, nullptr);
            EXPECT_FALSE(label->text().isEmpty());
            EXPECT_EQ(element->text(QAccessible::Value), label->text());
            // The name says the meaning, the figure and its unit: a reader over AT-SPI reads only the name.
            QString name = QString::fromUtf8(c.name) + QStringLiteral(": ") + label->text();
            if (c.unit != Ctl::Count) {
                const QString unit = qobject_cast<QLabel*>(main->widget(c.unit))->text().trimmed();
                EXPECT_EQ(element->text(QAccessible::Description), unit);
                name += QLatin1Char(' ') + unit;
            }
            EXPECT_EQ(element->text(QAccessible::Name), name);
        }
    };
    check();
    auto* bitrate = qobject_cast<QLineEdit*>(main->widget(Ctl::Text1));
    ASSERT_NE(bitrate, nullptr);
    bitrate->setText(QStringLiteral("9000"));
    emit bitrate->textEdited(bitrate->text());
    check();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(main->widget(Ctl::Label26))->text(QAccessible::Value),
              qobject_cast<QLabel*>(main->widget(Ctl::Label26))->text());
}

} // namespace
} // namespace velmora::testing
