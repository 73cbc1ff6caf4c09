// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindow.h"

#include "AboutPictures.h"
#include "Maker.h"
#include "Platform.h"
#include "WindowBuilder.h"
#include "WindowKit.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <string_view>

namespace velmora {

namespace {

constexpr int kClientWidth = 10350; // twips
constexpr int kClientHeight = 8025; // twips
constexpr FontDef kTextFont{.family = "Arial", .points = 9.75, .bold = true};

constexpr std::string_view kText1 =
    "     Эта программа создана для расчёта трафика и обьёма памяти, который нужно выделить определённой "
    "системе видеонаблюдения. Расчёт опирается на статистику бит/пиксел. ";
constexpr std::string_view kText2 =
    "      Также вычисление объёма памяти может проводиться по установленной фиксированной скорости потока. "
    "Для этого нужно изменить значение поля <<битрейт>> вручную. Чтобы обратно вернуться в расчёт по "
    "настройкам кодека, измените какой-нибудь из параметров кодирования.";
constexpr std::string_view kText3 =
    "       Во многих IP-видеокамерах, в том числе и в камерах KELDAR, для VBR-битрейта тоже существует "
    "ограничение (по-умолчанию - 8 Мбит), это нужно учитывать при рассчётах: для случая, когда скорость "
    "потока превышает ограничение, нужно либо повысить значение ограничения, либо считать поток как "
    "фиксированный и равный этому значению.";
// Followed directly by the web site's host name.
constexpr std::string_view kText4Start =
    "      Программа создана специалистами компании KELDAR,специализирующейся на производстве оборудования "
    "для систем видеонаблюдения (аналоговые и IP видеокамеры, видеорегистраторы, приёмопередатчики, "
    "источники питания, разъемы и т.д.). С полным перечнем поставляемого оборудования можно ознакомиться "
    "на сайте ";
constexpr std::string_view kLinkText = "Посетить сайт компании KELDAR";

// The last text ends with the web site's host name.
constexpr auto kText4Chars = [] {
    std::array<char, kText4Start.size() + kMakerHost.size()> chars{};
    std::copy(kText4Start.begin(), kText4Start.end(), chars.begin());
    std::copy(kMakerHost.begin(), kMakerHost.end(), chars.begin() + kText4Start.size());
    return chars;
}();
constexpr std::string_view kText4{kText4Chars.data(), kText4Chars.size()};

constexpr ControlRow picture(std::string_view name, TwipRect place, PictureFunction draw)
{
    return {.name = name, .kind = ControlKind::Picture, .place = place, .picture = draw};
}

constexpr ControlRow text(std::string_view name, TwipRect place, std::string_view caption)
{
    return {.name = name, .caption = caption, .place = place, .font = kTextFont};
}

// In the window's order; later controls lie above earlier ones.
constexpr ControlRow kControls[] = {
    picture("Image3", {0, 0, 4200, 1920}, makerLogo),
    picture("Image1", {7080, 0, 3000, 3000}, productPicture1),
    text("Label1", {120, 1920, 7455, 1335}, kText1),
    text("Label5", {120, 2880, 7815, 1215}, kText2),
    picture("Image4", {7800, 3240, 2550, 1590}, productPicture2),
    text("Label4", {120, 4080, 7215, 1695}, kText3),
    picture("Image2", {7560, 4920, 3000, 3000}, productPicture3),
    text("Label3", {120, 5640, 7335, 1815}, kText4),
    {.name = "Label2",
     .caption = kLinkText,
     .place = {2520, 7200, 1935, 615},
     .font = kTextFont,
     .align = Align::Centre,
     .background = kOrange},
};
constexpr std::size_t kLink = std::size(kControls) - 1;

} // namespace

AboutWindow::AboutWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpFixedWindow(*this, qtText("О программе"), kClientWidth, kClientHeight);

    link_ = static_cast<QLabel*>(buildControls(*this, kControls)[kLink]);
    link_->setFrameStyle(QFrame::Box | QFrame::Plain);
    link_->setLineWidth(1);
    link_->setCursor(Qt::PointingHandCursor);
    link_->installEventFilter(this);
}

void AboutWindow::Label2_Click()
{
    platform_.openUrl(QUrl(qtText(kMakerUrl)));
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A click is a left-button release over the link.
    if (watched == link_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && link_->rect().contains(mouse->position().toPoint())) {
            Label2_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
