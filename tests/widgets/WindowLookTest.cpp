// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"
#include "MainWindow.h"
#include "Pictures.h"
#include "Program.h"
#include "QtPlatform.h"
#include "WindowKit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace velmora::testing {
namespace {

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32);
}

class WindowLookTest : public ::testing::TestWithParam<Layout> {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(GetParam(), platform);
        window->show();
    }
    void TearDown() override
    {
        delete window->reportWindow();
        delete window->aboutWindow();
    }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

// The main window, the report and About carry the drawn camera, not the
// empty icon a window has of its own.
TEST_P(WindowLookTest, EveryWindowCarriesTheCameraIcon)
{
    const QImage camera = iconImage(domeCameraIcon());
    // The main window's icon comes after its first paint.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->windowIcon().isNull(); }));
    window->showReport();
    window->showAbout();
    for (QWidget* w : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(window->reportWindow()),
                       static_cast<QWidget*>(window->aboutWindow())}) {
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->windowIcon().isNull()) << w->objectName().toStdString();
        EXPECT_EQ(iconImage(w->windowIcon()), camera) << w->objectName().toStdString();
    }
}

// A press on the camera picture opens About only when the button comes up over it.
TEST_P(WindowLookTest, ThePictureCountsAReleaseOverItOnly)
{
    QWidget* picture = window->widget(Ctl::Image2);
    const QPoint inside = picture->rect().center();
    for (const QPoint away : {QPoint(-3, inside.y()), QPoint(inside.x(), picture->height() + 2),
                              QPoint(picture->width(), 0), QPoint(-200, -200)}) {
        QTest::mousePress(picture, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(picture, Qt::LeftButton, {}, away);
        EXPECT_EQ(window->aboutWindow(), nullptr) << away.x() << "," << away.y();
    }
    QTest::mousePress(picture, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(0, 0));
    EXPECT_NE(window->aboutWindow(), nullptr);
}

// The lists have a white face like the text boxes, and keep the style's
// arrow and its focus frame.
TEST_P(WindowLookTest, ListsHaveAWhiteFaceWithArrowAndFocus)
{
    QApplication::setActiveWindow(window.get());
    for (Ctl id : {Ctl::Combo1, Ctl::Combo3, Ctl::Combo5}) {
        auto* list = static_cast<QComboBox*>(window->widget(id));
        const std::string name(controlName(id));
        window->widget(Ctl::Text1)->setFocus();
        const QImage plain = list->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Beside the entry's text, left of the arrow.
        const QColor face = plain.pixelColor(list->width() - 20, list->height() / 2);
        EXPECT_GE(face.lightness(), 250) << name << " face " << face.name().toStdString();

        int dark = 0;
        for (int x = list->width() - 14; x < list->width() - 1; ++x)
            for (int y = 2; y < list->height() - 2; ++y) dark += plain.pixelColor(x, y).lightness() < 160;
        EXPECT_GT(dark, 3) << name << ": no arrow";

        // As after Tab: the style frames a list that has the keyboard focus.
        window->setAttribute(Qt::WA_KeyboardFocusChange);
        list->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(list->hasFocus()) << name;
        const QImage focused = list->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_NE(focused, plain) << name << ": no focus look";
    }
}

// On a dark desktop the window keeps its light face: buttons light with black
// text (the arrows black on them), fields white.
TEST_P(WindowLookTest, KeepsItsLightFaceOnADarkDesktop)
{
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        dark.setColor(role, QColor(0x20, 0x20, 0x20));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    QApplication::setPalette(dark);
    // A desktop theme gives buttons a palette of their own, too.
    QApplication::setPalette(dark, "QPushButton");
    MainWindow onDark(GetParam(), platform);
    onDark.show();
    for (Ctl id : {Ctl::Command1, Ctl::Command5, Ctl::Text1, Ctl::Combo4}) {
        const QPalette p = onDark.widget(id)->palette();
        const std::string name(controlName(id));
        EXPECT_GE(p.color(QPalette::Button).lightness(), 200) << name;
        EXPECT_LE(p.color(QPalette::ButtonText).lightness(), 60) << name;
        EXPECT_LE(p.color(QPalette::Text).lightness(), 60) << name;
    }
    const QImage next = onDark.widget(Ctl::Command1)->grab().toImage();
    EXPECT_LE(next.pixelColor(next.width() / 2, next.height() / 2).lightness(), 60) << "the black arrow";

    // Our own dialogs follow the dark desktop, and each of their texts reads
    // on its face: the red headings and message, a refused field, a failure,
    // the chart, the help's links.
    onDark.showDiskArray();
    onDark.showMeasure();
    onDark.showHelp();
    QWidget* array = onDark.diskArrayWindow();
    QWidget* measure = onDark.measureDialog();
    auto* help = onDark.findChild<QTextBrowser*>(QStringLiteral("Help"));
    ASSERT_TRUE(array && measure && help);
    auto* size = array->findChild<QLineEdit*>(QStringLiteral("diskSize"));
    size->selectAll();
    QTest::keyClicks(size, QStringLiteral("abc"));
    EXPECT_NE(size->palette().color(QPalette::Base), dark.color(QPalette::Base)) << "marked";
    measure->findChild<QLineEdit*>(QStringLiteral("address"))->setText(QStringLiteral("rtsp://cam/1"));
    QTest::mouseClick(measure->findChild<QPushButton*>(QStringLiteral("start")),
                      Qt::LeftButton); // no program
    for (QWidget* dialog : {array, measure, static_cast<QWidget*>(help)}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        EXPECT_EQ(dialog->palette().color(QPalette::Window), dark.color(QPalette::Window));
        QList<QWidget*> texts = dialog->findChildren<QWidget*>();
        texts << dialog;
        for (QWidget* w : texts) {
            if (!w->isVisibleTo(dialog) && w != dialog) continue;
            if (!qobject_cast<QLabel*>(w) && !qobject_cast<QLineEdit*>(w) &&
                !qobject_cast<QAbstractButton*>(w) && !qobject_cast<QComboBox*>(w) && w != help)
                continue;
            const QPalette p = w->palette();
            EXPECT_GE(contrastRatio(p.color(w->foregroundRole()), p.color(w->backgroundRole())),
                      kLegibleContrast)
                << w->metaObject()->className() << " " << w->objectName().toStdString();
        }
    }
    EXPECT_GE(contrastRatio(help->palette().color(QPalette::Link), help->palette().color(QPalette::Base)),
              kLegibleContrast);
    auto* chart = measure->findChild<QWidget*>(QStringLiteral("chart"));
    const QImage drawn = chart->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(3, drawn.height() - 3), dark.color(QPalette::Base)) << "the chart's face";
    delete array;
    delete measure;
    delete help;
    QApplication::setPalette(desktop, "QPushButton");
    QApplication::setPalette(desktop);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, WindowLookTest, ::testing::Values(Layout::Tall, Layout::Compact),
                         [](const auto& info) { return info.param == Layout::Tall ? "Tall" : "Compact"; });

// The program speaks Russian in Qt's own texts too: the copy question says "Да" and "Нет".
TEST(QtTexts, MessageBoxesSayDaAndNet)
{
    FakePlatform fake;
    std::unique_ptr<MainWindow> window(startProgram(fake));
    QString yes;
    QString no;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        yes = box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&'));
        no = box->button(QMessageBox::No)->text().remove(QLatin1Char('&'));
        box->button(QMessageBox::No)->click();
    });
    QtPlatform platform;
    platform.askYesNo(window.get(), QStringLiteral("==========="), QStringLiteral("?"));
    EXPECT_EQ(yes, QStringLiteral("Да"));
    EXPECT_EQ(no, QStringLiteral("Нет"));
}

} // namespace
} // namespace velmora::testing
