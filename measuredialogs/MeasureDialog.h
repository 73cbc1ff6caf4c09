// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MeasuredStream.h"

#include <QDialog>
#include <QString>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProcess;
class QProgressBar;
class QPushButton;
class QTimer;

namespace velmora {

class PlanSession;
class Platform;
class RateChart;

// "Измерить поток камеры…": runs velmora-measure as a process of its own
// (FFmpeg never runs in the window), follows its progress lines and draws
// the rate of each second as it comes, shows the figures beside the
// channel's own bitrate and can type the measured rate into the channel's
// bitrate field. It works on the plan session, never on the window. Not
// modal: the main window stays usable.
class MeasureDialog : public QDialog {
    Q_OBJECT

public:
    MeasureDialog(Platform& platform, PlanSession& session, QWidget* parent = nullptr);
    ~MeasureDialog() override;

    bool running() const;
    // The channel shown or its bitrate changed: the comparison follows.
    void planChanged();

signals:
    // "Применить" typed the measured rate into the bitrate field.
    void rateApplied();

public slots:
    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void start();
    void cancel();
    void apply();
    void chooseFile();
    void takeCredentials();
    void readOutput();
    void processEnded(int exitCode, int exitStatus);
    void processFailed(int error);
    void stopProcess(bool wait);
    void setRunning(bool running);
    void setStatus(const QString& text, bool error = false);
    void showResult();
    int askedSeconds() const;
    QString appliedText() const;

    Platform& platform_;
    PlanSession& session_;
    QLineEdit* address_;
    QLineEdit* name_;
    QLineEdit* password_;
    QPushButton* chooseFile_;
    QComboBox* duration_;
    QLabel* fpsLabel_;
    QLineEdit* fps_;
    QPushButton* start_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QLabel* status_;
    RateChart* chart_;
    QLabel* source_;
    QLabel* figures_;
    QLabel* comparison_;
    QPushButton* apply_;
    QPushButton* close_;
    QTimer* watchdog_;
    QProcess* process_ = nullptr;
    QByteArray pending_; // output not yet ended by a line feed
    QString failureCode_;
    QString shownSource_;   // the source line before eliding
    bool stopping_ = false; // "Отмена" asked the program to hand over what it has
    std::optional<MeasuredStream> result_;
};

} // namespace velmora
