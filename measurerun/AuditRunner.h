// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Causes.h"
#include "MeasuredStream.h"
#include "Protocol.h"
#include "SiteAudit.h"
#include "SourceList.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace velmora {

// Where one source of a run stands.
enum class AuditState { Waiting, Running, Measured, Failed };

struct AuditRow {
    AuditState state = AuditState::Waiting;
    double secondsDone = 0;        // stream seconds measured so far
    double runningKbps = 0;        // the video rate so far, kbit/s
    std::vector<double> perSecond; // the video rate of each whole second so far
    std::optional<MeasuredStream> result;
    QDateTime measuredAt; // when the figures came
    AuditTrouble trouble = AuditTrouble::None;
    measure::Cause cause = measure::Cause::Failed;
};

// Measures a list of sources, each by a velmora-measure process of its own
// (untrusted streams never run in the caller), `jobs` at a time, in the
// list's order, with the address on the process's standard input so that a
// password is in no list of processes. Runs on the caller's event loop.
class AuditRunner : public QObject {
    Q_OBJECT

public:
    explicit AuditRunner(QString program, QObject* parent = nullptr);
    ~AuditRunner() override;
    AuditRunner(const AuditRunner&) = delete;
    AuditRunner& operator=(const AuditRunner&) = delete;

    static constexpr int kDefaultJobs = measure::kDefaultJobs;
    static constexpr int kMaxJobs = measure::kMaxJobs;
    static constexpr int kDefaultSeconds = measure::kDefaultSeconds;

    // Starts measuring `addresses` (credentials included) for `seconds` each.
    void start(const QStringList& addresses, int seconds, int jobs);
    // Stops every process: each hands over what it measured so far, or is
    // killed after measure::kStopLimitMs; sources not yet started are left unmeasured.
    void cancel();
    // Kills every process at once and keeps nothing of what was running.
    void abort();
    // Forgets the rows of the last run (not while one runs): its list is gone.
    void clear();

    bool running() const;
    const std::vector<AuditRow>& rows() const { return rows_; }
    // The most processes that ran at once in the last run.
    int peakRunning() const { return peak_; }

signals:
    void rowChanged(int row);
    void finished();

private:
    struct Job;
    void launchNext();
    void readOutput(int row);
    void ended(int row, int exitCode, bool crashed);
    void giveUp(int row, AuditTrouble trouble);
    void release(int row);
    void settle();
    void killAll();
    int runningCount() const;

    QString program_;
    QStringList addresses_;
    int seconds_ = kDefaultSeconds;
    int jobs_ = kDefaultJobs;
    int next_ = 0;
    int peak_ = 0;
    bool cancelling_ = false;
    bool active_ = false;
    std::vector<AuditRow> rows_;
    std::vector<std::unique_ptr<Job>> jobsRunning_;
};

// The site as measured: each of `sources` with its row's figures, or why
// there are none (a row the runner has not got to is not measured).
SiteAudit siteAudit(const std::vector<measure::ListedSource>& sources, const std::vector<AuditRow>& rows);

} // namespace velmora
