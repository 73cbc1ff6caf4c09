// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Causes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// What velmora-measure and the programs that run it (the window's dialog, a
// script) say to each other. Both ends use this header and nothing else.
//
// The caller runs `velmora-measure --source-stdin --progress [--seconds N]
// [--fps N]` and writes the address as the first line of its standard input
// (a password there is not in the system's list of processes). A later line
// `stop` ends the measurement early with the figures of what came so far;
// closing standard input changes nothing. On standard output come, one a
// line:
//   progress SECONDS KBPS   stream seconds done and the running video rate
//   second INDEX KBPS       the video rate of a whole second (from 0), once each, in order
//   failure CODE            why there are no figures (a Cause's code); exit 1
//   {...}                   the result, one JSON object with the keys below; exit 0
// Rates are kbit/s of 1000 bits, except applied_kbps.
namespace velmora::measure {

inline constexpr std::string_view kSourceStdinOption = "--source-stdin";
inline constexpr std::string_view kProgressOption = "--progress";
inline constexpr std::string_view kSecondsOption = "--seconds";
inline constexpr std::string_view kFpsOption = "--fps";
inline constexpr std::string_view kStopLine = "stop";
// How many seconds of stream a measurement takes: the shortest, the longest
// and the one offered first.
inline constexpr int kMinSeconds = 3;
inline constexpr int kMaxSeconds = 3600;
inline constexpr int kDefaultSeconds = 10;

// How long a caller waits for a line before it gives the process up, and,
// after `stop`, for the figures before it kills the process.
inline constexpr int kSilenceLimitSeconds = 20;
inline constexpr int kSilenceLimitMs = kSilenceLimitSeconds * 1000;
inline constexpr int kStopLimitMs = 3000;
// The frame rates --fps takes.
inline constexpr double kLowestFps = 0.1;
inline constexpr double kHighestFps = 1000;

// The result's keys, in the order printed. Absent values are null.
namespace key {
inline constexpr const char* kSource = "source";   // the address without credentials, or the path
inline constexpr const char* kCodec = "codec";     // "H.264", "H.265", "MJPEG", ...
inline constexpr const char* kProfile = "profile"; // the codec profile
inline constexpr const char* kWidth = "width";     // the picture size
inline constexpr const char* kHeight = "height";
inline constexpr const char* kFps = "fps";        // frames per second
inline constexpr const char* kGop = "gop";        // frames from one key frame to the next, on average
inline constexpr const char* kGopMin = "gop_min"; // the shortest of those intervals
inline constexpr const char* kGopMax = "gop_max"; // the longest
inline constexpr const char* kKeyframePercent = "keyframe_percent"; // share of video bytes in key frames
inline constexpr const char* kSeconds = "seconds";                  // stream time measured
inline constexpr const char* kClock = "clock";                      // "stream", "arrival" or "given"
inline constexpr const char* kVideoKbps = "video_kbps";             // the average video rate
inline constexpr const char* kPeakKbps = "peak_kbps";               // the fullest whole second
inline constexpr const char* kAudioCodec = "audio_codec";
inline constexpr const char* kAudioKbps = "audio_kbps";
inline constexpr const char* kAppliedKbps =
    "applied_kbps"; // video and sound in the program's Кбит/с (1024 bits)
inline constexpr const char* kPerSecondKbps = "per_second_kbps"; // the video rate of each whole second
} // namespace key

// What "Применить" types into a channel: video and sound in the program's own
// Кбит/с (bits per second / 1024), rounded to two decimals.
double appliedKbps(double videoKbps, std::optional<double> audioKbps);

// Text as a JSON string, quotes included; bytes that are not valid UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);

// Whether every byte of `text` belongs to a valid UTF-8 sequence.
bool validUtf8(std::string_view text);

std::string progressLine(double seconds, double kbps);
std::string secondLine(int second, double kbps);
std::string failureLine(Cause cause);

// One line of the output read back.
struct ProgressLine {
    double seconds = 0;
    double kbps = 0;
};
struct SecondLine {
    int second = 0;
    double kbps = 0;
};
struct FailureLine {
    Cause cause = Cause::Failed;
};
struct ResultLine {
    std::string json;
};
using OutputLine = std::variant<std::monostate, ProgressLine, SecondLine, FailureLine, ResultLine>;
// monostate for a line that is none of these (or carries numbers that are not finite).
OutputLine readOutputLine(std::string_view line);

} // namespace velmora::measure
