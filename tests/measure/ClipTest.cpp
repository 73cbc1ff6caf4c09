// SPDX-License-Identifier: GPL-3.0-or-later
// Measurements of clips made here with the ffmpeg command, checked against
// what ffprobe lists for the same packets and against what was encoded.
#include "MeasureTestKit.h"
#include "StreamMeasure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace velmora::measure {
namespace {

using namespace kit;
namespace fs = std::filesystem;

struct ClipCase {
    const char* name; // the file name, its extension picks the container
    std::vector<std::string> ffmpegArgs;
    const char* codec;
    int width;
    int height;
    double fps;
    double gop;
    const char* audioCodec; // null: no sound
    double givenFps = 0;    // the frame rate given for a file without frame timing
    const char* clock = "stream";
};

// Test names and failure messages name the clip.
void PrintTo(const ClipCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<std::string> testsrc(const char* size, int rate, bool noise = false)
{
    std::string graph = std::string("testsrc2=size=") + size + ":rate=" + std::to_string(rate);
    if (noise) graph += ",noise=alls=40:allf=t";
    return {"-f", "lavfi", "-i", graph};
}

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

const std::vector<std::string> kSound{"-f", "lavfi", "-i", "sine=frequency=1000:sample_rate=48000"};
const std::vector<std::string> kAac{"-c:a", "aac", "-b:a", "128k"};
const std::vector<std::string> kFourSeconds{"-t", "4", "-pix_fmt", "yuv420p"};

std::vector<ClipCase> clips()
{
    return {
        {"h264-cbr-720p.mp4",
         join({testsrc("1280x720", 25),
               kFourSeconds,
               {"-c:v", "libx264", "-preset", "veryfast", "-b:v", "2000k", "-minrate", "2000k", "-maxrate",
                "2000k", "-bufsize", "1000k", "-x264-params", "nal-hrd=cbr:scenecut=0", "-g", "50"}}),
         "H.264", 1280, 720, 25, 50, nullptr},
        {"h264-noise-1080p-aac.mkv",
         join({testsrc("1920x1080", 25, true),
               kSound,
               kFourSeconds,
               {"-c:v", "libx264", "-preset", "ultrafast", "-b:v", "3000k", "-x264-params", "scenecut=0",
                "-g", "25"},
               kAac}),
         "H.264", 1920, 1080, 25, 25, "AAC"},
        {"h264-720p-aac.ts",
         join({testsrc("1280x720", 30),
               kSound,
               kFourSeconds,
               {"-c:v", "libx264", "-preset", "ultrafast", "-b:v", "1500k", "-x264-params", "scenecut=0",
                "-g", "30"},
               kAac}),
         "H.264", 1280, 720, 30, 30, "AAC"},
        {"h265-720p.mp4",
         join({testsrc("1280x720", 15),
               kFourSeconds,
               {"-c:v", "libx265", "-preset", "ultrafast", "-b:v", "800k", "-x265-params",
                "keyint=30:min-keyint=30:scenecut=0:log-level=error", "-tag:v", "hvc1"}}),
         "H.265", 1280, 720, 15, 30, nullptr},
        {"mjpeg-720p-aac.mkv",
         join({testsrc("1280x720", 10), kSound, kFourSeconds, {"-c:v", "mjpeg", "-q:v", "5"}, kAac}), "MJPEG",
         1280, 720, 10, 1, "AAC"},
        {"mjpeg-noise-1080p.avi",
         join({testsrc("1920x1080", 5, true),
               {"-t", "4", "-pix_fmt", "yuvj420p", "-c:v", "mjpeg", "-q:v", "8"}}),
         "MJPEG", 1920, 1080, 5, 1, nullptr},
        // Nearly empty frames and a heavy key frame each second, in 1/90000 s
        // ticks from 1.4 s: a second cut in floating point takes 11 frames.
        {"h264-static-10fps.ts",
         {"-f", "lavfi", "-i", "color=c=gray:size=640x360:rate=10", "-t", "5", "-pix_fmt", "yuv420p", "-c:v",
          "libx264", "-preset", "ultrafast", "-g", "10"},
         "H.264",
         640,
         360,
         10,
         10,
         nullptr},
        // Audio in MPEG-TS: bundles of frames, a time on the first of each only.
        {"h264-aac-64k.ts",
         join({testsrc("320x240", 25),
               kSound,
               kFourSeconds,
               {"-c:v", "libx264", "-preset", "ultrafast", "-g", "25", "-c:a", "aac", "-b:a", "64k"}}),
         "H.264", 320, 240, 25, 25, "AAC"},
        // Raw streams: timing from the stream's headers, or none at all.
        {"h264-raw-10fps.h264",
         join(
             {testsrc("640x360", 10), kFourSeconds, {"-c:v", "libx264", "-preset", "ultrafast", "-g", "10"}}),
         "H.264", 640, 360, 10, 10, nullptr},
        {"h265-raw-no-timing.h265",
         join({testsrc("640x360", 10),
               kFourSeconds,
               {"-c:v", "libx265", "-preset", "ultrafast", "-x265-params",
                "vui-timing-info=0:keyint=10:min-keyint=10:scenecut=0:log-level=error"}}),
         "H.265", 640, 360, 10, 10, nullptr, 10, "given"},
    };
}

// A clip by its case, or a skip with the reason.
#define MAKE_CLIP(file, c)                                                                                   \
    std::string why;                                                                                         \
    const std::string file = clip((c).name, (c).ffmpegArgs, why);                                            \
    if (file.empty()) GTEST_SKIP() << why;

class Clips : public ::testing::TestWithParam<ClipCase> {};

TEST_P(Clips, MeasuredAsEncodedAndAsFFprobeCounts)
{
    const ClipCase& c = GetParam();
    MAKE_CLIP(file, c);
    Request request;
    request.source = file;
    request.seconds = 3;
    if (c.givenFps > 0) request.fps = FrameRate{static_cast<std::int64_t>(c.givenFps), 1};
    std::vector<double> progress;
    request.progress = [&](double seconds, double) { progress.push_back(seconds); };
    const Outcome outcome = measureStream(request);
    ASSERT_TRUE(outcome.measurement) << causeText(outcome.cause).english;
    const Measurement& m = *outcome.measurement;
    EXPECT_EQ(m.source, file);
    EXPECT_EQ(m.codec, c.codec);
    EXPECT_EQ(m.width, c.width);
    EXPECT_EQ(m.height, c.height);
    ASSERT_TRUE(m.figures.fps);
    EXPECT_NEAR(*m.figures.fps, c.fps, 0.01);
    ASSERT_TRUE(m.figures.gop);
    EXPECT_NEAR(*m.figures.gop, c.gop, 0.34); // x265 puts its second key frame one early
    EXPECT_DOUBLE_EQ(m.figures.seconds, 3);
    EXPECT_EQ(timeSourceName(m.clock), c.clock);
    if (std::string(c.codec) != "MJPEG") {
        EXPECT_TRUE(m.profile);
    }

    // ffprobe lists a raw stream's packets without times: frame n lies at n / fps.
    const std::string extension = fs::path(file).extension().string();
    const auto packets = probeVideoPackets(file, extension == ".h264" || extension == ".h265" ? c.fps : 0);
    const double probed = probeKbps(packets, 3);
    ASSERT_GT(probed, 0);
    EXPECT_NEAR(m.figures.videoKbps, probed, probed * 0.02) << "ffprobe's packets give " << probed;
    ASSERT_TRUE(m.figures.peakKbps);
    EXPECT_GE(*m.figures.peakKbps, m.figures.videoKbps * 0.999);
    const std::vector<double> seconds = probeSecondsKbps(packets, 3);
    EXPECT_EQ(m.figures.perSecond.size(), 3u);
    for (std::size_t i = 0; i < seconds.size() && i < m.figures.perSecond.size(); ++i)
        EXPECT_NEAR(m.figures.perSecond[i], seconds[i], seconds[i] * 0.02) << "second " << i;
    const double peak = *std::max_element(seconds.begin(), seconds.end());
    EXPECT_NEAR(*m.figures.peakKbps, peak, peak * 0.02) << "ffprobe's packets give " << peak;

    EXPECT_EQ(m.audioCodec.has_value(), c.audioCodec != nullptr);
    if (c.audioCodec) {
        EXPECT_EQ(*m.audioCodec, c.audioCodec);
        ASSERT_TRUE(m.figures.audioKbps);
        const double audio = probeAudioKbps(file, 3);
        EXPECT_NEAR(*m.figures.audioKbps, audio, audio * 0.02) << "ffprobe's packets give " << audio;
    }

    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_DOUBLE_EQ(progress.back(), 3);
}

INSTANTIATE_TEST_SUITE_P(Generated, Clips, ::testing::ValuesIn(clips()), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST(ClipFaults, CbrClipMeasuresItsRate)
{
    const ClipCase c = clips()[0];
    MAKE_CLIP(file, c);
    Request request;
    request.source = file;
    request.seconds = 120; // longer than the clip: measured to its end
    const Outcome outcome = measureStream(request);
    ASSERT_TRUE(outcome.measurement);
    const Figures& f = outcome.measurement->figures;
    EXPECT_NEAR(f.seconds, 4, 1e-6);
    EXPECT_NEAR(f.videoKbps, probeKbps(probeVideoPackets(file), 4), f.videoKbps * 0.02);
    // A constant 2000 kbit/s with the encoder's start-up buffer on top.
    EXPECT_GT(f.videoKbps, 1900);
    EXPECT_LT(f.videoKbps, 2400);
}

TEST(ClipFaults, TruncatedStreamIsMeasuredToWhereItBreaks)
{
    const ClipCase c = clips()[2]; // MPEG-TS: every part of it stands alone
    MAKE_CLIP(file, c);
    const fs::path cut = fs::path(VELMORA_MEASURE_CLIPS) / "truncated.ts";
    fs::copy_file(file, cut, fs::copy_options::overwrite_existing);
    fs::resize_file(cut, fs::file_size(cut) * 45 / 100);
    Request request;
    request.source = cut.string();
    request.seconds = 10;
    const Outcome outcome = measureStream(request);
    ASSERT_TRUE(outcome.measurement) << causeText(outcome.cause).english;
    const Figures& f = outcome.measurement->figures;
    EXPECT_GT(f.seconds, 0.5);
    EXPECT_LT(f.seconds, 3.5);
    EXPECT_NEAR(f.videoKbps, probeKbps(probeVideoPackets(cut.string()), f.seconds), f.videoKbps * 0.02);
}

TEST(ClipFaults, EachBadFileNamesItsCause)
{
    const ClipCase c = clips()[0];
    MAKE_CLIP(file, c);
    const fs::path dir = fs::path(VELMORA_MEASURE_CLIPS) / "faults";
    fs::create_directories(dir);
    // An MP4 whose index is at its end loses it with the second half.
    const fs::path cut = dir / "cut.mp4";
    fs::copy_file(file, cut, fs::copy_options::overwrite_existing);
    fs::resize_file(cut, fs::file_size(cut) / 2);
    std::ofstream(dir / "notes.mp4") << "Камера 3: вход, 2 этаж\n";
    std::ofstream(dir / "empty.mp4").flush();
    std::string soundWhy;
    const std::string soundOnly = clip("sound-only.m4a", join({kSound, {"-t", "2"}, kAac}), soundWhy);
    const ClipCase raw = clips().back();
    const std::string rawNoTiming = clip(raw.name, raw.ffmpegArgs, soundWhy);

    const struct {
        const char* name;
        std::string source;
        Cause cause;
    } cases[] = {
        {"no such file", (dir / "missing.mp4").string(), Cause::NoSuchFile},
        {"a folder", dir.string(), Cause::NotReadable},
        {"text named .mp4", (dir / "notes.mp4").string(), Cause::NotVideo},
        {"empty file", (dir / "empty.mp4").string(), Cause::NotVideo},
        {"MP4 without its index", cut.string(), Cause::NotVideo},
        {"sound only", soundOnly, Cause::NoVideo},
        {"raw stream without frame timing, no rate given", rawNoTiming, Cause::NoTiming},
        {"unsupported address", "ftp://127.0.0.1/a.mp4", Cause::BadAddress},
        {"nothing given", "  ", Cause::BadAddress},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        if (k.source.empty()) continue; // the sound clip could not be made
        Request request;
        request.source = k.source;
        const Outcome outcome = measureStream(request);
        EXPECT_FALSE(outcome.measurement);
        EXPECT_EQ(causeText(outcome.cause).code, causeText(k.cause).code);
    }
}

} // namespace
} // namespace velmora::measure
