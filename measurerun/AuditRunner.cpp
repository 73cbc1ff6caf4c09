// SPDX-License-Identifier: GPL-3.0-or-later
#include "AuditRunner.h"

#include "Protocol.h"

#include <QProcess>
#include <QTimer>

#include <algorithm>

namespace velmora {

struct AuditRunner::Job {
    QProcess* process = nullptr;
    QTimer* watchdog = nullptr;
    QByteArray pending; // output not yet ended by a line feed
    QString failureCode;
};

AuditRunner::AuditRunner(QString program, QObject* parent) : QObject(parent), program_(std::move(program)) {}

AuditRunner::~AuditRunner()
{
    killAll();
}

bool AuditRunner::running() const
{
    return active_;
}

int AuditRunner::runningCount() const
{
    return static_cast<int>(std::count_if(rows_.begin(), rows_.end(),
                                          [](const AuditRow& r) { return r.state == AuditState::Running; }));
}

void AuditRunner::start(const QStringList& addresses, int seconds, int jobs)
{
    if (active_) return;
    killAll();
    addresses_ = addresses;
    seconds_ = seconds;
    jobs_ = std::clamp(jobs, 1, kMaxJobs);
    next_ = 0;
    peak_ = 0;
    cancelling_ = false;
    rows_.assign(static_cast<std::size_t>(addresses.size()), AuditRow{});
    jobsRunning_.clear();
    jobsRunning_.resize(rows_.size());
    active_ = true;
    launchNext();
    settle();
}

void AuditRunner::launchNext()
{
    while (!cancelling_ && next_ < static_cast<int>(rows_.size()) && runningCount() < jobs_) {
        const int row = next_++;
        auto job = std::make_unique<Job>();
        job->process = new QProcess(this);
        job->watchdog = new QTimer(this);
        job->watchdog->setSingleShot(true);
        job->watchdog->setInterval(measure::kSilenceLimitMs);
        QProcess* p = job->process;
        p->setProgram(program_);
        p->setArguments({QString::fromLatin1(measure::kSourceStdinOption.data()),
                         QString::fromLatin1(measure::kProgressOption.data()),
                         QString::fromLatin1(measure::kSecondsOption.data()), QString::number(seconds_)});
        p->setProcessChannelMode(QProcess::SeparateChannels);
        p->setStandardErrorFile(QProcess::nullDevice());
        connect(p, &QProcess::readyReadStandardOutput, this, [this, row] { readOutput(row); });
        connect(p, &QProcess::finished, this, [this, row](int code, QProcess::ExitStatus status) {
            ended(row, code, status == QProcess::CrashExit);
        });
        connect(p, &QProcess::errorOccurred, this, [this, row](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) giveUp(row, AuditTrouble::NotStarted);
        });
        connect(job->watchdog, &QTimer::timeout, this,
                [this, row] { giveUp(row, cancelling_ ? AuditTrouble::Cancelled : AuditTrouble::Silent); });
        rows_[static_cast<std::size_t>(row)].state = AuditState::Running;
        jobsRunning_[static_cast<std::size_t>(row)] = std::move(job);
        peak_ = std::max(peak_, runningCount());
        emit rowChanged(row);
        jobsRunning_[static_cast<std::size_t>(row)]->watchdog->start();
        p->start();
        // The process may have failed to start, and been released, meanwhile.
        if (jobsRunning_[static_cast<std::size_t>(row)]) p->write(addresses_.at(row).toUtf8() + '\n');
    }
}

void AuditRunner::readOutput(int row)
{
    Job* job = jobsRunning_[static_cast<std::size_t>(row)].get();
    if (!job) return;
    AuditRow& r = rows_[static_cast<std::size_t>(row)];
    job->pending += job->process->readAllStandardOutput();
    if (!cancelling_) job->watchdog->start();
    bool changed = false;
    int end = 0;
    while ((end = job->pending.indexOf('\n')) >= 0) {
        const QByteArray line = job->pending.left(end);
        job->pending.remove(0, end + 1);
        const measure::OutputLine read =
            measure::readOutputLine(std::string_view(line.constData(), line.size()));
        if (const auto* p = std::get_if<measure::ProgressLine>(&read)) {
            r.secondsDone = p->seconds;
            r.runningKbps = p->kbps;
            changed = true;
        } else if (const auto* s = std::get_if<measure::SecondLine>(&read)) {
            if (s->second == static_cast<int>(r.perSecond.size())) r.perSecond.push_back(s->kbps);
            changed = true;
        } else if (const auto* f = std::get_if<measure::FailureLine>(&read)) {
            job->failureCode = QString::fromLatin1(measure::causeText(f->cause).code.data());
        } else if (const auto* j = std::get_if<measure::ResultLine>(&read)) {
            r.result = parseMeasuredStream(QByteArray::fromStdString(j->json));
        }
    }
    if (changed) emit rowChanged(row);
}

