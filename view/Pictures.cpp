// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "WindowKit.h"

#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>

namespace velmora {

// The pictures are drawn from coordinates and colours, which are the picture
// itself: naming each one would say nothing the drawing does not, and a
// picture reads best as one function from background to highlights.
// NOLINTBEGIN(readability-magic-numbers,readability-function-size)

void paintDomeIcon(QPainter& p, qreal devicePixels)
{
    // Outlines keep at least one device pixel so the small sizes stay crisp.
    const qreal line = std::max(1.4, 48.0 / devicePixels);

    // Ceiling plate.
    QLinearGradient plate(0, 5, 0, 16);
    plate.setColorAt(0.0, QColor(255, 255, 255));
    plate.setColorAt(0.6, QColor(214, 218, 224));
    plate.setColorAt(1.0, QColor(160, 166, 176));
    p.setPen(QPen(QColor(62, 68, 80), line));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(3, 5, 42, 11), 3, 3);

    // Trim ring between plate and dome.
    QLinearGradient trim(0, 15, 0, 19);
    trim.setColorAt(0.0, QColor(120, 126, 138));
    trim.setColorAt(1.0, QColor(70, 76, 88));
    p.setBrush(trim);
    p.drawRect(QRectF(7, 15, 34, 4));

    // The tinted half-sphere.
    QPainterPath dome;
    dome.moveTo(8, 18);
    dome.arcTo(QRectF(8, -3, 32, 42), 180, 180);
    dome.closeSubpath();

    QRadialGradient tint(QPointF(20, 22), 24);
    tint.setColorAt(0.0, QColor(112, 134, 170));
    tint.setColorAt(0.7, QColor(58, 72, 100));
    tint.setColorAt(1.0, QColor(30, 38, 56));
    p.setPen(Qt::NoPen);
    p.setBrush(tint);
    p.drawPath(dome);

    // Lens module seen through the dome: what lies outside the dome is cut
    // away from the shapes themselves, so the drawing needs no clipping.
    p.save();
    QRadialGradient ball(QPointF(22, 23), 11);
    ball.setColorAt(0.0, QColor(70, 74, 84));
    ball.setColorAt(1.0, QColor(14, 16, 20));
    p.setBrush(ball);
    QPainterPath ballPath;
    ballPath.addEllipse(QPointF(24, 25), 10, 10);
    p.drawPath(ballPath.intersected(dome));
    QRadialGradient glass(QPointF(23, 26), 6);
    glass.setColorAt(0.0, QColor(70, 110, 200));
    glass.setColorAt(0.55, QColor(24, 34, 90));
    glass.setColorAt(1.0, QColor(0, 0, 0));
    p.setPen(QPen(QColor(150, 156, 170), line * 0.8));
    p.setBrush(glass);
    p.drawEllipse(QPointF(24, 27), 5.5, 5.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(22, 25), 1.6, 1.6);

    // A light veil of tint over the lens, and the sheen of the dome.
    p.setBrush(QColor(90, 120, 170, 50));
    p.drawPath(dome);
    QPainterPath sheen;
    sheen.moveTo(11, 20);
    sheen.cubicTo(11, 29, 15, 35, 21, 37);
    sheen.cubicTo(16, 32, 14, 27, 14.5, 20);
    sheen.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawPath(sheen.intersected(dome));
    p.restore();

    p.setPen(QPen(QColor(28, 32, 44), line));
    p.setBrush(Qt::NoBrush);
    p.drawPath(dome);
}

namespace {

// The dome camera at `size` x `size` device pixels.
QPixmap domeIconAt(int size)
{
    QImage image = canvasImage(size, size, 1, Qt::transparent);
    QPainter p(&image);
    smoothPainting(p);
    p.scale(size / 48.0, size / 48.0);
    paintDomeIcon(p, size);
    p.end();
    return QPixmap::fromImage(image);
}

// Draws the dome at whatever size is asked for, so the icon is sharp in a
// title bar, a task switcher and on a scaled screen alike.
class DomeIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return domeIconAt(std::max(1, std::min(size.width(), size.height())));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
    }
    // The sizes the window system is offered; any other is drawn when asked for.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int s : kWindowIconSizes) sizes.append(QSize(s, s));
        return sizes;
    }
    QIconEngine* clone() const override { return new DomeIconEngine; }
    QString key() const override { return QStringLiteral("velmora-dome"); }
};

