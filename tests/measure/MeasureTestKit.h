// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace velmora::measure::kit {

struct ProgramRun {
    int exitCode = -1; // -1 when the program could not run or did not exit by itself
    std::string out;
    std::string err;
};

// Runs a program (argv[0] a path) with `input` on its standard input and
// collects both outputs.
ProgramRun run(const std::vector<std::string>& argv, const std::string& input = {},
               const std::string& workDir = {});

// True when `program` exists and can be run.
bool haveProgram(const std::string& program);

// A clip made once with the ffmpeg command and kept in the build folder;
// empty when ffmpeg is missing or failed (the reason in `why`).
std::string clip(const std::string& name, const std::vector<std::string>& ffmpegArgs, std::string& why);

// The first video stream's packets as ffprobe lists them: time in seconds
// (dts, or pts where dts is missing) and size in bytes.
struct ProbePacket {
    double time = 0;
    long long size = 0;
};
// With `fps` given, packet n lies at n / fps (a raw stream: ffprobe makes up its times).
std::vector<ProbePacket> probeVideoPackets(const std::string& file, double fps = 0);

// kbit/s of the packets from the first one over `seconds` of stream time.
double probeKbps(const std::vector<ProbePacket>& packets, double seconds);
// kbit/s of each whole second from the first packet, cut at the microsecond.
std::vector<double> probeSecondsKbps(const std::vector<ProbePacket>& packets, int seconds);
// kbit/s of the first audio stream's packets over `seconds` from its first one.
double probeAudioKbps(const std::string& file, double seconds);

// A TCP port on 127.0.0.1 that nothing listens on (bound, then released).
int closedPort();

} // namespace velmora::measure::kit

namespace velmora::measure::kit {

// The test RTSP server (rtsp_server.py beside the tests) run by /usr/bin/python3:
// started on first use, stopped when the test program ends.
class LiveServer {
public:
    static constexpr const char* kPassword = "Qx7-vel-Pa55w0rd";
    static LiveServer& instance();
    // Empty when the server runs; otherwise why it does not.
    const std::string& missing() const { return missing_; }
    std::string address(const std::string& mount, const std::string& credentials = {}) const;
    ~LiveServer();

private:
    LiveServer();
    int pid_ = -1;
    int port_ = 0;
    std::string missing_;
};

// A test server run by /usr/bin/python3 from a script beside the tests, for
// one test: it prints "port N" once it listens; killed when this ends.
class ScriptServer {
public:
    ScriptServer(const std::string& script, const std::vector<std::string>& arguments);
    ~ScriptServer();
    ScriptServer(const ScriptServer&) = delete;
    ScriptServer& operator=(const ScriptServer&) = delete;
    const std::string& missing() const { return missing_; }
    int port() const { return port_; }

private:
    int pid_ = -1;
    int port_ = 0;
    std::string missing_;
};

} // namespace velmora::measure::kit

// Skips the test, with the reason, where the server cannot run.
#define NEED_LIVE_SERVER()                                                                                   \
    auto& server = ::velmora::measure::kit::LiveServer::instance();                                          \
    if (!server.missing().empty()) GTEST_SKIP() << "no test RTSP server: " << server.missing();
