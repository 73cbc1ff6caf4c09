// SPDX-License-Identifier: GPL-3.0-or-later
#include "Audit.h"

#include "AuditRunner.h"
#include "ChannelTable.h"
#include "CommandLineTexts.h"
#include "NumberRules.h"
#include "PlanFile.h"
#include "PlanSession.h"
#include "Protocol.h"
#include "Recorders.h"
#include "SiteAudit.h"
#include "Source.h"
#include "SourceList.h"
#include "Startup.h"
#include "TextDoor.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

namespace {

namespace t = clitexts;

void printLine(std::FILE* stream, const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

// The cause as part of a line: "файл не найден", not "Файл не найден.".
QString phrase(std::string_view sentence)
{
    QString text = qtText(sentence);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    if (!text.isEmpty()) text[0] = text[0].toLower();
    return text;
}

// A signal that ends the program (kill, Ctrl+C, a closed terminal) reaches
// the event loop through a pipe, so that the measuring processes go with the
// program instead of measuring on for up to an hour.
constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};
int g_signalPipe[2] = {-1, -1};

void onEndingSignal(int signal)
{
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

class EndingSignals {
public:
    // Calls `ended` with the signal, on the event loop.
    template <typename Ended>
    explicit EndingSignals(Ended ended)
    {
        if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
        notifier_ = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [ended] {
            unsigned char byte = 0;
            if (::read(g_signalPipe[0], &byte, 1) == 1) ended(static_cast<int>(byte));
        });
        struct sigaction action {};
        action.sa_handler = onEndingSignal;
        sigemptyset(&action.sa_mask);
        for (const int s : kEndingSignals) sigaction(s, &action, nullptr);
    }
    ~EndingSignals()
    {
        for (const int s : kEndingSignals) std::signal(s, SIG_DFL);
        notifier_.reset();
        for (int& fd : g_signalPipe) {
            if (fd >= 0) ::close(fd);
            fd = -1;
        }
    }
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace

void complain(const QString& line)
{
    printLine(stderr, qtText(t::kPrefix) + line);
}

QString listProblemText(const measure::SourceList& list)
{
    switch (list.problem) {
    case measure::ListProblem::NoSuchFile: return qtText(t::kListNoSuchFile);
    case measure::ListProblem::NotReadable: return qtText(t::kListNotReadable);
    case measure::ListProblem::TooLarge: return qtText(t::kListTooLarge).arg(measure::kMaxListMegabytes);
    case measure::ListProblem::TooMany:
        return qtText(t::kListTooMany)
            .arg(measure::kMaxListedSources)
            .arg(list.line)
            .arg(measure::kMaxListedSources + 1);
    case measure::ListProblem::NoAddress: return qtText(t::kListNoAddress).arg(list.line);
    case measure::ListProblem::NotUtf8: return qtText(t::kListNotUtf8).arg(list.line);
    case measure::ListProblem::NameTooLong:
        return qtText(t::kListNameTooLong).arg(list.line).arg(kMaxCameraNameLength);
    case measure::ListProblem::RecorderNameTooLong:
        return qtText(t::kListRecorderNameTooLong).arg(list.line).arg(kMaxRecorderNameLength);
    case measure::ListProblem::RecorderFull:
        return qtText(t::kListRecorderFull)
            .arg(QString::fromStdString(list.recorder))
            .arg(kMaxChannels)
            .arg(list.line)
            .arg(kMaxChannels + 1);
    case measure::ListProblem::TooManyRecorders:
        return qtText(t::kListTooManyRecorders).arg(kMaxRecorders).arg(list.line).arg(kMaxRecorders + 1);
    case measure::ListProblem::Empty: return qtText(t::kListEmpty);
    case measure::ListProblem::None: break;
    }
    return {};
}

QString whyNotMeasured(const AuditedSource& row)
{
    switch (row.trouble) {
    case AuditTrouble::Cause: return phrase(measure::causeText(row.cause).russian);
    case AuditTrouble::NotStarted: return qtText(t::kAuditNotStarted);
    case AuditTrouble::Silent: return qtText(t::kAuditSilent).arg(measure::kSilenceLimitSeconds);
    case AuditTrouble::Cancelled: return qtText(t::kAuditCancelled);
    case AuditTrouble::Crashed:
    case AuditTrouble::None: break;
    }
    return qtText(t::kAuditCrashed);
}

// The table: every column as wide as its widest entry, two blanks between.
// A row's last entry runs on (a cause, the total) and widens nothing.
void printTable(const std::vector<QStringList>& rows)
{
    std::vector<qsizetype> widths;
    for (const QStringList& row : rows)
        for (qsizetype i = 0; i + 1 < row.size(); ++i) {
            if (widths.size() <= static_cast<std::size_t>(i)) widths.push_back(0);
            widths[static_cast<std::size_t>(i)] =
                std::max(widths[static_cast<std::size_t>(i)], row[i].size());
        }
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i) line += QStringLiteral("  ");
            line += i + 1 < row.size() ? row[i].leftJustified(widths[static_cast<std::size_t>(i)]) : row[i];
        }
        printLine(stdout, line);
    }
}

