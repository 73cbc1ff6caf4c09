// SPDX-License-Identifier: GPL-3.0-or-later
#include "SiteAudit.h"

#include "ChannelTable.h"
#include "Estimate.h"
#include "Limits.h"
#include "NumberRules.h"
#include "Options.h"
#include "Single.h"
#include "Source.h"

namespace velmora {

std::vector<MeasuredCamera> SiteAudit::cameras() const
{
    std::vector<MeasuredCamera> out;
    for (const AuditedSource& row : rows) {
        if (!row.record) continue;
        std::string name = row.source.name;
        if (name.empty()) name = measure::withoutCredentials(row.source.address);
        out.push_back({std::move(name), *row.record, row.appliedKbps, row.source.recorder});
    }
    return out;
}

double SiteAudit::appliedSum() const
{
    double sum = 0;
    for (const AuditedSource& row : rows)
        if (row.record) sum += row.appliedKbps;
    return sum;
}

double SiteAudit::appliedSumMbit() const
{
    return appliedSum() / kUnitStep;
}

std::string appliedText(double appliedKbps)
{
    return decimalText(appliedKbps, 2);
}

std::vector<PlanChannel> measuredChannels(const std::vector<MeasuredCamera>& cameras,
                                          const PlanChannel& started)
{
    constexpr int kAllDay = 0; // the hours list's "24 часа"
    std::vector<PlanChannel> channels;
    for (const MeasuredCamera& camera : cameras) {
        if (static_cast<int>(channels.size()) == kMaxChannels) break;
        PlanChannel c = started;
        c.hoursIndex = kAllDay;
        c.handTyped = true;
        // The field reads the typed text; a rate it refuses leaves the bitrate it had.
        if (const double typed = readNumber(appliedText(camera.appliedKbps)); bitrateAccepted(typed))
            c.bitrate = single(typed);
        const ChannelVolumes v = channelVolumes(c.bitrate, hoursPerDay(kAllDay).value_or(0));
        c.daily = v.daily;
        c.dailyInGigabytes = v.dailyInGigabytes;
        c.camera = {camera.name, camera.record};
        channels.push_back(std::move(c));
    }
    return channels;
}

} // namespace velmora
