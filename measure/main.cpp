// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-measure: measures a camera's stream from a recording or a network
// address and prints the figures as one JSON object. It runs as a process of
// its own so that FFmpeg, reading untrusted input, never runs in the window.
#include "Output.h"
#include "StreamMeasure.h"

#include <atomic>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>

namespace {

std::atomic<bool> g_cancel{false};
std::atomic<bool> g_stop{false};

extern "C" void onStop(int)
{
    g_cancel.store(true);
}

// The usage, with the seconds' range where "%s" stands.
constexpr std::string_view kUsage =
    "usage: velmora-measure SOURCE [--seconds N] [--fps N]\n"
    "       velmora-measure --source-stdin [--seconds N] [--fps N] [--progress]\n"
    "SOURCE is a video file or an rtsp://, rtsps://, http:// or https:// address\n"
    "(RTSP over TCP). --seconds: the stream time to measure, %s.\n"
    "--fps: the frame rate of a recording that carries no frame timing (a raw\n"
    ".h264 or .h265 stream without timing information, raw JPEG frames); such a\n"
    "file is refused without it. A live source without times is timed by the\n"
    "arrival of its packets. The result's \"clock\" says which clock was used.\n"
    "--source-stdin reads SOURCE from the first line of standard input, where a\n"
    "password is not seen by other users' process lists; a later line \"stop\"\n"
    "ends the measurement early with the figures so far. --progress prints\n"
    "\"progress SECONDS KBPS\" and \"second INDEX KBPS\" lines, and \"failure CODE\"\n"
    "on failure, on standard output.\n"
    "Prints one JSON object and exits 0, or one line on standard error and exits 1.\n";

// "3 to 3600", from the limits themselves.
std::string secondsRange()
{
    using namespace velmora::measure;
    return std::to_string(kMinSeconds) + " to " + std::to_string(kMaxSeconds);
}

int usageError(std::string_view message)
{
    std::fprintf(stderr, "velmora-measure: %.*s (see --help)\n", static_cast<int>(message.size()),
                 message.data());
    return 1;
}

bool readSeconds(std::string_view text, int& seconds)
{
    if (text.empty() || text.size() > 4) return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (value < velmora::measure::kMinSeconds || value > velmora::measure::kMaxSeconds) return false;
    seconds = value;
    return true;
}

// A frame rate such as 10, 12.5 or 29.97 (up to three decimals), from 0.1 to 1000.
bool readFps(std::string_view text, velmora::measure::FrameRate& rate)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view part =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || whole.size() > 4 || part.size() > 3 ||
        (point != std::string_view::npos && part.empty()))
        return false;
    std::int64_t num = 0;
    std::int64_t den = 1;
    for (char c : whole) {
        if (c < '0' || c > '9') return false;
        num = num * 10 + (c - '0');
    }
    for (char c : part) {
        if (c < '0' || c > '9') return false;
        num = num * 10 + (c - '0');
        den *= 10;
    }
    if (num * 10 < den || num > 1000 * den) return false;
    rate = {num, den};
    return true;
}

// The value of an option given as "--name VALUE" or "--name=VALUE"; false
// with nothing taken when `arg` is another option.
bool optionValue(std::string_view name, int argc, char* argv[], int& i, std::string_view& value,
                 bool& missing)
{
    const std::string_view arg = argv[i];
    if (arg == name) {
        if (i + 1 >= argc) {
            missing = true;
            return true;
        }
        value = argv[++i];
        return true;
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace velmora::measure;
    Request request;
    bool haveSource = false;
    bool fromStdin = false;
    bool progress = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            std::string usage(kUsage);
            usage.replace(usage.find("%s"), 2,
                          secondsRange() + " seconds (" + std::to_string(velmora::measure::kDefaultSeconds) +
                              ")");
            std::fwrite(usage.data(), 1, usage.size(), stdout);
            return 0;
        }
        std::string_view value;
        bool missing = false;
        if (!optionsEnded && optionValue(kSecondsOption, argc, argv, i, value, missing)) {
            if (missing) return usageError("--seconds needs a value");
            if (!readSeconds(value, request.seconds))
                return usageError("--seconds takes a whole number from " + secondsRange());
        } else if (!optionsEnded && optionValue(kFpsOption, argc, argv, i, value, missing)) {
            FrameRate rate;
            if (missing) return usageError("--fps needs a value");
            if (!readFps(value, rate))
                return usageError("--fps takes a frame rate from 0.1 to 1000, such as 10 or 29.97");
            request.fps = rate;
        } else if (!optionsEnded && arg == "--progress") {
            progress = true;
        } else if (!optionsEnded && arg == "--source-stdin") {
            fromStdin = true;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.starts_with("--")) {
            return usageError("unknown option " + std::string(arg));
        } else if (haveSource) {
            return usageError("one SOURCE only");
        } else {
            request.source = arg;
            haveSource = true;
        }
    }
    if (fromStdin) {
        if (haveSource) return usageError("SOURCE given twice");
        if (!std::getline(std::cin, request.source)) request.source.clear();
        haveSource = true;
        // Later lines: "stop" ends the measurement with what came so far.
        std::thread([] {
            std::string line;
            while (std::getline(std::cin, line)) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (line == kStopLine) g_stop.store(true);
            }
        }).detach();
    }
    if (!haveSource) return usageError("no SOURCE");

    struct sigaction stop {};
    stop.sa_handler = onStop;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    request.cancel = &g_cancel;
    request.stop = &g_stop;
    if (progress) {
        request.progress = [](double seconds, double kbps) {
            std::printf("%s\n", progressLine(seconds, kbps).c_str());
            std::fflush(stdout);
        };
        request.second = [](int second, double kbps) {
            std::printf("%s\n", secondLine(second, kbps).c_str());
            std::fflush(stdout);
        };
    }
    const Outcome outcome = measureStream(request);
    if (!outcome.measurement) {
        if (progress) std::printf("%s\n", failureLine(outcome.cause).c_str());
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", failureMessage(outcome.cause, outcome.shownSource).c_str());
        return 1;
    }
    std::printf("%s\n", resultJson(*outcome.measurement).c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}
