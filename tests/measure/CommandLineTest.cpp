// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-measure as a script runs it: one JSON object or one line on
// standard error, and never a password anywhere.
#include "MeasureTestKit.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <regex>
#include <thread>

namespace velmora::measure {
namespace {

using namespace kit;
namespace fs = std::filesystem;

const std::string kProgram = VELMORA_MEASURE_PROGRAM;

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        out.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return out;
}

std::vector<std::string> keys(const std::string& json)
{
    std::vector<std::string> out;
    static const std::regex key("\"([a-z_]+)\":");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), key); it != std::sregex_iterator(); ++it)
        out.push_back((*it)[1]);
    return out;
}

std::string smallClip(std::string& why)
{
    return clip("cli.mp4",
                {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=10", "-t", "4", "-pix_fmt", "yuv420p",
                 "-c:v", "libx264", "-preset", "ultrafast", "-g", "10"},
                why);
}

TEST(CommandLine, WrongUseIsOneLineAndExitOne)
{
    const std::vector<std::vector<std::string>> cases{
        {},
        {"--seconds", "2", "a.mp4"},
        {"--seconds", "3601", "a.mp4"},
        {"--fps", "0", "a.mp4"},
        {"--fps=12,5", "a.mp4"},
        {"--fps", "1e3", "a.mp4"},
        {"a.mp4", "--fps"},
        {"--seconds=abc", "a.mp4"},
        {"--seconds=10.5", "a.mp4"},
        {"a.mp4", "--seconds"},
        {"--loud", "a.mp4"},
        {"a.mp4", "b.mp4"},
        {"--source-stdin", "a.mp4"},
    };
    for (const auto& args : cases) {
        std::vector<std::string> argv{kProgram};
        argv.insert(argv.end(), args.begin(), args.end());
        const ProgramRun r = run(argv);
        SCOPED_TRACE(r.err);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(lines(r.err).size(), 1u);
    }
    const ProgramRun help = run({kProgram, "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("usage: velmora-measure SOURCE [--seconds N]"), std::string::npos);
}

TEST(CommandLine, PrintsOneJsonObjectWithTheKnownKeys)
{
    std::string why;
    const std::string file = smallClip(why);
    if (file.empty()) GTEST_SKIP() << why;
    const ProgramRun r = run({kProgram, file, "--seconds", "3"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(keys(out[0]), (std::vector<std::string>{
                                "source", "codec", "profile", "width", "height", "fps", "gop", "gop_min",
                                "gop_max", "keyframe_percent", "seconds", "clock", "video_kbps", "peak_kbps",
                                "audio_codec", "audio_kbps", "applied_kbps", "per_second_kbps"}));
    EXPECT_NE(out[0].find("\"codec\":\"H.264\",\"profile\":\"Constrained "
                          "Baseline\",\"width\":320,\"height\":240,\"fps\":10,"
                          "\"gop\":10,\"gop_min\":10,\"gop_max\":10,"),
              std::string::npos)
        << out[0];
    EXPECT_NE(out[0].find("\"seconds\":3,\"clock\":\"stream\","), std::string::npos) << out[0];
    EXPECT_NE(out[0].find("\"audio_codec\":null,\"audio_kbps\":null,\"applied_kbps\":"), std::string::npos);
    EXPECT_TRUE(
        std::regex_search(out[0], std::regex("\"per_second_kbps\":\\[[0-9.]+,[0-9.]+,[0-9.]+\\]\\}$")))
        << out[0];

    // For the window: progress lines, then the object; the source from standard input.
    const ProgramRun followed = run({kProgram, "--source-stdin", "--progress", "--seconds=3"}, file + "\n");
    EXPECT_EQ(followed.exitCode, 0);
    const auto progress = lines(followed.out);
    ASSERT_GE(progress.size(), 3u);
    for (std::size_t i = 0; i + 1 < progress.size(); ++i)
        EXPECT_TRUE(std::regex_match(progress[i], std::regex("(progress [0-9.]+|second [0-2]) [0-9.]+")))
            << progress[i];
    EXPECT_EQ(progress.back(), out[0]);
}

TEST(CommandLine, FailureIsOneEnglishLineAndExitOne)
{
    const ProgramRun missing = run({kProgram, "/nonexistent/camera 5.mp4"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(missing.err, "velmora-measure: no such file: /nonexistent/camera 5.mp4\n");

    const ProgramRun followed =
        run({kProgram, "--progress", "--source-stdin"}, "/nonexistent/camera 5.mp4\n");
    EXPECT_EQ(followed.exitCode, 1);
    EXPECT_EQ(followed.out, "failure no-such-file\n");
    EXPECT_EQ(lines(followed.err).size(), 1u);
}

TEST(CommandLine, PipeWithoutAWriterEndsWithACause)
{
    const fs::path fifo = fs::temp_directory_path() / ("velmora-measure-fifo-" + std::to_string(getpid()));
    fs::remove(fifo);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun r = run({kProgram, fifo.string()});
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    fs::remove(fifo);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "velmora-measure: the file gives no data for 5 s: " + fifo.string() + "\n");
    EXPECT_LT(took, 15);
}

TEST(CommandLine, TerminateCancels)
{
    NEED_LIVE_SERVER();
    std::vector<std::string> argv{kProgram, server.address("/cam"), "--seconds", "60", "--progress"};
    // run() waits for the end; stop the program from the side once it has measured a little.
    std::atomic<bool> done{false};
    std::thread stopper([&] {
        for (int i = 0; i < 100 && !done; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (i == 40) {
                const ProgramRun ps = run({"/usr/bin/pgrep", "-f", "-n", "^" + kProgram + " " + argv[1]});
                if (!ps.out.empty()) kill(std::atoi(ps.out.c_str()), SIGTERM);
            }
        }
    });
    const ProgramRun r = run(argv);
    done = true;
    stopper.join();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(lines(r.out).back(), "failure cancelled");
    EXPECT_EQ(r.err, "velmora-measure: cancelled: " + server.address("/cam") + "\n");
}

TEST(CommandLine, PasswordAppearsInNoOutputAndNoFile)
{
    NEED_LIVE_SERVER();
    const std::string password = LiveServer::kPassword;
    const std::string right = "installer:" + password;
    const std::string closed = "127.0.0.1:" + std::to_string(closedPort());
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string input;
        int exitCode;
    } cases[] = {
        {"measured", {server.address("/secure", right), "--seconds", "3"}, "", 0},
        {"measured, followed, from standard input",
         {"--source-stdin", "--progress", "--seconds", "3"},
         server.address("/secure", right) + "\n",
         0},
        {"wrong name", {server.address("/secure", "admin:" + password)}, "", 1},
        {"no such mount", {server.address("/nothing", right)}, "", 1},
        {"closed port", {"rtsp://" + right + "@" + closed + "/cam", "--progress"}, "", 1},
        {"password in the query",
         {"http://" + closed + "/video.cgi?user=installer&password=" + password},
         "",
         1},
        {"bad seconds", {"--seconds", "1", server.address("/secure", right)}, "", 1},
        // As people type them: nothing escaped, the scheme mistyped, camera query names.
        {"? and # in it, scheme mistyped", {"rstp://installer:" + password + "?x#y@" + closed + "/x"}, "", 1},
        {"/ in it", {"http://installer:" + password + "/x@" + closed + "/x"}, "", 1},
        {"@, :, / and % in it", {"rtsp://installer:p@" + password + ":w/o%rd@" + closed + "/s"}, "", 1},
        {"camera query names", {"http://" + closed + "/cgi?loginuse=installer:&loginpas=" + password}, "", 1},
        {"camera query names, followed",
         {"--source-stdin", "--progress"},
         "http://" + closed + "/cgi?psw=" + password + "&user=installer:\n",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path dir = fs::temp_directory_path() / ("velmora-measure-cwd-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::vector<std::string> argv{kProgram};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const ProgramRun r = run(argv, c.input, dir.string());
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_EQ(r.out.find(password), std::string::npos) << r.out;
        EXPECT_EQ(r.err.find(password), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("installer:"), std::string::npos);
        EXPECT_EQ(r.err.find("installer:"), std::string::npos);
        EXPECT_TRUE(fs::is_empty(dir)) << "the program wrote a file";
        fs::remove_all(dir);
    }
}

} // namespace
} // namespace velmora::measure