QPixmap triangle(bool pointsLeft, qreal scale)
{
    QImage image = canvasImage(50, 50, scale, Qt::transparent);
    QPainter p(&image);
    smoothPainting(p);
    QPolygonF shape;
    if (pointsLeft)
        shape << QPointF(10, 25) << QPointF(40, 8) << QPointF(40, 42);
    else
        shape << QPointF(40, 25) << QPointF(10, 8) << QPointF(10, 42);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(shape);
    p.end();
    return QPixmap::fromImage(image);
}

} // namespace

QIcon domeCameraIcon()
{
    return QIcon(new DomeIconEngine);
}

QPixmap leftTriangle(qreal scale)
{
    return triangle(true, scale);
}

QPixmap rightTriangle(qreal scale)
{
    return triangle(false, scale);
}

QPixmap cameraPicture(qreal scale)
{
    QImage image = canvasImage(170, 101, scale, Qt::white);
    QPainter p(&image);
    smoothPainting(p);

    // Light backdrop, a touch darker towards the bottom.
    QLinearGradient backdrop(0, 0, 0, 101);
    backdrop.setColorAt(0.0, QColor(255, 255, 255));
    backdrop.setColorAt(1.0, QColor(232, 236, 242));
    p.fillRect(QRectF(0, 0, 170, 101), backdrop);

    // Soft shadow cast on the wall.
    QRadialGradient shadow(QPointF(96, 82), 64);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 60));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.translate(96, 82);
    p.scale(1.0, 0.16);
    p.translate(-96, -82);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(96, 82), 64, 64);
    p.restore();

    const QColor outline(104, 110, 122);

    // Wall plate with two screws.
    QLinearGradient plate(6, 0, 22, 0);
    plate.setColorAt(0.0, QColor(246, 247, 249));
    plate.setColorAt(0.5, QColor(226, 229, 234));
    plate.setColorAt(1.0, QColor(168, 173, 182));
    p.setPen(QPen(outline, 1));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(6.5, 36.5, 15, 50), 3, 3);
    p.setBrush(QColor(150, 155, 165));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(14, 42), 1.8, 1.8);
    p.drawEllipse(QPointF(14, 81), 1.8, 1.8);

    // Cable from the back of the camera down into the plate, behind the arm.
    QPainterPath cable;
    cable.moveTo(38, 52);
    cable.cubicTo(30, 64, 34, 78, 21, 77);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 42, 48), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);

    // Bracket arm from the plate to the swivel joint.
    QLinearGradient arm(0, 56, 0, 68);
    arm.setColorAt(0.0, QColor(248, 249, 251));
    arm.setColorAt(0.5, QColor(210, 214, 220));
    arm.setColorAt(1.0, QColor(150, 156, 166));
    QPainterPath armPath;
    armPath.moveTo(21, 56);
    armPath.cubicTo(36, 56, 48, 58, 60, 57);
    armPath.lineTo(60, 65);
    armPath.cubicTo(48, 66, 36, 68, 21, 70);
    armPath.closeSubpath();
    p.setPen(QPen(outline, 1));
    p.setBrush(arm);
    p.drawPath(armPath);

    // The camera itself, tilted a little downwards about the joint.
    p.save();
    p.translate(62, 58);
    p.rotate(6);
    p.translate(-62, -58);

    // Neck from the joint to the housing.
    QLinearGradient neck(56, 0, 68, 0);
    neck.setColorAt(0.0, QColor(236, 238, 242));
    neck.setColorAt(1.0, QColor(156, 162, 172));
    p.setPen(QPen(outline, 1));
    p.setBrush(neck);
    p.drawRect(QRectF(57, 50, 10, 9));

    // Housing body.
    QLinearGradient body(0, 32, 0, 55);
    body.setColorAt(0.0, QColor(252, 252, 253));
    body.setColorAt(0.35, QColor(236, 238, 242));
    body.setColorAt(0.8, QColor(190, 195, 203));
    body.setColorAt(1.0, QColor(150, 156, 166));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(34, 32, 112, 22), 5, 5);

    // Rear cap.
    QLinearGradient cap(0, 32, 0, 54);
    cap.setColorAt(0.0, QColor(150, 155, 165));
    cap.setColorAt(1.0, QColor(78, 84, 96));
    p.setBrush(cap);
    p.drawRoundedRect(QRectF(31, 33, 7, 20), 2.5, 2.5);

    // Seam and a dark accent stripe along the housing.
    p.setPen(QPen(QColor(150, 156, 166), 0.8));
    p.drawLine(QPointF(116, 33), QPointF(116, 53));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 66, 78));
    p.drawRect(QRectF(46, 47.5, 40, 1.6));

    // Front bezel with the lens, turned a little towards the viewer.
    QPainterPath bezel;
    bezel.moveTo(144, 31);
    bezel.quadTo(159, 31, 159, 43);
    bezel.quadTo(159, 56, 144, 56);
    bezel.closeSubpath();
    QLinearGradient bezelFill(144, 0, 159, 0);
    bezelFill.setColorAt(0.0, QColor(96, 102, 114));
    bezelFill.setColorAt(1.0, QColor(44, 48, 56));
    p.setPen(QPen(QColor(40, 44, 52), 1));
    p.setBrush(bezelFill);
    p.drawPath(bezel);

    QRadialGradient glass(QPointF(150, 42), 7);
    glass.setColorAt(0.0, QColor(90, 140, 220));
    glass.setColorAt(0.5, QColor(30, 44, 110));
    glass.setColorAt(1.0, QColor(6, 8, 16));
    p.setPen(QPen(QColor(170, 176, 188), 0.8));
    p.setBrush(glass);
    p.drawEllipse(QPointF(151, 43.5), 5.2, 7.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(QPointF(149.3, 40.5), 1.4, 1.9);
    p.setBrush(QColor(190, 40, 40));
    p.drawEllipse(QPointF(156.2, 36.5), 0.9, 0.9);

    // Sun shield over the top, reaching past the front.
    QPainterPath shield;
    shield.moveTo(30, 35);
    shield.lineTo(30, 29);
    shield.quadTo(31, 23, 40, 23);
    shield.lineTo(156, 23);
    shield.quadTo(163, 23, 163, 29);
    shield.lineTo(163, 32);
    shield.quadTo(150, 34, 30, 35);
    shield.closeSubpath();
    QLinearGradient shieldFill(0, 23, 0, 35);
    shieldFill.setColorAt(0.0, QColor(255, 255, 255));
    shieldFill.setColorAt(0.5, QColor(236, 239, 243));
    shieldFill.setColorAt(1.0, QColor(186, 192, 200));
    p.setPen(QPen(outline, 1));
    p.setBrush(shieldFill);
    p.drawPath(shield);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.2));
    p.drawLine(QPointF(42, 24.8), QPointF(152, 24.8));
    p.restore();

    // Swivel joint, drawn last so it sits in front of arm and neck.
    QRadialGradient joint(QPointF(59, 59), 7);
    joint.setColorAt(0.0, QColor(255, 255, 255));
    joint.setColorAt(1.0, QColor(140, 146, 156));
    p.setPen(QPen(outline, 1));
    p.setBrush(joint);
    p.drawEllipse(QPointF(61, 61), 5.5, 5.5);

    p.end();
    return QPixmap::fromImage(image);
}

// NOLINTEND(readability-magic-numbers,readability-function-size)

} // namespace velmora
