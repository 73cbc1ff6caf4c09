// SPDX-License-Identifier: GPL-3.0-or-later
#include "SiteCheck.h"

#include "ChannelTable.h"
#include "Estimate.h"
#include "Limits.h"
#include "NumberRules.h"
#include "Single.h"
#include "Source.h"

#include <algorithm>
#include <map>

namespace velmora {

namespace {

// The channel (0-based) whose name or measured address is `key`; -1 for none,
// -2 where several are.
int channelOf(const std::vector<PlanChannel>& channels, const std::string& key, bool byName)
{
    int found = -1;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const ChannelCamera& c = channels[i].camera;
        const bool same = byName ? !c.name.empty() && c.name == key : c.measured && c.measured->source == key;
        if (!same) continue;
        if (found >= 0) return -2;
        found = static_cast<int>(i);
    }
    return found;
}

// The channel at the rate measured now, typed as "Применить" types it: its
// other settings, its hours among them, stay as planned.
PlanChannel atRate(PlanChannel c, double appliedKbps)
{
    c.handTyped = true;
    if (const double typed = readNumber(appliedText(appliedKbps)); bitrateAccepted(typed))
        c.bitrate = single(typed);
    const ChannelVolumes v = channelVolumes(c.bitrate, hoursPerDay(c.hoursIndex).value_or(0));
    c.daily = v.daily;
    c.dailyInGigabytes = v.dailyInGigabytes;
    return c;
}

} // namespace

std::optional<double> SiteCheck::target() const
{
    if (daysWanted) return daysWanted;
    if (plannedDays) return static_cast<double>(*plannedDays);
    return std::nullopt;
}

bool SiteCheck::depthShort() const
{
    if (daysWanted) return !daysNow || static_cast<double>(*daysNow) < *daysWanted;
    if (!plannedDays) return false;
    // Without days wanted, the planned depth, short by no more than rates
    // grown by the tolerance would make it.
    return !daysNow ||
           static_cast<double>(*daysNow) * (100 + tolerancePercent) < static_cast<double>(*plannedDays) * 100;
}

bool SiteCheck::passed() const
{
    if (!unmatched.empty() || depthShort()) return false;
    return std::all_of(cameras.begin(), cameras.end(),
                       [](const CheckedCamera& c) { return c.nowKbps && c.channel > 0 && !c.grew; });
}

