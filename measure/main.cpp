// velmora-measure: measures a camera's stream from a recording or a network
// address and prints the figures as one JSON object. It runs as a process of
// its own so that FFmpeg, reading untrusted input, never runs in the window.
#include "Output.h"
#include "StreamMeasure.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

namespace {

std::atomic<bool> g_cancel{false};

extern "C" void onStop(int)
{
    g_cancel.store(true);
}

constexpr std::string_view kUsage =
    "usage: velmora-measure SOURCE [--seconds N]\n"
    "       velmora-measure --source-stdin [--seconds N] [--progress]\n"
    "SOURCE is a video file or an rtsp://, rtsps://, http:// or https:// address\n"
    "(RTSP over TCP). N is the stream time to measure, 3 to 120 seconds (10).\n"
    "--source-stdin reads SOURCE from the first line of standard input, where a\n"
    "password is not seen by other users' process lists. --progress prints\n"
    "\"progress SECONDS KBPS\" lines, and \"failure CODE\" on failure, on standard output.\n"
    "Prints one JSON object and exits 0, or one line on standard error and exits 1.\n";

int usageError(std::string_view message)
{
    std::fprintf(stderr, "velmora-measure: %.*s (see --help)\n", static_cast<int>(message.size()),
                 message.data());
    return 1;
}

bool readSeconds(std::string_view text, int& seconds)
{
    if (text.empty() || text.size() > 3) return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (value < velmora::measure::kMinSeconds || value > velmora::measure::kMaxSeconds) return false;
    seconds = value;
    return true;
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
            std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
            return 0;
        }
        if (!optionsEnded && (arg == "--seconds" || arg.starts_with("--seconds="))) {
            std::string_view value;
            if (arg == "--seconds") {
                if (i + 1 >= argc) return usageError("--seconds needs a value");
                value = argv[++i];
            } else {
                value = arg.substr(std::strlen("--seconds="));
            }
            if (!readSeconds(value, request.seconds))
                return usageError("--seconds takes a whole number from 3 to 120");
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
    }
    if (!haveSource) return usageError("no SOURCE");

    struct sigaction stop {};
    stop.sa_handler = onStop;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    request.cancel = &g_cancel;
    if (progress) {
        request.progress = [](double seconds, double kbps) {
            std::printf("%s\n", progressLine(seconds, kbps).c_str());
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
