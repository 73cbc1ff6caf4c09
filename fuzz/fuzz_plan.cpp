// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes reading a plan file: arbitrary bytes go to the plan reader. A plan
// it takes, of one recorder or a site of several, must stay within every
// range the reader promises, load into started forms without breaking any
// invariant of FormChecks.h, and come back through saving and reading
// unchanged, byte for byte.

#include "CsvExport.h"
#include "FormChecks.h"
#include "PlanFile.h"
#include "PlanSession.h"
#include "Startup.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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
    const SiteRead read = readSite(bytes);
    if (!read.site) {
        if (read.error.isEmpty()) broken("a refused plan without a reason");
        return 0;
    }
    if (!read.error.isEmpty()) broken("a plan read with a reason to refuse it");
    const SitePlan& site = *read.site;
    const int count = static_cast<int>(site.recorders.size());
    if (count < 1 || count > kMaxRecorders || site.recorderShown < 1 || site.recorderShown > count)
        broken("a site outside the ranges got through");
    std::vector<std::string> names;
    for (const SiteRecorder& r : site.recorders) {
        if (!inRange(r.plan)) broken("a plan outside the ranges got through");
        if (recorderNameProblem(r.name, names) != RecorderNameProblem::None)
            broken("a recorder's name got through");
        names.push_back(r.name);
    }

    checks::AnsweringHost host;
    for (const bool compact : {false, true}) {
        const Layout layout = compact ? Layout::Compact : Layout::Tall;
        const std::string decimal = compact ? "," : ".";
        PlanSession session = sessionFor(layout, decimal, host);
        session.loadSite(site);
        for (int r = 0; r < session.recorderCount(); ++r) {
            const MainForm& form = session.recorderForm(r);
            if (const std::string why = checks::violation(form); !why.empty()) broken("after loading:", why);
            if (channelTableCsv(form).empty()) broken("an empty channel table");
        }
        if (host.questions || host.reports || host.abouts) broken("loading asked or opened something");

        const SitePlan saved = session.site();
        const QByteArray json = siteJson(saved);
        const SiteRead again = readSite(json);
        if (!again.site) broken("a saved plan refused:", again.error.toStdString());
        if (!(*again.site == saved)) broken("a saved plan read back differently");
        if (siteJson(*again.site) != json) broken("a second save differs");
    }
    return 0;
}