namespace {

// A row of the list as one recorder's check takes it.
struct RowToCheck {
    std::size_t index = 0; // in the list
    bool listedTwice = false;
    bool sharedName = false; // carried by channels of several recorders
};

// How often each name and each address comes in the list.
std::map<std::string, int> listedCounts(const SiteAudit& site)
{
    std::map<std::string, int> listed;
    for (const AuditedSource& row : site.rows) {
        ++listed[row.source.name];
        const std::string source = measure::withoutCredentials(row.source.address);
        if (source != row.source.name) ++listed[source];
    }
    return listed;
}

SiteCheck checkRows(const FormContents& plan, const SiteAudit& site, const std::vector<RowToCheck>& rows,
                    double tolerancePercent, std::optional<double> daysWanted, const DepthOf& depthOf)
{
    SiteCheck check;
    check.tolerancePercent = tolerancePercent;
    check.daysWanted = daysWanted;
    const std::vector<PlanChannel>& channels = plan.channels;

    std::vector<bool> taken(channels.size(), false);
    std::vector<PlanChannel> now = channels;
    std::vector<MeasuredCamera> added;
    for (const RowToCheck& listed : rows) {
        const AuditedSource& row = site.rows[listed.index];
        CheckedCamera c;
        c.row = static_cast<int>(listed.index);
        c.name = row.source.name;
        c.source = measure::withoutCredentials(row.source.address);
        c.trouble = row.trouble;
        c.cause = row.cause;
        if (row.record) {
            c.nowKbps = row.appliedKbps;
            c.measuredAt = row.record->measuredAt;
        }
        int index = -1;
        // A name or an address listed twice is not matched at all: which row
        // is the camera would be a guess.
        if (listed.listedTwice) {
            c.match = CheckMatch::ListedTwice;
        } else if (const int byName = channelOf(channels, c.name, true); byName == -2 || listed.sharedName) {
            c.match = CheckMatch::SharedName;
        } else if (byName >= 0) {
            c.match = CheckMatch::Name;
            index = byName;
        } else if (const int bySource = channelOf(channels, c.source, false); bySource >= 0) {
            c.match = CheckMatch::Source;
            index = bySource;
        }
        if (index >= 0 && taken[static_cast<std::size_t>(index)]) {
            c.match = CheckMatch::ChannelTaken;
            index = -1;
        }
        if (index >= 0) {
            const auto i = static_cast<std::size_t>(index);
            taken[i] = true;
            c.channel = index + 1;
            c.plannedKbps = channels[i].bitrate;
            if (channels[i].camera.measured) c.plannedAt = channels[i].camera.measured->measuredAt;
            if (c.nowKbps) {
                const double planned = channels[i].bitrate;
                if (planned > 0) c.changePercent = (*c.nowKbps - planned) / planned * 100;
                // Grown beyond: now > planned x (1 + tolerance); exactly at the tolerance passes.
                c.grew = *c.nowKbps * 100 > planned * (100 + tolerancePercent);
                now[i] = atRate(channels[i], *c.nowKbps);
            }
        } else if (row.record && c.match == CheckMatch::None) {
            added.push_back({c.name, *row.record, row.appliedKbps, {}});
        }
        check.cameras.push_back(std::move(c));
    }
    for (std::size_t i = 0; i < channels.size(); ++i)
        if (!taken[i]) check.unmatched.push_back({static_cast<int>(i) + 1, channels[i].camera.name});

    // A camera the plan lacks records too: a channel of its own, as filling makes it.
    if (!added.empty() && !channels.empty()) {
        for (PlanChannel& c : measuredChannels(added, channels.front())) {
            if (static_cast<int>(now.size()) == kMaxChannels) break;
            now.push_back(std::move(c));
        }
    }
    check.plannedDays = depthOf(channels);
    check.daysNow = depthOf(now);
    return check;
}

// The recorders (0-based) with a channel of this name or measured address.
std::vector<std::size_t> recordersWith(const std::vector<RecorderToCheck>& recorders, const std::string& key,
                                       bool byName)
{
    std::vector<std::size_t> found;
    for (std::size_t r = 0; r < recorders.size(); ++r)
        if (channelOf(recorders[r].plan.channels, key, byName) != -1) found.push_back(r);
    return found;
}

} // namespace

SiteCheck checkSite(const FormContents& plan, const SiteAudit& site, double tolerancePercent,
                    std::optional<double> daysWanted, const DepthOf& depthOf)
{
    return checkRecorders({{{}, plan, daysWanted, depthOf}}, site, tolerancePercent).front().check;
}

std::vector<RecorderCheck> checkRecorders(const std::vector<RecorderToCheck>& recorders,
                                          const SiteAudit& site, double tolerancePercent)
{
    std::vector<RecorderCheck> checks;
    if (recorders.empty()) return checks;
    std::map<std::string, int> listed = listedCounts(site);
    std::vector<std::vector<RowToCheck>> rows(recorders.size());
    for (std::size_t i = 0; i < site.rows.size(); ++i) {
        const measure::ListedSource& s = site.rows[i].source;
        const std::string source = measure::withoutCredentials(s.address);
        RowToCheck row{i, listed[s.name] > 1 || listed[source] > 1, false};
        // The list's recorder, where the site has it.
        const auto named = std::find_if(recorders.begin(), recorders.end(),
                                        [&s](const RecorderToCheck& r) { return r.name == s.recorder; });
        const std::size_t own = named == recorders.end() ? recorders.size() : named - recorders.begin();
        std::vector<std::size_t> with = recordersWith(recorders, s.name, true);
        if (with.empty()) with = recordersWith(recorders, source, false);
        std::size_t home = own == recorders.size() ? 0 : own;
        if (!row.listedTwice && !with.empty() && std::find(with.begin(), with.end(), own) == with.end()) {
            home = with.front();
            row.sharedName = with.size() > 1;
        }
        rows[home].push_back(row);
    }
    for (std::size_t r = 0; r < recorders.size(); ++r) {
        const RecorderToCheck& to = recorders[r];
        checks.push_back(
            {to.name, checkRows(to.plan, site, rows[r], tolerancePercent, to.daysWanted, to.depthOf)});
    }
    return checks;
}

bool allPassed(const std::vector<RecorderCheck>& checks)
{
    return std::all_of(checks.begin(), checks.end(), [](const RecorderCheck& r) { return r.check.passed(); });
}

} // namespace velmora
