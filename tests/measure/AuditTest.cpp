// SPDX-License-Identifier: GPL-3.0-or-later
// A whole site measured: the runner of the measuring processes against a
// stand-in that fails, lingers or hangs on demand, and `velmora --audit`
// over two clips and several connections to the live test server at once.
#include "AuditRunner.h"
#include "MeasureTestKit.h"
#include "NumberRules.h"
#include "Protocol.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace velmora {
namespace {

// Runs the event loop until the runner has finished, or 30 s.
void waitFor(AuditRunner& runner)
{
    QEventLoop loop;
    QObject::connect(&runner, &AuditRunner::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    if (runner.running()) loop.exec();
}

const QString kFake = QStringLiteral(VELMORA_TEST_SCRIPTS "/fake_measure.sh");

TEST(AuditRunner, MeasuresJobsAtATimeInTheListsOrder)
{
    struct Case {
        const char* name;
        QStringList sources;
        int jobs;
        std::vector<AuditState> states;
        int peak;
    };
    const Case cases[] = {
        {"one at a time, a failing source between",
         {"a", "fail", "b"},
         1,
         {AuditState::Measured, AuditState::Failed, AuditState::Measured},
         1},
        {"a slow source does not hold up the others",
         {"slow", "a", "b", "c", "d"},
         2,
         std::vector<AuditState>(5, AuditState::Measured),
         2},
        {"more jobs than sources", {"a", "b"}, 8, {AuditState::Measured, AuditState::Measured}, 2},
        {"a result followed by a failing exit is not a measurement",
         {"late", "a"},
         2,
         {AuditState::Failed, AuditState::Measured},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AuditRunner runner(kFake);
        std::vector<int> order;
        QObject::connect(&runner, &AuditRunner::rowChanged, [&](int row) {
            if (runner.rows()[static_cast<std::size_t>(row)].state == AuditState::Running &&
                std::find(order.begin(), order.end(), row) == order.end())
                order.push_back(row);
        });
        runner.start(c.sources, 3, c.jobs);
        waitFor(runner);
        ASSERT_FALSE(runner.running());
        EXPECT_EQ(runner.peakRunning(), c.peak);
        std::vector<int> listed(static_cast<std::size_t>(c.sources.size()));
        for (std::size_t i = 0; i < listed.size(); ++i) listed[i] = static_cast<int>(i);
        EXPECT_EQ(order, listed);
        for (std::size_t i = 0; i < c.states.size(); ++i) {
            const AuditRow& row = runner.rows()[i];
            EXPECT_EQ(row.state, c.states[i]) << i;
            if (row.state == AuditState::Measured) {
                ASSERT_TRUE(row.result);
                EXPECT_EQ(row.result->source, c.sources[static_cast<qsizetype>(i)]) << "each its own address";
            } else if (c.sources[static_cast<qsizetype>(i)] == "late") {
                EXPECT_FALSE(row.result);
                EXPECT_EQ(row.trouble, AuditTrouble::Crashed);
            } else {
                EXPECT_EQ(row.trouble, AuditTrouble::Cause);
                EXPECT_EQ(row.cause, measure::Cause::NoSuchFile);
            }
        }
    }
}

// A cancel stops every process: one that hears it hands over what it has,
// one that does not is killed, and the sources not started stay unmeasured.
TEST(AuditRunner, CancelStopsEveryProcess)
{
    AuditRunner runner(kFake);
    runner.start({"hang", "deaf", "a"}, 3, 2);
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_TRUE(runner.running());
    runner.cancel();
    waitFor(runner);
    ASSERT_FALSE(runner.running());
    EXPECT_EQ(runner.rows()[0].state, AuditState::Measured);
    ASSERT_TRUE(runner.rows()[0].result);
    EXPECT_DOUBLE_EQ(runner.rows()[0].result->seconds, 0.5);
    EXPECT_EQ(runner.rows()[1].state, AuditState::Failed);
    EXPECT_EQ(runner.rows()[1].trouble, AuditTrouble::Cancelled);
    EXPECT_EQ(runner.rows()[2].state, AuditState::Failed);
    EXPECT_EQ(runner.rows()[2].trouble, AuditTrouble::Cancelled);
}

TEST(AuditRunner, AProgramThatCannotStartIsSaidSo)
{
    AuditRunner runner(QStringLiteral("/nonexistent/velmora-measure"));
    runner.start({"a", "b"}, 3, 4);
    waitFor(runner);
    ASSERT_FALSE(runner.running());
    for (const AuditRow& row : runner.rows()) EXPECT_EQ(row.trouble, AuditTrouble::NotStarted);
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Two clips, four connections to the live server at once (one with a name
// and password) and a file that is not there: five named channels, each at
// the rate the meter gives for its source, and one line for the missing file.
TEST(Audit, ASiteOfClipsAndLiveCamerasBecomesItsPlan)
{
    NEED_LIVE_SERVER();
    using namespace measure::kit;
    std::string why;
    const std::string gate = clip(
        "audit-gate.mp4",
        {"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25", "-t", "6", "-c:v", "libx264", "-b:v", "1000k"},
        why);
    const std::string yard =
        clip("audit-yard.mp4",
             {"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=15", "-f", "lavfi", "-i", "sine=f=440", "-t",
              "6", "-c:v", "libx264", "-b:v", "2000k", "-c:a", "aac"},
             why);
    if (gate.empty() || yard.empty()) GTEST_SKIP() << why;
    QTemporaryDir dir;
    const std::string list = dir.filePath("site.txt").toStdString();
    const std::string plan = dir.filePath("site.velmora").toStdString();
    const std::string credentials = std::string("installer:") + LiveServer::kPassword;
    std::ofstream(list) << "# the site\n"
                        << gate << "\tВъезд\n"
                        << yard << "\tДвор\n"
                        << server.address("/cam") << "\tВход 1\n"
                        << server.address("/secure", credentials) << "\tВход 2\n"
                        << server.address("/cam") << "\tВход 3\n"
                        << server.address("/cam") << "\n"
                        << dir.filePath("missing.mp4").toStdString() << "\tСклад\n";
    const ProgramRun audit = run({VELMORA_PROGRAM, "--audit", list, "--save", plan, "--jobs", "4",
                                  "--seconds", "5", "--decimal", "."});
    EXPECT_EQ(audit.exitCode, 1) << audit.err;
    EXPECT_EQ(audit.err,
              "velmora: источник 7 «" + dir.filePath("missing.mp4").toStdString() + "»: файл не найден\n");
    // The total's Мбит/с are the rows' Кбит/с, as printed, over 1024.
    double applied = 0;
    std::string total;
    std::istringstream table(audit.out);
    for (std::string line; std::getline(table, line);) {
        if (line.starts_with("Измерено"))
            total = line;
        else if (!line.starts_with("№") && line.find("не измерен") == std::string::npos)
            applied += std::stod(line.substr(line.rfind(' ') + 1));
    }
    EXPECT_EQ(total, "Измерено 6 из 7; поток каналов " + decimalText(applied / 1024, 2) + " Мбит/с")
        << audit.out;
    const std::string saved = readAll(plan);
    for (const std::string& output : {audit.out, audit.err, saved})
        EXPECT_EQ(output.find(LiveServer::kPassword), std::string::npos);

    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(saved)).object();
    const QJsonArray channels = root["channels"].toArray();
    ASSERT_EQ(channels.size(), 6);
    const char* names[] = {"Въезд", "Двор", "Вход 1", "Вход 2", "Вход 3", ""};
    for (qsizetype i = 0; i < channels.size(); ++i) {
        SCOPED_TRACE(i);
        const QJsonObject c = channels[i].toObject();
        const QJsonObject m = c["measured"].toObject();
        EXPECT_TRUE(c["handTyped"].toBool());
        EXPECT_EQ(c["hoursIndex"].toInt(), 0);
        const std::string name = c["name"].toString().toStdString();
        EXPECT_EQ(name, *names[i] ? names[i] : server.address("/cam")) << "the address stands for no name";
        const std::optional<double> audio =
            m.contains("audioKbps") ? std::optional<double>(m["audioKbps"].toDouble()) : std::nullopt;
        // The record's rates carry two decimals: the channel's rate follows from them to within a step.
        EXPECT_NEAR(c["bitrate"].toDouble(), measure::appliedKbps(m["videoKbps"].toDouble(), audio), 0.015);
        EXPECT_DOUBLE_EQ(m["seconds"].toDouble(), 5);
    }
    // The window's dialog fills the same channels: names, rates and hours.
    const std::string windowPlan = dir.filePath("window.velmora").toStdString();
    const std::string script =
        "menu Измерить камеры объекта…\nset Form6.list " + gate + "\\tВъезд\\n" + yard +
        "\\tДвор\nset Form6.seconds 5\nclick Form6.start\nclick Form6.fill\nsave " + windowPlan +
        "\nset Form6.list " + dir.filePath("missing.mp4").toStdString() + "\nget Form6.total\n";
    const ProgramRun drive = run({VELMORA_DRIVE}, script);
    EXPECT_NE(drive.out.find("saved\t" + windowPlan), std::string::npos) << drive.out;
    // A new list leaves nothing of the old one's figures in the sum.
    EXPECT_NE(drive.out.find("Form6.total\tИзмерено 0 из 1:"), std::string::npos) << drive.out;
    const QJsonArray filled = QJsonDocument::fromJson(QByteArray::fromStdString(readAll(windowPlan)))
                                  .object()["channels"]
                                  .toArray();
    ASSERT_EQ(filled.size(), 2);
    for (qsizetype i = 0; i < 2; ++i) {
        const QJsonObject a = channels[i].toObject();
        const QJsonObject b = filled[i].toObject();
        for (const char* member : {"name", "bitrate", "hoursIndex", "handTyped"})
            EXPECT_EQ(a[member], b[member]) << member;
    }

    // A clip's rate is what velmora-measure alone gives for it.
    for (const auto& [file, channel] : {std::pair{gate, 0}, std::pair{yard, 1}}) {
        const ProgramRun alone = run({VELMORA_MEASURE_PROGRAM, file, "--seconds", "5"});
        const QJsonObject m = QJsonDocument::fromJson(QByteArray::fromStdString(alone.out)).object();
        EXPECT_FLOAT_EQ(channels[channel].toObject()["bitrate"].toDouble(), m["applied_kbps"].toDouble());
    }
}

// A plan written by --audit from two clips and a live connection, checked
// with the same list, holds; with one clip replaced by the same scene at 25
// frames a second under the same name the check exits 1 naming it, its
// change and the depth now against the planned one, and --json carries the
// same figures; with a source gone it exits 1 naming it. The plan is never written.
TEST(Audit, ACheckAgainstThePlanNamesWhatChanged)
{
    NEED_LIVE_SERVER();
    using namespace measure::kit;
    std::string why;
    const auto scene = [&why](const char* name, const char* rate, const char* kbps) {
        return clip(name,
                    {"-f", "lavfi", "-i", std::string("testsrc2=size=640x360:rate=") + rate, "-t", "6",
                     "-c:v", "libx264", "-b:v", kbps},
                    why);
    };
    const std::string gate = scene("check-gate.mp4", "12", "400k");
    const std::string richer = scene("check-gate-25.mp4", "25", "1600k");
    const std::string yard = scene("check-yard.mp4", "12", "400k");
    if (gate.empty() || richer.empty() || yard.empty()) GTEST_SKIP() << why;
    QTemporaryDir dir;
    const std::string entry = dir.filePath("въезд.mp4").toStdString();
    const std::string court = dir.filePath("двор.mp4").toStdString();
    ASSERT_TRUE(QFile::copy(QString::fromStdString(gate), QString::fromStdString(entry)));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(yard), QString::fromStdString(court)));
    const std::string list = dir.filePath("site.txt").toStdString();
    const std::string plan = dir.filePath("site.velmora").toStdString();
    std::ofstream(list) << entry << "\tВъезд\n"
                        << court << "\tДвор\n"
                        << server.address("/secure", std::string("installer:") + LiveServer::kPassword)
                        << "\tВход\n";
    ASSERT_EQ(run({VELMORA_PROGRAM, "--audit", list, "--save", plan, "--seconds", "5"}).exitCode, 0);
    const std::string saved = readAll(plan);
    // The live camera's rate wanders from one run to the next: the tolerance allows for it.
    const std::vector<std::string> check{
        VELMORA_PROGRAM, "--check", plan,        "--list", list, "--seconds", "5",
        "--tolerance",   "50",      "--decimal", "."};
    const ProgramRun same = run(check);
    EXPECT_EQ(same.exitCode, 0) << same.out << same.err;
    EXPECT_NE(same.out.find("Итог: план соблюдается."), std::string::npos) << same.out;

    QFile::remove(QString::fromStdString(entry));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(richer), QString::fromStdString(entry)));
    const ProgramRun richerRun = run(check);
    EXPECT_EQ(richerRun.exitCode, 1) << richerRun.out << richerRun.err;
    EXPECT_NE(richerRun.out.find("камера 1 «Въезд»: поток вырос на +"), std::string::npos) << richerRun.out;
    EXPECT_NE(richerRun.out.find("глубина архива сейчас "), std::string::npos) << richerRun.out;
    std::vector<std::string> json = check;
    json.push_back("--json");
    const ProgramRun jsonRun = run(json);
    EXPECT_EQ(jsonRun.exitCode, 1);
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(jsonRun.out)).object();
    EXPECT_EQ(root["verdict"].toString(), "short");
    const QJsonObject camera = root["cameras"].toArray()[0].toObject();
    EXPECT_EQ(camera["name"].toString(), "Въезд");
    EXPECT_EQ(camera["channel"].toInt(), 1);
    EXPECT_GT(camera["change_percent"].toDouble(), 50);
    EXPECT_TRUE(camera["grew"].toBool());
    EXPECT_TRUE(root["recorders"].toArray()[0].toObject()["short"].toBool());

    QFile::remove(QString::fromStdString(court));
    const ProgramRun gone = run(check);
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_NE(gone.out.find("камера 2 «Двор»: не измерена: файл не найден"), std::string::npos) << gone.out;
    for (const ProgramRun& r : {same, richerRun, jsonRun, gone})
        EXPECT_EQ((r.out + r.err).find(LiveServer::kPassword), std::string::npos);
    EXPECT_EQ(readAll(plan), saved) << "the plan is never written";
}

