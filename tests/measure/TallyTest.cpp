// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tally.h"
#include "FrameHeaders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace velmora::measure {
namespace {

// Video times in ticks of 1/90000 s, as RTSP and MPEG-TS give them.
constexpr TimeBase kBase{1, 90000};

std::int64_t ticks(double seconds)
{
    return std::llround(seconds * 90000);
}

struct Packet {
    std::optional<std::int64_t> time;
    std::int64_t duration;
    std::int64_t size;
    bool key;
};

// Frames at `fps` from `start`, `size` bytes each, a key frame every `gop`.
std::vector<Packet> steady(int count, double fps, std::int64_t size, int gop, double start = 0)
{
    std::vector<Packet> out;
    for (int i = 0; i < count; ++i)
        out.push_back({ticks(start + i / fps), ticks(1 / fps), size, i % gop == 0});
    return out;
}

struct TallyCase {
    const char* name;
    double seconds;
    std::vector<Packet> packets;
    bool complete;
    double measured;
    double kbps;
    std::optional<double> peak;
    std::optional<double> fps;
    std::optional<double> gop;
};

TEST(Tally, FiguresOverTheStreamsOwnTime)
{
    std::vector<Packet> burst = steady(100, 25, 1000, 25);
    burst[30].size = 26000; // one heavy frame in the second second
    std::vector<Packet> untimedStart = steady(80, 16, 500, 16);
    for (std::size_t i = 0; i < 2; ++i) untimedStart[i] = {std::nullopt, 0, 500, i == 0};
    std::vector<Packet> gaps = steady(90, 30, 100, 30);
    for (std::size_t i = 10; i < 20; ++i) gaps[i].time = std::nullopt; // placed one frame after another
    std::vector<Packet> backwards = steady(100, 25, 1000, 50);
    backwards[40].time = 0.5; // held at the time before it
    std::vector<Packet> durationsOnly = steady(40, 8, 1000, 8);
    for (Packet& p : durationsOnly) p.time = std::nullopt;
    std::vector<Packet> timesLater = steady(40, 8, 1000, 8, 500);
    for (std::size_t i = 0; i < 4; ++i) timesLater[i].time = std::nullopt;
    std::vector<Packet> leap = steady(20, 25, 1000, 25);
    leap.push_back({ticks(1e9), ticks(0.04), 1000, false}); // a jump far ahead ends the stretch
    leap.push_back({ticks(1e9 + 0.04), ticks(0.04), 1000, false});
    // Summed as seconds, ten tenths fall short of one and put an 11th frame into the first second.
    std::vector<Packet> tenths = steady(40, 10, 5000, 10);
    for (Packet& p : tenths) p.time = std::nullopt;
    std::vector<Packet> heavyEnd = steady(45, 25, 1000, 25);
    for (std::size_t i = 25; i < heavyEnd.size(); ++i) heavyEnd[i].size = 10000; // the cut-off second

    const TallyCase cases[] = {
        {"steady 25 fps, 8 kbit a frame", 3, steady(100, 25, 1000, 50), true, 3, 200, 200, 25, 50},
        {"offset start time", 3, steady(100, 25, 1000, 25, 1234.5), true, 3, 200, 200, 25, 25},
        {"heaviest second is the peak", 3, burst, true, 3, 200 + 25 * 8.0 / 3, 400, 25, 25},
        {"shorter than asked: to the end of the last frame", 10, steady(50, 25, 1000, 25), false, 2, 200, 200,
         25, 25},
        {"partial last second stays out of the peak", 10, steady(45, 25, 1000, 25), false, 1.8, 200, 200, 25,
         25},
        {"a heavy partial last second stays out of the peak", 10, heavyEnd, false, 1.8,
         (25 * 1000 + 20 * 10000) * 8 / 1000.0 / 1.8, 200, 25, 25},
        {"a second of durations holds exactly its frames", 3, tenths, true, 3, 400, 400, 10, 10},
        // frames 0 and 1 without a time, the stretch from frame 2 (0.125 s): 50 frames,
        // 18 of them in the first second
        {"frames before the first time count", 3, untimedStart, true, 3, 50 * 4.0 / 3, 72, 16, 16},
        {"missing times in the middle", 2.5, gaps, true, 3, 0, 0, 30, 30},
        {"durations only (a raw stream)", 3, durationsOnly, true, 3, 64, 64, 8, 8},
        {"durations, then times", 3, timesLater, true, 3, 64, 64, 8, 8},
        {"time going back is held", 3, backwards, true, 3, 200, 200, std::nullopt, 50},
        {"a leap ends the stretch", 3, leap, true, 3, 20 * 8.0 / 3, 160, 25, std::nullopt},
        {"one key frame: no interval", 3, steady(100, 25, 1000, 1000), true, 3, 200, 200, 25, std::nullopt},
        {"all key frames", 3, steady(31, 10, 5000, 1), true, 3, 400, 400, 10, 1},
    };
    for (const TallyCase& c : cases) {
        SCOPED_TRACE(c.name);
        Tally tally(c.seconds, kBase);
        for (const Packet& p : c.packets)
            if (!tally.addVideo(p.time, p.duration, p.size, p.key)) break;
        EXPECT_EQ(tally.complete(), c.complete);
        const auto f = tally.figures();
        ASSERT_TRUE(f);
        if (std::string(c.name) == "missing times in the middle") {
            // 90 frames at 30 fps asked for 2.5 s: 75 frames counted, times filled in
            EXPECT_EQ(f->videoPackets, 75);
            EXPECT_NEAR(f->seconds, 2.5, 1e-9);
            EXPECT_NEAR(*f->fps, 30, 1e-6);
            continue;
        }
        EXPECT_NEAR(f->seconds, c.measured, 1e-9);
        EXPECT_NEAR(f->videoKbps, c.kbps, 1e-6);
        EXPECT_EQ(f->peakKbps.has_value(), c.peak.has_value());
        if (c.peak && f->peakKbps) {
            EXPECT_NEAR(*f->peakKbps, *c.peak, 1e-6);
        }
        if (c.fps) {
            ASSERT_TRUE(f->fps);
            EXPECT_NEAR(*f->fps, *c.fps, 1e-6);
        }
        EXPECT_EQ(f->gop.has_value(), c.gop.has_value());
        if (c.gop && f->gop) {
            EXPECT_NEAR(*f->gop, *c.gop, 1e-9);
        }
    }
}

TEST(Tally, KeyFrameIntervalByPresentationTime)
{
    // Decoding order I0 P3 B1 B2 P6 B4 B5 ...: the key frame shown as frame
    // 30 is the 29th decoded, yet the interval is 30 frames.
    Tally tally(4, {1, 15});
    for (int i = 0; i < 60; ++i) {
        const int j = i - 1;
        const int shownAs = i == 0 ? 0 : j % 3 == 0 ? j + 3 : j;
        tally.addVideo(i, 1, 1000, shownAs % 30 == 0, shownAs);
    }
    const auto f = tally.figures();
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->gop);
    EXPECT_NEAR(*f->gop, 30, 1e-9);
    EXPECT_EQ(f->gopMin, 30);
    EXPECT_EQ(f->gopMax, 30);
}

