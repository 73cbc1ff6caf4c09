// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"
#include "MainWindow.h"
#include "Program.h"
#include "ReportWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>

namespace velmora::testing {
namespace {

struct Window {
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;

    explicit Window(int height = 1080)
    {
        platform.height = height;
        window = std::make_unique<MainWindow>(chooseLayout(height), platform);
        window->show();
    }
    MainWindow* operator->() { return window.get(); }
};

// A right click (or the menu key) as the desktop delivers it: to the widget
// under the pointer, passed on to its parents while nobody takes it.
void rightClick(QWidget* receiver, QPoint at, QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse)
{
    QContextMenuEvent event(reason, at, receiver->mapToGlobal(at));
    QApplication::sendEvent(receiver, &event);
}

QAction* entry(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text().remove(QLatin1Char('&')) == text) return action;
    return nullptr;
}

TEST(ContextMenu, OpensOnTheBareSurfaceLabelsAndLinesOnly)
{
    struct Case {
        const char* where; // a control's name, "" for the bare surface
        QPoint at;         // in the window, for the bare surface
        bool opens;
    };
    const Case cases[] = {
        {"", QPoint(2, 2), true}, // the top-left corner
        {"Label26", {}, true},    // a result label
        {"Label37", {}, true},    // a caption
        {"Text1", {}, false},     // a text box keeps its own menu
        {"Combo4", {}, false},    {"Check1", {}, false}, {"Command5", {}, false},
    };
    for (int height : {1080, 768}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.where) + " at height " + std::to_string(height));
            Window w(height);
            QMenu* menu = w->contextMenu();
            ASSERT_NE(menu, nullptr);
            if (*c.where) {
                QWidget* target = w->findChild<QWidget*>(QString::fromLatin1(c.where));
                ASSERT_NE(target, nullptr);
                rightClick(target, QPoint(target->width() / 2, target->height() / 2));
            } else {
                rightClick(w.window.get(), c.at);
            }
            // The call came back: the menu is a popup, not a nested loop.
            EXPECT_EQ(menu->isVisible(), c.opens);
            menu->hide();
        }
    }
}

// The Menu key and Shift+F10 open the window's menu from any control; a text
// box keeps its own.
TEST(ContextMenu, TheKeyboardOpensItFromAnyControlButATextBox)
{
    const struct {
        const char* focus;
        bool shiftF10;
        bool opens;
    } cases[] = {
        {"Combo6", false, true}, {"Command5", false, true}, {"Check1", true, true},
        {"Combo4", true, true},  {"Text1", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.focus) + (c.shiftF10 ? " with Shift+F10" : " with the Menu key"));
        Window w;
        QApplication::setActiveWindow(w.window.get()); // shortcuts work in the active window
        QWidget* control = w->findChild<QWidget*>(QString::fromLatin1(c.focus));
        ASSERT_NE(control, nullptr);
        control->setFocus();
        if (c.shiftF10)
            QTest::keyClick(control, Qt::Key_F10, Qt::ShiftModifier);
        else
            rightClick(control, QPoint(1, 1), QContextMenuEvent::Keyboard);
        EXPECT_EQ(w->contextMenu()->isVisible(), c.opens);
        w->contextMenu()->hide();
        for (QMenu* own : control->findChildren<QMenu*>()) own->close();
    }
}

// F1 opens the manual, whose page is built in.
TEST(ContextMenu, F1OpensTheHelp)
{
    Window w;
    QApplication::setActiveWindow(w.window.get()); // shortcuts work in the active window
    QTest::keyClick(w.window.get(), Qt::Key_F1);
    auto* help = w->findChild<QTextBrowser*>(QStringLiteral("Help"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("Дисковый массив"))) << "the bundled page";
}

TEST(ContextMenu, SavesTheReportPageAsPdf)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char* name;
        QString path; // the file dialog's answer
        bool written;
        size_t notices;
    };
    const Case cases[] = {
        {"cancelled", QString(), false, 0},
        {"saved", dir.filePath("page.pdf"), true, 0},
        {"into a missing folder", dir.filePath("missing/page.pdf"), false, 1},
        {"onto a folder", dir.path(), false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        w.platform.savePath = c.path;
        QAction* save = entry(w->contextMenu(), QStringLiteral("Сохранить отчёт в PDF…"));
        ASSERT_NE(save, nullptr);
        save->trigger();
        ASSERT_EQ(w.platform.saveDialogs.size(), 1u);
        EXPECT_EQ(w.platform.notices.size(), c.notices);
        if (!c.path.isEmpty() && c.path != dir.path()) {
            QFile pdf(c.path);
            EXPECT_EQ(pdf.exists(), c.written);
            if (c.written && pdf.open(QIODevice::ReadOnly)) {
                EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
            }
        }
        // Saving a page opens no window.
        EXPECT_EQ(w->reportWindow(), nullptr);
    }
}

