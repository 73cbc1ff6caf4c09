// SPDX-License-Identifier: GPL-3.0-or-later
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

Tally::Tally(double seconds, TimeBase base)
    : seconds_(std::isfinite(seconds) && seconds > 0 ? seconds : 1), base_(base.valid() ? base : TimeBase{})
{
    perSecond_.assign(static_cast<std::size_t>(std::ceil(seconds_)), 0);
}

double Tally::toSeconds(std::int64_t ticks) const
{
    return static_cast<double>(static_cast<long double>(ticks) * base_.num / base_.den);
}

std::int64_t Tally::secondOf(std::int64_t ticks) const
{
    // ticks x num / den without a product that could overflow, and exact.
    if (ticks < 0) return -1;
    return ticks / base_.den * base_.num + ticks % base_.den * base_.num / base_.den;
}

double Tally::interval() const
{
    const std::int64_t timed = frames_ - leading_;
    return timed >= 2 ? static_cast<double>(last_ - start_) / static_cast<double>(timed - 1) : 0;
}

std::int64_t Tally::step() const
{
    return lastDuration_ > 0 ? lastDuration_ : std::llround(interval());
}

bool Tally::addVideo(std::optional<std::int64_t> time, std::int64_t duration, std::int64_t size, bool key,
                     std::optional<std::int64_t> shown)
{
    if (complete_) return false;
    size = std::max<std::int64_t>(size, 0);
    duration = std::max<std::int64_t>(duration, 0);
    std::int64_t t = 0;
    if (!started_) {
        // Packets before the first one with a time (a live stream's first
        // frames often come without) belong to the first second.
        if (time) {
            started_ = true;
            t = start_ = *time;
        } else if (duration > 0) {
            // A raw stream gives durations only: its time is made of them.
            started_ = madeUp_ = true;
            t = start_ = 0;
        } else {
            ++leading_;
        }
    } else {
        if (time && madeUp_) {
            // The first real time: the made-up time moves onto it.
            const std::int64_t shift = *time - (last_ + step());
            start_ += shift;
            last_ += shift;
            madeUp_ = false;
        }
        t = time ? std::max(*time, last_) : last_ + step();
        if (static_cast<long double>(t - start_) * base_.num >=
            static_cast<long double>(seconds_) * base_.den) {
            complete_ = true;
            return false;
        }
    }
    const std::int64_t second = started_ ? secondOf(t - start_) : 0;
    if (second >= 0 && static_cast<std::size_t>(second) < perSecond_.size())
        perSecond_[static_cast<std::size_t>(second)] += size;
    if (key) {
        keys_.push_back({frames_, shown});
        keyBytes_ += size;
    }
    ++frames_;
    bytes_ += size;
    if (started_) last_ = t;
    lastDuration_ = duration;
    return true;
}

void Tally::addAudio(std::optional<double> time, double duration, std::int64_t size)
{
    if (!started_ || complete_) return;
    size = std::max<std::int64_t>(size, 0);
    const bool timed = time && std::isfinite(*time);
    double t = 0;
    if (audioPackets_ == 0) {
        t = timed ? *time : 0;
        audioFirst_ = audioTimed_ = t;
    } else {
        t = timed ? std::max(*time, audioLast_) : audioLast_ + audioLastDuration_;
    }
    if (timed) {
        audioTimed_ = t;
        audioBytesBeforeTimed_ = audioBytes_;
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
    return std::min(toSeconds(last_ - start_ + step()), seconds_);
}

double Tally::runningKbps() const
{
    const double d = done();
    return d > 0 ? kbps(bytes_, d) : 0;
}

int Tally::wholeSeconds() const
{
    if (complete_) return static_cast<int>(std::floor(seconds_));
    if (!started_) return 0;
    return static_cast<int>(std::min<std::int64_t>(secondOf(last_ - start_), std::floor(seconds_)));
}

double Tally::secondKbps(int second) const
{
    if (second < 0 || static_cast<std::size_t>(second) >= perSecond_.size()) return 0;
    return kbps(perSecond_[static_cast<std::size_t>(second)], 1.0);
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
    const auto whole = static_cast<std::size_t>(
        complete_
            ? std::floor(seconds_)
            : std::min<double>(static_cast<double>(secondOf(last_ - start_ + step())), std::floor(seconds_)));
    for (std::size_t i = 0; i < whole && i < perSecond_.size(); ++i)
        f.perSecond.push_back(kbps(perSecond_[i], 1.0));
    if (!f.perSecond.empty()) f.peakKbps = *std::max_element(f.perSecond.begin(), f.perSecond.end());
    if (last_ > start_) f.fps = static_cast<double>(frames_ - leading_ - 1) / toSeconds(last_ - start_);
    if (bytes_ > 0) f.keyframePercent = static_cast<double>(keyBytes_) * 100.0 / static_cast<double>(bytes_);
    if (keys_.size() >= 2) {
        // Frames from one key frame to another: by presentation time where
        // every key frame has one, else by decoding order.
        const bool byShown =
            f.fps &&
            std::all_of(keys_.begin(), keys_.end(), [](const Key& k) { return k.shown.has_value(); }) &&
            *keys_.back().shown > *keys_.front().shown;
        const auto between = [&](const Key& a, const Key& b) {
            return byShown ? toSeconds(*b.shown - *a.shown) * *f.fps : static_cast<double>(b.frame - a.frame);
        };
        f.gop = between(keys_.front(), keys_.back()) / static_cast<double>(keys_.size() - 1);
        for (std::size_t i = 1; i < keys_.size(); ++i) {
            const int frames = static_cast<int>(std::lround(between(keys_[i - 1], keys_[i])));
            f.gopMin = std::min(f.gopMin.value_or(frames), frames);
            f.gopMax = std::max(f.gopMax.value_or(frames), frames);
        }
    }
    // Packets without a duration (audio in MPEG-TS: a time on the first frame
    // of each bundle only): the bytes up to the last packet with a time over
    // the time up to it.
    if (audioLastDuration_ > 0) {
        f.audioKbps = kbps(audioBytes_, audioLast_ - audioFirst_ + audioLastDuration_);
    } else if (audioTimed_ > audioFirst_) {
        f.audioKbps = kbps(audioBytesBeforeTimed_, audioTimed_ - audioFirst_);
    }
    return f;
}

} // namespace velmora::measure
