#include "Tally.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace velmora::measure {

namespace {

double kbps(std::int64_t bytes, double seconds)
{
    return static_cast<double>(bytes) * CHAR_BIT / kBitsPerKilobit / seconds;
}

double usable(double duration)
{
    return std::isfinite(duration) && duration > 0 ? duration : 0;
}

} // namespace

Tally::Tally(double seconds) : seconds_(std::isfinite(seconds) && seconds > 0 ? seconds : 1)
{
    perSecond_.assign(static_cast<std::size_t>(std::ceil(seconds_)), 0);
}

double Tally::interval() const
{
    const std::int64_t timed = frames_ - leading_;
    return timed >= 2 ? (last_ - start_) / static_cast<double>(timed - 1) : 0;
}

bool Tally::addVideo(std::optional<double> time, double duration, std::int64_t size, bool key,
                     std::optional<double> shown)
{
    if (complete_) return false;
    size = std::max<std::int64_t>(size, 0);
    const bool timed = time && std::isfinite(*time);
    double t = 0;
    if (!started_) {
        // Packets before the first one with a time (a live stream's first
        // frames often come without) belong to the first second.
        if (timed) {
            started_ = true;
            t = start_ = *time;
        } else if (usable(duration) > 0) {
            // A raw stream gives durations only: its time is made of them.
            started_ = madeUp_ = true;
            t = start_ = 0;
        } else {
            ++leading_;
        }
    } else {
        const double step = lastDuration_ > 0 ? lastDuration_ : interval();
        if (timed && madeUp_) {
            // The first real time: the made-up time moves onto it.
            const double shift = *time - (last_ + step);
            start_ += shift;
            last_ += shift;
            madeUp_ = false;
        }
        t = timed ? std::max(*time, last_) : last_ + step;
        if (t - start_ >= seconds_) {
            complete_ = true;
            return false;
        }
    }
    const auto second = static_cast<std::size_t>(std::floor(t - start_));
    if (second < perSecond_.size()) perSecond_[second] += size;
    if (key) {
        if (shown && std::isfinite(*shown)) {
            if (firstKey_ < 0) firstKeyShown_ = *shown;
            lastKeyShown_ = *shown;
        } else {
            keysShown_ = false;
        }
        if (firstKey_ < 0) firstKey_ = frames_;
        lastKey_ = frames_;
        ++keys_;
    }
    ++frames_;
    bytes_ += size;
    if (started_) last_ = t;
    lastDuration_ = usable(duration);
    return true;
}

void Tally::addAudio(std::optional<double> time, double duration, std::int64_t size)
{
    if (!started_ || complete_) return;
    size = std::max<std::int64_t>(size, 0);
    double t = 0;
    if (audioPackets_ == 0) {
        t = time && std::isfinite(*time) ? *time : 0;
        audioFirst_ = t;
    } else {
        t = time && std::isfinite(*time) ? std::max(*time, audioLast_) : audioLast_ + audioLastDuration_;
    }
    ++audioPackets_;
    audioBytes_ += size;
    audioLast_ = t;
    audioLastDuration_ = usable(duration);
}

double Tally::done() const
{
    if (complete_) return seconds_;
    if (!started_) return 0;
    const double end = last_ - start_ + (lastDuration_ > 0 ? lastDuration_ : interval());
    return std::min(end, seconds_);
}

double Tally::runningKbps() const
{
    const double d = done();
    return d > 0 ? kbps(bytes_, d) : 0;
}

std::optional<Figures> Tally::figures() const
{
    const double span = done();
    if (frames_ < 2 || !(span > 0)) return std::nullopt;
    Figures f;
    f.seconds = span;
    f.videoPackets = frames_;
    f.videoKbps = kbps(bytes_, span);
    // Only whole seconds count for the peak: a last, partial second would
    // understate it, or overstate it if it held a lone key frame.
    const auto whole = std::min(perSecond_.size(), static_cast<std::size_t>(std::floor(span + 1e-9)));
    if (whole > 0) f.peakKbps = kbps(*std::max_element(perSecond_.begin(), perSecond_.begin() + whole), 1.0);
    if (last_ > start_) f.fps = static_cast<double>(frames_ - leading_ - 1) / (last_ - start_);
    if (keys_ >= 2) {
        const double keyFrames = keysShown_ && f.fps && lastKeyShown_ > firstKeyShown_
                                     ? (lastKeyShown_ - firstKeyShown_) * *f.fps
                                     : static_cast<double>(lastKey_ - firstKey_);
        f.gop = keyFrames / static_cast<double>(keys_ - 1);
    }
    const double audioSpan = audioLast_ - audioFirst_ + audioLastDuration_;
    if (audioPackets_ > 0 && audioSpan > 0) f.audioKbps = kbps(audioBytes_, audioSpan);
    return f;
}

} // namespace velmora::measure
