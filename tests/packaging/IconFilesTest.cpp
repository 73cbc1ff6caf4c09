// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cstdlib>

// The icon files the installation carries: one PNG per theme size, drawn at
// that size, and an SVG that shows the same picture.
namespace {

const QDir kIcons(QStringLiteral(VELMORA_ICON_DIR));

QImage renderSvg(int size)
{
    QSvgRenderer svg(kIcons.filePath(QStringLiteral("scalable.svg")));
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (!svg.isValid()) return {};
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

TEST(IconFiles, EachSizeIsDrawnAtItsSizeAndTheSvgMatches)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage png(kIcons.filePath(QStringLiteral("%1.png").arg(size)));
        ASSERT_FALSE(png.isNull());
        EXPECT_EQ(png.size(), QSize(size, size));
        EXPECT_TRUE(png.hasAlphaChannel());
        if (size < 48) continue; // the small sizes draw thicker outlines than the SVG
        const QImage svg = renderSvg(size);
        ASSERT_FALSE(svg.isNull()) << "scalable.svg does not load";
        const QImage a = png.convertToFormat(QImage::Format_ARGB32);
        double difference = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = svg.pixel(x, y);
                difference += std::abs(qAlpha(p) - qAlpha(q)) + std::abs(qGray(p) - qGray(q));
            }
        EXPECT_LT(difference / (size * size), 6.0);
    }
}

} // namespace
