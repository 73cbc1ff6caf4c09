#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace velmora::measure {

// How many seconds of stream a measurement takes: the shortest, the longest
// and the one offered first.
inline constexpr int kMinSeconds = 3;
inline constexpr int kMaxSeconds = 120;
inline constexpr int kDefaultSeconds = 10;

// Rates are in kbit/s of 1000 bits.
inline constexpr double kBitsPerKilobit = 1000.0;

// What a measured stretch of stream gives. Rates are in kbit/s of 1000 bits,
// as cameras state them.
struct Figures {
    double seconds = 0;              // stream time measured
    std::int64_t videoPackets = 0;   // frames counted
    double videoKbps = 0;            // bytes x 8 / stream time
    std::optional<double> peakKbps;  // the fullest whole second
    std::optional<double> fps;       // frames per second of stream time
    std::optional<double> gop;       // frames from one key frame to the next, on average
    std::optional<double> audioKbps; // the audio's bytes over its own stretch
};

// Counts packets over a stretch of stream time that starts at the first video
// packet with a time. No toolkit, no FFmpeg: the stream reader hands in times in seconds.
// A packet without a time is placed one frame after the one before it, and a
// time that goes back is held at the last one, so a broken stream cannot make
// the stretch run backwards or forever.
class Tally {
public:
    // `seconds` of stream time to measure (more than 0).
    explicit Tally(double seconds);

    // Counts a video packet (`time` its decoding time, `shown` its
    // presentation time where known); false, and nothing counted, once the
    // packet lies at or past the end of the stretch.
    bool addVideo(std::optional<double> time, double duration, std::int64_t size, bool key,
                  std::optional<double> shown = std::nullopt);
    // Counts an audio packet; audio before the first video packet is not counted.
    void addAudio(std::optional<double> time, double duration, std::int64_t size);

    bool complete() const { return complete_; }
    std::int64_t videoPackets() const { return frames_; }
    // Stream seconds covered so far, and the average rate over them.
    double done() const;
    double runningKbps() const;
    // The figures of what was counted; none while fewer than two video
    // packets, or no stream time, have been counted.
    std::optional<Figures> figures() const;

private:
    double interval() const; // the average time from one frame to the next, 0 while unknown

    double seconds_;
    bool started_ = false; // a video packet with a time has come
    bool complete_ = false;
    bool madeUp_ = false;      // the times so far are sums of durations
    std::int64_t leading_ = 0; // video packets before that one
    double start_ = 0;
    double last_ = 0;
    double lastDuration_ = 0;
    std::int64_t frames_ = 0;
    std::int64_t bytes_ = 0;
    std::vector<std::int64_t> perSecond_;
    std::int64_t keys_ = 0;
    std::int64_t firstKey_ = -1;
    std::int64_t lastKey_ = -1;
    // Key frames by presentation time: frames reordered for decoding (B
    // frames) put a key frame early in decoding order, never in these.
    bool keysShown_ = true;
    double firstKeyShown_ = 0;
    double lastKeyShown_ = 0;

    std::int64_t audioPackets_ = 0;
    std::int64_t audioBytes_ = 0;
    double audioFirst_ = 0;
    double audioLast_ = 0;
    double audioLastDuration_ = 0;
};

} // namespace velmora::measure
