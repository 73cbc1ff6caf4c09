// SPDX-License-Identifier: GPL-3.0-or-later
#include "StreamMeasure.h"

#include "FrameHeaders.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
}

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>

namespace velmora::measure {

namespace {

using Clock = std::chrono::steady_clock;

// The arrival clock counts in nanoseconds.
constexpr TimeBase kNanoseconds{1, 1000000000};

// FFmpeg asks this between and during its blocking calls: a cancel or a
// passed deadline makes the call in progress give up with AVERROR_EXIT.
struct Watch {
    Clock::time_point deadline;
    const std::atomic<bool>* cancel = nullptr;
    const std::atomic<bool>* stop = nullptr;
    bool cancelled = false;
    bool timedOut = false;
    bool stopped = false;

    bool check()
    {
        if (cancel && cancel->load())
            cancelled = true;
        else if (stop && stop->load())
            stopped = true;
        else if (Clock::now() >= deadline)
            timedOut = true;
        return cancelled || timedOut || stopped;
    }
};

int interrupted(void* opaque)
{
    return static_cast<Watch*>(opaque)->check() ? 1 : 0;
}

// FFmpeg's messages are never shown (they can quote the address with its
// password); only a failed name lookup is noted, which FFmpeg otherwise
// reports as a plain input/output error.
thread_local bool* t_lookupFailed = nullptr;

void quietLog(void*, int level, const char* format, va_list)
{
    if (level <= AV_LOG_ERROR && t_lookupFailed && format && std::strstr(format, "resolve hostname"))
        *t_lookupFailed = true;
}

void installQuietLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        av_log_set_level(AV_LOG_ERROR);
        av_log_set_callback(quietLog);
    });
}

struct InputCloser {
    void operator()(AVFormatContext* ctx) const { avformat_close_input(&ctx); }
};
struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ParserClose {
    void operator()(AVCodecParserContext* p) const { av_parser_close(p); }
};
struct CodecFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};

bool isNetwork(SourceKind kind)
{
    return kind != SourceKind::File;
}

// A local source read by the program itself rather than by FFmpeg's file
// protocol, so that every read is bounded like a network one: a pipe that
// nobody writes to, or that stops, ends at the watch's deadline.
class LocalFile {
public:
    LocalFile(const std::string& path, Watch& watch) : watch_(watch)
    {
        // Not blocking: opening a pipe without a writer would wait for ever.
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        struct stat st {};
        if (fd_ >= 0 && ::fstat(fd_, &st) == 0) regular_ = S_ISREG(st.st_mode);
    }
    ~LocalFile()
    {
        if (io_) av_freep(static_cast<void*>(&io_->buffer));
        avio_context_free(&io_);
        if (fd_ >= 0) ::close(fd_);
    }
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;

    int error() const { return fd_ < 0 ? AVERROR(errno) : 0; }
    // The context FFmpeg reads through; null when it cannot be made.
    AVIOContext* context()
    {
        if (io_ || fd_ < 0) return io_;
        constexpr int kBufferSize = 256 * 1024;
        auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
        if (!buffer) return nullptr;
        io_ = avio_alloc_context(buffer, kBufferSize, 0, this, &LocalFile::read, nullptr,
                                 regular_ ? &LocalFile::seek : nullptr);
        if (!io_) {
            av_free(buffer);
            return nullptr;
        }
        io_->seekable = regular_ ? AVIO_SEEKABLE_NORMAL : 0;
        return io_;
    }

private:
    static int read(void* opaque, std::uint8_t* buffer, int size)
    {
        auto& self = *static_cast<LocalFile*>(opaque);
        while (true) {
            const ssize_t n = ::read(self.fd_, buffer, static_cast<std::size_t>(size));
            if (n > 0) {
                self.anyData_ = true;
                return static_cast<int>(n);
            }
            if (n == 0 && (self.regular_ || self.anyData_)) return AVERROR_EOF;
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno != EAGAIN) return AVERROR(errno);
            // A pipe without data yet, or without a writer yet: wait a little, and no longer than the watch
            // allows.
            pollfd p{self.fd_, POLLIN, 0};
            const int ready = ::poll(&p, 1, 50);
            if (ready > 0 && (p.revents & POLLHUP) && !(p.revents & POLLIN))
                return AVERROR_EOF; // the writer left
            if (self.watch_.check()) return AVERROR_EXIT;
        }
    }

    static std::int64_t seek(void* opaque, std::int64_t offset, int whence)
    {
        const auto& self = *static_cast<LocalFile*>(opaque);
        if (whence & AVSEEK_SIZE) {
            struct stat st {};
            return ::fstat(self.fd_, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
        }
        const off_t at = ::lseek(self.fd_, static_cast<off_t>(offset), whence & ~AVSEEK_FORCE);
        return at < 0 ? AVERROR(errno) : static_cast<std::int64_t>(at);
    }

    Watch& watch_;
    int fd_ = -1;
    bool regular_ = false;
    bool anyData_ = false;
    AVIOContext* io_ = nullptr;
};

