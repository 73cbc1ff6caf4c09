// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasureTestKit.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>

namespace velmora::measure::kit {

namespace fs = std::filesystem;

ProgramRun run(const std::vector<std::string>& argv, const std::string& input, const std::string& workDir)
{
    ProgramRun result;
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return result;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
        if (!workDir.empty() && chdir(workDir.c_str()) != 0) _exit(127);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (!input.empty()) {
        const ssize_t written = write(in[1], input.data(), input.size());
        (void)written;
    }
    close(in[1]);
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    return result;
}

bool haveProgram(const std::string& program)
{
    return access(program.c_str(), X_OK) == 0;
}

std::string clip(const std::string& name, const std::vector<std::string>& ffmpegArgs, std::string& why)
{
    if (!haveProgram("/usr/bin/ffmpeg")) {
        why = "the ffmpeg command is not installed (Debian package ffmpeg)";
        return {};
    }
    // The file name carries a hash of the arguments: a changed recipe makes a new clip.
    std::string recipe;
    for (const std::string& a : ffmpegArgs) recipe += a + '\n';
    const auto hash = std::hash<std::string>{}(recipe);
    const fs::path dir = VELMORA_MEASURE_CLIPS;
    const std::string extension = fs::path(name).extension().string();
    const fs::path target =
        dir / (fs::path(name).stem().string() + "-" + std::to_string(hash % 1000000) + extension);
    if (fs::exists(target)) return target.string();
    std::error_code ignored;
    fs::create_directories(dir, ignored);
    // Made under a temporary name and renamed: tests running side by side never see half a clip.
    const fs::path partial = dir / (target.stem().string() + ".part-" + std::to_string(getpid()) + extension);
    std::vector<std::string> argv{"/usr/bin/ffmpeg", "-nostdin", "-v", "error", "-y"};
    argv.insert(argv.end(), ffmpegArgs.begin(), ffmpegArgs.end());
    argv.push_back(partial.string());
    const ProgramRun made = run(argv);
    if (made.exitCode != 0 || !fs::exists(partial)) {
        why = "ffmpeg could not make " + name + ": " + made.err;
        fs::remove(partial, ignored);
        return {};
    }
    fs::rename(partial, target, ignored);
    return target.string();
}

std::vector<ProbePacket> probeVideoPackets(const std::string& file, double fps)
{
    const ProgramRun probe = run({"/usr/bin/ffprobe", "-v", "error", "-select_streams", "V:0",
                                  "-show_entries", "packet=dts_time,pts_time,size", "-of", "csv=p=0", file});
    if (fps > 0) {
        std::vector<ProbePacket> packets;
        std::istringstream lines(probe.out);
        std::string line;
        while (std::getline(lines, line)) {
            const std::size_t comma = line.rfind(',', line.size() - 1);
            if (line.empty() || comma == std::string::npos) continue;
            packets.push_back(
                {static_cast<double>(packets.size()) / fps, std::atoll(line.c_str() + comma + 1)});
        }
        return packets;
    }
    std::vector<ProbePacket> packets;
    std::istringstream lines(probe.out);
    std::string line;
    while (std::getline(lines, line)) {
        // pts_time,dts_time,size in ffprobe's own order
        std::vector<std::string> fields;
        std::istringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, ',')) fields.push_back(cell);
        if (fields.size() < 3) continue;
        const std::string& time = fields[1] != "N/A" ? fields[1] : fields[0];
        if (time == "N/A") continue;
        packets.push_back({std::strtod(time.c_str(), nullptr), std::atoll(fields[2].c_str())});
    }
    return packets;
}

double probeKbps(const std::vector<ProbePacket>& packets, double seconds)
{
    if (packets.empty()) return 0;
    const double start = packets.front().time;
    long long bytes = 0;
    for (const ProbePacket& p : packets)
        if (p.time - start < seconds) bytes += p.size;
    return static_cast<double>(bytes) * 8.0 / 1000.0 / seconds;
}

std::vector<double> probeSecondsKbps(const std::vector<ProbePacket>& packets, int seconds)
{
    std::vector<double> out(static_cast<std::size_t>(seconds), 0);
    if (packets.empty()) return out;
    for (const ProbePacket& p : packets) {
        const long long second = std::llround((p.time - packets.front().time) * 1e6) / 1000000;
        if (second >= 0 && second < seconds) out[static_cast<std::size_t>(second)] += p.size * 8.0 / 1000.0;
    }
    return out;
}

double probeAudioKbps(const std::string& file, double seconds)
{
    const ProgramRun probe = run({"/usr/bin/ffprobe", "-v", "error", "-select_streams", "a:0",
                                  "-show_entries", "packet=pts_time,size", "-of", "csv=p=0", file});
    std::istringstream lines(probe.out);
    std::string line;
    std::optional<double> start;
    long long bytes = 0;
    while (std::getline(lines, line)) {
        // "pts_time,size", sometimes with side data after another comma
        const std::size_t comma = line.find(',');
        if (comma == std::string::npos || line.compare(0, 3, "N/A") == 0) continue;
        const double time = std::strtod(line.c_str(), nullptr);
        if (!start) start = time;
        if (time - *start < seconds) bytes += std::atoll(line.c_str() + comma + 1);
    }
    return static_cast<double>(bytes) * 8.0 / 1000.0 / seconds;
}

int closedPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

} // namespace velmora::measure::kit

#include <csignal>

namespace velmora::measure::kit {

LiveServer& LiveServer::instance()
{
    static LiveServer server;
    return server;
}

namespace {

// Starts /usr/bin/python3 with `argv` and reads the first line it prints:
// "port N", or why it cannot serve.
void startPython(const std::vector<std::string>& argv, int& pid, int& port, std::string& missing)
{
    const char* python = "/usr/bin/python3";
    if (!haveProgram(python)) {
        missing = "/usr/bin/python3 is not installed";
        return;
    }
    int out[2];
    if (pipe(out) != 0) {
        missing = "no pipe";
        return;
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) dup2(null, 2);
        std::vector<char*> args{const_cast<char*>(python)};
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(python, args.data());
        _exit(127);
    }
    close(out[1]);
    pid = child;
    // The first line says where it listens, or what is missing.
    std::string line;
    pollfd fd{out[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos && poll(&fd, 1, 30000) > 0) {
        char c = 0;
        if (read(out[0], &c, 1) != 1) break;
        line += c;
    }
    close(out[0]);
    if (line.starts_with("port ")) {
        port = std::atoi(line.c_str() + 5);
    } else {
        missing = line.empty() ? "the server did not start" : line.substr(0, line.find('\n'));
    }
    if (port <= 0 && missing.empty()) missing = "the server gave no port";
}

void stopPython(int pid)
{
    if (pid > 0) {
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
    }
}

} // namespace

LiveServer::LiveServer()
{
    startPython({VELMORA_RTSP_SERVER, kPassword}, pid_, port_, missing_);
}

ScriptServer::ScriptServer(const std::string& script, const std::vector<std::string>& arguments)
{
    std::vector<std::string> argv{std::string(VELMORA_TEST_SCRIPTS) + "/" + script};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    startPython(argv, pid_, port_, missing_);
}

ScriptServer::~ScriptServer()
{
    stopPython(pid_);
}

LiveServer::~LiveServer()
{
    stopPython(pid_);
}

std::string LiveServer::address(const std::string& mount, const std::string& credentials) const
{
    return "rtsp://" + (credentials.empty() ? "" : credentials + "@") + "127.0.0.1:" + std::to_string(port_) +
           mount;
}

} // namespace velmora::measure::kit