// "Недавние планы": the last five saved, newest first, an "&" in a name shown
// as it is; a plan gone since is dropped with a word, not opened.
TEST(ContextMenu, RecentPlansKeepTheLastFive)
{
    QTemporaryDir dir;
    Window w;
    QAction* saveAs = entry(w->contextMenu(), QStringLiteral("Сохранить план как…"));
    ASSERT_NE(saveAs, nullptr);
    for (const char* name : {"1", "2", "3", "4", "5", "склад & двор"}) {
        w.platform.savePath = dir.filePath(QString::fromUtf8(name) + ".velmora");
        saveAs->trigger();
    }
    QMenu* recent = entry(w->contextMenu(), QStringLiteral("Недавние планы"))->menu();
    ASSERT_NE(recent, nullptr);
    const auto shown = [recent] {
        emit recent->aboutToShow();
        QStringList texts;
        for (const QAction* a : recent->actions()) texts << a->text();
        return texts;
    };
    EXPECT_EQ(shown(), QStringList({"&1 склад && двор.velmora", "&2 5.velmora", "&3 4.velmora",
                                    "&4 3.velmora", "&5 2.velmora"}));
    ASSERT_TRUE(QFile::remove(dir.filePath("4.velmora")));
    recent->actions().at(2)->trigger();
    ASSERT_EQ(w.platform.notices.size(), 1u);
    EXPECT_EQ(w.platform.notices[0].text,
              "Плана «" + dir.filePath("4.velmora") + "» больше нет; он убран из списка.");
    EXPECT_EQ(shown().size(), 4);
    EXPECT_TRUE(w.platform.openedPlans.empty());
}

TEST(ContextMenu, TheReportSavesItsPageWithTheNotes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Window w;
    w->showReport();
    ReportWindow* report = w->reportWindow();
    ASSERT_NE(report, nullptr);
    report->setNotes(QStringLiteral("Объект: склад"));
    // A right click on the report's surface opens its menu; the notes box keeps its own.
    QContextMenuEvent onSurface(QContextMenuEvent::Mouse, QPoint(3, 3), report->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(report, &onSurface);
    EXPECT_TRUE(report->contextMenu()->isVisible());
    report->contextMenu()->hide();

    w.platform.savePath = dir.filePath("report.pdf");
    ASSERT_EQ(report->contextMenu()->actions().size(), 1);
    report->contextMenu()->actions().front()->trigger();
    QFile pdf(w.platform.savePath);
    EXPECT_TRUE(pdf.exists());
    EXPECT_TRUE(w.platform.notices.empty());
    // The window is as it was: button shown, notes kept.
    EXPECT_TRUE(report->findChild<QWidget*>(QStringLiteral("Command1"))->isVisible());
    EXPECT_EQ(report->notes(), QStringLiteral("Объект: склад"));
    // Closing the report keeps the notes: they are the plan's, and the next report shows them.
    report->close();
    delete report;
    w->showReport();
    ASSERT_NE(w->reportWindow(), nullptr);
    EXPECT_EQ(w->reportWindow()->notes(), QStringLiteral("Объект: склад"));
}

// A text box keeps Qt's own menu, in Russian: Qt's texts are read from their
// file when first asked for, not at start-up, and still arrive.
TEST(ContextMenu, TheTextBoxMenuSpeaksRussian)
{
    if (!loadQtTranslations()) GTEST_SKIP() << "Qt's Russian texts are not installed (qt6-translations-l10n)";
    Window w;
    auto* text = w->findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(text, nullptr);
    std::unique_ptr<QMenu> menu(text->createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            entries << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    const QStringList english = {"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All"};
    for (const QString& word : english) EXPECT_FALSE(entries.contains(word)) << word.toStdString();
    EXPECT_TRUE(entries.contains(QStringLiteral("&Копировать"))) << entries.join(' ').toStdString();
}

} // namespace
} // namespace velmora::testing