SiteAudit measureSite(const measure::SourceList& list, int seconds, int jobs)
{
    QStringList addresses;
    for (const measure::ListedSource& source : list.sources)
        addresses << QString::fromStdString(source.address);
    AuditRunner runner(QCoreApplication::applicationDirPath() + QStringLiteral("/velmora-measure"));
    QEventLoop loop;
    QObject::connect(&runner, &AuditRunner::finished, &loop, &QEventLoop::quit);
    {
        // Ended from outside: no process left measuring, no plan, and the
        // program ends by the same signal, as the shell expects.
        const EndingSignals ending([&runner](int signal) {
            runner.abort();
            complain(qtText(t::kAuditInterrupted));
            std::signal(signal, SIG_DFL);
            std::raise(signal);
        });
        runner.start(addresses, seconds, jobs);
        if (runner.running()) loop.exec();
    }
    return siteAudit(list.sources, runner.rows());
}

int runAudit(const CommandLine& command, int argc, char* argv[])
{
    const QString decimal = command.decimal.isEmpty() ? QLocale::system().decimalPoint() : command.decimal;
    const auto number = [separator = decimal.toStdString()](double value, int decimals) {
        return qtText(decimalText(value, decimals, separator));
    };

    const measure::SourceList list =
        measure::readSourceListFile(command.auditList.toLocal8Bit().toStdString());
    if (list.problem != measure::ListProblem::None) {
        complain(qtText(t::kFileFailed).arg(command.auditList, listProblemText(list)));
        return kUsageError;
    }
    // Minutes of measuring must not end in a plan that cannot be written.
    QString why;
    if (!canWriteFile(command.plan, &why)) {
        complain(qtText(t::kFileFailed).arg(command.plan, why));
        return kExportFailed;
    }

    QCoreApplication app(argc, argv);
    const SiteAudit site = measureSite(list, command.auditSeconds, command.auditJobs);
    // A site of several recorders names each camera's.
    const bool several = list.recorders().size() > 1;
    QStringList headings{qtText(t::kTableNumber), qtText(t::kTableName), qtText(t::kTableCodec),
                         qtText(t::kTableFrame),  qtText(t::kTableKbps), qtText(t::kTableApplied)};
    if (several) headings.insert(2, qtText(t::kTableRecorder));
    std::vector<QStringList> table{headings};
    for (std::size_t i = 0; i < site.rows.size(); ++i) {
        const AuditedSource& row = site.rows[i];
        QStringList line{QString::number(i + 1), QString::fromStdString(row.source.name)};
        if (several) line << QString::fromStdString(row.source.recorder);
        if (!row.record) {
            table.push_back(line << qtText(t::kTableFailed).arg(whyNotMeasured(row)));
            complain(
                qtText(t::kSourceFailed)
                    .arg(i + 1)
                    .arg(qtText(t::kQuoted)
                             .arg(QString::fromStdString(measure::withoutCredentials(row.source.address))),
                         whyNotMeasured(row)));
            continue;
        }
        const MeasuredRecord& m = *row.record;
        QString frame = m.width > 0 && m.height > 0 ? qtText(t::kTableSize).arg(m.width).arg(m.height)
                                                    : qtText(t::kUnknown);
        if (m.fps) frame += QStringLiteral(", ") + qtText(t::kTableFps).arg(number(*m.fps, 2));
        table.push_back(line << QString::fromStdString(m.codec) << frame
                             << number(m.videoKbps + m.audioKbps.value_or(0), 1)
                             << number(row.appliedKbps, 2));
    }
    const std::vector<MeasuredCamera> cameras = site.cameras();
    table.push_back({qtText(t::kTableTotal)
                         .arg(cameras.size())
                         .arg(site.rows.size())
                         .arg(number(site.appliedSumMbit(), 2))});
    printTable(table);
    std::fflush(stdout);
    if (cameras.empty()) {
        complain(qtText(t::kNothingMeasured));
        return kExportFailed;
    }

    // The plan as a window just started would hold it with these channels.
    QuietHost host;
    PlanSession session = sessionFor(Layout::Tall, decimal.toStdString(), host);
    // The list's recorders, each with its cameras; a lone recorder the list
    // names keeps that name.
    session.fillSite(cameras);
    if (session.recorderCount() == 1 && session.recorderName(0) != cameras.front().recorder)
        session.renameRecorder(0, cameras.front().recorder, nullptr);
    std::string reason;
    if (!session.saveAs(command.plan.toStdString(), &reason)) {
        complain(qtText(t::kFileFailed).arg(command.plan, qtText(reason)));
        return kExportFailed;
    }
    return cameras.size() == site.rows.size() ? 0 : kExportFailed;
}

} // namespace velmora