// A process that has ended: gone, or a zombie nobody has reaped yet.
bool ended(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return true;
    const auto close = line.rfind(')');
    return close == std::string::npos || line.substr(close + 2, 1) == "Z";
}

// Stopped from outside while it measures, `velmora --audit` takes its
// measuring processes with it and writes no plan (they used to go on for
// the seconds asked, orphaned).
TEST(Audit, ASignalEndsEveryMeasurement)
{
    NEED_LIVE_SERVER();
    using namespace measure::kit;
    QTemporaryDir dir;
    const std::string list = dir.filePath("site.txt").toStdString();
    const std::string plan = dir.filePath("site.velmora").toStdString();
    std::ofstream(list) << server.address("/cam") << "\n" << server.address("/cam") << "\n";
    std::vector<pid_t> children;
    std::atomic<bool> done{false};
    std::thread stopper([&] {
        for (int i = 0; i < 200 && !done; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const ProgramRun audit =
                run({"/usr/bin/pgrep", "-f", "-n", std::string("^") + VELMORA_PROGRAM + " --audit " + list});
            if (audit.out.empty()) continue;
            const ProgramRun measuring =
                run({"/usr/bin/pgrep", "-P", std::to_string(std::atoi(audit.out.c_str()))});
            std::istringstream pids(measuring.out);
            for (pid_t pid = 0; pids >> pid;) children.push_back(pid);
            if (children.size() < 2) {
                children.clear();
                continue;
            }
            kill(std::atoi(audit.out.c_str()), SIGTERM);
            return;
        }
    });
    const ProgramRun audit = run({VELMORA_PROGRAM, "--audit", list, "--save", plan, "--seconds", "60"});
    done = true;
    stopper.join();
    ASSERT_EQ(children.size(), 2U) << "the two measuring processes were not seen";
    EXPECT_EQ(audit.exitCode, -1) << "ended by the signal";
    EXPECT_EQ(audit.err, "velmora: измерение прервано сигналом; план не записан\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(plan)));
    for (const pid_t pid : children) EXPECT_TRUE(ended(pid)) << "velmora-measure " << pid << " measures on";
}

} // namespace
} // namespace velmora

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
