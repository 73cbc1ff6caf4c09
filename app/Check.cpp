// SPDX-License-Identifier: GPL-3.0-or-later
#include "Check.h"

#include "Audit.h"
#include "Causes.h"
#include "CommandLineTexts.h"
#include "Depth.h"
#include "NumberRules.h"
#include "PlanSession.h"
#include "Protocol.h"
#include "SiteCheck.h"
#include "SourceList.h"
#include "Startup.h"
#include "TextDoor.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace velmora {

namespace {

namespace t = clitexts;

std::string_view matchCode(CheckMatch match)
{
    switch (match) {
    case CheckMatch::Name: return "name";
    case CheckMatch::Source: return "source";
    case CheckMatch::None: return "none";
    case CheckMatch::SharedName: return "shared-name";
    case CheckMatch::ListedTwice: return "listed-twice";
    case CheckMatch::ChannelTaken: return "channel-taken";
    }
    return "none";
}

// Why a camera was not measured, as the JSON names it: the measuring
// program's cause, or what became of the program.
std::string troubleCode(const CheckedCamera& c)
{
    switch (c.trouble) {
    case AuditTrouble::Cause: return std::string(measure::causeText(c.cause).code);
    case AuditTrouble::NotStarted: return "not-started";
    case AuditTrouble::Silent: return "silent";
    case AuditTrouble::Cancelled: return "cancelled";
    case AuditTrouble::Crashed: return "crashed";
    case AuditTrouble::None: break;
    }
    return "crashed";
}

// The matching's trouble, as part of a camera's line; empty where it found its channel.
QString matchTrouble(CheckMatch match)
{
    switch (match) {
    case CheckMatch::None: return qtText(t::kCheckNotInPlan);
    case CheckMatch::SharedName: return qtText(t::kCheckSharedName);
    case CheckMatch::ListedTwice: return qtText(t::kCheckListedTwice);
    case CheckMatch::ChannelTaken: return qtText(t::kCheckChannelTaken);
    case CheckMatch::Name:
    case CheckMatch::Source: break;
    }
    return {};
}

std::string jsonNumber(std::optional<double> value, int decimals)
{
    return value ? decimalText(*value, decimals) : "null";
}

std::string jsonText(const std::string& text)
{
    return text.empty() ? "null" : measure::jsonString(text);
}

std::optional<double> days(std::optional<float> d)
{
    if (!d) return std::nullopt;
    return static_cast<double>(okrug(*d));
}

QString quoted(const std::string& name)
{
    return qtText(t::kQuoted).arg(QString::fromStdString(name));
}

// A camera of the list with the recorder it came to.
struct SiteCamera {
    const CheckedCamera* camera;
    const RecorderCheck* recorder;
};

// The cameras of every recorder, in the list's order.
std::vector<SiteCamera> inListOrder(const std::vector<RecorderCheck>& checks)
{
    std::vector<SiteCamera> cameras;
    for (const RecorderCheck& r : checks)
        for (const CheckedCamera& c : r.check.cameras) cameras.push_back({&c, &r});
    std::sort(cameras.begin(), cameras.end(),
              [](const SiteCamera& a, const SiteCamera& b) { return a.camera->row < b.camera->row; });
    return cameras;
}

// One JSON object, on one line, with the figures of the table.
std::string checkJson(const std::vector<RecorderCheck>& checks, double tolerancePercent,
                      const std::string& plan)
{
    std::string out = "{\"verdict\":";
    out += allPassed(checks) ? "\"ok\"" : "\"short\"";
    out += ",\"tolerance_percent\":" + decimalText(tolerancePercent, 2);
    out += ",\"recorders\":[";
    for (std::size_t r = 0; r < checks.size(); ++r) {
        const SiteCheck& check = checks[r].check;
        if (r) out += ',';
        out += "{\"plan\":" + measure::jsonString(plan);
        out += ",\"name\":" + measure::jsonString(checks[r].name);
        out += ",\"depth_planned_days\":" + jsonNumber(days(check.plannedDays), 2);
        out += ",\"depth_now_days\":" + jsonNumber(days(check.daysNow), 2);
        out += ",\"days_wanted\":" + jsonNumber(check.daysWanted, 2);
        out += std::string(",\"short\":") + (check.depthShort() ? "true" : "false") + "}";
    }
    out += "],\"cameras\":[";
    const std::vector<SiteCamera> cameras = inListOrder(checks);
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        const CheckedCamera& c = *cameras[i].camera;
        if (i) out += ',';
        out += "{\"number\":" + std::to_string(c.row + 1);
        out += ",\"name\":" + measure::jsonString(c.name);
        out += ",\"source\":" + measure::jsonString(c.source);
        out += ",\"recorder\":" + measure::jsonString(cameras[i].recorder->name);
        out += ",\"match\":\"" + std::string(matchCode(c.match)) + "\"";
        out += ",\"channel\":" + (c.channel > 0 ? std::to_string(c.channel) : std::string("null"));
        out += ",\"planned_kbps\":" +
               jsonNumber(c.plannedKbps ? std::optional<double>(okrug(*c.plannedKbps)) : std::nullopt, 2);
        out += ",\"planned_at\":" + jsonText(c.plannedAt);
        out += ",\"now_kbps\":" + jsonNumber(c.nowKbps, 2);
        out += ",\"measured_at\":" + jsonText(c.measuredAt);
        out += ",\"change_percent\":" + jsonNumber(c.changePercent, 1);
        out += std::string(",\"grew\":") + (c.grew ? "true" : "false");
        out += ",\"cause\":" + (c.nowKbps ? std::string("null") : "\"" + troubleCode(c) + "\"");
        out += '}';
    }
    out += "],\"unmatched_channels\":[";
    bool first = true;
    for (const RecorderCheck& r : checks)
        for (const UncheckedChannel& u : r.check.unmatched) {
            if (!first) out += ',';
            first = false;
            out += "{\"recorder\":" + measure::jsonString(r.name) +
                   ",\"channel\":" + std::to_string(u.channel) + ",\"name\":" + measure::jsonString(u.name) +
                   '}';
        }
    out += "]}";
    return out;
}