// Elementary streams without a container: their only timing is what the
// codec's headers state (H.264 and H.265 may leave it out; JPEG never has
// any). FFmpeg makes up 25 frames a second for them.
bool withoutTimes(const AVInputFormat* format)
{
    static constexpr std::array<std::string_view, 14> kRaw{"h264",  "hevc", "mjpeg",     "mpjpeg",    "m4v",
                                                           "h261",  "h263", "cavsvideo", "mpegvideo", "vc1",
                                                           "dirac", "avs2", "obu",       "vvc"};
    if (!format || !format->name) return false;
    if (format->flags & AVFMT_NOTIMESTAMPS) return true;
    return std::find(kRaw.begin(), kRaw.end(), std::string_view(format->name)) != kRaw.end();
}

Cause openFailure(int error, const Watch& watch, const Source& source, bool lookupFailed)
{
    if (watch.cancelled) return Cause::Cancelled;
    if (!isNetwork(source.kind) && watch.timedOut) return Cause::NoData;
    if (watch.timedOut || error == AVERROR(ETIMEDOUT)) return Cause::NoAnswer;
    if (lookupFailed) return Cause::HostUnknown;
    switch (error) {
    case AVERROR(ENOENT): return isNetwork(source.kind) ? Cause::NotFound : Cause::NoSuchFile;
    case AVERROR(EACCES):
    case AVERROR(EISDIR):
    case AVERROR(EPERM): return isNetwork(source.kind) ? Cause::Forbidden : Cause::NotReadable;
    case AVERROR(ECONNREFUSED): return Cause::ConnectionRefused;
    case AVERROR(EHOSTUNREACH):
    case AVERROR(ENETUNREACH):
    case AVERROR(EHOSTDOWN):
    case AVERROR(ENETDOWN): return Cause::HostUnreachable;
    case AVERROR_HTTP_UNAUTHORIZED:
        return source.hasCredentials ? Cause::WrongPassword : Cause::NeedsPassword;
    case AVERROR_HTTP_FORBIDDEN: return Cause::Forbidden;
    case AVERROR_HTTP_NOT_FOUND: return Cause::NotFound;
    case AVERROR_INVALIDDATA:
    case AVERROR_DEMUXER_NOT_FOUND:
    case AVERROR_DECODER_NOT_FOUND:
    case AVERROR_STREAM_NOT_FOUND: return Cause::NotVideo;
    case AVERROR_EOF: return Cause::EndedEarly;
    case AVERROR_PROTOCOL_NOT_FOUND: return Cause::BadAddress;
    default: return Cause::Failed;
    }
}

// The protocols a source may use; a file or a playlist can then not lead
// FFmpeg anywhere else (another local file, a network address).
const char* allowedProtocols(SourceKind kind)
{
    switch (kind) {
    case SourceKind::File: return "file";
    case SourceKind::Rtsp:
    case SourceKind::Rtsps: return "rtsp,rtsps,rtp,tcp,udp,tls";
    default: return "http,https,tcp,tls";
    }
}

std::optional<double> seconds(std::int64_t ts, AVRational base)
{
    if (ts == AV_NOPTS_VALUE || base.den == 0) return std::nullopt;
    return static_cast<double>(ts) * av_q2d(base);
}

