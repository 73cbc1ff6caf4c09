// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelTable.h"

#include <optional>

// The arithmetic from channel settings to bitrates, volumes, totals and depth.
// Every result is a 32-bit float as it is stored; products are formed in double.
namespace velmora {

struct FrameSize {
    float width;
    float height;
};

// Frame size of a resolution list position; none outside the list.
std::optional<FrameSize> frameSize(int resindex);
// Base bits per pixel of a quality grade position; none outside the list.
std::optional<float> baseBitsPerPixel(int quality);
// Frames per second of a frame-rate list position; none outside the list.
std::optional<float> frameRate(int fpsindex);
// Hours of recording a day of an hours list position; none outside the list.
std::optional<int> hoursPerDay(int hoursindex);

// Without much motion the picture needs 0.85 of the bits.
float motionCorrected(float bitsperpixel, int motion);
// Main and High profiles at the IP-camera resolutions (1920x1080, 1280x720,
// 640x360; the option tables say which) get by with 0.65 of the bits; CABAC
// is off for those.
bool isIpCameraCase(int profile, int resindex);
float ipCameraCorrected(float bitsperpixel);

// Audio share in kbit/s of a codec list position (64 for G.711, 128 for raw
// PCM), 0 without sound.
float audioRate(int audio, int codec);
// kbit/s: framerate x bits per pixel x width x height / 1024 + audio.
float channelBitrate(float framerate, float bitsperpixel, float width, float height, float audiorate);

// Volumes of one channel; a volume above 990 in its unit moves to the next one.
struct ChannelVolumes {
    float kbpersec = 0;
    float perminute = 0; // kilobytes, or megabytes when minuteInMegabytes
    bool minuteInMegabytes = false;
    float perhour = 0; // megabytes, or gigabytes when hourInGigabytes
    bool hourInGigabytes = false;
    float daily = 0; // megabytes, or gigabytes when dailyInGigabytes
    bool dailyInGigabytes = false;
};
ChannelVolumes channelVolumes(float bitrate, int hoursperday);

// Volume a day of all channels 1..count, in gigabytes.
float dayTotal(const ChannelTable& table, int count);
// Sum of the bitrates of channels 1..count, kbit/s.
float totalBitrate(const ChannelTable& table, int count);
// Terabytes over `days` days.
float periodTotal(float totaldaily, int days);
// Days of archive a disk holds; the unit is a disk unit list position.
float depthDays(float hddsize, int unitIndex, float totaldaily);

// The Russian word for day that agrees with a whole number n: 1 "день",
// 2-4 "дня", otherwise "дней" (11-19 in every hundred too). For a negative n
// whose last digit is not 0 no word is chosen: the label keeps its word.
enum class DayWord { One, Few, Many, Keep };
DayWord dayWord(double n);

} // namespace velmora
