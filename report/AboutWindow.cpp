#include "AboutWindow.h"

#include "AboutPictures.h"
#include "Maker.h"
#include "Platform.h"
#include "WindowKit.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include <string>
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

enum class AboutKind { Picture, Text, Link };

struct AboutControl {
    std::string_view name;
    AboutKind kind;
    TwipRect place;
    QPixmap (*picture)(qreal scale) = nullptr;
    std::string_view text = {};
    std::string_view textEnd = {};
};

// In the window's order; later controls lie above earlier ones.
const AboutControl kControls[] = {
    {"Image3", AboutKind::Picture, {0, 0, 4200, 1920}, makerLogo},
    {"Image1", AboutKind::Picture, {7080, 0, 3000, 3000}, productPicture1},
    {"Label1", AboutKind::Text, {120, 1920, 7455, 1335}, nullptr, kText1},
    {"Label5", AboutKind::Text, {120, 2880, 7815, 1215}, nullptr, kText2},
    {"Image4", AboutKind::Picture, {7800, 3240, 2550, 1590}, productPicture2},
    {"Label4", AboutKind::Text, {120, 4080, 7215, 1695}, nullptr, kText3},
    {"Image2", AboutKind::Picture, {7560, 4920, 3000, 3000}, productPicture3},
    {"Label3", AboutKind::Text, {120, 5640, 7335, 1815}, nullptr, kText4Start, kMakerHost},
    {"Label2", AboutKind::Link, {2520, 7200, 1935, 615}, nullptr, kLinkText},
};

QLabel* makeControl(const AboutControl& control, QWidget* window)
{
    auto* label = new QLabel(window);
    if (control.kind == AboutKind::Picture) {
        // At its own size in the top-left corner of its box, never stretched.
        label->setPixmap(control.picture(window->devicePixelRatioF()));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    label->setTextFormat(Qt::PlainText); // "<<битрейт>>" is text, not markup
    label->setText(qtText(control.text) + qtText(control.textEnd));
    label->setWordWrap(true);
    label->setFont(qtFont(kTextFont));
    if (control.kind == AboutKind::Text) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, qtColour(kOrange));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

AboutWindow::AboutWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpFixedWindow(*this, qtText("О программе"), kClientWidth, kClientHeight);

    for (const AboutControl& control : kControls) {
        QLabel* label = makeControl(control, this);
        label->setObjectName(qtText(control.name));
        label->setGeometry(pixelRect(control.place));
        if (control.kind == AboutKind::Link) link_ = label;
    }
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
