// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"
#include "MainWindow.h"
#include "Program.h"
#include "WindowKit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace velmora::testing {
namespace {

struct PlaceCase {
    const char* what;
    QSize size;
    QRect over;
    QRect screen;
    QPoint expected;
};

TEST(WindowPlacement, CentredOverItsAreaAndKeptOnTheScreen)
{
    const QRect fullHd(0, 0, 1920, 1080);
    const PlaceCase cases[] = {
        {"tall window on a 1080 screen", {587, 683}, fullHd, fullHd, {666, 198}},
        {"compact window at 150 %", {700, 526}, {0, 0, 1280, 720}, {0, 0, 1280, 720}, {290, 97}},
        {"taller than the screen: title bar stays on it",
         {587, 683},
         {0, 0, 800, 600},
         {0, 0, 800, 600},
         {106, 0}},
        {"second screen to the right", {700, 526}, {1920, 0, 1280, 720}, {1920, 0, 1280, 720}, {2210, 97}},
        {"over a window near the right edge", {600, 400}, {1500, 100, 400, 300}, fullHd, {1320, 50}},
        {"over a window partly off the top left", {400, 300}, {-300, -200, 200, 100}, fullHd, {0, 0}},
        {"over a larger window", {200, 100}, {100, 100, 600, 500}, fullHd, {300, 300}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(centredPosition(c.size, c.over, c.screen), c.expected);
    }
}

// The main window opens centred on its screen, the report and About windows
// centred over the main window.
TEST(WindowPlacement, WindowsOpenCentred)
{
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    for (int height : {1080, 768}) {
        SCOPED_TRACE(height);
        FakePlatform platform;
        platform.height = height;
        std::unique_ptr<MainWindow> main(startProgram(platform));
        // Centred within the frame the window system adds (a few pixels).
        const QRect placed = main->geometry();
        EXPECT_LE(std::abs(placed.center().x() - free.center().x()), 4);
        EXPECT_LE(std::abs(placed.center().y() - free.center().y()), 4);
        EXPECT_TRUE(free.contains(main->frameGeometry().topLeft()));

        main->showReport();
        main->showAbout();
        for (QWidget* child :
             {static_cast<QWidget*>(main->reportWindow()), static_cast<QWidget*>(main->aboutWindow())}) {
            ASSERT_NE(child, nullptr);
            SCOPED_TRACE(child->objectName().toStdString());
            const QPoint expected =
                centredPosition(child->frameGeometry().size(), main->frameGeometry(), free);
            EXPECT_LE((child->frameGeometry().topLeft() - expected).manhattanLength(), 4);
        }
        delete main->reportWindow();
        delete main->aboutWindow();
    }
}

// The window system gets the program's icon for every window (the title bar,
// the task switcher; on X11 _NET_WM_ICON). The main window's comes after its
// first paint.
TEST(WindowPlacement, EveryWindowCarriesTheProgramIcon)
{
    FakePlatform platform;
    std::unique_ptr<MainWindow> main(startProgram(platform));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main->windowHandle()->icon().isNull(); }));
    main->showReport();
    main->showAbout();
    for (QWidget* window : {static_cast<QWidget*>(main.get()), static_cast<QWidget*>(main->reportWindow()),
                            static_cast<QWidget*>(main->aboutWindow())}) {
        ASSERT_NE(window, nullptr);
        SCOPED_TRACE(window->objectName().toStdString());
        ASSERT_NE(window->windowHandle(), nullptr);
        EXPECT_FALSE(window->windowHandle()->icon().isNull());
        EXPECT_EQ(window->windowIcon().pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
    }
    delete main->reportWindow();
    delete main->aboutWindow();
}

} // namespace
} // namespace velmora::testing
