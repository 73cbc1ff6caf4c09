// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelCamera.h"

#include <QDialog>
#include <QString>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace velmora {

class AuditRunner;
class PlainTextBox;
class Platform;
class RateChart;

// What the dialog needs of the main window.
class SiteAuditTarget {
public:
    virtual ~SiteAuditTarget() = default;
    // The days the window's disk holds with one 24-hour channel at each of
    // these rates (the program's Кбит/с), as the window writes a depth, with
    // its day word; empty where the window shows no depth.
    virtual QString depthAt(const std::vector<double>& appliedKbps) = 0;
    // The window's channels replaced by these cameras' (after asking, where
    // something would be lost); false when the user kept them.
    virtual bool replaceChannels(const std::vector<MeasuredCamera>& cameras) = 0;
};

// "Измерить камеры объекта…": a site's list of cameras (typed, pasted as
// lines or read from a list file), each measured by a velmora-measure
// process of its own, several at once, with each row's progress and figures,
// the chart of the row selected, the sum and the days the window's disk
// holds at it; "Заполнить каналы" makes the window's channels of them, as
// `velmora --audit` writes them. Not modal; closing it stops the processes.
class SiteAuditDialog : public QDialog {
    Q_OBJECT

public:
    SiteAuditDialog(Platform& platform, SiteAuditTarget& target, QWidget* parent = nullptr);
    ~SiteAuditDialog() override;

    bool running() const;
    // The window's disk or period changed: the depth follows.
    void targetChanged();

public slots:
    void reject() override;

private:
    void listChanged();
    void openList();
    void start();
    void rowChanged(int row);
    void runEnded();
    void fill();
    void showChart();
    void showTotal();
    void setRunning(bool running);
    void setStatus(const QString& text, bool error);
    QString number(double value, int decimals) const;
    std::vector<MeasuredCamera> measuredCameras() const;

    Platform& platform_;
    SiteAuditTarget& target_;
    AuditRunner* runner_;
    PlainTextBox* list_;
    QPushButton* openList_;
    QLineEdit* seconds_;
    QLineEdit* jobs_;
    QPushButton* start_;
    QPushButton* cancel_;
    QTableWidget* results_;
    RateChart* chart_;
    QLabel* total_;
    QLabel* status_;
    QPushButton* fill_;
    QPushButton* close_;
    QStringList addresses_; // of the rows, credentials and all: for the processes only
    int askedSeconds_ = 10;
};

} // namespace velmora