bool isVideo(const AVStream* st)
{
    return st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO && !(st->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

// Width, height and profile from the stream headers in the packets, where
// the container does not give them: FFmpeg's parsers for H.264 and H.265
// (they read parameter sets only), the frame header for JPEG.
class HeaderReader {
public:
    explicit HeaderReader(const AVCodecParameters* par) : codecId_(par->codec_id)
    {
        if (par->width > 0 && par->height > 0) size_ = {par->width, par->height};
        if (par->profile != FF_PROFILE_UNKNOWN) profile_ = par->profile;
        if (codecId_ == AV_CODEC_ID_MJPEG) return;
        parser_.reset(av_parser_init(codecId_));
        codec_.reset(avcodec_alloc_context3(nullptr));
        if (!parser_ || !codec_ || avcodec_parameters_to_context(codec_.get(), par) < 0) {
            parser_.reset();
            return;
        }
        parser_->flags |= PARSER_FLAG_COMPLETE_FRAMES;
        // H.264 counts its timing in fields, two a frame, as its decoder does.
        if (codecId_ == AV_CODEC_ID_H264) codec_->ticks_per_frame = 2;
    }

    void read(const AVPacket& packet)
    {
        if (done() || ++looked_ > kPacketsToLook) return;
        if (codecId_ == AV_CODEC_ID_MJPEG) {
            if (const auto s = jpegFrameSize(packet.data, static_cast<std::size_t>(packet.size)))
                size_ = {s->width, s->height};
            return;
        }
        if (!parser_) return;
        std::uint8_t* out = nullptr;
        int outSize = 0;
        av_parser_parse2(parser_.get(), codec_.get(), &out, &outSize, packet.data, packet.size, packet.pts,
                         packet.dts, packet.pos);
        if (!size_ && parser_->width > 0 && parser_->height > 0) size_ = {parser_->width, parser_->height};
        if (!profile_ && codec_->profile != FF_PROFILE_UNKNOWN) profile_ = codec_->profile;
    }

    std::optional<std::pair<int, int>> size() const { return size_; }
    // The frame rate the stream's headers state (H.264 and H.265 timing
    // information), once read; none where they state none.
    std::optional<FrameRate> frameRate() const
    {
        if (!codec_ || codec_->framerate.num <= 0 || codec_->framerate.den <= 0) return std::nullopt;
        // Rates outside what any camera sends are a header's nonsense.
        constexpr double kLowestFps = 0.1;
        const double fps = av_q2d(codec_->framerate);
        if (!(fps >= kLowestFps && fps <= 1000)) return std::nullopt;
        return FrameRate{codec_->framerate.num, codec_->framerate.den};
    }
    std::optional<std::string> profileName() const
    {
        if (!profile_) return std::nullopt;
        const char* name = avcodec_profile_name(codecId_, *profile_);
        if (!name) return std::nullopt;
        return std::string(name);
    }

private:
    // Parameter sets come with the first key frame; a stream that has not
    // given them by then is not searched for ever.
    static constexpr int kPacketsToLook = 300;
    bool done() const { return size_ && (profile_ || codecId_ == AV_CODEC_ID_MJPEG); }

    AVCodecID codecId_;
    std::unique_ptr<AVCodecParserContext, ParserClose> parser_;
    std::unique_ptr<AVCodecContext, CodecFree> codec_;
    std::optional<std::pair<int, int>> size_;
    std::optional<int> profile_;
    int looked_ = 0;
};

} // namespace

std::string codecTitle(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kTitles{{
        {"h264", "H.264"},
        {"hevc", "H.265"},
        {"mjpeg", "MJPEG"},
        {"mpeg4", "MPEG-4"},
        {"mpeg2video", "MPEG-2"},
        {"av1", "AV1"},
        {"vp8", "VP8"},
        {"vp9", "VP9"},
        {"aac", "AAC"},
        {"mp3", "MP3"},
        {"opus", "Opus"},
        {"pcm_mulaw", "G.711 mu-law"},
        {"pcm_alaw", "G.711 A-law"},
        {"adpcm_g726", "G.726"},
        {"adpcm_g726le", "G.726"},
        {"adpcm_g722", "G.722"},
    }};
    for (const auto& [ffmpegName, title] : kTitles)
        if (ffmpegName == name) return std::string(title);
    std::string upper(name);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

Outcome measureStream(const Request& request)
{
    installQuietLog();
    Outcome outcome;
    const Source source = parseSource(request.source);
    outcome.shownSource = source.shown;
    const auto fail = [&outcome](Cause cause) {
        outcome.cause = cause;
        return outcome;
    };
    if (source.kind == SourceKind::Unsupported) return fail(Cause::BadAddress);
    const bool network = isNetwork(source.kind);
    if (!network) {
        const std::string path = source.open.substr(5);
        std::error_code error;
        const auto status = std::filesystem::status(path, error);
        if (!std::filesystem::exists(status)) return fail(Cause::NoSuchFile);
        if (std::filesystem::is_directory(status) || ::access(path.c_str(), R_OK) != 0)
            return fail(Cause::NotReadable);
    }
    const int wanted = std::clamp(request.seconds, kMinSeconds, kMaxSeconds);

    Watch watch;
    watch.cancel = request.cancel;
    watch.stop = request.stop;
    watch.deadline = Clock::now() + request.connectTimeout;
    bool lookupFailed = false;
    t_lookupFailed = &lookupFailed;
    struct LookupReset {
        ~LookupReset() { t_lookupFailed = nullptr; }
    } lookupReset;

    // Outlives the input, which reads through it.
    std::optional<LocalFile> file;
    if (!network) {
        file.emplace(source.open.substr(5), watch);
        if (file->error() != 0) return fail(openFailure(file->error(), watch, source, false));
    }
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw) return fail(Cause::Failed);
    raw->interrupt_callback = {interrupted, &watch};
    if (file) {
        raw->pb = file->context();
        if (!raw->pb) {
            avformat_free_context(raw);
            return fail(Cause::Failed);
        }
    }
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", allowedProtocols(source.kind), 0);
    if (source.kind == SourceKind::Rtsp || source.kind == SourceKind::Rtsps)
        av_dict_set(&options, "rtsp_transport", "tcp", 0);
    const int opened = avformat_open_input(&raw, source.open.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) {
        if (watch.stopped) return fail(Cause::Cancelled);
        return fail(openFailure(opened, watch, source, lookupFailed));
    }
    const std::unique_ptr<AVFormatContext, InputCloser> input(raw);

    int video = -1;
    int audio = -1;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream* st = input->streams[i];
        if (video < 0 && isVideo(st)) video = static_cast<int>(i);
        if (audio < 0 && st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) audio = static_cast<int>(i);
    }
    // Streams that show up only with their packets are looked for while reading.
    if (video < 0 && !(input->ctx_flags & AVFMTCTX_NOHEADER)) return fail(Cause::NoVideo);
    for (unsigned i = 0; i < input->nb_streams; ++i)
        if (static_cast<int>(i) != video && static_cast<int>(i) != audio)
            input->streams[i]->discard = AVDISCARD_ALL;

    const std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    if (!packet) return fail(Cause::Failed);
    // Made at the first video packet, when the clock to count on is known.
    std::optional<Tally> tally;
    TimeSource clock = TimeSource::Stream;
    bool frameCount = false; // video times are frame numbers at a known rate
    std::int64_t frameNumber = 0;
    Clock::time_point firstArrival{};
    const bool timeless = withoutTimes(input->iformat);
    std::optional<HeaderReader> headers;
    if (video >= 0) headers.emplace(input->streams[video]->codecpar);
    const auto readStart = Clock::now();
    // A live stream whose clock stands still would otherwise be read for ever.
    const auto clockLimit = readStart + std::chrono::seconds(wanted * 3 + 15);
    watch.deadline = readStart + request.packetTimeout;
    bool anyPacket = false;
    double nextProgress = 0.25;
    int secondsReported = 0;
    const auto videoPackets = [&tally] { return tally ? tally->videoPackets() : 0; };

    while (true) {
        const int read = av_read_frame(input.get(), packet.get());
        if (read < 0) {
            if (watch.cancelled) return fail(Cause::Cancelled);
            if (watch.stopped) break;
            if (watch.timedOut)
                return fail(videoPackets() == 0 && anyPacket ? Cause::NoVideo : Cause::Stalled);
            break; // the end of the file, or of the connection: what came is measured
        }
        anyPacket = true;
        const AVStream* st = input->streams[packet->stream_index];
        if (video < 0 && isVideo(st)) {
            video = packet->stream_index;
            headers.emplace(st->codecpar);
        }
        if (audio < 0 && st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) audio = packet->stream_index;
        bool finished = false;
        if (packet->stream_index == video) {
            const auto arrived = Clock::now();
            // A packet that FFmpeg held back and gave out only when the wait
            // ran out does not start a new wait: the stream is still silent.
            if (!watch.timedOut) watch.deadline = arrived + request.packetTimeout;
            headers->read(*packet);
            if (!tally) {
                TimeBase base{st->time_base.num, st->time_base.den};
                if (timeless) {
                    // No times in the stream: its headers' frame rate, the arrival
                    // of a live stream's packets, or the rate the user gave.
                    if (const auto rate = headers->frameRate()) {
                        frameCount = true;
                        base = {rate->den, rate->num};
                    } else if (network) {
                        clock = TimeSource::Arrival;
                        base = kNanoseconds;
                        firstArrival = arrived;
                    } else if (request.fps && request.fps->valid()) {
                        clock = TimeSource::Given;
                        frameCount = true;
                        base = {request.fps->den, request.fps->num};
                    } else {
                        return fail(Cause::NoTiming);
                    }
                }
                tally.emplace(wanted, base);
            }
            std::optional<std::int64_t> time;
            std::optional<std::int64_t> shown;
            std::int64_t duration = 0;
            if (frameCount) {
                time = frameNumber++;
                duration = 1;
            } else if (clock == TimeSource::Arrival) {
                time = std::chrono::duration_cast<std::chrono::nanoseconds>(arrived - firstArrival).count();
            } else {
                if (packet->dts != AV_NOPTS_VALUE)
                    time = packet->dts;
                else if (packet->pts != AV_NOPTS_VALUE)
                    time = packet->pts;
                if (packet->pts != AV_NOPTS_VALUE) shown = packet->pts;
                duration = packet->duration;
            }
            if (tally->addVideo(time, duration, packet->size, (packet->flags & AV_PKT_FLAG_KEY) != 0,
                                shown)) {
                if (request.second)
                    for (; secondsReported < tally->wholeSeconds(); ++secondsReported)
                        request.second(secondsReported, tally->secondKbps(secondsReported));
                if (request.progress && tally->done() >= nextProgress) {
                    request.progress(tally->done(), tally->runningKbps());
                    nextProgress = std::floor(tally->done() * 4 + 1) / 4;
                }
            } else {
                finished = true;
            }
        } else if (packet->stream_index == audio && tally) {
            const std::int64_t ts = packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
            tally->addAudio(seconds(ts, st->time_base), seconds(packet->duration, st->time_base).value_or(0),
                            packet->size);
        }
        av_packet_unref(packet.get());
        if (finished) break;
        if (watch.check()) {
            if (watch.cancelled) return fail(Cause::Cancelled);
            if (watch.stopped) break;
            return fail(videoPackets() == 0 ? Cause::NoVideo : Cause::Stalled);
        }
        if (network && Clock::now() >= clockLimit) return fail(Cause::NoClock);
    }

    if (videoPackets() == 0) return fail(video < 0 ? Cause::NoVideo : Cause::EndedEarly);
    const auto figures = tally->figures();
    if (!figures) return fail(Cause::TooShort);
    if (request.second)
        for (; secondsReported < static_cast<int>(figures->perSecond.size()); ++secondsReported)
            request.second(secondsReported, figures->perSecond[static_cast<std::size_t>(secondsReported)]);
    if (request.progress) request.progress(figures->seconds, figures->videoKbps);

    Measurement m;
    m.source = source.shown;
    const AVStream* vs = input->streams[video];
    m.codec = codecTitle(avcodec_get_name(vs->codecpar->codec_id));
    m.profile = headers->profileName();
    if (const auto size = headers->size()) {
        m.width = size->first;
        m.height = size->second;
    }
    m.figures = *figures;
    m.clock = clock;
    if (audio >= 0) m.audioCodec = codecTitle(avcodec_get_name(input->streams[audio]->codecpar->codec_id));
    outcome.measurement = std::move(m);
    return outcome;
}

} // namespace velmora::measure
