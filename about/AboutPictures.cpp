// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutPictures.h"

#include "WindowKit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

// The pictures are drawn from coordinates and colours, which are the picture
// itself: naming each one would say nothing the drawing does not, and a
// picture reads best as one function from background to highlights.
// NOLINTBEGIN(readability-magic-numbers,readability-function-size)

namespace {

const QColor kNavy(18, 48, 104);
const QColor kOrangeColour = qtColour(kOrange);

QFont brandFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

// The largest pixel size (not above `largest`) at which `text` fits in `width`.
QFont fittedFont(bool bold, const QString& text, qreal width, int largest)
{
    QFont font = brandFont(bold);
    for (int size = largest; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width) break;
    }
    return font;
}

// Opaque canvas with a faint studio backdrop: white in the middle, cool grey at the rim.
QImage studioCanvas(int width, int height, qreal scale)
{
    QImage image = canvasImage(width, height, scale, Qt::white);
    QPainter p(&image);
    QRadialGradient backdrop(QPointF(width * 0.5, height * 0.42), std::max(width, height) * 0.75);
    backdrop.setColorAt(0.0, QColor(255, 255, 255));
    backdrop.setColorAt(0.6, QColor(250, 251, 252));
    backdrop.setColorAt(1.0, QColor(230, 234, 240));
    p.fillRect(QRectF(0, 0, width, height), backdrop);
    return image;
}

// A soft elliptical contact shadow.
void softShadow(QPainter& p, QPointF centre, qreal rx, qreal ry, int alpha)
{
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient shade(QPointF(0, 0), rx);
    shade.setColorAt(0.0, QColor(0, 0, 0, alpha));
    shade.setColorAt(0.55, QColor(0, 0, 0, alpha / 3));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

// A round lens seen face-on (or squeezed by `squeeze` horizontally when seen at an angle).
void paintLens(QPainter& p, QPointF centre, qreal radius, qreal squeeze = 1.0)
{
    p.save();
    p.translate(centre);
    p.scale(squeeze, 1.0);
    QLinearGradient barrel(0, -radius, 0, radius);
    barrel.setColorAt(0.0, QColor(150, 156, 168));
    barrel.setColorAt(0.5, QColor(60, 64, 72));
    barrel.setColorAt(1.0, QColor(120, 126, 138));
    p.setPen(Qt::NoPen);
    p.setBrush(barrel);
    p.drawEllipse(QPointF(0, 0), radius, radius);
    p.setBrush(QColor(12, 13, 16));
    p.drawEllipse(QPointF(0, 0), radius * 0.84, radius * 0.84);
    QRadialGradient glass(QPointF(-radius * 0.2, -radius * 0.25), radius * 0.75);
    glass.setColorAt(0.0, QColor(140, 110, 220));
    glass.setColorAt(0.35, QColor(52, 64, 160));
    glass.setColorAt(0.8, QColor(10, 16, 48));
    glass.setColorAt(1.0, QColor(0, 0, 0));
    p.setBrush(glass);
    p.drawEllipse(QPointF(0, 0), radius * 0.66, radius * 0.66);
    p.setBrush(QColor(0, 0, 0, 200));
    p.drawEllipse(QPointF(0, 0), radius * 0.22, radius * 0.22);
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawEllipse(QPointF(-radius * 0.28, -radius * 0.3), radius * 0.16, radius * 0.11);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(radius * 0.3, radius * 0.32), radius * 0.08, radius * 0.08);
    p.restore();
}

void paintBrandText(QPainter& p, QPointF centre, int pixelSize, const QColor& colour)
{
    QFont font = brandFont(true);
    font.setPixelSize(pixelSize);
    font.setLetterSpacing(QFont::PercentageSpacing, 110);
    const QString name = QStringLiteral("KELDAR");
    const qreal width = QFontMetricsF(font).horizontalAdvance(name);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(centre.x() - width / 2, centre.y() + pixelSize * 0.36), name);
}

} // namespace

