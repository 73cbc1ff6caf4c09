// SPDX-License-Identifier: GPL-3.0-or-later
#include "RateChart.h"

#include "MeasureTexts.h"
#include "WindowKit.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace velmora {

namespace {

// The chart's own colours as drawn on white; on a darker face they are
// lightened until they read (legibleOn).
constexpr Rgb kBars{74, 120, 181};
constexpr Rgb kPeak{176, 0, 0};
constexpr Rgb kAverage{40, 40, 40};
constexpr Rgb kLowest{46, 125, 50};
// The frame and the base line: this much of the way from the face to the text.
constexpr double kGridShare = 0.14;
// More seconds than this are drawn as a line: bars would be thinner than a pixel.
constexpr int kMostBars = 120;

} // namespace

RateChart::RateChart(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(qtText(measure::text::kChartName));
    setAttribute(Qt::WA_OpaquePaintEvent);
    number_ = [](double v) { return QString::number(v, 'f', 0); };
}

QSize RateChart::sizeHint() const
{
    return {560, fontMetrics().lineSpacing() * 9};
}

QSize RateChart::minimumSizeHint() const
{
    return {240, fontMetrics().lineSpacing() * 6};
}

void RateChart::restart(int seconds)
{
    seconds_ = std::max(seconds, 1);
    rates_.clear();
    average_.reset();
    update();
}

void RateChart::addSecond(int second, double kbps)
{
    if (second < 0 || second >= seconds_ || !std::isfinite(kbps)) return;
    if (static_cast<std::size_t>(second) < rates_.size()) return; // once each
    rates_.resize(static_cast<std::size_t>(second), 0);
    rates_.push_back(std::max(kbps, 0.0));
    update();
}

void RateChart::setAverage(std::optional<double> kbps)
{
    average_ = kbps;
    update();
}

double RateChart::average() const
{
    if (average_) return *average_;
    if (rates_.empty()) return 0;
    return std::accumulate(rates_.begin(), rates_.end(), 0.0) / static_cast<double>(rates_.size());
}

void RateChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // On the face of a field, in the desktop's colours, light or dark.
    const QColor face = palette().color(QPalette::Base);
    const QColor ink = palette().color(QPalette::Text);
    const QColor grid = blended(face, ink, kGridShare);
    const QColor bars = legibleOn(kBars, face, kVisibleContrast);
    p.fillRect(rect(), face);
    p.setPen(grid);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics fm = fontMetrics();
    const int line = fm.lineSpacing();
    p.setPen(ink);
    p.drawText(QRect(6, 2, width() - 12, line), Qt::AlignLeft | Qt::AlignVCenter,
               qtText(measure::text::kChartUnit));
    if (rates_.empty()) {
        p.drawText(rect(), Qt::AlignCenter, qtText(measure::text::kChartEmpty));
        return;
    }
    const double lowest = *std::min_element(rates_.begin(), rates_.end());
    const double peak = *std::max_element(rates_.begin(), rates_.end());
    const double mean = average();
    // Room on the right for the marks' figures.
    const QString marks[] = {qtText(measure::text::kChartPeak).arg(number_(peak)),
                             qtText(measure::text::kChartAverage).arg(number_(mean)),
                             qtText(measure::text::kChartMin).arg(number_(lowest))};
    int labelWidth = 0;
    for (const QString& m : marks) labelWidth = std::max(labelWidth, fm.horizontalAdvance(m));
    const QRectF plot(6, line + 6, std::max(20, width() - labelWidth - 18),
                      std::max(10, height() - line - 12));
    const double top = std::max({peak, mean, 1e-9}) * 1.15;
    const auto y = [&](double kbps) { return plot.bottom() - kbps / top * plot.height(); };
    const double slot = plot.width() / seconds_;

    p.setPen(grid);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    if (seconds_ <= kMostBars) {
        for (std::size_t i = 0; i < rates_.size(); ++i) {
            const QRectF bar(plot.left() + slot * static_cast<double>(i) + slot * 0.1, y(rates_[i]),
                             slot * 0.8, plot.bottom() - y(rates_[i]));
            p.fillRect(bar, bars);
        }
    } else {
        QPainterPath path;
        for (std::size_t i = 0; i < rates_.size(); ++i) {
            const QPointF point(plot.left() + slot * (static_cast<double>(i) + 0.5), y(rates_[i]));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(bars, 1.5));
        p.drawPath(path);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    // The marks, their figures beside them; labels that would overlap move apart.
    const QColor colours[] = {legibleOn(kPeak, face), legibleOn(kAverage, face), legibleOn(kLowest, face)};
    const double levels[] = {peak, mean, lowest};
    double lastLabel = -1e9;
    for (int i = 0; i < 3; ++i) {
        QPen pen(colours[i], 1, i == 1 ? Qt::DashLine : Qt::SolidLine);
        p.setPen(pen);
        const double at = y(levels[i]);
        p.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
        const double labelAt = std::max(at, lastLabel + line);
        lastLabel = labelAt;
        p.drawText(QRectF(plot.right() + 6, labelAt - line / 2.0, labelWidth + 6, line),
                   Qt::AlignLeft | Qt::AlignVCenter, marks[i]);
    }
}

} // namespace velmora
