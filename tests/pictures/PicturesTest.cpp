// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"
#include "AboutPictures.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtMath>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <vector>

namespace velmora {
namespace {

struct PixelCounts {
    int dark = 0;        // opaque, grey level below 64
    int light = 0;       // opaque, grey level above 200
    int colourful = 0;   // opaque, channels spread by more than 60
    int transparent = 0; // alpha below 16
};

QImage argb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

PixelCounts countPixels(const QImage& image)
{
    PixelCounts counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y);
            if (qAlpha(px) < 16) {
                ++counts.transparent;
                continue;
            }
            if (qAlpha(px) < 240) continue;
            const int grey = qGray(px);
            counts.dark += grey < 64;
            counts.light += grey > 200;
            const int hi = std::max({qRed(px), qGreen(px), qBlue(px)});
            const int lo = std::min({qRed(px), qGreen(px), qBlue(px)});
            counts.colourful += hi - lo > 60;
        }
    }
    return counts;
}

struct PictureCase {
    const char* name;
    QPixmap (*make)(qreal scale);
    int width;
    int height;
};

void PrintTo(const PictureCase& c, std::ostream* os)
{
    *os << c.name;
}

class OpaquePicture : public ::testing::TestWithParam<PictureCase> {};

// Every picture on a light background: exact size, opaque all over (no holes
// showing the window behind), real drawing on it (dark detail and a light
// backdrop), and in colour.
TEST_P(OpaquePicture, HasItsSizeAndIsDrawnOnAnOpaqueLightBackground)
{
    const PictureCase& c = GetParam();
    const QPixmap pixmap = c.make(1);
    ASSERT_EQ(pixmap.size(), QSize(c.width, c.height));
    const QImage image = argb(pixmap);
    const PixelCounts counts = countPixels(image);
    const int area = c.width * c.height;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << "at " << x << "," << y;
    EXPECT_GT(counts.light, area / 3) << "the background should be light";
    EXPECT_GT(counts.dark, area / 200) << "the subject should have dark detail";
    // All four corners are background.
    for (QPoint corner :
         {QPoint(0, 0), QPoint(c.width - 1, 0), QPoint(0, c.height - 1), QPoint(c.width - 1, c.height - 1)})
        EXPECT_GT(qGray(image.pixel(corner)), 200) << "corner " << corner.x() << "," << corner.y();
    EXPECT_GT(counts.colourful, area / 500) << "the picture should be in colour";
}

INSTANTIATE_TEST_SUITE_P(All, OpaquePicture,
                         ::testing::Values(PictureCase{"cameraPicture", cameraPicture, 170, 101},
                                           PictureCase{"makerLogo", makerLogo, 280, 128},
                                           PictureCase{"productPicture1", productPicture1, 200, 200},
                                           PictureCase{"productPicture2", productPicture2, 170, 106},
                                           PictureCase{"productPicture3", productPicture3, 200, 200}),
                         [](const auto& info) { return std::string(info.param.name); });

// On a scaled screen every picture is drawn for the screen's pixels: the same
// picture in pixels, with the detail of the device. A 1x drawing blown up
// would repeat each pixel; a sharp one has as much fine detail per device
// pixel as at 1x.
struct ScaledCase {
    const char* name;
    QPixmap (*make)(qreal scale);
    int width;
    int height;
};

void PrintTo(const ScaledCase& c, std::ostream* os)
{
    *os << c.name;
}

// How steep the picture's sharpest edges are: the mean of the largest 1 % of
// the steps between neighbouring device pixels, as seen on a white window.
double edgeSteepness(const QImage& image)
{
    auto shade = [&](int x, int y) {
        const QRgb px = image.pixel(x, y);
        return 255 - qAlpha(px) * (255 - qGray(px)) / 255;
    };
    std::vector<int> steps;
    for (int y = 1; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x)
            for (int step :
                 {std::abs(shade(x, y) - shade(x - 1, y)), std::abs(shade(x, y) - shade(x, y - 1))})
                if (step > 0) steps.push_back(step);
    if (steps.empty()) return 0;
    std::sort(steps.begin(), steps.end(), std::greater<>());
    const std::size_t top = std::max<std::size_t>(1, steps.size() / 100);
    double sum = 0;
    for (std::size_t i = 0; i < top; ++i) sum += steps[i];
    return sum / double(top);
}

class ScaledPicture : public ::testing::TestWithParam<ScaledCase> {};

TEST_P(ScaledPicture, IsDrawnAtTheDevicePixelRatio)
{
    const ScaledCase& c = GetParam();
    const QImage plain = argb(c.make(1));
    for (qreal scale : {1.5, 2.0}) {
        SCOPED_TRACE(scale);
        const QPixmap pixmap = c.make(scale);
        EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), scale);
        EXPECT_EQ(pixmap.width(), qCeil(c.width * scale));
        EXPECT_EQ(pixmap.height(), qCeil(c.height * scale));
        const QImage image = argb(pixmap);
        // The same picture: brought back to 1x it matches the 1x drawing.
        const QImage back = image.scaled(c.width, c.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double difference = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                difference += std::abs(qGray(back.pixel(x, y)) - qGray(plain.pixel(x, y))) +
                              std::abs(qAlpha(back.pixel(x, y)) - qAlpha(plain.pixel(x, y)));
        EXPECT_LT(difference / (c.width * c.height), 12.0);
        // Sharp: its edges are steeper than those of the 1x drawing blown up.
        const double blownUp =
            edgeSteepness(plain.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        EXPECT_GT(edgeSteepness(image), blownUp * 1.2);
    }
}