QPixmap makerLogo(qreal scale)
{
    QImage image = canvasImage(280, 128, scale, Qt::white);
    QPainter p(&image);
    smoothPainting(p);

    // Emblem: an eye whose iris is a camera lens, inside a navy disc.
    const QPointF c(58, 64);
    QRadialGradient disc(c + QPointF(-14, -18), 62);
    disc.setColorAt(0.0, QColor(52, 102, 184));
    disc.setColorAt(0.6, kNavy);
    disc.setColorAt(1.0, QColor(8, 24, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(c, 46, 46);

    // Orange sweep around the disc, like a scanning arc.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOrangeColour, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 53, c.y() - 53, 106, 106), 20 * 16, 70 * 16);
    p.drawArc(QRectF(c.x() - 53, c.y() - 53, 106, 106), 200 * 16, 70 * 16);

    QPainterPath eye;
    eye.moveTo(c.x() - 38, c.y());
    eye.quadTo(c.x(), c.y() - 36, c.x() + 38, c.y());
    eye.quadTo(c.x(), c.y() + 36, c.x() - 38, c.y());
    eye.closeSubpath();
    QLinearGradient white(0, c.y() - 20, 0, c.y() + 20);
    white.setColorAt(0.0, QColor(255, 255, 255));
    white.setColorAt(1.0, QColor(214, 226, 244));
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(eye);

    QRadialGradient iris(c + QPointF(-4, -5), 20);
    iris.setColorAt(0.0, QColor(255, 190, 90));
    iris.setColorAt(0.6, kOrangeColour);
    iris.setColorAt(1.0, QColor(190, 70, 0));
    p.setBrush(iris);
    p.drawEllipse(c, 17, 17);
    paintLens(p, c, 11);

    // Name, underline and tagline.
    const qreal left = 118;
    const qreal width = 272 - left;
    const QString name = QStringLiteral("KELDAR");
    const QFont nameFont = fittedFont(true, name, width, 60);
    QPainterPath nameText;
    nameText.addText(QPointF(0, 0), nameFont, name);
    const QRectF nameBox = nameText.boundingRect();
    nameText.translate(left - nameBox.left() + (width - nameBox.width()) / 2, 65);
    QLinearGradient nameFill(0, 65 - nameBox.height(), 0, 65);
    nameFill.setColorAt(0.0, QColor(44, 92, 170));
    nameFill.setColorAt(1.0, QColor(10, 30, 76));
    p.setBrush(nameFill);
    p.drawPath(nameText);

    QLinearGradient bar(left, 0, left + width, 0);
    bar.setColorAt(0.0, kOrangeColour);
    bar.setColorAt(1.0, QColor(255, 176, 64));
    p.fillRect(QRectF(left, 72, width, 4), bar);

    const QString tagline = qtText("системы видеонаблюдения");
    const QFont tagFont = fittedFont(false, tagline, width, 16);
    p.setFont(tagFont);
    p.setPen(QColor(70, 76, 88));
    const qreal tagWidth = QFontMetricsF(tagFont).horizontalAdvance(tagline);
    p.drawText(QPointF(left + (width - tagWidth) / 2, 93), tagline);

    p.end();
    return QPixmap::fromImage(image);
}

QPixmap productPicture1(qreal scale)
{
    QImage image = studioCanvas(200, 200, scale);
    QPainter p(&image);
    smoothPainting(p);
    p.translate(0, -12); // the drawing below is laid out a little low
    softShadow(p, QPointF(100, 158), 92, 20, 110);

    // Housing: a short white cylinder.
    const QRectF topFace(20, 110, 160, 44);
    const QRectF bottomRim(20, 128, 160, 44);
    QPainterPath side;
    side.moveTo(20, 132);
    side.arcTo(bottomRim, 180, 180);
    side.lineTo(180, 132);
    side.arcTo(topFace, 0, -180);
    side.closeSubpath();
    QLinearGradient sideFill(20, 0, 180, 0);
    sideFill.setColorAt(0.0, QColor(168, 174, 184));
    sideFill.setColorAt(0.3, QColor(246, 247, 249));
    sideFill.setColorAt(0.7, QColor(214, 218, 225));
    sideFill.setColorAt(1.0, QColor(150, 156, 168));
    p.setPen(QPen(QColor(130, 136, 148), 1));
    p.setBrush(sideFill);
    p.drawPath(side);

    QRadialGradient topFill(QPointF(76, 122), 110);
    topFill.setColorAt(0.0, QColor(255, 255, 255));
    topFill.setColorAt(1.0, QColor(212, 217, 224));
    p.setBrush(topFill);
    p.drawEllipse(topFace);

    // Screw covers on the rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(186, 192, 202));
    p.drawEllipse(QPointF(32, 131), 3, 1.8);
    p.drawEllipse(QPointF(168, 131), 3, 1.8);

    paintBrandText(p, QPointF(100, 163), 9, QColor(120, 128, 140));

    // Dark gasket the dome sits in.
    const QPointF base(100, 128);
    p.setBrush(QColor(46, 50, 58));
    p.drawEllipse(base, 65, 18);

    // The dome.
    QPainterPath dome;
    dome.moveTo(40, base.y());
    dome.arcTo(QRectF(40, base.y() - 68, 120, 136), 180, -180);
    dome.arcTo(QRectF(40, base.y() - 16.5, 120, 33), 0, -180);
    dome.closeSubpath();
    QRadialGradient tint(QPointF(84, 86), 82);
    tint.setColorAt(0.0, QColor(128, 138, 156));
    tint.setColorAt(0.55, QColor(58, 66, 82));
    tint.setColorAt(1.0, QColor(20, 24, 32));
    p.setBrush(tint);
    p.drawPath(dome);

    p.save();
    p.setClipPath(dome);
    // Lens module inside: a dark ball with the lens and a ring of infrared lights.
    QRadialGradient ball(QPointF(90, 96), 40);
    ball.setColorAt(0.0, QColor(86, 90, 100));
    ball.setColorAt(1.0, QColor(8, 9, 12));
    p.setBrush(ball);
    p.drawEllipse(QPointF(100, 110), 35, 35);
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        const QPointF led(98 + 21 * std::cos(a), 106 + 21 * std::sin(a));
        p.setBrush(QColor(92, 24, 28));
        p.drawEllipse(led, 2.6, 2.6);
        p.setBrush(QColor(255, 170, 170, 120));
        p.drawEllipse(led + QPointF(-0.8, -0.8), 0.9, 0.9);
    }
    paintLens(p, QPointF(98, 106), 14);

    // Tinted veil over the works, then the sheen of the plastic.
    p.setBrush(QColor(60, 84, 130, 64));
    p.drawPath(dome);
    QPainterPath sheen;
    sheen.moveTo(50, 122);
    sheen.cubicTo(44, 92, 64, 66, 98, 62);
    sheen.cubicTo(74, 72, 60, 94, 60, 122);
    sheen.closeSubpath();
    QLinearGradient sheenFill(50, 62, 70, 122);
    sheenFill.setColorAt(0.0, QColor(255, 255, 255, 190));
    sheenFill.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.setBrush(sheenFill);
    p.drawPath(sheen);
    p.save();
    p.translate(124, 76);
    p.rotate(35);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(0, 0), 7, 2.6);
    p.restore();
    p.restore();

    p.setPen(QPen(QColor(24, 28, 36), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(dome);

    p.end();
    return QPixmap::fromImage(image);
}

QPixmap productPicture2(qreal scale)
{
    QImage image = studioCanvas(170, 106, scale);
    QPainter p(&image);
    smoothPainting(p);
    softShadow(p, QPointF(86, 88), 84, 9, 120);

    // Box corners: front face, with the top and the right side receding.
    const QPointF depth(12, -16);
    const QRectF front(10, 44, 136, 40);
    const QPointF fl = front.topLeft();
    const QPointF fr = front.topRight();
    const QPointF br = front.bottomRight();
    auto onTop = [&](qreal u, qreal v) { return fl + u * (fr - fl) + v * depth; };

    const QPen edge(QColor(22, 24, 30), 1);

    QPolygonF top;
    top << fl << fr << fr + depth << fl + depth;
    QLinearGradient topFill(0, fl.y() + depth.y(), 0, fl.y());
    topFill.setColorAt(0.0, QColor(112, 118, 130));
    topFill.setColorAt(1.0, QColor(72, 77, 88));
    p.setPen(edge);
    p.setBrush(topFill);
    p.drawPolygon(top);

    // Vent slots across the back of the lid.
    for (int i = 0; i < 16; ++i) {
        const qreal u = 0.5 + i * 0.026;
        p.setPen(QPen(QColor(30, 32, 38), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(onTop(u, 0.3), onTop(u, 0.8));
        p.setPen(QPen(QColor(140, 146, 158, 140), 0.6));
        p.drawLine(onTop(u + 0.008, 0.3), onTop(u + 0.008, 0.8));
    }

    QPolygonF right;
    right << fr << fr + depth << br + depth << br;
    QLinearGradient sideFill(fr.x(), 0, fr.x() + depth.x(), 0);
    sideFill.setColorAt(0.0, QColor(58, 62, 72));
    sideFill.setColorAt(1.0, QColor(36, 39, 46));
    p.setPen(edge);
    p.setBrush(sideFill);
    p.drawPolygon(right);

    // Front panel.
    QLinearGradient panel(0, front.top(), 0, front.bottom());
    panel.setColorAt(0.0, QColor(86, 91, 102));
    panel.setColorAt(0.15, QColor(58, 62, 72));
    panel.setColorAt(1.0, QColor(26, 28, 34));
    p.setBrush(panel);
    p.drawRect(front);
    p.setPen(QPen(QColor(170, 176, 188), 0.8));
    p.drawLine(fl + QPointF(1, 1), fr + QPointF(-1, 1));

    // Name plate.
    QFont font = brandFont(true);
    font.setPixelSize(8);
    font.setLetterSpacing(QFont::PercentageSpacing, 112);
    p.setFont(font);
    p.setPen(QColor(226, 230, 238));
    p.drawText(QPointF(17, 58), QStringLiteral("KELDAR"));

    // Status lights with a little glow.
    const QColor lights[] = {QColor(70, 230, 100), QColor(70, 230, 100), QColor(80, 160, 255),
                             QColor(255, 150, 30)};
    qreal x = 19;
    for (const QColor& colour : lights) {
        QRadialGradient glow(QPointF(x, 70), 4.5);
        QColor halo = colour;
        halo.setAlpha(150);
        glow.setColorAt(0.0, halo);
        glow.setColorAt(1.0, QColor(colour.red(), colour.green(), colour.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(x, 70), 4.5, 4.5);
        p.setBrush(colour.lighter(130));
        p.drawEllipse(QPointF(x, 70), 1.6, 1.6);
        x += 8;
    }

    // Front air intake.
    for (int i = 0; i < 12; ++i) {
        const qreal vx = 60 + i * 3.4;
        p.setPen(QPen(QColor(12, 13, 16), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(vx, 52), QPointF(vx, 76));
        p.setPen(QPen(QColor(110, 116, 128, 150), 0.6));
        p.drawLine(QPointF(vx + 1.1, 52), QPointF(vx + 1.1, 76));
    }

    // Buttons and a USB socket.
    QLinearGradient key(0, 61, 0, 67);
    key.setColorAt(0.0, QColor(190, 196, 206));
    key.setColorAt(1.0, QColor(110, 116, 128));
    p.setPen(QPen(QColor(16, 18, 22), 0.6));
    p.setBrush(key);
    for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(104 + i * 7.5, 61, 6, 6), 1.2, 1.2);
    p.setBrush(QColor(196, 200, 208));
    p.drawRect(QRectF(106, 71, 10, 4.5));
    p.setBrush(QColor(10, 10, 12));
    p.drawRect(QRectF(107.2, 72.2, 7.6, 2.1));

    // Power button with its lit ring.
    QRadialGradient ring(QPointF(136, 66), 7);
    ring.setColorAt(0.55, QColor(80, 170, 255, 220));
    ring.setColorAt(1.0, QColor(80, 170, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(QPointF(136, 66), 7, 7);
    QRadialGradient cap(QPointF(134.8, 64.8), 4.5);
    cap.setColorAt(0.0, QColor(120, 126, 138));
    cap.setColorAt(1.0, QColor(30, 32, 38));
    p.setBrush(cap);
    p.drawEllipse(QPointF(136, 66), 3.8, 3.8);

    // Feet.
    p.setBrush(QColor(16, 17, 20));
    p.drawRoundedRect(QRectF(18, 84, 12, 3), 1, 1);
    p.drawRoundedRect(QRectF(126, 84, 12, 3), 1, 1);

    p.end();
    return QPixmap::fromImage(image);
}

QPixmap productPicture3(qreal scale)
{
    QImage image = studioCanvas(200, 200, scale);
    QPainter p(&image);
    smoothPainting(p);
    softShadow(p, QPointF(118, 172), 60, 12, 120);

    const QPen outline(QColor(118, 124, 136), 1);

    // Round mounting base.
    const QPointF foot(118, 164);
    QPainterPath baseSide;
    baseSide.moveTo(foot.x() - 34, foot.y() - 6);
    baseSide.lineTo(foot.x() - 34, foot.y() + 2);
    baseSide.arcTo(QRectF(foot.x() - 34, foot.y() - 7, 68, 18), 180, 180);
    baseSide.lineTo(foot.x() + 34, foot.y() - 6);
    baseSide.arcTo(QRectF(foot.x() - 34, foot.y() - 15, 68, 18), 0, -180);
    baseSide.closeSubpath();
    QLinearGradient baseFill(foot.x() - 34, 0, foot.x() + 34, 0);
    baseFill.setColorAt(0.0, QColor(170, 176, 186));
    baseFill.setColorAt(0.35, QColor(246, 247, 249));
    baseFill.setColorAt(1.0, QColor(150, 156, 168));
    p.setPen(outline);
    p.setBrush(baseFill);
    p.drawPath(baseSide);
    QRadialGradient baseTop(foot + QPointF(-10, -8), 40);
    baseTop.setColorAt(0.0, QColor(255, 255, 255));
    baseTop.setColorAt(1.0, QColor(214, 219, 226));
    p.setBrush(baseTop);
    p.drawEllipse(QRectF(foot.x() - 34, foot.y() - 15, 68, 18));

    // Neck up to the swivel under the camera.
    QPainterPath neck;
    neck.moveTo(foot.x() - 7, foot.y() - 6);
    neck.lineTo(foot.x() - 5, 114);
    neck.lineTo(foot.x() + 5, 114);
    neck.lineTo(foot.x() + 7, foot.y() - 6);
    neck.closeSubpath();
    QLinearGradient neckFill(foot.x() - 7, 0, foot.x() + 7, 0);
    neckFill.setColorAt(0.0, QColor(200, 205, 212));
    neckFill.setColorAt(0.4, QColor(250, 250, 252));
    neckFill.setColorAt(1.0, QColor(140, 146, 158));
    p.setBrush(neckFill);
    p.drawPath(neck);

    // The camera, pointing down and to the left, front turned towards the viewer.
    p.save();
    p.translate(100, 88);
    p.rotate(-15);

    // Cable tail with a network plug.
    QPainterPath cable;
    cable.moveTo(50, 6);
    cable.cubicTo(70, 10, 76, 30, 66, 48);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(36, 38, 44), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.save();
    p.translate(66, 48);
    p.rotate(115);
    p.setPen(QPen(QColor(120, 130, 140), 0.8));
    p.setBrush(QColor(200, 214, 224, 220));
    p.drawRoundedRect(QRectF(-1, -4, 12, 8), 1.5, 1.5);
    p.restore();

    // Body: a cylinder whose rear end shows as a half ellipse.
    const qreal r = 24;
    const qreal frontX = -60;
    const qreal backX = 46;
    QPainterPath body;
    body.moveTo(frontX, -r);
    body.lineTo(backX, -r);
    body.arcTo(QRectF(backX - 11, -r, 22, 2 * r), 90, -180);
    body.lineTo(frontX, r);
    body.closeSubpath();
    QLinearGradient bodyFill(0, -r, 0, r);
    bodyFill.setColorAt(0.0, QColor(196, 201, 209));
    bodyFill.setColorAt(0.25, QColor(252, 252, 253));
    bodyFill.setColorAt(0.55, QColor(232, 235, 239));
    bodyFill.setColorAt(0.85, QColor(182, 188, 197));
    bodyFill.setColorAt(1.0, QColor(140, 146, 158));
    p.setPen(outline);
    p.setBrush(bodyFill);
    p.drawPath(body);
    // Ring where the front section meets the body.
    p.setPen(QPen(QColor(150, 156, 166), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(frontX + 24 - 13, -r, 26, 2 * r), 90 * 16, -180 * 16);

    // Front face: a bright bezel round a black face plate, lens and infrared lights.
    const qreal faceRx = 14;
    QLinearGradient bezel(0, -r, 0, r);
    bezel.setColorAt(0.0, QColor(236, 238, 242));
    bezel.setColorAt(1.0, QColor(150, 156, 166));
    p.setPen(outline);
    p.setBrush(bezel);
    p.drawEllipse(QPointF(frontX, 0), faceRx, r);
    QRadialGradient plate(QPointF(frontX - 3, -6), 24);
    plate.setColorAt(0.0, QColor(60, 64, 72));
    plate.setColorAt(1.0, QColor(6, 7, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(plate);
    p.drawEllipse(QPointF(frontX - 0.5, 0), faceRx * 0.86, r * 0.86);
    const qreal squeeze = faceRx / r;
    for (int i = 0; i < 10; ++i) {
        const double a = i * std::numbers::pi / 5 + 0.3;
        const QPointF led(frontX - 0.5 + 15.5 * squeeze * std::cos(a), 15.5 * std::sin(a));
        p.setBrush(QColor(96, 26, 30));
        p.drawEllipse(led, 2.6 * squeeze + 0.4, 2.6);
        p.setBrush(QColor(255, 180, 180, 110));
        p.drawEllipse(led + QPointF(-0.4, -0.8), 0.6, 0.8);
    }
    paintLens(p, QPointF(frontX - 0.5, 0), 10, squeeze);

    // Sun visor: a curved shell over the top, reaching past the front.
    QPainterPath visor;
    visor.moveTo(backX - 2, -12);
    visor.lineTo(backX - 2, -27);
    visor.quadTo(backX - 2, -33, backX - 10, -33);
    visor.lineTo(frontX - 8, -33);
    visor.quadTo(frontX - 20, -33, frontX - 20, -20);
    visor.lineTo(frontX - 20, -14);
    visor.quadTo(frontX - 6, -11, frontX + 10, -11);
    visor.closeSubpath();
    QLinearGradient visorFill(0, -33, 0, -11);
    visorFill.setColorAt(0.0, QColor(255, 255, 255));
    visorFill.setColorAt(0.45, QColor(238, 241, 245));
    visorFill.setColorAt(1.0, QColor(178, 184, 194));
    p.setPen(outline);
    p.setBrush(visorFill);
    p.drawPath(visor);
    p.setPen(QPen(QColor(255, 255, 255), 1.4));
    p.drawLine(QPointF(frontX - 6, -31), QPointF(backX - 12, -31));
    p.restore();

    // Swivel joint in front of neck and body.
    QRadialGradient joint(QPointF(foot.x() - 3, 110), 10);
    joint.setColorAt(0.0, QColor(255, 255, 255));
    joint.setColorAt(1.0, QColor(150, 156, 166));
    p.setPen(outline);
    p.setBrush(joint);
    p.drawEllipse(QPointF(foot.x(), 113), 8, 8);

    p.end();
    return QPixmap::fromImage(image);
}

// NOLINTEND(readability-magic-numbers,readability-function-size)

} // namespace velmora
