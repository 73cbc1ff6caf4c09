// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace velmora::measure {

// Rates are in kbit/s of 1000 bits.
inline constexpr double kBitsPerKilobit = 1000.0;

// One tick lasts num/den seconds: a stream's time base, 1/fps for frame
// counts, a nanosecond for the arrival clock.
struct TimeBase {
    std::int64_t num = 1;
    std::int64_t den = 1;
    bool valid() const { return num > 0 && den > 0; }
};

// What a measured stretch of stream gives. Rates are in kbit/s of 1000 bits,
// as cameras state them.
struct Figures {
    double seconds = 0;             // stream time measured
    std::int64_t videoPackets = 0;  // frames counted
    double videoKbps = 0;           // bytes x 8 / stream time
    std::optional<double> peakKbps; // the fullest whole second
    std::optional<double> fps;      // frames per second of stream time
    std::optional<double> gop;      // frames from one key frame to the next, on average
    std::optional<int> gopMin;      // the shortest and the longest of those intervals
    std::optional<int> gopMax;
    double keyframePercent = 0;      // share of the video bytes in key frames
    std::vector<double> perSecond;   // the video rate of each whole second
    std::optional<double> audioKbps; // the audio's bytes over its own stretch
};

// Counts packets over a stretch of stream time that starts at the first video
// packet with a time. No toolkit, no FFmpeg: the stream reader hands in video
// times as whole ticks of one time base, so that a second holds exactly the
// frames whose times fall into it (no rounding of `ticks x base`), and audio
// times in seconds (audio is only averaged).
// A packet without a time is placed one frame after the one before it, and a
// time that goes back is held at the last one, so a broken stream cannot make
// the stretch run backwards or forever.
class Tally {
public:
    // `seconds` of stream time to measure (more than 0), video times in `base`.
    Tally(double seconds, TimeBase base);

    // Counts a video packet (`time` its decoding time, `shown` its
    // presentation time where known, both in ticks); false, and nothing
    // counted, once the packet lies at or past the end of the stretch.
    bool addVideo(std::optional<std::int64_t> time, std::int64_t duration, std::int64_t size, bool key,
                  std::optional<std::int64_t> shown = std::nullopt);
    // Counts an audio packet; audio before the first video packet is not counted.
    void addAudio(std::optional<double> time, double duration, std::int64_t size);

    bool complete() const { return complete_; }
    std::int64_t videoPackets() const { return frames_; }
    // Stream seconds covered so far, and the average rate over them.
    double done() const;
    double runningKbps() const;
    // Whole seconds counted so far (a second is whole once a later one has
    // begun, or the stretch is complete) and the video rate of one of them.
    int wholeSeconds() const;
    double secondKbps(int second) const;
    // The figures of what was counted; none while fewer than two video
    // packets, or no stream time, have been counted.
    std::optional<Figures> figures() const;

private:
    double interval() const; // the average ticks from one frame to the next, 0 while unknown
    std::int64_t step() const;
    double toSeconds(std::int64_t ticks) const;
    std::int64_t secondOf(std::int64_t ticks) const; // the whole second a tick offset lies in

    double seconds_;
    TimeBase base_;
    bool started_ = false; // a video packet with a time has come
    bool complete_ = false;
    bool madeUp_ = false;      // the times so far are sums of durations
    std::int64_t leading_ = 0; // video packets before that one
    std::int64_t start_ = 0;
    std::int64_t last_ = 0;
    std::int64_t lastDuration_ = 0;
    std::int64_t frames_ = 0;
    std::int64_t bytes_ = 0;
    std::int64_t keyBytes_ = 0;
    std::vector<std::int64_t> perSecond_;
    // Key frames: their place in decoding order and, where known, their
    // presentation time. Frames reordered for decoding (B frames) put a key
    // frame early in decoding order, never in presentation time.
    struct Key {
        std::int64_t frame;
        std::optional<std::int64_t> shown;
    };
    std::vector<Key> keys_;

    std::int64_t audioPackets_ = 0;
    std::int64_t audioBytes_ = 0;
    std::int64_t audioBytesBeforeTimed_ = 0; // bytes before the last packet with a time
    double audioTimed_ = 0;                  // that packet's time
    double audioFirst_ = 0;
    double audioLast_ = 0;
    double audioLastDuration_ = 0;
};

} // namespace velmora::measure
