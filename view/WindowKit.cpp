// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowKit.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

bool hasCyrillicFamily(const QString& family)
{
    return QFontDatabase::families(QFontDatabase::Cyrillic).contains(family, Qt::CaseInsensitive);
}

QString installedFamily(const QString& family)
{
    static QHash<QString, QString> resolved;
    if (const auto found = resolved.constFind(family); found != resolved.constEnd()) return *found;

    QString chosen = family;
    if (!hasCyrillicFamily(family)) {
        if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
            chosen = QStringLiteral("Liberation Sans");
        else if (family.compare(QLatin1String("Verdana"), Qt::CaseInsensitive) == 0)
            chosen = QStringLiteral("DejaVu Sans");
    }
    resolved.insert(family, chosen);
    return chosen;
}

} // namespace

namespace {

// The face of the fixed windows' buttons: Qt's classic light grey; a face
// darker than kLightFace is a dark desktop's.
const QColor kButtonFace(0xef, 0xef, 0xef);
constexpr int kLightFace = 160;

} // namespace

void setUpFixedWindow(QWidget& window, const QString& title, int clientWidth, int clientHeight)
{
    window.setWindowTitle(title);
    window.setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    // The style's light palette whatever the desktop's, and where the style's
    // own follows a dark desktop, a light one of the program's: on a dark
    // desktop the buttons would take its dark face and the black arrows vanish.
    QPalette palette = window.style()->standardPalette();
    if (palette.color(QPalette::Button).lightness() < kLightFace) palette = QPalette(kButtonFace, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    // Greyed text keeps the style's grey.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, Qt::black);
    // Every role counts as set here, so that the controls take all of them
    // from the window, over the palettes a desktop theme gives buttons, lists
    // and fields of its own.
    palette.setResolveMask(~QPalette::ResolveMask(0));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void setUpFixedDialog(QWidget& window, const QString& title, int clientWidth, int clientHeight)
{
    window.setWindowTitle(title);
    window.setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
}

QPoint centredPosition(QSize size, const QRect& over, const QRect& screen)
{
    int x = over.x() + (over.width() - size.width()) / 2;
    int y = over.y() + (over.height() - size.height()) / 2;
    x = std::max(std::min(x, screen.x() + screen.width() - size.width()), screen.x());
    y = std::max(std::min(y, screen.y() + screen.height() - size.height()), screen.y());
    return {x, y};
}

void placeCentred(QWidget& window, const QWidget* over)
{
    const QScreen* screen = over ? over->screen() : window.screen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    window.move(centredPosition(window.size(), over ? over->frameGeometry() : free, free));
}

void smoothPainting(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont qtFont(const FontDef& named)
{
    if (named.family.empty()) return QFont();
    QFont font(installedFamily(qtText(named.family)));
    font.setPointSizeF(named.points);
    font.setBold(named.bold);
    font.setUnderline(named.underline);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QRect pixelRect(const TwipRect& place)
{
    return QRect(twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
                 twipsToPixels(place.height));
}

QColor qtColour(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

namespace {

// The relative luminance of the accessibility guidelines: sRGB made linear,
// weighted by the eye's sensitivity to red, green and blue.
double luminance(const QColor& c)
{
    constexpr double kKnee = 0.04045;
    constexpr double kLinearSlope = 12.92;
    constexpr double kOffset = 0.055;
    constexpr double kGamma = 2.4;
    constexpr double kRed = 0.2126;
    constexpr double kGreen = 0.7152;
    constexpr double kBlue = 0.0722;
    const auto linear = [&](double channel) {
        return channel <= kKnee ? channel / kLinearSlope
                                : std::pow((channel + kOffset) / (1 + kOffset), kGamma);
    };
    return kRed * linear(c.redF()) + kGreen * linear(c.greenF()) + kBlue * linear(c.blueF());
}

void setTextColour(QWidget& w, const QColor& colour)
{
    QPalette palette = w.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    w.setPalette(palette);
}

// A field marked as refused: its face this much of the way to pure red.
constexpr double kMarkTint = 0.22;

} // namespace

void setTextColour(QWidget& w, Rgb colour)
{
    setTextColour(w, qtColour(colour));
}

QColor blended(const QColor& from, const QColor& to, double share)
{
    const auto part = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return {part(from.red(), to.red()), part(from.green(), to.green()), part(from.blue(), to.blue())};
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    constexpr double kFlare = 0.05;
    return (std::max(la, lb) + kFlare) / (std::min(la, lb) + kFlare);
}

QColor legibleOn(Rgb colour, const QColor& face, double contrast)
{
    return legibleOn(qtColour(colour), face, contrast);
}

QColor legibleOn(const QColor& colour, const QColor& face, double contrast)
{
    QColor c = colour.toRgb();
    // A face of this luminance contrasts as much with black as with white.
    constexpr double kEvenLuminance = 0.179;
    const bool darkFace = luminance(face) < kEvenLuminance;
    // Small steps along the colour's own lightness, hue and saturation kept.
    constexpr int kSteps = 40;
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    c.getHslF(&hue, &saturation, &lightness);
    for (int step = 0; step < kSteps && contrastRatio(c, face) < contrast; ++step) {
        lightness =
            darkFace ? std::min(1.0F, lightness + 1.0F / kSteps) : std::max(0.0F, lightness - 1.0F / kSteps);
        c = QColor::fromHslF(hue, saturation, lightness);
    }
    return c.toRgb();
}

void setLegibleTextColour(QWidget& w, Rgb colour)
{
    setTextColour(w, legibleOn(colour, w.palette().color(w.backgroundRole())));
}

void markField(QWidget& w, bool marked)
{
    w.setPalette(QPalette()); // the palette the field has from its window
    if (!marked) return;
    QPalette palette = w.palette();
    const QColor face = blended(palette.color(QPalette::Base), Qt::red, kMarkTint);
    palette.setColor(QPalette::Base, face);
    w.setPalette(palette);
    setTextColour(w, legibleOn(kDarkRed, face));
}

void setBackground(QWidget& w, Rgb colour)
{
    QPalette palette = w.palette();
    palette.setColor(QPalette::Base, qtColour(colour));
    // A label's face is the window colour; a field's frame is drawn from the
    // window colour too, so a field keeps the window's.
    if (qobject_cast<QLabel*>(&w)) palette.setColor(QPalette::Window, qtColour(colour));
    if (qobject_cast<QComboBox*>(&w)) palette.setColor(QPalette::Button, qtColour(colour));
    w.setPalette(palette);
}

QImage canvasImage(int width, int height, qreal scale, const QColor& fill)
{
    constexpr int kOpaque = 255;
    QImage image(qCeil(width * scale), qCeil(height * scale),
                 fill.alpha() == kOpaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

void drawLines(QPainter& painter, std::span<const LineDef> lines)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const LineDef& line : lines) {
        const int x1 = twipsToPixels(line.x1);
        const int y1 = twipsToPixels(line.y1);
        const int x2 = twipsToPixels(line.x2);
        const int y2 = twipsToPixels(line.y2);
        const int width = std::max(line.pixels, 1);
        if (x1 == x2 || y1 == y2) {
            // Straight lines as filled pixels: exact on screen and on paper alike.
            const int left = std::min(x1, x2);
            const int top = std::min(y1, y2);
            const int right = (x1 == x2 ? left + width - 1 : std::max(x1, x2));
            const int bottom = (y1 == y2 ? top + width - 1 : std::max(y1, y2));
            painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), Qt::black);
        } else {
            QPen pen(Qt::black, width, Qt::SolidLine, Qt::SquareCap);
            painter.setPen(pen);
            painter.drawLine(x1, y1, x2, y2);
        }
    }
    painter.restore();
}

} // namespace velmora
