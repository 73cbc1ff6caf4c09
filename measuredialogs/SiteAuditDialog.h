// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SiteAudit.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace velmora {

class AuditRunner;
class PlainTextBox;
class PlanSession;
class Platform;
class RateChart;

// "Измерить камеры объекта…": a site's list of cameras (typed, pasted as
// lines or read from a list file), each measured by a velmora-measure
// process of its own, several at once, with each row's progress and figures,
// the chart of the row selected, the sum and the days the window's disk
// holds at it; "Заполнить каналы" makes the plan's channels of them, as
// `velmora --audit` writes them. It works on the plan session, never on the
// window. Not modal; closing it stops the processes.
class SiteAuditDialog : public QDialog {
    Q_OBJECT

public:
    SiteAuditDialog(Platform& platform, PlanSession& session, QWidget* parent = nullptr);
    ~SiteAuditDialog() override;

    bool running() const;
    // The plan's disk or period changed: the depth follows.
    void planChanged();

signals:
    // "Заполнить каналы" replaced the plan's channels.
    void channelsFilled();

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
    // The plan's columns and the depth against the plan, shown or not.
    void setPlanShown(bool shown);
    void showPlanCheck(const SiteAudit& audit);
    QString depthShown(std::optional<float> days) const;
    void setRunning(bool running);
    void setStatus(const QString& text, bool error);
    // The list's rows as they stand: the names as the table holds them.
    SiteAudit site() const;

    Platform& platform_;
    PlanSession& session_;
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
    QLabel* planDepth_;
    QLabel* status_;
    QPushButton* fill_;
    QPushButton* close_;
    QStringList addresses_; // of the rows, credentials and all: for the processes only
    int askedSeconds_ = 10;
};

} // namespace velmora
