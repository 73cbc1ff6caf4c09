// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace velmora {

// The video rate of each second as it is measured: bars (a line over many
// seconds) across the time asked, the lowest, the average and the fullest
// second marked. Drawn with QPainter on a field's face in the desktop's colours.
class RateChart : public QWidget {
    Q_OBJECT

public:
    explicit RateChart(QWidget* parent = nullptr);

    // An empty chart over `seconds`; `number` writes a figure as the window does.
    void restart(int seconds);
    void setNumberText(std::function<QString(double)> number) { number_ = std::move(number); }
    // Second `second` (from 0) measured at `kbps`; seconds come in order.
    void addSecond(int second, double kbps);
    // The measurement's own average once known; until then that of the seconds drawn.
    void setAverage(std::optional<double> kbps);
    const std::vector<double>& rates() const { return rates_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double average() const;

    int seconds_ = 10;
    std::vector<double> rates_;
    std::optional<double> average_;
    std::function<QString(double)> number_;
};

} // namespace velmora
