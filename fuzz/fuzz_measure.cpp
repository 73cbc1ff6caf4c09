// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the stream measurement with arbitrary bytes as a video file: the
// first byte picks the file name's extension (FFmpeg weighs it when it
// guesses the container). No crash, no sanitizer report, no hang, and the
// figures of a successful measurement are finite and within the asked time.

#include "Output.h"
#include "StreamMeasure.h"

#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace velmora::measure;

[[noreturn]] void broken(const char* rule, const std::string& detail)
{
    std::fprintf(stderr, "broken rule: %s %s\n", rule, detail.c_str());
    std::abort();
}

// A folder of this run's own, removed when the run ends.
struct Folder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("velmora-fuzz-measure-" + std::to_string(getpid()));
    Folder() { std::filesystem::create_directories(path); }
    ~Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::filesystem::path& folder()
{
    static const Folder dir;
    return dir.path;
}

bool finiteAndNotNegative(const std::optional<double>& v)
{
    return !v || (std::isfinite(*v) && *v >= 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static constexpr std::array<const char*, 6> kExtensions{"", ".mp4", ".ts", ".mkv", ".avi", ".h264"};
    const char* extension = size > 0 ? kExtensions[data[0] % kExtensions.size()] : "";
    const std::filesystem::path file = folder() / (std::string("input") + extension);
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        if (size > 1)
            out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    Request request;
    request.source = file.string();
    request.seconds = kMinSeconds;
    request.packetTimeout = std::chrono::milliseconds(2000);
    const Outcome outcome = measureStream(request);
    std::filesystem::remove(file);
    if (!outcome.measurement) {
        if (outcome.cause == Cause::Count) broken("no cause", "");
        return 0;
    }
    const Measurement& m = *outcome.measurement;
    const Figures& f = m.figures;
    const std::string json = resultJson(m);
    if (!(f.seconds > 0 && f.seconds <= kMinSeconds)) broken("measured time outside the asked", json);
    if (!std::isfinite(f.videoKbps) || f.videoKbps < 0) broken("video rate", json);
    if (!finiteAndNotNegative(f.peakKbps) || !finiteAndNotNegative(f.fps) || !finiteAndNotNegative(f.gop) ||
        !finiteAndNotNegative(f.audioKbps))
        broken("a figure not finite or negative", json);
    if (f.videoPackets < 2) broken("figures from fewer than two frames", json);
    if (json.find('\n') != std::string::npos) broken("the result is not one line", json);
    return 0;
}