INSTANTIATE_TEST_SUITE_P(All, ScaledPicture,
                         ::testing::Values(ScaledCase{"cameraPicture", cameraPicture, 170, 101},
                                           ScaledCase{"leftTriangle", leftTriangle, 50, 50},
                                           ScaledCase{"makerLogo", makerLogo, 280, 128},
                                           ScaledCase{"productPicture1", productPicture1, 200, 200},
                                           ScaledCase{"productPicture2", productPicture2, 170, 106},
                                           ScaledCase{"productPicture3", productPicture3, 200, 200}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MakerLogo, IsStoredWithoutAlpha)
{
    EXPECT_FALSE(makerLogo().hasAlphaChannel());
}

// Each icon size is drawn at that size: present, exact, transparent around the
// camera, coloured, with both the light ceiling plate and the dark lens.
TEST(WindowIcon, HoldsEachSizeDrawnOnTransparency)
{
    const QIcon icon = domeCameraIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int s : kWindowIconSizes) EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
    for (int s : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(s);
        const QPixmap pixmap = icon.pixmap(QSize(s, s));
        ASSERT_EQ(pixmap.size(), QSize(s, s));
        const QImage image = argb(pixmap);
        const PixelCounts counts = countPixels(image);
        EXPECT_EQ(qAlpha(image.pixel(0, s - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(s - 1, s - 1)), 0);
        EXPECT_GT(counts.transparent, s * s / 8);
        EXPECT_GT(counts.dark, s * s / 20);
        EXPECT_GT(counts.light, 0);
        EXPECT_GT(counts.colourful, 0);
    }
}

struct Ink {
    int leftHalf = 0;
    int rightHalf = 0;
    int topHalf = 0;
    int bottomHalf = 0;
    QRect box;
    bool allBlack = true;
};

Ink inkOf(const QImage& image)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y);
            if (qAlpha(px) < 128) continue;
            ink.allBlack = ink.allBlack && qRed(px) < 40 && qGreen(px) < 40 && qBlue(px) < 40;
            (x < image.width() / 2 ? ink.leftHalf : ink.rightHalf) += 1;
            (y < image.height() / 2 ? ink.topHalf : ink.bottomHalf) += 1;
            ink.box |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

struct TriangleCase {
    const char* name;
    QPixmap (*make)(qreal scale);
    bool pointsLeft;
};

void PrintTo(const TriangleCase& c, std::ostream* os)
{
    *os << c.name;
}

class Triangle : public ::testing::TestWithParam<TriangleCase> {};

// A solid black triangle on transparency, 50 x 50, centred with a margin, its
// broad side away from the direction it points, and symmetric top to bottom.
TEST_P(Triangle, IsCentredBlackAndPointsItsWay)
{
    const TriangleCase& c = GetParam();
    const QPixmap pixmap = c.make(1);
    ASSERT_EQ(pixmap.size(), QSize(50, 50));
    const QImage image = argb(pixmap);
    const Ink ink = inkOf(image);
    EXPECT_TRUE(ink.allBlack);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(49, 49)), 0);

    const int total = ink.leftHalf + ink.rightHalf;
    EXPECT_GT(total, 50 * 50 / 5) << "the triangle should be solid, not an outline";
    const int broad = c.pointsLeft ? ink.rightHalf : ink.leftHalf;
    const int narrow = c.pointsLeft ? ink.leftHalf : ink.rightHalf;
    EXPECT_GT(broad, narrow * 2);
    EXPECT_LE(std::abs(ink.topHalf - ink.bottomHalf), total / 20);

    const int marginLeft = ink.box.left();
    const int marginRight = 49 - ink.box.right();
    const int marginTop = ink.box.top();
    const int marginBottom = 49 - ink.box.bottom();
    for (int margin : {marginLeft, marginRight, marginTop, marginBottom}) {
        EXPECT_GE(margin, 3);
        EXPECT_LE(margin, 15);
    }
    EXPECT_LE(std::abs(marginLeft - marginRight), 2);
    EXPECT_LE(std::abs(marginTop - marginBottom), 2);
}

INSTANTIATE_TEST_SUITE_P(Both, Triangle,
                         ::testing::Values(TriangleCase{"left", leftTriangle, true},
                                           TriangleCase{"right", rightTriangle, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Triangles, LeftAndRightAreMirrorImages)
{
    const QImage left = argb(leftTriangle());
    const QImage right = argb(rightTriangle()).mirrored(true, false);
    int differing = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            differing += std::abs(qAlpha(left.pixel(x, y)) - qAlpha(right.pixel(x, y))) > 64;
    EXPECT_LE(differing, 10);
}

} // namespace
} // namespace velmora