// Prints the table of the cameras and gives the lines of what falls short
// with them: a camera not measured, not matched or grown, a channel left over.
template <typename Number>
QStringList printCameras(const std::vector<RecorderCheck>& checks, double tolerancePercent,
                         const Number& number)
{
    // A site of several recorders names each camera's and each line's recorder.
    const bool several = checks.size() > 1;
    QStringList headings{qtText(t::kTableNumber),  qtText(t::kTableName), qtText(t::kCheckChannel),
                         qtText(t::kCheckPlanned), qtText(t::kCheckNow),  qtText(t::kCheckChange),
                         qtText(t::kCheckWhen)};
    if (several) headings.insert(2, qtText(t::kTableRecorder));
    std::vector<QStringList> table{headings};
    QStringList problems;
    for (const SiteCamera& at : inListOrder(checks)) {
        const CheckedCamera& c = *at.camera;
        const QString who = qtText(t::kCheckCamera).arg(c.row + 1).arg(quoted(c.name));
        QString change;
        if (c.changePercent) {
            const QString shown = number(*c.changePercent, 1);
            change = (*c.changePercent > 0 && shown != QLatin1String("0") ? QStringLiteral("+") : QString()) +
                     shown + QStringLiteral(" %");
        }
        QString when = QString::fromStdString(c.measuredAt);
        if (!c.plannedAt.empty()) when += qtText(t::kCheckPlannedAt).arg(QString::fromStdString(c.plannedAt));
        QStringList line{QString::number(c.row + 1),
                         QString::fromStdString(c.name),
                         c.channel > 0 ? QString::number(c.channel) : QStringLiteral("—"),
                         c.plannedKbps ? number(okrug(*c.plannedKbps), 2) : QString(),
                         c.nowKbps ? number(*c.nowKbps, 2) : qtText(t::kCheckNotMeasured),
                         change,
                         when};
        if (several) line.insert(2, QString::fromStdString(at.recorder->name));
        table.push_back(line);
        if (!c.nowKbps) {
            AuditedSource row;
            row.trouble = c.trouble;
            row.cause = c.cause;
            problems << who + qtText(t::kCheckNotMeasuredBecause).arg(whyNotMeasured(row));
        }
        if (const QString trouble = matchTrouble(c.match); !trouble.isEmpty()) problems << who + trouble;
        if (c.grew) problems << who + qtText(t::kCheckGrew).arg(change, number(tolerancePercent, 1));
    }
    for (const RecorderCheck& r : checks)
        for (const UncheckedChannel& u : r.check.unmatched)
            problems << (several
                             ? qtText(t::kCheckUnmatchedOf).arg(u.channel).arg(quoted(u.name), quoted(r.name))
                             : qtText(t::kCheckUnmatched).arg(u.channel).arg(quoted(u.name)));
    printTable(table);
    return problems;
}

} // namespace

