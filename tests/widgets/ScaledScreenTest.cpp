// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "Program.h"
#include "QtPlatform.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>

// Run by ctest once per screen and scaling (QT_SCALE_FACTOR and an offscreen
// screen of the given device size); the expected logical height comes in
// VELMORA_EXPECT_HEIGHT.
namespace velmora::testing {
namespace {

TEST(ScaledScreen, LayoutFollowsTheLogicalHeightAndTheWindowFitsSharp)
{
    const int expectedHeight = qEnvironmentVariableIntValue("VELMORA_EXPECT_HEIGHT");
    if (expectedHeight == 0) GTEST_SKIP() << "run by ctest with a scaled screen";
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();

    QtPlatform platform;
    ASSERT_EQ(platform.screenHeight(), expectedHeight);
    std::unique_ptr<MainWindow> window(startProgram(platform));
    EXPECT_EQ(window->windowLayout(), expectedHeight < 950 ? Layout::Compact : Layout::Tall);

    // Shown whole: the window with its frame lies on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(screen.contains(window->frameGeometry()))
        << window->frameGeometry().height() << " in " << screen.height();

    // The pictures are drawn for the screen's pixels, not scaled up from 1x.
    EXPECT_DOUBLE_EQ(window->devicePixelRatioF(), scale);
    const auto* picture = qobject_cast<QLabel*>(window->widget(Ctl::Image2));
    ASSERT_NE(picture, nullptr);
    EXPECT_DOUBLE_EQ(picture->pixmap().devicePixelRatio(), scale);
    EXPECT_EQ(picture->pixmap().width(), qCeil(170 * scale));
    const auto* next = qobject_cast<QAbstractButton*>(window->widget(Ctl::Command1));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->icon().pixmap(QSize(50, 50), scale).width(), qCeil(50 * scale));
}

} // namespace
} // namespace velmora::testing
