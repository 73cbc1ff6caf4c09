// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Causes.h"
#include "Protocol.h"
#include "Source.h"
#include "Tally.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::measure {

// How long to wait for a camera to answer.
inline constexpr std::chrono::milliseconds kNetworkTimeout{5000};

// Frames per second as num/den.
struct FrameRate {
    std::int64_t num = 0;
    std::int64_t den = 1;
    bool valid() const { return num > 0 && den > 0; }
};

// The clock a measurement counted seconds on: the stream's own times (or its
// frame count at the rate its headers state), the moments packets arrived (a
// live source without times), or frames at the rate the user gave (a file
// without times).
enum class TimeSource { Stream, Arrival, Given };

struct Request {
    std::string source; // a path or an address, credentials and all
    int seconds = kDefaultSeconds;
    // The frame rate of a file that carries no frame timing; ignored where
    // the stream has times of its own, and for a live source (its packets'
    // arrival is the truer clock).
    std::optional<FrameRate> fps;
    // Time to open the source, and the longest wait for the next packet.
    std::chrono::milliseconds connectTimeout = kNetworkTimeout;
    std::chrono::milliseconds packetTimeout = kNetworkTimeout;
    // Set from anywhere (another thread, a signal handler) to stop; the
    // measurement ends within a tenth of a second or so.
    const std::atomic<bool>* cancel = nullptr;
    // Set to end the measurement early with the figures of what came so far.
    const std::atomic<bool>* stop = nullptr;
    // Called as the stream seconds go by: seconds done and the running rate.
    std::function<void(double seconds, double kbps)> progress;
    // Called once for each whole second, in order: its index from 0 and its video rate.
    std::function<void(int second, double kbps)> second;
};

struct Measurement {
    std::string source; // without credentials
    std::string codec;  // "H.264", "H.265", "MJPEG", ...
    std::optional<std::string> profile;
    std::optional<int> width;
    std::optional<int> height;
    Figures figures;
    std::optional<std::string> audioCodec;
    TimeSource clock = TimeSource::Stream;
};

struct Outcome {
    std::optional<Measurement> measurement; // set on success
    Cause cause = Cause::Failed;            // why not, otherwise
    std::string shownSource;                // the source without credentials, either way
};

// Reads packets (nothing is decoded) of the first video stream, and of the
// first audio stream, for `seconds` of the stream's own time, or to the end
// of a shorter file. FFmpeg's log goes nowhere: it may quote the address.
Outcome measureStream(const Request& request);

// "stream", "arrival" or "given".
std::string_view timeSourceName(TimeSource clock);

// Short codec names as installers know them.
std::string codecTitle(std::string_view ffmpegName);

} // namespace velmora::measure