TEST(Tally, FiguresOfEachSecondAndOfTheKeyFrames)
{
    // 10 fps for 4 s, key frames of 5000 bytes at frames 0, 10 and 30 (a
    // smart codec stretching its interval), 1000 bytes otherwise, and a
    // busy third second.
    Tally tally(4, {1, 10});
    for (int i = 0; i < 50; ++i) {
        const bool key = i == 0 || i == 10 || i == 30;
        tally.addVideo(i, 1, key ? 5000 : i >= 20 && i < 30 ? 3000 : 1000, key);
    }
    const auto f = tally.figures();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->perSecond, (std::vector<double>{112, 112, 240, 112}));
    EXPECT_EQ(f->peakKbps, 240);
    EXPECT_EQ(f->gopMin, 10);
    EXPECT_EQ(f->gopMax, 20);
    EXPECT_NEAR(*f->gop, 15, 1e-9);
    EXPECT_NEAR(f->keyframePercent, 15000 * 100.0 / (3 * 5000 + 27 * 1000 + 10 * 3000), 1e-9);
}

TEST(Tally, NoFiguresWithoutAStretchOfVideo)
{
    Tally none(3, kBase);
    EXPECT_FALSE(none.figures());
    Tally untimed(3, kBase);
    for (int i = 0; i < 10; ++i) untimed.addVideo(std::nullopt, 0, 100, true);
    EXPECT_FALSE(untimed.figures());
    Tally sameTime(3, kBase);
    for (int i = 0; i < 10; ++i) sameTime.addVideo(ticks(5), 0, 100, true);
    EXPECT_FALSE(sameTime.figures());
    Tally nonsense(3, {0, 0});
    nonsense.addVideo(std::nullopt, -1, -5, false);
    nonsense.addVideo(std::nullopt, -7, -5, false);
    EXPECT_FALSE(nonsense.figures());
}

