// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Causes.h"
#include "ChannelCamera.h"
#include "FormContents.h"
#include "SourceList.h"

#include <optional>
#include <string>
#include <vector>

// A site's list of cameras measured, without a toolkit: the rows of the list
// with each one's figures or why there are none, the cameras measured, their
// sum, and the channels they become. `velmora --audit`, the check against a
// plan and the site dialog all read a site through this.
namespace velmora {

// Why a source gave no figures.
enum class AuditTrouble {
    None,
    Cause,      // the measuring program named the cause (`cause`)
    NotStarted, // the measuring program could not be started
    Crashed,    // it ended without a result or a cause, or with a result and a failing exit
    Silent,     // it said nothing for measure::kSilenceLimitMs and was stopped
    Cancelled,  // the run was cancelled before this source had figures
};

// One row of the list after measuring.
struct AuditedSource {
    measure::ListedSource source;         // the address (credentials and all) and the name as listed or typed
    std::optional<MeasuredRecord> record; // the figures; none: not measured
    double appliedKbps = 0;               // what "Применить" types for it: the program's Кбит/с
    AuditTrouble trouble = AuditTrouble::None;
    measure::Cause cause = measure::Cause::Failed; // for AuditTrouble::Cause

    bool measured() const { return record.has_value(); }
};

struct SiteAudit {
    std::vector<AuditedSource> rows; // in the list's order

    // The measured rows as cameras, in the list's order. A row without a
    // name is named by its address without credentials, as a list line
    // without a name is.
    std::vector<MeasuredCamera> cameras() const;
    // The rates of the measured rows summed, in the program's Кбит/с, and in
    // its Мбит/с (1024 Кбит).
    double appliedSum() const;
    double appliedSumMbit() const;
};

// The text "Применить" types for a measured rate: two decimals with a period,
// which the bitrate field reads whole under either separator.
std::string appliedText(double appliedKbps);

// The channels the cameras become, one each, in their order, at most
// kMaxChannels: the start-up channel `started` with the camera's rate typed
// into its bitrate field as "Применить" types it (so hand-typed; a rate the
// field refuses leaves the start-up bitrate), 24 hours a day, with the
// camera's name and measurement.
std::vector<PlanChannel> measuredChannels(const std::vector<MeasuredCamera>& cameras,
                                          const PlanChannel& started);

} // namespace velmora
