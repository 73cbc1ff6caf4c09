#pragma once

#include "Causes.h"
#include "Source.h"
#include "Tally.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace velmora::measure {

// How long to wait for a camera to answer.
inline constexpr std::chrono::milliseconds kNetworkTimeout{5000};

struct Request {
    std::string source; // a path or an address, credentials and all
    int seconds = kDefaultSeconds;
    // Time to open the source, and the longest wait for the next packet.
    std::chrono::milliseconds connectTimeout = kNetworkTimeout;
    std::chrono::milliseconds packetTimeout = kNetworkTimeout;
    // Set from anywhere (another thread, a signal handler) to stop; the
    // measurement ends within a tenth of a second or so.
    const std::atomic<bool>* cancel = nullptr;
    // Called as the stream seconds go by: seconds done and the running rate.
    std::function<void(double seconds, double kbps)> progress;
};

struct Measurement {
    std::string source; // without credentials
    std::string codec;  // "H.264", "H.265", "MJPEG", ...
    std::optional<std::string> profile;
    std::optional<int> width;
    std::optional<int> height;
    Figures figures;
    std::optional<std::string> audioCodec;
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

// Short codec names as installers know them.
std::string codecTitle(std::string_view ffmpegName);

} // namespace velmora::measure