TEST(Tally, AudioOverItsOwnTimeFromTheFirstVideoPacket)
{
    for (const double duration : {0.02, 0.0}) {
        // Without durations (audio in MPEG-TS), the bytes up to the last
        // packet over the time up to it: the rate is the same.
        SCOPED_TRACE(duration);
        Tally tally(3, kBase);
        tally.addAudio(0.0, duration, 999999); // before any video: not counted
        for (int i = 0; i < 200; ++i) {
            const double t = i * 0.02;
            if (i % 2 == 0) tally.addVideo(ticks(t), ticks(0.04), 1000, i % 50 == 0);
            tally.addAudio(t + 100, duration, 400); // another origin than the video
        }
        const auto f = tally.figures();
        ASSERT_TRUE(f);
        ASSERT_TRUE(f->audioKbps);
        EXPECT_NEAR(*f->audioKbps, 400 * 8 / 1000.0 / 0.02, 1e-6);
    }
}

TEST(Tally, ProgressRunsUpToTheAskedSeconds)
{
    Tally tally(3, kBase);
    double last = 0;
    for (const Packet& p : steady(200, 25, 1000, 25)) {
        if (!tally.addVideo(p.time, p.duration, p.size, p.key)) break;
        EXPECT_GE(tally.done(), last);
        last = tally.done();
        EXPECT_NEAR(tally.runningKbps(), 200, 1e-6);
    }
    EXPECT_DOUBLE_EQ(tally.done(), 3);
}

struct JpegCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::optional<std::pair<int, int>> size;
};

TEST(FrameHeaders, JpegFrameSize)
{
    const std::vector<std::uint8_t> sof{0xFF, 0xC0, 0x00, 0x11, 0x08, 0x02, 0xD0, 0x05, 0x00, 0x03,
                                        0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01};
    const std::vector<std::uint8_t> app0{0xFF, 0xE0, 0x00, 0x04, 0x4A, 0x46};
    const auto join = [](std::initializer_list<std::vector<std::uint8_t>> parts) {
        std::vector<std::uint8_t> out;
        for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
        return out;
    };
    const std::vector<std::uint8_t> soi{0xFF, 0xD8};
    std::vector<std::uint8_t> zero = sof;
    zero[7] = zero[8] = 0;
    std::vector<std::uint8_t> cut = join({soi, sof});
    cut.resize(cut.size() - 12);
    const JpegCase cases[] = {
        {"frame header first", join({soi, sof}), std::pair{1280, 720}},
        {"after an application segment and fill bytes", join({soi, app0, {0xFF}, sof}), std::pair{1280, 720}},
        {"progressive frame",
         [&] {
             auto b = join({soi, sof});
             b[3] = 0xC2;
             return b;
         }(),
         std::pair{1280, 720}},
        {"no start of image", sof, std::nullopt},
        {"picture data before any frame header", join({soi, {0xFF, 0xDA, 0x00, 0x02}, sof}), std::nullopt},
        {"zero width", join({soi, zero}), std::nullopt},
        {"cut short", cut, std::nullopt},
        {"length past the end", join({soi, {0xFF, 0xE0, 0xFF, 0xFF, 0x00}}), std::nullopt},
        {"garbage", {0xFF, 0xD8, 0x12, 0x34, 0x56, 0x78}, std::nullopt},
        {"empty", {}, std::nullopt},
    };
    for (const JpegCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto size = jpegFrameSize(c.bytes.data(), c.bytes.size());
        ASSERT_EQ(size.has_value(), c.size.has_value());
        if (size) {
            EXPECT_EQ(size->width, c.size->first);
            EXPECT_EQ(size->height, c.size->second);
        }
    }
}

} // namespace
} // namespace velmora::measure