void AuditRunner::ended(int row, int exitCode, bool crashed)
{
    if (!jobsRunning_[static_cast<std::size_t>(row)]) return;
    readOutput(row);
    AuditRow& r = rows_[static_cast<std::size_t>(row)];
    const QString failure = jobsRunning_[static_cast<std::size_t>(row)]->failureCode;
    release(row);
    if (!crashed && exitCode == 0 && r.result) {
        r.state = AuditState::Measured;
        r.measuredAt = QDateTime::currentDateTime();
        r.perSecond = r.result->perSecondKbps;
        r.secondsDone = r.result->seconds;
    } else {
        r.result.reset();
        r.state = AuditState::Failed;
        if (!crashed && !failure.isEmpty()) {
            r.cause = measure::causeFromCode(failure.toStdString());
            r.trouble = r.cause == measure::Cause::Cancelled ? AuditTrouble::Cancelled : AuditTrouble::Cause;
        } else {
            r.trouble = cancelling_ ? AuditTrouble::Cancelled : AuditTrouble::Crashed;
        }
    }
    emit rowChanged(row);
    launchNext();
    settle();
}

void AuditRunner::giveUp(int row, AuditTrouble trouble)
{
    if (!jobsRunning_[static_cast<std::size_t>(row)]) return;
    release(row);
    AuditRow& r = rows_[static_cast<std::size_t>(row)];
    r.result.reset();
    r.state = AuditState::Failed;
    r.trouble = trouble;
    emit rowChanged(row);
    launchNext();
    settle();
}

// The process goes: killed if it still runs, deleted once it has ended.
void AuditRunner::release(int row)
{
    std::unique_ptr<Job> job = std::move(jobsRunning_[static_cast<std::size_t>(row)]);
    if (!job) return;
    job->watchdog->stop();
    job->watchdog->deleteLater();
    QProcess* p = job->process;
    p->disconnect(this);
    if (p->state() == QProcess::NotRunning) {
        p->deleteLater();
        return;
    }
    p->kill();
    p->waitForFinished(1000);
    delete p;
}

void AuditRunner::settle()
{
    if (!active_ || runningCount() > 0 || (!cancelling_ && next_ < static_cast<int>(rows_.size()))) return;
    active_ = false;
    emit finished();
}

void AuditRunner::cancel()
{
    if (!active_ || cancelling_) return;
    cancelling_ = true;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].state == AuditState::Waiting) {
            rows_[row].state = AuditState::Failed;
            rows_[row].trouble = AuditTrouble::Cancelled;
            emit rowChanged(static_cast<int>(row));
        } else if (Job* job = jobsRunning_[row].get()) {
            job->process->write(
                QByteArray(measure::kStopLine.data(), static_cast<int>(measure::kStopLine.size())) + '\n');
            job->process->closeWriteChannel();
            job->watchdog->setInterval(measure::kStopLimitMs);
            job->watchdog->start();
        }
    }
    next_ = static_cast<int>(rows_.size());
    settle();
}

void AuditRunner::abort()
{
    const bool wasActive = active_;
    killAll();
    if (wasActive) emit finished();
}

void AuditRunner::clear()
{
    if (active_) return;
    killAll();
    rows_.clear();
    jobsRunning_.clear();
}

void AuditRunner::killAll()
{
    cancelling_ = true;
    for (std::size_t row = 0; row < jobsRunning_.size(); ++row) {
        if (!jobsRunning_[row]) continue;
        release(static_cast<int>(row));
        rows_[row].result.reset();
        rows_[row].state = AuditState::Failed;
        rows_[row].trouble = AuditTrouble::Cancelled;
    }
    for (AuditRow& r : rows_)
        if (r.state == AuditState::Waiting) {
            r.state = AuditState::Failed;
            r.trouble = AuditTrouble::Cancelled;
        }
    active_ = false;
}

SiteAudit siteAudit(const std::vector<measure::ListedSource>& sources, const std::vector<AuditRow>& rows)
{
    SiteAudit audit;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        AuditedSource row;
        row.source = sources[i];
        if (i < rows.size()) {
            const AuditRow& r = rows[i];
            if (r.state == AuditState::Measured && r.result) {
                row.record = measuredRecord(*r.result, r.measuredAt);
                row.appliedKbps = r.result->appliedKbps;
            } else {
                row.trouble = r.trouble;
                row.cause = r.cause;
            }
        }
        audit.rows.push_back(std::move(row));
    }
    return audit;
}

} // namespace velmora
