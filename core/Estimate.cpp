// SPDX-License-Identifier: GPL-3.0-or-later
#include "Estimate.h"

#include "Limits.h"
#include "NumberRules.h"
#include "Options.h"
#include "Single.h"

#include <array>
#include <cmath>

namespace velmora {

namespace {

constexpr double kNoMotionFactor = 0.85;
constexpr double kIpCameraFactor = 0.65;
constexpr double kUnitThreshold = 990.0;

} // namespace

std::optional<FrameSize> frameSize(int resindex)
{
    const ResolutionOption* row = optionAt(kResolutions, resindex);
    if (!row) return std::nullopt;
    return FrameSize{row->width, row->height};
}

std::optional<float> baseBitsPerPixel(int quality)
{
    const QualityOption* row = optionAt(kQualities, quality);
    if (!row) return std::nullopt;
    return single(row->bitsPerPixel);
}

std::optional<float> frameRate(int fpsindex)
{
    const FrameRateOption* row = optionAt(kFrameRates, fpsindex);
    if (!row) return std::nullopt;
    return single(row->framesPerSecond);
}

std::optional<int> hoursPerDay(int hoursindex)
{
    const HoursOption* row = optionAt(kHours, hoursindex);
    if (!row) return std::nullopt;
    return row->hoursPerDay;
}

float motionCorrected(float bitsperpixel, int motion)
{
    if (motion != 0) return bitsperpixel;
    return single(bitsperpixel * kNoMotionFactor);
}

bool isIpCameraCase(int profile, int resindex)
{
    const ProfileOption* saving = optionAt(kProfiles, profile);
    const ResolutionOption* resolution = optionAt(kResolutions, resindex);
    return saving && saving->savesAtIpResolutions && resolution && resolution->ipCamera;
}

float ipCameraCorrected(float bitsperpixel)
{
    return single(bitsperpixel * kIpCameraFactor);
}

float audioRate(int audio, int codec)
{
    const CodecOption* row = optionAt(kCodecs, codec);
    if (audio != 1 || !row) return 0.0f;
    return row->kilobitsPerSecond;
}

float channelBitrate(float framerate, float bitsperpixel, float width, float height, float audiorate)
{
    const double video = static_cast<double>(framerate) * bitsperpixel * width * height / kUnitStep;
    return single(video + audiorate);
}

ChannelVolumes channelVolumes(float bitrate, int hoursperday)
{
    ChannelVolumes v;
    v.kbpersec = single(bitrate / kBitsPerByte);
    v.perminute = single(v.kbpersec * kSecondsPerMinute);
    if (v.perminute > kUnitThreshold) {
        v.perminute = single(v.perminute / kUnitStep);
        v.minuteInMegabytes = true;
    }
    v.perhour = single(v.kbpersec * kSecondsPerHour / kUnitStep);
    if (v.perhour > kUnitThreshold) {
        v.perhour = single(v.perhour / kUnitStep);
        v.hourInGigabytes = true;
    }
    v.daily = single(v.kbpersec * kSecondsPerHour * hoursperday / kUnitStep);
    if (v.daily > kUnitThreshold) {
        v.daily = single(v.daily / kUnitStep);
        v.dailyInGigabytes = true;
    }
    return v;
}

float dayTotal(const ChannelTable& table, int count)
{
    float total = 0.0f;
    for (int i = 1; i <= count; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const double gigabytes =
            table.chdailygb.at(slot) ? table.chdaily[slot] : table.chdaily[slot] / kUnitStep;
        total = single(total + gigabytes);
    }
    return total;
}

float totalBitrate(const ChannelTable& table, int count)
{
    float total = 0.0f;
    for (int i = 1; i <= count; ++i) total = single(static_cast<double>(total) + table.chbitrate.at(i));
    return total;
}

float periodTotal(float totaldaily, int days)
{
    return single(totaldaily / kUnitStep * days);
}

float depthDays(float hddsize, int unitIndex, float totaldaily)
{
    const double gigabytes = hddsize * diskUnitAt(unitIndex).gigabytes;
    return okrug(single(gigabytes / totaldaily));
}

DayWord dayWord(double n)
{
    // Last digits 2 to 4 take "дня", 0 and 5 to 9 "дней".
    constexpr double kLastFew = 4;
    constexpr double kFirstMany = 5;
    constexpr double kLastDigit = 9;
    const double lastdigit = std::fmod(n, 10.0);
    const double tensdigit = std::fmod(std::trunc(n / 10.0), 10.0);
    DayWord word = DayWord::Keep;
    if (lastdigit == 1)
        word = DayWord::One;
    else if (lastdigit >= 2 && lastdigit <= kLastFew)
        word = DayWord::Few;
    else if (lastdigit == 0 || (lastdigit >= kFirstMany && lastdigit <= kLastDigit))
        word = DayWord::Many;
    if (tensdigit == 1) word = DayWord::Many;
    return word;
}

} // namespace velmora
