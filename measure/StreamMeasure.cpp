#include "StreamMeasure.h"

#include "FrameHeaders.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
}

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

// FFmpeg asks this between and during its blocking calls: a cancel or a
// passed deadline makes the call in progress give up with AVERROR_EXIT.
struct Watch {
    Clock::time_point deadline;
    const std::atomic<bool>* cancel = nullptr;
    bool cancelled = false;
    bool timedOut = false;

    bool check()
    {
        if (cancel && cancel->load())
            cancelled = true;
        else if (Clock::now() >= deadline)
            timedOut = true;
        return cancelled || timedOut;
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

Cause openFailure(int error, const Watch& watch, const Source& source, bool lookupFailed)
{
    if (watch.cancelled) return Cause::Cancelled;
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
    if (source.kind == SourceKind::File) {
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
    watch.deadline = Clock::now() + request.connectTimeout;
    bool lookupFailed = false;
    t_lookupFailed = &lookupFailed;
    struct LookupReset {
        ~LookupReset() { t_lookupFailed = nullptr; }
    } lookupReset;

    AVFormatContext* raw = avformat_alloc_context();
    if (!raw) return fail(Cause::Failed);
    raw->interrupt_callback = {interrupted, &watch};
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", allowedProtocols(source.kind), 0);
    if (source.kind == SourceKind::Rtsp || source.kind == SourceKind::Rtsps)
        av_dict_set(&options, "rtsp_transport", "tcp", 0);
    const int opened = avformat_open_input(&raw, source.open.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) return fail(openFailure(opened, watch, source, lookupFailed));
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
    Tally tally(wanted);
    std::optional<HeaderReader> headers;
    if (video >= 0) headers.emplace(input->streams[video]->codecpar);
    const auto readStart = Clock::now();
    // A live stream whose clock stands still would otherwise be read for ever.
    const auto clockLimit = readStart + std::chrono::seconds(wanted * 3 + 15);
    watch.deadline = readStart + request.packetTimeout;
    bool anyPacket = false;
    double nextProgress = 0.25;

    while (true) {
        const int read = av_read_frame(input.get(), packet.get());
        if (read < 0) {
            if (watch.cancelled) return fail(Cause::Cancelled);
            if (watch.timedOut)
                return fail(tally.videoPackets() == 0 && anyPacket ? Cause::NoVideo : Cause::Stalled);
            break; // the end of the file, or of the connection: what came is measured
        }
        anyPacket = true;
        const AVStream* st = input->streams[packet->stream_index];
        if (video < 0 && isVideo(st)) {
            video = packet->stream_index;
            headers.emplace(st->codecpar);
        }
        if (audio < 0 && st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) audio = packet->stream_index;
        const double duration = seconds(packet->duration, st->time_base).value_or(0);
        const std::int64_t ts = packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
        bool finished = false;
        if (packet->stream_index == video) {
            // A packet that FFmpeg held back and gave out only when the wait
            // ran out does not start a new wait: the stream is still silent.
            if (!watch.timedOut) watch.deadline = Clock::now() + request.packetTimeout;
            if (tally.addVideo(seconds(ts, st->time_base), duration, packet->size,
                               (packet->flags & AV_PKT_FLAG_KEY) != 0, seconds(packet->pts, st->time_base))) {
                headers->read(*packet);
                if (request.progress && tally.done() >= nextProgress) {
                    request.progress(tally.done(), tally.runningKbps());
                    nextProgress = std::floor(tally.done() * 4 + 1) / 4;
                }
            } else {
                finished = true;
            }
        } else if (packet->stream_index == audio) {
            tally.addAudio(seconds(ts, st->time_base), duration, packet->size);
        }
        av_packet_unref(packet.get());
        if (finished) break;
        if (watch.check()) {
            if (watch.cancelled) return fail(Cause::Cancelled);
            return fail(tally.videoPackets() == 0 ? Cause::NoVideo : Cause::Stalled);
        }
        if (isNetwork(source.kind) && Clock::now() >= clockLimit) return fail(Cause::NoClock);
    }

    if (tally.videoPackets() == 0) return fail(video < 0 ? Cause::NoVideo : Cause::EndedEarly);
    const auto figures = tally.figures();
    if (!figures) return fail(Cause::TooShort);
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
    if (audio >= 0) m.audioCodec = codecTitle(avcodec_get_name(input->streams[audio]->codecpar->codec_id));
    outcome.measurement = std::move(m);
    return outcome;
}

} // namespace velmora::measure
