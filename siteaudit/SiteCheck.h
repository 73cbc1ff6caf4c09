// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FormContents.h"
#include "SiteAudit.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A site checked against its plan: each camera of the list matched to a
// channel of the plan, its rate then and now, and the depth the plan
// promised against the depth at the rates measured now. No toolkit: the
// command line's --check and the site dialog share it.
namespace velmora {

// How far a camera's rate may grow before the check fails, in percent: unless
// told, and the most that can be told.
inline constexpr double kDefaultTolerancePercent = 10;
inline constexpr double kMostTolerancePercent = 1000;

// How a camera of the list found its channel.
enum class CheckMatch {
    Name,         // the channel of the camera's name
    Source,       // the channel measured from the camera's address (credentials left out)
    None,         // no channel of the plan has its name or address
    SharedName,   // several channels of the plan carry its name: none is taken
    ListedTwice,  // the list names this camera (or its address) more than once: none is taken
    ChannelTaken, // the channel it matches was matched by a camera before it
};

struct CheckedCamera {
    int row = 0;        // 0-based, in the list
    std::string name;   // as listed
    std::string source; // the address without credentials
    CheckMatch match = CheckMatch::None;
    int channel = 0;                     // 1-based; 0: none
    std::optional<float> plannedKbps;    // the channel's bitrate, the program's Кбит/с
    std::string plannedAt;               // when the channel's rate was measured; empty: typed or computed
    std::optional<double> nowKbps;       // measured now, as "Применить" types it; none: not measured
    std::string measuredAt;              // when, as the plan writes a time
    std::optional<double> changePercent; // now against planned
    bool grew = false;                   // grown beyond the tolerance
    AuditTrouble trouble = AuditTrouble::None; // why it was not measured
    measure::Cause cause = measure::Cause::Failed;
};

// A channel of the plan that no camera of the list matched.
struct UncheckedChannel {
    int channel = 0; // 1-based
    std::string name;
};

struct SiteCheck {
    std::vector<CheckedCamera> cameras; // in the list's order
    std::vector<UncheckedChannel> unmatched;
    double tolerancePercent = kDefaultTolerancePercent;
    // The recorder: the depth the plan promised, the depth at the rates now
    // (the matched channels at their measured rates, the cameras the plan
    // lacks as channels of their own), and the days wanted where the plan's
    // disk-array dialog sets them; none where the plan's disk gives no depth.
    std::optional<float> plannedDays;
    std::optional<float> daysNow;
    std::optional<double> daysWanted;

    // The days the depth now is held to: the days wanted, else the planned depth.
    std::optional<double> target() const;
    // The depth now falls short of the days wanted or, without them, of the
    // planned depth by more than rates grown by the tolerance would take.
    bool depthShort() const;
    // Every camera measured and matched, no channel left over, none grown
    // beyond the tolerance and the depth reaching its target.
    bool passed() const;
};

// The days a plan's disk holds with these channels, by the window's own
// arithmetic; none where the window shows no depth.
using DepthOf = std::function<std::optional<float>(const std::vector<PlanChannel>&)>;

// Checks the measured site against the plan's channels.
SiteCheck checkSite(const FormContents& plan, const SiteAudit& site, double tolerancePercent,
                    std::optional<double> daysWanted, const DepthOf& depthOf);

// A recorder of a site's plan, as the check reads it.
struct RecorderToCheck {
    std::string name;
    FormContents plan;
    std::optional<double> daysWanted;
    DepthOf depthOf; // by this recorder's disk and disk array
};

struct RecorderCheck {
    std::string name;
    SiteCheck check; // its cameras are the list's rows that came to it
};

// Checks the measured site against a site's recorders. Each camera goes to
// the recorder with a channel of its name (the one its list line names
// where several have), else with a channel measured from its address, else
// to the recorder its list line names, else to the first. A name several
// recorders carry without the list saying which is matched to none.
std::vector<RecorderCheck> checkRecorders(const std::vector<RecorderToCheck>& recorders,
                                          const SiteAudit& site, double tolerancePercent);
// Every recorder passed().
bool allPassed(const std::vector<RecorderCheck>& checks);

} // namespace velmora
