// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes reading a plan file: arbitrary bytes go to the plan reader. A plan
// it takes must stay within every range the reader promises, load into a
// started form without breaking any invariant of FormChecks.h, and come back
// through saving and reading unchanged, byte for byte.

#include "CsvExport.h"
#include "FormChecks.h"
#include "PlanFile.h"
#include "PlanSession.h"
#include "Startup.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace velmora;

[[noreturn]] void broken(const char* what, const std::string& detail = {})
{
    std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.c_str());
    std::abort();
}

bool inRange(const Plan& p)
{
    const int count = static_cast<int>(p.channels.size());
    if (count < 1 || count > kMaxChannels) return false;
    if (p.channelShown < 1 || p.channelShown > count) return false;
    if (p.periodDays < -32768 || p.periodDays > 32767 || p.diskUnitIndex < 0 || p.diskUnitIndex > 1)
        return false;
    for (const PlanChannel& c : p.channels) {
        if (c.resolutionIndex < 0 || c.resolutionIndex > 6 || c.frameRateIndex < 0 || c.frameRateIndex > 24 ||
            c.qualityIndex < 0 || c.qualityIndex > 8 || c.profileIndex < 0 || c.profileIndex > 2 ||
            c.hoursIndex < 0 || c.hoursIndex > 23 || c.codecIndex < 0 || c.codecIndex > 2)
            return false;
        if (!std::isfinite(c.bitrate) || !std::isfinite(c.daily) || !bitrateAccepted(c.bitrate)) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PlanRead read = readPlan(bytes);
    if (!read.plan) {
        if (read.error.isEmpty()) broken("a refused plan without a reason");
        return 0;
    }
    if (!read.error.isEmpty()) broken("a plan read with a reason to refuse it");
    if (!inRange(*read.plan)) broken("a plan outside the ranges got through");

    checks::AnsweringHost host;
    for (const bool compact : {false, true}) {
        const Layout layout = compact ? Layout::Compact : Layout::Tall;
        const std::string decimal = compact ? "," : ".";
        PlanSession session = sessionFor(layout, decimal, host);
        session.load(*read.plan);
        const MainForm& form = session.form();
        if (const std::string why = checks::violation(form); !why.empty()) broken("after loading:", why);
        if (host.questions || host.reports || host.abouts) broken("loading asked or opened something");
        if (channelTableCsv(form).empty()) broken("an empty channel table");

        const Plan saved = session.plan();
        const QByteArray json = planJson(saved);
        const PlanRead again = readPlan(json);
        if (!again.plan) broken("a saved plan refused:", again.error.toStdString());
        if (!(*again.plan == saved)) broken("a saved plan read back differently");
        if (planJson(*again.plan) != json) broken("a second save differs");
    }
    return 0;
}
