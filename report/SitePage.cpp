// SPDX-License-Identifier: GPL-3.0-or-later
#include "SitePage.h"

#include "SiteSummary.h"
#include "SiteSummaryTexts.h"
#include "TextDoor.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include <array>
#include <string>

namespace velmora {

namespace {

namespace text = summarytexts;

constexpr double kMarginMm = 15;
constexpr double kHeadingTopMm = 5;
constexpr double kTitlePoints = 14;
constexpr double kTablePoints = 7.5;
constexpr double kTotalPoints = 10;
constexpr double kTotalWordsShare = 0.45; // of the width, the totals' words; their values the rest
constexpr double kMmPerInch = 25.4;
// Each column's share of the page's width; the recorder's name takes the most.
constexpr std::array<double, text::kColumns.size()> kShares = {0.17, 0.09, 0.09, 0.09, 0.10,
                                                               0.10, 0.11, 0.07, 0.08, 0.10};

QFont pageFont(double points, bool bold)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

std::string orDash(const std::string& value)
{
    return value.empty() ? std::string(text::kNotAsked) : value;
}

} // namespace

void paintSitePage(QPainter& painter, const QPagedPaintDevice& device, const SiteSummary& summary)
{
    painter.save();
    const double dots = device.logicalDpiX() / kMmPerInch;
    const double left = kMarginMm * dots;
    const double width = device.width() - 2 * left;
    double y = kMarginMm * dots;

    painter.setFont(pageFont(kTitlePoints, true));
    const double titleHeight = painter.fontMetrics().height() * 1.6;
    painter.drawText(QRectF(left, y, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     qtText(text::kTitle));
    y += titleHeight;

    // The heading row, its words wrapped on up to three lines.
    painter.setFont(pageFont(kTablePoints, true));
    const double line = painter.fontMetrics().height();
    const double headHeight = line * 3.2;
    const double pad = line * 0.25;
    const auto cells = [&](const auto& texts, double top, double height, int flags) {
        double x = left;
        for (std::size_t c = 0; c < kShares.size(); ++c) {
            const double w = kShares[c] * width;
            painter.drawText(QRectF(x + pad, top, w - 2 * pad, height), flags, texts[c]);
            x += w;
        }
    };
    std::array<QString, text::kColumns.size()> headings;
    for (std::size_t c = 0; c < headings.size(); ++c) headings[c] = qtText(text::kColumns[c]);
    cells(headings, y, headHeight, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap);
    y += headHeight + pad;
    painter.drawLine(QPointF(left, y), QPointF(left + width, y));

    painter.setFont(pageFont(kTablePoints, false));
    const double rowHeight = line * 1.5;
    for (const RecorderSummary& r : summary.recorders) {
        const std::string reached = !r.reached   ? std::string(text::kNotAsked)
                                    : *r.reached ? std::string(text::kReached)
                                                 : std::string(text::kShort);
        const std::array<std::string, text::kColumns.size()> row = {
            r.name,  r.channels,           r.stream, r.networkStream,      r.dayTotal, r.disk,
            r.depth, orDash(r.daysWanted), reached,  orDash(r.disksNeeded)};
        std::array<QString, text::kColumns.size()> shown;
        for (std::size_t c = 0; c < shown.size(); ++c) {
            // A name too long for its column is cut short with an ellipsis.
            shown[c] = painter.fontMetrics().elidedText(QString::fromStdString(row[c]), Qt::ElideRight,
                                                        static_cast<int>(kShares[c] * width - 2 * pad));
        }
        cells(shown, y, rowHeight, Qt::AlignLeft | Qt::AlignVCenter);
        y += rowHeight;
    }
    painter.drawLine(QPointF(left, y), QPointF(left + width, y));
    y += line;

    painter.setFont(pageFont(kTotalPoints, false));
    const double totalHeight = painter.fontMetrics().height() * 1.4;
    const std::array<std::pair<std::string_view, QString>, 4> totals = {{
        {text::kCameras, QString::fromStdString(summary.cameras)},
        {text::kNetwork,
         QString::fromStdString(summary.networkStream) + QLatin1Char(' ') + qtText(text::kNetworkUnit)},
        {text::kDayTotal,
         QString::fromStdString(summary.dayTotal) + QLatin1Char(' ') + qtText(text::kDayTotalUnit)},
        {text::kDisksNeeded, QString::fromStdString(orDash(summary.disksNeeded))},
    }};
    for (const auto& [words, value] : totals) {
        painter.drawText(QRectF(left, y, width * 0.45, totalHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         qtText(words));
        painter.drawText(QRectF(left + width * 0.45, y, width * 0.55, totalHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, value);
        y += totalHeight;
    }
    painter.restore();
}

void paintRecorderHeading(QPainter& painter, const QPagedPaintDevice& device, const QString& name)
{
    painter.save();
    const double dots = device.logicalDpiX() / kMmPerInch;
    painter.setFont(pageFont(kTotalPoints, true));
    const double left = kMarginMm * dots;
    painter.drawText(
        QRectF(left, kHeadingTopMm * dots, device.width() - 2 * left, painter.fontMetrics().height()),
        Qt::AlignLeft | Qt::AlignTop, qtText(text::kRecorderPage).arg(name));
    painter.restore();
}

} // namespace velmora
