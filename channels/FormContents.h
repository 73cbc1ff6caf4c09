// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelCamera.h"

#include <string>
#include <vector>

namespace velmora {

// One channel as a plan keeps it: the twelve columns of the channel table.
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
    // The camera's name and measurement, beside the twelve columns.
    ChannelCamera camera;

    bool operator==(const PlanChannel&) const = default;
};

// What the main window's behaviour keeps of a plan: the channels in use, the
// channel shown, and the bitrate, period and disk size fields as they read.
struct FormContents {
    std::vector<PlanChannel> channels; // channel 1 first; 1 to 32 of them
    int channelShown = 1;              // 1-based
    std::string bitrateText;           // the bitrate field as it reads ("3371,1", a typed "1e3")
    std::string periodText;
    int periodDays = 0; // the day count, which an ignored period entry leaves behind
    std::string diskText;
    int diskUnitIndex = 0;

    bool operator==(const FormContents&) const = default;
};

} // namespace velmora
