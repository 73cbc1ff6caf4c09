#pragma once

#include "DiskArrayForm.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// One channel of a plan: the twelve columns of the channel table.
struct PlanChannel {
    int resolutionIndex = 0; // positions in the main window's lists
    int frameRateIndex = 0;
    int qualityIndex = 0;
    int profileIndex = 0;
    int hoursIndex = 0;
    int codecIndex = 0;
    bool motion = false;
    bool sound = false;
    bool handTyped = false; // the bitrate was typed (CBR), not computed
    float bitrate = 0;      // kbit/s
    float daily = 0;        // the volume a day, in megabytes or gigabytes
    bool dailyInGigabytes = false;

    bool operator==(const PlanChannel&) const = default;
};

// Everything a plan file keeps: the channels in use, the channel shown, the
// period and disk size fields as typed, and the report's notes.
struct Plan {
    std::vector<PlanChannel> channels; // channel 1 first; 1 to 32 of them
    int channelShown = 1;              // 1-based
    std::string bitrateText;           // the bitrate field as it reads ("3371,1", a typed "1e3")
    std::string periodText;
    int periodDays = 0; // the day count, which an ignored period entry leaves behind
    std::string diskText;
    int diskUnitIndex = 0;
    std::string notes;
    // The disk-array dialog as typed; none: the dialog's start values.
    std::optional<DiskArraySettings> diskArray;

    bool operator==(const Plan&) const = default;
};

} // namespace velmora
