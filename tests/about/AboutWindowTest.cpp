// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindow.h"
#include "FakePlatform.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace velmora {
namespace {

QLabel* label(const QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromUtf8(name));
}

void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF inside(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, button, button, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

TEST(AboutWindow, TextsAsTheUserReadsThem)
{
    FakePlatform platform;
    const AboutWindow window(platform);
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"Label1", "     Эта программа создана для расчёта трафика и обьёма памяти, который нужно выделить "
                   "определённой системе видеонаблюдения. Расчёт опирается на статистику бит/пиксел. "},
        {"Label5", "      Также вычисление объёма памяти может проводиться по установленной фиксированной "
                   "скорости потока. Для этого нужно изменить значение поля <<битрейт>> вручную. Чтобы "
                   "обратно вернуться в расчёт по настройкам кодека, измените какой-нибудь из параметров "
                   "кодирования."},
        {"Label4", "       Во многих IP-видеокамерах, в том числе и в камерах KELDAR, для VBR-битрейта тоже "
                   "существует ограничение (по-умолчанию - 8 Мбит), это нужно учитывать при рассчётах: для "
                   "случая, когда скорость потока превышает ограничение, нужно либо повысить значение "
                   "ограничения, либо считать поток как фиксированный и равный этому значению."},
        {"Label3", "      Программа создана специалистами компании KELDAR,специализирующейся на производстве "
                   "оборудования для систем видеонаблюдения (аналоговые и IP видеокамеры, видеорегистраторы, "
                   "приёмопередатчики, источники питания, разъемы и т.д.). С полным перечнем поставляемого "
                   "оборудования можно ознакомиться на сайте www.keldar.example"},
        {"Label2", "Посетить сайт компании KELDAR"},
    };
    for (const Case& c : cases) {
        const QLabel* text = label(window, c.name);
        ASSERT_NE(text, nullptr) << c.name;
        EXPECT_EQ(text->text(), QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(text->textFormat(), Qt::PlainText) << c.name;
        EXPECT_TRUE(text->wordWrap()) << c.name;
        EXPECT_TRUE(text->font().bold()) << c.name;
        EXPECT_DOUBLE_EQ(text->font().pointSizeF(), 9.75) << c.name;
    }
}

TEST(AboutWindow, PicturesAtTheirOwnSizeInTheirBoxes)
{
    FakePlatform platform;
    const AboutWindow window(platform);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(window.size(), QSize(690, 535));
    struct Case {
        const char* name;
        QRect box;
        QSize picture;
    };
    const Case cases[] = {
        {"Image3", {0, 0, 280, 128}, {280, 128}},
        {"Image1", {472, 0, 200, 200}, {200, 200}},
        {"Image4", {520, 216, 170, 106}, {170, 106}},
        {"Image2", {504, 328, 200, 200}, {200, 200}},
    };
    for (const Case& c : cases) {
        const QLabel* image = label(window, c.name);
        ASSERT_NE(image, nullptr) << c.name;
        EXPECT_EQ(image->geometry(), c.box) << c.name;
        EXPECT_EQ(image->pixmap().size(), c.picture) << c.name;
        EXPECT_FALSE(image->hasScaledContents()) << c.name;
    }
    const QLabel* link = label(window, "Label2");
    EXPECT_EQ(link->geometry(), QRect(168, 480, 129, 41));
    EXPECT_TRUE(link->autoFillBackground());
    EXPECT_EQ(link->palette().color(QPalette::Window), QColor(255, 128, 0));
    EXPECT_EQ(link->frameShape(), QFrame::Box);
}

TEST(AboutWindow, EveryClickOnTheLinkOpensTheSite)
{
    FakePlatform platform;
    AboutWindow window(platform);
    window.show();
    QLabel* link = label(window, "Label2");

    click(link, Qt::RightButton);
    EXPECT_TRUE(platform.opened.empty());

    click(link);
    click(link);
    ASSERT_EQ(platform.opened.size(), 2u);
    for (const QUrl& url : platform.opened) {
        EXPECT_EQ(url.toString(), QStringLiteral("https://www.keldar.example/"));
    }
    EXPECT_TRUE(window.isVisible());
}

} // namespace
} // namespace velmora
