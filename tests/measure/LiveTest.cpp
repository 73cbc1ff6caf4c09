// SPDX-License-Identifier: GPL-3.0-or-later
// Measurements of a live RTSP server run by the test on 127.0.0.1, and of
// addresses where nothing or something silent listens.
#include "MeasureTestKit.h"
#include "StreamMeasure.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>

namespace velmora::measure {
namespace {

using namespace kit;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(Live, MeasuresTheServedStream)
{
    NEED_LIVE_SERVER();
    Request request;
    request.source = server.address("/cam");
    request.seconds = 3;
    const Outcome outcome = measureStream(request);
    ASSERT_TRUE(outcome.measurement) << causeText(outcome.cause).english;
    const Measurement& m = *outcome.measurement;
    EXPECT_EQ(m.codec, "H.264");
    EXPECT_EQ(m.width, 640);
    EXPECT_EQ(m.height, 360);
    ASSERT_TRUE(m.figures.fps);
    EXPECT_NEAR(*m.figures.fps, 15, 0.1);
    ASSERT_TRUE(m.figures.gop);
    EXPECT_NEAR(*m.figures.gop, 15, 0.5);
    EXPECT_DOUBLE_EQ(m.figures.seconds, 3);
    EXPECT_GT(m.figures.videoKbps, 0);
    EXPECT_FALSE(m.audioCodec);
}

TEST(Live, HttpJpegCameraIsTimedByTheArrivalOfItsFrames)
{
    // JPEG frames over HTTP carry no times: FFmpeg would take them as 25 a
    // second. The camera sends 10 a second; the rate is within 5 % of theirs.
    std::string why;
    const std::string frames = clip("frames.mjpeg",
                                    {"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=10", "-t", "2", "-c:v",
                                     "mjpeg", "-q:v", "5", "-f", "mjpeg"},
                                    why);
    if (frames.empty()) GTEST_SKIP() << why;
    ScriptServer camera("mjpeg_server.py", {frames, "10"});
    if (!camera.missing().empty()) GTEST_SKIP() << "no test HTTP camera: " << camera.missing();
    Request request;
    request.source = "http://127.0.0.1:" + std::to_string(camera.port()) + "/video";
    request.seconds = 4;
    const Outcome outcome = measureStream(request);
    ASSERT_TRUE(outcome.measurement) << causeText(outcome.cause).english;
    const Measurement& m = *outcome.measurement;
    EXPECT_EQ(m.codec, "MJPEG");
    EXPECT_EQ(m.clock, TimeSource::Arrival);
    ASSERT_TRUE(m.figures.fps);
    EXPECT_NEAR(*m.figures.fps, 10, 0.5);
    // The true rate: the frames' bytes, 10 a second, as the server sends them in turn.
    std::ifstream in(frames, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    long long total = 0;
    int count = 0;
    for (std::size_t at = bytes.find("\xFF\xD8"); at != std::string::npos; ++count) {
        const std::size_t end = bytes.find("\xFF\xD9", at);
        if (end == std::string::npos) break;
        total += static_cast<long long>(end + 2 - at);
        at = bytes.find("\xFF\xD8", end + 2);
    }
    ASSERT_GT(count, 0);
    const double truth = static_cast<double>(total) / count * 10 * 8 / 1000;
    EXPECT_NEAR(m.figures.videoKbps, truth, truth * 0.05) << "the camera sends " << truth;
}

TEST(Live, PasswordMountWithAndWithoutTheRightCredentials)
{
    NEED_LIVE_SERVER();
    const std::string right = std::string("installer:") + LiveServer::kPassword;
    const struct {
        const char* name;
        std::string credentials;
        std::optional<Cause> cause; // none: measured
    } cases[] = {
        {"none", "", Cause::NeedsPassword},
        {"wrong password", "installer:wrong", Cause::WrongPassword},
        {"right ones", right, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Request request;
        request.source = server.address("/secure", c.credentials);
        request.seconds = 3;
        const Outcome outcome = measureStream(request);
        EXPECT_EQ(outcome.shownSource, server.address("/secure"));
        if (c.cause) {
            EXPECT_FALSE(outcome.measurement);
            EXPECT_EQ(causeText(outcome.cause).code, causeText(*c.cause).code);
        } else {
            ASSERT_TRUE(outcome.measurement) << causeText(outcome.cause).english;
            EXPECT_EQ(outcome.measurement->source, server.address("/secure"));
            EXPECT_EQ(outcome.measurement->width, 640);
        }
    }
}

TEST(Live, UnknownPathIsNotFound)
{
    NEED_LIVE_SERVER();
    Request request;
    request.source = server.address("/no-such-stream");
    const Outcome outcome = measureStream(request);
    EXPECT_EQ(causeText(outcome.cause).code, causeText(Cause::NotFound).code);
}

TEST(Live, ClosedPortIsRefusedAtOnce)
{
    Request request;
    request.source = "rtsp://127.0.0.1:" + std::to_string(closedPort()) + "/cam";
    const Outcome outcome = measureStream(request);
    // Refused, not timed out: the answer came before the connection time-out.
    EXPECT_EQ(causeText(outcome.cause).code, causeText(Cause::ConnectionRefused).code);
}

TEST(Live, SilentListenerFailsAfterTheConnectionTimeout)
{
    // A socket that takes connections (the kernel's backlog) and never answers.
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(fd, 4), 0);
    ASSERT_EQ(getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
    Request request;
    request.source = "rtsp://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/cam";
    const auto start = Clock::now();
    const Outcome outcome = measureStream(request);
    const double took = secondsSince(start);
    close(fd);
    EXPECT_EQ(causeText(outcome.cause).code, causeText(Cause::NoAnswer).code);
    EXPECT_GE(took, 5.0) << "gave up before the connection time-out";
    RecordProperty("seconds_to_fail", std::to_string(took));
}

TEST(Live, ServerThatStopsSendingFailsAfterThePacketTimeout)
{
    NEED_LIVE_SERVER();
    Request request;
    request.source = server.address("/stall");
    request.seconds = 10;
    std::vector<Clock::time_point> seen; // when the stream time moved on
    request.progress = [&](double, double) { seen.push_back(Clock::now()); };
    const Outcome outcome = measureStream(request);
    seen.push_back(Clock::now());
    EXPECT_FALSE(outcome.measurement);
    EXPECT_EQ(causeText(outcome.cause).code, causeText(Cause::Stalled).code);
    ASSERT_GE(seen.size(), 3u) << "no video came before the stop";
    // The longest silence: FFmpeg may hand out a last packet it held back
    // when the wait ran out, so it can lie before the last progress.
    double quiet = 0;
    for (std::size_t i = 1; i < seen.size(); ++i)
        quiet = std::max(quiet, std::chrono::duration<double>(seen[i] - seen[i - 1]).count());
    EXPECT_GE(quiet, 4.7) << "gave up before the packet time-out"; // progress comes every quarter second
    RecordProperty("seconds_without_packets", std::to_string(quiet));
}

TEST(Live, CancelStopsAMeasurementInTheMiddle)
{
    NEED_LIVE_SERVER();
    std::atomic<bool> cancel{false};
    std::mutex mutex;
    std::condition_variable running;
    bool oneSecond = false;
    Request request;
    request.source = server.address("/cam");
    request.seconds = 60;
    request.cancel = &cancel;
    double lastDone = 0;
    request.progress = [&](double done, double) {
        lastDone = done;
        if (done >= 1) {
            const std::lock_guard lock(mutex);
            oneSecond = true;
            running.notify_one();
        }
    };
    Clock::time_point cancelledAt{};
    std::thread user([&] {
        std::unique_lock lock(mutex);
        running.wait_for(lock, std::chrono::seconds(30), [&] { return oneSecond; });
        // A moment later, while the reader waits in FFmpeg for the next packet.
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        cancelledAt = Clock::now();
        cancel.store(true);
    });
    const Outcome outcome = measureStream(request);
    const auto returned = Clock::now();
    user.join();
    EXPECT_FALSE(outcome.measurement);
    EXPECT_EQ(causeText(outcome.cause).code, causeText(Cause::Cancelled).code);
    EXPECT_LT(lastDone, 30);
    RecordProperty("seconds_to_stop",
                   std::to_string(std::chrono::duration<double>(returned - cancelledAt).count()));
}

} // namespace
} // namespace velmora::measure