int runCheck(const CommandLine& command, int argc, char* argv[])
{
    const QString decimal = command.decimal.isEmpty() ? QLocale::system().decimalPoint() : command.decimal;
    const std::string separator = decimal.toStdString();
    const auto number = [&separator](double value, int decimals) {
        return qtText(decimalText(value, decimals, separator));
    };

    QuietHost host;
    PlanSession session = sessionFor(Layout::Tall, separator, host);
    std::string why;
    if (!session.open(command.plan.toStdString(), &why)) {
        complain(qtText(t::kFileFailed).arg(command.plan, qtText(why)));
        return kUsageError;
    }
    const measure::SourceList list =
        measure::readSourceListFile(command.auditList.toLocal8Bit().toStdString());
    if (list.problem != measure::ListProblem::None) {
        complain(qtText(t::kFileFailed).arg(command.auditList, listProblemText(list)));
        return kUsageError;
    }

    QCoreApplication app(argc, argv);
    const SiteAudit site = measureSite(list, command.auditSeconds, command.auditJobs);
    const std::vector<RecorderCheck> checks =
        checkRecorders(session.recordersToCheck(), site, command.tolerance);
    const int verdict = allPassed(checks) ? 0 : kExportFailed;

    if (command.json) {
        std::fputs((checkJson(checks, command.tolerance, command.plan.toStdString()) + '\n').c_str(), stdout);
        return verdict;
    }

    // A site of several recorders names each camera's and each line's recorder.
    const bool several = checks.size() > 1;
    QStringList problems = printCameras(checks, command.tolerance, number);

    // A depth inside a line: the window's figure and day word, two decimals, no final period.
    const auto depth = [&separator](std::optional<double> d) {
        if (!d) return qtText(t::kCheckNoDepth);
        QString shown = qtText(depthText(okrug(static_cast<float>(*d)), separator, {}));
        if (shown.endsWith(QLatin1Char('.'))) shown.chop(1);
        return shown.trimmed();
    };
    const auto asDays = [](std::optional<float> d) { return d ? std::optional<double>(*d) : std::nullopt; };
    for (const RecorderCheck& r : checks) {
        const SiteCheck& check = r.check;
        const QString planned = depth(asDays(check.plannedDays));
        const QString now = depth(asDays(check.daysNow));
        QString depthLine = several ? qtText(t::kCheckRecorderDepth).arg(quoted(r.name), planned, now)
                                    : qtText(t::kCheckDepth).arg(planned, now);
        if (check.daysWanted) depthLine += qtText(t::kCheckWanted).arg(depth(check.daysWanted));
        std::fputs((depthLine + QLatin1Char('.') + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
        if (check.depthShort())
            problems
                << (several
                        ? qtText(t::kCheckRecorderDepthShort).arg(quoted(r.name), now, depth(check.target()))
                        : qtText(t::kCheckDepthShort).arg(now, depth(check.target())));
    }
    for (const QString& p : problems) std::fputs((p + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fputs((qtText(verdict == 0 ? t::kCheckPassed : t::kCheckFailed) + QLatin1Char('\n'))
                   .toLocal8Bit()
                   .constData(),
               stdout);
    return verdict;
}

} // namespace velmora
