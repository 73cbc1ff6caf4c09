// SPDX-License-Identifier: GPL-3.0-or-later
// Plan files without a window: what the reader refuses, floats through JSON,
// and random forms saved and opened again (the same table, figures and report
// rows; the second save byte for byte the first).

#include "PlanFile.h"
#include "../../fuzz/FormChecks.h"
#include "CsvExport.h"
#include "NumberRules.h"
#include "Options.h"
#include "PlanSession.h"
#include "ReportFill.h"
#include "SiteSummary.h"
#include "Startup.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <string>

namespace velmora::testing {
namespace {

using checks::AnsweringHost;

// What a plan keeps of a form, with the report's notes.
Plan planOf(const MainForm& form, std::string notes)
{
    Plan plan;
    static_cast<FormContents&>(plan) = form.contents();
    plan.notes = std::move(notes);
    return plan;
}

QJsonObject startPlan()
{
    AnsweringHost host;
    const auto form = createMainForm(Layout::Tall, ".", host);
    return QJsonDocument::fromJson(planJson(planOf(*form, {}))).object();
}

QJsonObject withChannel(QJsonObject plan, const char* member, const QJsonValue& value)
{
    QJsonArray channels = plan["channels"].toArray();
    QJsonObject first = channels[0].toObject();
    first[QLatin1String(member)] = value;
    channels[0] = first;
    plan["channels"] = channels;
    return plan;
}

QByteArray bytesOf(const QJsonObject& o)
{
    return QJsonDocument(o).toJson();
}

TEST(PlanFile, RefusesWhatItCannotTake)
{
    const QJsonObject start = startPlan();
    const auto with = [&](const char* member, const QJsonValue& value) {
        QJsonObject o = start;
        o[QLatin1String(member)] = value;
        return bytesOf(o);
    };
    const auto inPeriod = [&](const char* member, const QJsonValue& value) {
        QJsonObject o = start;
        QJsonObject period = o["period"].toObject();
        period[QLatin1String(member)] = value;
        o["period"] = period;
        return bytesOf(o);
    };
    // The first channel measured at `videoKbps`; none: the record lacks its rate.
    const auto measuredRate = [&](std::optional<double> videoKbps) {
        QJsonObject record{{"source", "rtsp://cam/1"},
                           {"codec", "H.264"},
                           {"clock", "stream"},
                           {"measuredAt", "2026-12-09T04:48:40Z"},
                           {"width", 640},
                           {"height", 360},
                           {"seconds", 10}};
        if (videoKbps) record["videoKbps"] = *videoKbps;
        return bytesOf(withChannel(start, "measured", record));
    };
    QJsonArray many;
    for (int i = 0; i < 33; ++i) many.append(start["channels"].toArray()[0]);
    QJsonObject tooMany = start;
    tooMany["channels"] = many;
    tooMany["channelCount"] = 33;
    QByteArray huge = bytesOf(start);
    huge.append(QByteArray(kPlanMaxBytes, ' '));

    struct Case {
        const char* name;
        QByteArray bytes;
        const char* says; // part of the reason
    };
    const Case cases[] = {
        {"over 4 MB, even with only blanks added", huge, "4 Мбайт"},
        {"not JSON", "Объект: склад", "JSON"},
        {"empty", "", "JSON"},
        {"a JSON list", "[1, 2]", "не план"},
        {"another format", with("format", "other"), "не план"},
        {"no format",
         [&] {
             QJsonObject o = start;
             o.remove("format");
             return bytesOf(o);
         }(),
         "не план"},
        {"a newer major version", with("version", "2.0"), "более новой версии"},
        {"no version", with("version", 1), "версии"},
        {"no channels", with("channels", QJsonArray()), "от 1 до 32"},
        {"33 channels", bytesOf(tooMany), "от 1 до 32"},
        {"channels not a list", with("channels", "1"), "channels"},
        {"a count unlike the list", with("channelCount", 2), "channelCount"},
        {"channel shown 0", with("channelShown", 0), "channelShown"},
        {"channel shown beyond the count", with("channelShown", 2), "channelShown"},
        {"channel shown 1.5", with("channelShown", 1.5), "целое"},
        {"resolution 7", bytesOf(withChannel(start, "resolutionIndex", 7)), "resolutionIndex"},
        {"frame rate -1", bytesOf(withChannel(start, "frameRateIndex", -1)), "frameRateIndex"},
        {"quality 9", bytesOf(withChannel(start, "qualityIndex", 9)), "qualityIndex"},
        {"profile 3", bytesOf(withChannel(start, "profileIndex", 3)), "profileIndex"},
        {"hours 24", bytesOf(withChannel(start, "hoursIndex", 24)), "hoursIndex"},
        {"codec 3", bytesOf(withChannel(start, "codecIndex", 3)), "codecIndex"},
        {"an index as text", bytesOf(withChannel(start, "qualityIndex", "2")), "qualityIndex"},
        {"a bitrate as text", bytesOf(withChannel(start, "bitrate", "1616")), "bitrate"},
        {"a bitrate of null", bytesOf(withChannel(start, "bitrate", QJsonValue::Null)), "bitrate"},
        {"a bitrate beyond a float", bytesOf(withChannel(start, "bitrate", -1e39)), "bitrate"},
        {"the refused bitrate 9999999", bytesOf(withChannel(start, "bitrate", 9999999.0)), "bitrate"},
        {"9999998.9, a float of 9999999", bytesOf(withChannel(start, "bitrate", 9999998.9)), "bitrate"},
        {"a day volume beyond a float", bytesOf(withChannel(start, "daily", 1e300)), "daily"},
        {"sound as 1", bytesOf(withChannel(start, "sound", 1)), "sound"},
        {"no hand-typed mark",
         [&] {
             QJsonObject o = start;
             QJsonArray c = o["channels"].toArray();
             QJsonObject first = c[0].toObject();
             first.remove("handTyped");
             c[0] = first;
             o["channels"] = c;
             return bytesOf(o);
         }(),
         "handTyped"},
        {"a channel not an object", with("channels", QJsonArray{1}), "Канал 1"},
        {"a period of 40000 days", inPeriod("days", 40000), "days"},
        {"a period text as a number", inPeriod("text", 30), "text"},
        {"disk unit 2",
         [&] {
             QJsonObject o = start;
             QJsonObject disk = o["disk"].toObject();
             disk["unitIndex"] = 2;
             o["disk"] = disk;
             return bytesOf(o);
         }(),
         "unitIndex"},
        {"notes as a number", with("notes", 5), "notes"},
        {"a camera name as a number", bytesOf(withChannel(start, "name", 7)), "name"},
        {"a camera name of 129 characters", bytesOf(withChannel(start, "name", QString(129, QChar(0x0416)))),
         "длиннее 128"},
        {"a measurement not an object", bytesOf(withChannel(start, "measured", "4000")), "measured"},
        {"a measured rate below zero", measuredRate(-1), "videoKbps"},
        {"a measurement without its rate", measuredRate(std::nullopt), "videoKbps"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PlanRead read = readPlan(c.bytes);
        EXPECT_FALSE(read.plan.has_value());
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(c.says))) << read.error.toStdString();
    }
}

// A site's file is refused whole for any recorder that breaks a rule, with
// the recorder's number in the reason; the session keeps what it had.
TEST(PlanFile, RefusesASiteItCannotTake)
{
    const QJsonObject start = startPlan();
    QJsonObject recorder = start;
    recorder.remove("format");
    recorder.remove("version");
    const auto named = [&](const QJsonValue& name) {
        QJsonObject r = recorder;
        r["name"] = name;
        return r;
    };
    const auto site = [&](QJsonArray recorders, int shown = 1) {
        return bytesOf(QJsonObject{{"format", "velmora-plan"},
                                   {"version", "2.0"},
                                   {"recorderShown", shown},
                                   {"recorders", recorders}});
    };
    QJsonArray full;
    for (int i = 1; i <= kMaxRecorders + 1; ++i) full.append(named(QString("Р%1").arg(i)));
    QJsonArray many;
    for (int i = 0; i < 33; ++i) many.append(start["channels"].toArray()[0]);
    QJsonObject crowded = named("Склад");
    crowded["channels"] = many;
    crowded["channelCount"] = 33;
    QJsonObject badChannel = named("Склад");
    badChannel["channels"] = withChannel(start, "codecIndex", 3)["channels"];

    struct Case {
        const char* name;
        QByteArray bytes;
        const char* says;
    };
    const Case cases[] = {
        {"33 recorders", site(full), "от 1 до 32, в плане 33"},
        {"no recorders", site({}), "от 1 до 32"},
        {"recorders not a list",
         bytesOf(QJsonObject{{"format", "velmora-plan"}, {"version", "2.0"}, {"recorders", 1}}), "recorders"},
        {"two of one name", site({named("Склад"), named("Склад")}), "Регистратор 2: «name» «Склад» уже есть"},
        {"an empty name", site({named("Склад"), named("")}), "Регистратор 2: «name» пустое имя"},
        {"no name", site({named("Склад"), recorder}), "Регистратор 2: «name» нет в файле"},
        {"a name of 65 characters", site({named(QString(65, QChar(0x0416)))}), "длиннее 64"},
        {"a TAB in a name", site({named("Склад\t2")}), "управляющими"},
        {"a blank at a name's end", site({named("Склад ")}), "пробелом"},
        {"a recorder with 33 channels", site({named("Ворота"), crowded}),
         "Регистратор 2: Каналов должно быть от 1 до 32"},
        {"a channel it cannot take", site({badChannel}), "Регистратор 1: Канал 1: «codecIndex»"},
        {"a recorder not an object", site({named("Склад"), 5}), "Регистратор 2: не объект"},
        {"the recorder shown beyond the site", site({named("А"), named("Б")}, 3), "recorderShown"},
        {"a newer major version",
         [&] {
             QJsonObject o = QJsonDocument::fromJson(site({named("А")})).object();
             o["version"] = "3.0";
             return bytesOf(o);
         }(),
         "более новой версии"},
        {"a plan's recorder name with a line break",
         [&] {
             QJsonObject o = start;
             o["version"] = "1.2";
             o["recorder"] = "Склад\n2";
             return bytesOf(o);
         }(),
         "«recorder» с управляющими"},
    };
    AnsweringHost host;
    PlanSession session = sessionFor(Layout::Tall, ".", host);
    session.addRecorder();
    session.form().userEdit(Ctl::Text1, "2000");
    const SitePlan before = session.site();
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SiteRead read = readSite(c.bytes);
        EXPECT_FALSE(read.site.has_value());
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(c.says))) << read.error.toStdString();
        const QString path = dir.filePath("site.velmora");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        std::string why;
        EXPECT_FALSE(session.open(path.toStdString(), &why));
        EXPECT_EQ(session.site(), before);
    }
}

// Each position a list has is read, and the next is refused: the reader's
// ranges follow the option lists when a list grows.
TEST(PlanFile, TakesEveryListUpToItsLastEntry)
{
    const QJsonObject start = startPlan();
    const struct {
        const char* member;
        std::size_t entries;
    } lists[] = {{"resolutionIndex", kResolutions.size()},
                 {"frameRateIndex", kFrameRates.size()},
                 {"qualityIndex", kQualities.size()},
                 {"profileIndex", kProfiles.size()},
                 {"hoursIndex", kHours.size()},
                 {"codecIndex", kCodecs.size()}};
    for (const auto& list : lists) {
        SCOPED_TRACE(list.member);
        const int last = static_cast<int>(list.entries) - 1;
        EXPECT_TRUE(readPlan(bytesOf(withChannel(start, list.member, last))).plan.has_value());
        EXPECT_FALSE(readPlan(bytesOf(withChannel(start, list.member, last + 1))).plan.has_value());
    }
    // The channel list, too: 32 channels is a whole plan, 33 are refused.
    for (const int count : {kMaxChannels, kMaxChannels + 1}) {
        QJsonObject full = start;
        QJsonArray channels;
        for (int k = 0; k < count; ++k) channels.append(start["channels"].toArray()[0]);
        full["channels"] = channels;
        full["channelCount"] = count;
        EXPECT_EQ(readPlan(bytesOf(full)).plan.has_value(), count <= kMaxChannels) << count << " channels";
    }
    QJsonObject disk = start["disk"].toObject();
    disk["unitIndex"] = static_cast<int>(kDiskUnits.size()) - 1;
    QJsonObject withDisk = start;
    withDisk["disk"] = disk;
    EXPECT_TRUE(readPlan(bytesOf(withDisk)).plan.has_value());
}

TEST(PlanFile, TakesWhatALaterMinorVersionAdds)
{
    QJsonObject o = withChannel(startPlan(), "colour", "red");
    o["version"] = "1.9";
    o["site"] = QJsonObject{{"name", "склад"}};
    o.remove("notes");
    o.remove("bitrateText");
    const PlanRead read = readPlan(bytesOf(o));
    ASSERT_TRUE(read.plan.has_value()) << read.error.toStdString();
    EXPECT_EQ(read.plan->channels.size(), 1u);
    EXPECT_EQ(read.plan->notes, "");
}

// The disk-array member keeps the days wanted; plans written before they
// were asked lack them and open with the field empty.
TEST(PlanFile, TheDiskArrayKeepsTheDaysWanted)
{
    Plan plan = readPlan(bytesOf(startPlan())).plan.value();
    DiskArraySettings settings;
    settings.texts[static_cast<std::size_t>(ArrayField::TargetDays)] = "30";
    plan.diskArray = settings;
    const QJsonObject saved = QJsonDocument::fromJson(planJson(plan)).object();
    EXPECT_EQ(readPlan(bytesOf(saved)).plan->diskArray, settings);

    QJsonObject older = saved;
    QJsonObject array = older["diskArray"].toObject();
    array.remove("targetDays");
    older["diskArray"] = array;
    const PlanRead read = readPlan(bytesOf(older));
    ASSERT_TRUE(read.plan.has_value()) << read.error.toStdString();
    EXPECT_EQ(read.plan->diskArray, DiskArraySettings{});

    array["targetDays"] = 30;
    older["diskArray"] = array;
    EXPECT_EQ(readPlan(bytesOf(older)).error.toStdString(), "В «diskArray»: «targetDays» не строка.");
}

TEST(PlanFile, ABitrateReadsBackToTheSameFloat)
{
    const float cases[] = {1616.01f,
                           9999998.0f,
                           -3.4028235e38f,
                           FLT_MAX,
                           FLT_TRUE_MIN,
                           -0.0f,
                           0.1f,
                           1e-38f,
                           16.64f,
                           123456.7f,
                           7.0e-45f,
                           -500.0f,
                           std::nextafter(1616.01f, 0.0f)};
    for (const float bitrate : cases) {
        SCOPED_TRACE(bitrate);
        QJsonObject o = startPlan();
        Plan plan = *readPlan(bytesOf(o)).plan;
        plan.channels[0].bitrate = bitrate;
        if (!(bitrate < 9999999.0f)) continue;
        const PlanRead read = readPlan(planJson(plan));
        ASSERT_TRUE(read.plan.has_value()) << read.error.toStdString();
        // -0 comes back as 0, which the window shows alike.
        EXPECT_EQ(read.plan->channels[0].bitrate, bitrate);
    }
    // The shortest decimal, not the double's long one.
    Plan plan = *readPlan(bytesOf(startPlan())).plan;
    EXPECT_TRUE(planJson(plan).contains("\"bitrate\": 1616.01,"));
}

TEST(PlanFile, FilesOverTheLimitAreRefusedUnread)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("big.velmora");
    QFile big(path);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(bytesOf(startPlan()));
    big.write(QByteArray(kPlanMaxBytes, '\n'));
    big.close();
    EXPECT_TRUE(readPlanFile(path).error.contains("4 Мбайт"));
    EXPECT_TRUE(readSiteFile(path).error.contains("4 Мбайт"));
    EXPECT_TRUE(readPlanFile(dir.path()).error.contains("папка"));
    EXPECT_TRUE(readPlanFile(dir.filePath("none.velmora")).error.contains("нет"));
}

TEST(PlanFile, AFailedWriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("plan.velmora");
    QString why;
    ASSERT_TRUE(writeFileWhole(path, "old", &why));
    EXPECT_FALSE(writeFileWhole(dir.path(), "new", &why));
    EXPECT_FALSE(writeFileWhole(dir.filePath("missing/plan.velmora"), "new", &why));
    EXPECT_FALSE(why.isEmpty());
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
}

// What the window shows of a form: every control but those that follow the
// pointer and the focus, and what the plan does not keep but history: the
// codec list's enabled state (a hand-typed channel takes it over from the
// channel shown before), and while the day total is 0 or less the depth's day
// word (kept from before) and, at 0, the report's disk size (the last one a
// depth was worked out from).
std::string looks(const MainForm& f)
{
    const bool noDepth = f.totaldaily <= 0;
    std::string out;
    for (int i = 0; i < kControlCount; ++i) {
        const Ctl id = static_cast<Ctl>(i);
        if (id == Ctl::Label36 || id == Ctl::Label39 || id == Ctl::Label13 || id == Ctl::Image2) continue;
        if (noDepth && id == Ctl::Label35) continue;
        const Control& c = f.control(id);
        const bool enabledCounts = id != Ctl::Combo9 && id != Ctl::Label44;
        out += std::string(controlName(id)) + "\t" + c.text + "\t" + std::to_string(c.index) + "\t" +
               std::to_string(c.value) + "\t" + std::to_string(c.visible) + "\t" +
               std::to_string(enabledCounts && c.enabled) + "\n";
    }
    ReportFill report;
    report.fill(reportInputOf(f));
    for (const ControlState& state : report.states()) {
        if (noDepth && (&state == &report.at(ReportCtl::Label31) || &state == &report.at(ReportCtl::Label35)))
            continue;
        out += state.text + "\t" + std::to_string(state.visible) + "\n";
    }
    return out;
}

// The channel table as CSV, but for the rows that are history at a day total of 0 or less.
std::string csvLooks(const MainForm& f)
{
    std::string out;
    const std::string csv = channelTableCsv(f);
    for (std::size_t at = 0; at < csv.size();) {
        const std::size_t end = std::min(csv.find('\n', at), csv.size());
        const std::string line = csv.substr(at, end - at);
        at = end + 1;
        if (f.totaldaily <= 0 && (line.starts_with("Объём диска;") || line.starts_with("Глубина архива;")))
            continue;
        out += line + '\n';
    }
    return out;
}

// A bitrate typed as people type it, under either separator, saved and
// opened: the channel holds the same bitrate and the report shows the same row.
TEST(PlanFile, TypedBitratesComeBackExactly)
{
    const struct {
        const char* name;
        const char* decimal;
        const char* typed;
        float bitrate;
    } cases[] = {
        {"a fraction with a period under the comma", ",", "4776.076", 4776.076f},
        {"a fraction with a comma under the comma", ",", "4776,076", 4776.0f},
        {"a small negative under the comma", ",", "-0.001", -0.001f},
        {"a small negative under the period", ".", "-0.001", -0.001f},
        {"an exponent", ",", "2.5E+2", 250.0f},
        {"hexadecimal", ",", "&H10", 16.0f},
        {"eight digits", ",", "1234.5678", 1234.5678f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AnsweringHost host;
        PlanSession typed = sessionFor(Layout::Tall, c.decimal, host);
        typed.form().userEdit(Ctl::Text1, c.typed);
        typed.form().userClick(Ctl::Command3); // a second channel, copied from the first
        typed.form().userClick(Ctl::Command2); // back to channel 1
        typed.form().userEdit(Ctl::Text1, c.typed);
        ASSERT_EQ(typed.form().ch.chbitrate[1], c.bitrate);
        const PlanRead read = readPlan(planJson(typed.plan()));
        ASSERT_TRUE(read.plan.has_value());
        PlanSession opened = sessionFor(Layout::Tall, c.decimal, host);
        opened.load(*read.plan);
        EXPECT_EQ(opened.form().ch.chbitrate[1], c.bitrate);
        EXPECT_EQ(opened.form().control(Ctl::Text1).text, c.typed);
        EXPECT_EQ(looks(opened.form()), looks(typed.form()));
        EXPECT_EQ(opened.plan(), typed.plan());
    }
    // A plan that keeps no typed text shows the bitrate as the window writes
    // it, not the shortest text that reads back to it ("1e-05").
    const PlanRead read = readPlan(bytesOf(withChannel(startPlan(), "bitrate", 1e-05)));
    ASSERT_TRUE(read.plan) << read.error.toStdString();
    Plan plan = *read.plan;
    plan.bitrateText.clear();
    AnsweringHost host;
    PlanSession opened = sessionFor(Layout::Tall, ".", host);
    opened.load(plan);
    EXPECT_EQ(opened.form().control(Ctl::Text1).text, floatText(1e-05F, "."));
    EXPECT_EQ(opened.form().control(Ctl::Text1).text, "0.00001");
}

// A name a spreadsheet would run as a formula stays text in the CSV, and
// only such a name gets the apostrophe.
TEST(PlanFile, CameraNamesStayTextInTheCsv)
{
    const struct {
        const char* name;
        const char* written;
    } cases[] = {{"=1+1", ";'=1+1;"},
                 {"-2", ";'-2;"},
                 {"+3", ";'+3;"},
                 {"@SUM(A1)", ";'@SUM(A1);"},
                 {"Въезд-2", ";Въезд-2;"}};
    for (const auto& c : cases) {
        AnsweringHost host;
        PlanSession session = sessionFor(Layout::Tall, ".", host);
        session.form().cameras[1].name = c.name;
        const std::string csv = channelTableCsv(session.form());
        EXPECT_NE(csv.find(c.written), std::string::npos) << csv;
    }
    // A plan's camera name is one line, as a list's is: an escape sequence
    // read from a file never reaches a terminal that prints the CSV.
    const PlanRead read = readPlan(bytesOf(withChannel(startPlan(), "name", "a\x1b[31mb\tc\nd")));
    ASSERT_TRUE(read.plan) << read.error.toStdString();
    EXPECT_EQ(read.plan->channels[0].camera.name, "a [31mb c d");
}

// The cameras' names and measurements: written and read back, kept by the
// channel through deleting another, dropped by a hand edit of the bitrate
// (the name stays), and not handed on to a channel added as a copy.
TEST(PlanFile, ChannelsKeepTheirCamerasMeasurements)
{
    AnsweringHost host;
    PlanSession session = sessionFor(Layout::Tall, ".", host);
    // Filling asks first where a channel of the user's own would go, even one not saved.
    EXPECT_FALSE(session.fillLoses());
    session.form().userEdit(Ctl::Text1, "2000");
    EXPECT_TRUE(session.fillLoses());
    MeasuredRecord gate{
        "rtsp://10.0.0.5/live",     "H.264", 1920, 1080, 25.0, 4127.8, 4648.5, 48.9, 10, "stream",
        "2026-12-09T07:48:40+03:00"};
    MeasuredRecord yard = gate;
    yard.source = "/video/yard.mp4";
    yard.audioKbps.reset();
    yard.fps.reset();
    const std::vector<MeasuredCamera> cameras{
        {"Въезд", gate, 4078.81, {}}, {"Двор", yard, 1000.5, {}}, {"=HYPERLINK(\"x\")", yard, 12, {}}};
    session.form().userEdit(Ctl::Text2, "0");
    EXPECT_FALSE(session.depthWith(cameras)) << "no disk size, no depth";
    session.form().userEdit(Ctl::Text2, "2");
    // The site dialog's depth is the one the window shows once the channels are filled.
    const std::optional<float> depth = session.depthWith(cameras);
    session.fillChannels(cameras);
    ASSERT_TRUE(depth);
    EXPECT_EQ(*depth, session.form().depthdays);
    const Plan filled = session.plan();
    ASSERT_EQ(filled.channels.size(), 3U);
    // Measured channels never saved are not left without a word.
    EXPECT_EQ(session.leaveQuestion().value_or(""), "Сохранить новый план?");
    EXPECT_EQ(filled.channels[0].bitrate, 4078.81F) << "as \"Применить\" types it";
    EXPECT_TRUE(filled.channels[0].handTyped);
    EXPECT_EQ(filled.channels[1].hoursIndex, 0) << "24 hours a day";
    EXPECT_EQ(filled.channels[1].camera.name, "Двор");
    EXPECT_EQ(session.channelShown().number, 1);
    EXPECT_EQ(session.channelShown().bitrate, 4078.81F);
    EXPECT_TRUE(session.channelShown().handTyped);
    // A name a spreadsheet would run as a formula stays text in the CSV.
    EXPECT_NE(channelTableCsv(session.form()).find(";\"'=HYPERLINK(\"\"x\"\")\";"), std::string::npos)
        << channelTableCsv(session.form());
    const PlanRead read = readPlan(planJson(filled));
    ASSERT_TRUE(read.plan) << read.error.toStdString();
    EXPECT_EQ(*read.plan, filled);
    EXPECT_EQ(planJson(*read.plan), planJson(filled));

    MainForm& form = session.form();
    form.userClick(Ctl::Command4); // channel 1 goes: the others move up with their cameras
    EXPECT_EQ(form.cameras[1].name, "Двор");
    EXPECT_EQ(form.cameras[1].measured, yard);
    EXPECT_EQ(form.cameras[3], ChannelCamera{});
    form.userClick(Ctl::Command3); // a copy of "Двор" is another camera
    EXPECT_EQ(form.cameras[3], ChannelCamera{});
    form.userClick(Ctl::Command2);
    form.userClick(Ctl::Command2); // back to "Двор"
    ASSERT_EQ(form.curchannel, 1);
    form.userSelect(Ctl::Combo1, 4); // the hours leave the bitrate as measured
    EXPECT_TRUE(form.cameras[1].measured);
    form.userEdit(Ctl::Text1, "1200");
    EXPECT_EQ(form.cameras[1].name, "Двор");
    EXPECT_FALSE(form.cameras[1].measured);

    // A site's list fills the recorders it names: one of them there already
    // keeps its disk and its notes, the rest come as new windows, and one
    // just started that the list does not name gives way.
    {
        PlanSession site = sessionFor(Layout::Tall, ".", host);
        std::vector<MeasuredCamera> listed = cameras;
        listed[0].recorder = listed[2].recorder = "Ворота";
        listed[1].recorder = "Двор";
        PlanSession fresh = sessionFor(Layout::Tall, ".", host);
        std::vector<MeasuredCamera> numbered = listed;
        numbered[1].recorder = numberedRecorderName(1);
        ASSERT_TRUE(fresh.fillSite(numbered));
        EXPECT_EQ(fresh.recorderNames(), (std::vector<std::string>{"Ворота", "Регистратор 1"}))
            << "in the list's order";
        ASSERT_TRUE(site.fillSite(listed));
        EXPECT_EQ(site.recorderNames(), (std::vector<std::string>{"Ворота", "Двор"}));
        EXPECT_EQ(site.recorderShown(), 0);
        EXPECT_EQ(site.form().channelcount, 2);
        EXPECT_EQ(site.recorderForm(1).cameras[1].name, "Двор");
        site.showRecorder(1);
        site.form().userEdit(Ctl::Text2, "7");
        site.setNotes("двор");
        listed[0].recorder = "Склад";
        ASSERT_TRUE(site.fillSite(listed));
        EXPECT_EQ(site.recorderNames(), (std::vector<std::string>{"Ворота", "Двор", "Склад"}));
        EXPECT_EQ(site.recorderShown(), 2);
        EXPECT_EQ(site.recorderForm(0).channelcount, 1);
        EXPECT_EQ(site.recorderForm(1).control(Ctl::Text2).text, "7");
        EXPECT_EQ(site.recorderNotes(1), "двор");
        EXPECT_TRUE(site.isModified());
    }

    // The measuring dialog's "Применить" types with a period, which the field
    // reads whole under a comma too (a comma would give 2016).
    PlanSession comma = sessionFor(Layout::Tall, ",", host);
    comma.applyMeasuredRate(2016.36);
    EXPECT_EQ(comma.form().control(Ctl::Text1).text, "2016.36");
    EXPECT_EQ(comma.channelShown().bitrate, 2016.36F);
    EXPECT_TRUE(comma.channelShown().handTyped);
}

// The session's plan in use: a new plan saved as a file is the plan in use,
// unchanged until the form changes; a plan that cannot be written or read
// leaves the session as it was.
TEST(PlanFile, TheSessionKeepsThePlanInUse)
{
    QTemporaryDir dir;
    AnsweringHost host;
    PlanSession session = sessionFor(Layout::Tall, ",", host);
    EXPECT_FALSE(session.leaveQuestion()) << "nothing to ask before there is a plan";
    session.form().userEdit(Ctl::Text1, "2000");
    std::string why;
    EXPECT_FALSE(session.saveAs(dir.filePath("missing/plan.velmora").toStdString(), &why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(session.path(), "");
    const std::string path = dir.filePath("объект.velmora").toStdString();
    ASSERT_TRUE(session.saveAs(path, &why)) << why;
    EXPECT_EQ(session.path(), path);
    EXPECT_FALSE(session.isModified());
    EXPECT_FALSE(session.leaveQuestion());
    session.setNotes("склад");
    EXPECT_EQ(session.leaveQuestion().value_or(""), "Сохранить изменения в плане «объект»?");
    session.setNotes("");
    EXPECT_FALSE(session.isModified()) << "back as saved";
    session.diskArray().edit(ArrayField::Disks, "8");
    EXPECT_TRUE(session.isModified());

    EXPECT_FALSE(session.open(dir.filePath("none.velmora").toStdString(), &why));
    EXPECT_EQ(why, "Такого файла нет.");
    EXPECT_EQ(session.form().control(Ctl::Text1).text, "2000");
    ASSERT_TRUE(session.open(path, &why)) << why;
    EXPECT_FALSE(session.isModified());
    EXPECT_EQ(session.diskArray().settings(), DiskArraySettings{});
    EXPECT_EQ(session.form().control(Ctl::Text1).text, "2000");

    // The disk-array dialog's figures follow the form, and "Применить" puts its
    // size in as typed, in Тбайт: the depth each shows is the other's.
    session.diskArray().edit(ArrayField::Disks, "4");
    session.updateDiskArray();
    const std::string depth = session.diskArray().view().depth;
    session.applyDiskSize(session.diskArray().view().applyText);
    const MainForm& f = session.form();
    EXPECT_EQ(f.control(Ctl::Combo5).index, kTerabyteUnit);
    EXPECT_EQ(f.control(Ctl::Text2).text, session.diskArray().view().applyText);
    EXPECT_EQ(f.control(Ctl::Label34).text + " " + f.control(Ctl::Label35).text, depth);
}

TEST(PlanFile, RandomFormsComeBackAsSaved)
{
    // Actions a user takes with entries the window accepts: a refused entry's
    // word is recomputed on opening, by design.
    std::mt19937 rng(20261208);
    const auto pick = [&](unsigned n) { return static_cast<int>(rng() % n); };
    const Ctl lists[] = {Ctl::Combo1, Ctl::Combo2, Ctl::Combo3, Ctl::Combo4,
                         Ctl::Combo5, Ctl::Combo6, Ctl::Combo9};
    const Ctl buttons[] = {Ctl::Command1, Ctl::Command2, Ctl::Command3,
                           Ctl::Command3, Ctl::Command4, Ctl::Command6};
    // Typed as people type them, with either separator: the field reads a
    // comma only up to it, so "4776,076" is 4776 and "4776.076" is 4776.076.
    const std::string typedBitrates[] = {"4776.076", "4776,076", "1616.5",  "-0.001", "-250",
                                         "1e3",      "2.5E+2",   "&H10",    "&O17",   "0",
                                         "",         "abc",      "99999.9", "0.0001", "1234.5678"};
    // The last states of each layout and separator, which every 25th state
    // makes a site of three recorders with.
    std::array<std::vector<std::pair<Plan, std::string>>, 4> earlier;
    for (int n = 0; n < 300; ++n) {
        const bool compact = n % 2 == 1;
        const std::string decimal = n % 4 >= 2 ? "," : ".";
        AnsweringHost host;
        host.answer = pick(2) == 0;
        auto form = createMainForm(compact ? Layout::Compact : Layout::Tall, decimal, host);
        MainForm& f = *form;
        const int actions = 1 + pick(80);
        for (int a = 0; a < actions; ++a) {
            switch (pick(6)) {
            case 0: {
                const Ctl list = lists[pick(7)];
                f.userSelect(list, pick(static_cast<unsigned>(f.control(list).entries.size())));
                break;
            }
            case 1: f.userSetCheck(pick(2) ? Ctl::Check1 : Ctl::Check2, pick(2)); break;
            case 2: f.userClick(buttons[pick(6)]); break;
            case 3: f.userEdit(Ctl::Text1, typedBitrates[pick(std::size(typedBitrates))]); break;
            case 4: f.userEdit(Ctl::Text2, std::to_string(1 + pick(5000))); break;
            case 5: f.userEdit(Ctl::Text3, std::to_string(pick(1000))); break;
            }
        }
        const Plan plan = planOf(f, "Объект " + std::to_string(n));
        const QByteArray json = planJson(plan);
        const PlanRead read = readPlan(json);
        ASSERT_TRUE(read.plan.has_value()) << read.error.toStdString();
        ASSERT_EQ(*read.plan, plan) << "state " << n;
        AnsweringHost quiet;
        PlanSession session = sessionFor(compact ? Layout::Compact : Layout::Tall, decimal, quiet);
        session.load(*read.plan);
        const MainForm& opened = session.form();
        ASSERT_EQ(checks::violation(opened), "") << "state " << n;
        EXPECT_EQ(looks(opened), looks(f)) << "state " << n << "\n" << json.toStdString();
        for (int k = 1; k <= f.channelcount; ++k)
            EXPECT_EQ(opened.ch.chbitrate[static_cast<std::size_t>(k)],
                      f.ch.chbitrate[static_cast<std::size_t>(k)])
                << "state " << n << ", channel " << k;
        EXPECT_EQ(planJson(session.plan()), json) << "state " << n;
        EXPECT_EQ(csvLooks(opened), csvLooks(f)) << "state " << n;
        EXPECT_EQ(quiet.questions + quiet.reports + quiet.abouts, 0);

        auto& same = earlier[static_cast<std::size_t>(n % 4)];
        same.emplace_back(plan, looks(f));
        if (n % 25 != 24 || same.size() < 3) continue;
        SitePlan site;
        for (std::size_t k = same.size() - 3; k < same.size(); ++k)
            site.recorders.push_back({"Склад " + std::to_string(k), same[k].first});
        // One recorder with a name of its own is a plan of version 1.2.
        const SitePlan lone{{site.recorders.front()}, 1};
        const SiteRead loneBack = readSite(siteJson(lone));
        ASSERT_TRUE(siteJson(lone).contains("\"version\": \"1.2\""));
        EXPECT_EQ(loneBack.site, std::optional<SitePlan>(lone));
        site.recorderShown = 2;
        const QByteArray siteBytes = siteJson(site);
        const SiteRead back = readSite(siteBytes);
        ASSERT_TRUE(back.site.has_value()) << back.error.toStdString();
        ASSERT_EQ(*back.site, site) << "site at state " << n;
        PlanSession opened3 = sessionFor(compact ? Layout::Compact : Layout::Tall, decimal, quiet);
        opened3.loadSite(*back.site);
        EXPECT_EQ(opened3.recorderShown(), 1);
        EXPECT_EQ(siteJson(opened3.site()), siteBytes) << "site at state " << n;
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(looks(opened3.recorderForm(r)),
                      same[same.size() - 3 + static_cast<std::size_t>(r)].second)
                << "site at state " << n << ", recorder " << r + 1;
    }
}

// The summary's row of each recorder is what that recorder's own window and
// disk-array dialog show once it is shown, and its totals are the sums of its
// rows, over random sites in either separator.
TEST(SiteSummary, EachRowIsItsRecordersOwnFigures)
{
    std::mt19937 rng(20261210);
    const auto pick = [&](unsigned n) { return static_cast<int>(rng() % n); };
    const std::string typed[] = {"4776.076", "1616,5", "250", "0", "12000", "3e3"};
    for (int n = 0; n < 40; ++n) {
        const std::string decimal = n % 2 ? "," : ".";
        AnsweringHost host;
        PlanSession session = sessionFor(Layout::Tall, decimal, host);
        const int recorders = 1 + pick(5);
        for (int r = 0; r < recorders; ++r) {
            if (r > 0) session.addRecorder();
            MainForm& f = session.form();
            for (int a = pick(6); a > 0; --a) f.userClick(Ctl::Command1); // a channel more
            f.userEdit(Ctl::Text1, typed[pick(std::size(typed))]);
            f.userEdit(Ctl::Text2, std::to_string(pick(20)));
            f.userSelect(Ctl::Combo9, pick(static_cast<unsigned>(f.control(Ctl::Combo9).entries.size())));
            if (pick(2)) session.diskArray().edit(ArrayField::TargetDays, std::to_string(1 + pick(60)));
            if (pick(2)) session.diskArray().edit(ArrayField::Disks, std::to_string(1 + pick(8)));
        }
        session.showRecorder(pick(static_cast<unsigned>(recorders)));
        const SiteSummary summary = summarizeSite(session);
        ASSERT_EQ(summary.recorders.size(), static_cast<std::size_t>(recorders));
        double network = 0;
        double day = 0;
        long long cameras = 0;
        for (int r = 0; r < recorders; ++r) {
            SCOPED_TRACE("site " + std::to_string(n) + ", recorder " + std::to_string(r + 1));
            session.showRecorder(r);
            session.updateDiskArray();
            const MainForm& f = session.form();
            const RecorderSummary& row = summary.recorders[static_cast<std::size_t>(r)];
            EXPECT_EQ(row.name, session.recorderName(r));
            EXPECT_EQ(row.channels, f.control(Ctl::Label24).text);
            EXPECT_EQ(row.stream, f.control(Ctl::Label43).text);
            EXPECT_EQ(row.dayTotal, f.control(Ctl::Label26).text);
            EXPECT_EQ(row.depth, f.control(Ctl::Label34).text + " " + f.control(Ctl::Label35).text);
            EXPECT_EQ(row.disksNeeded, session.diskArray().view().disksNeeded);
            const auto value = [&](std::string text) {
                std::replace(text.begin(), text.end(), ',', '.');
                return std::stod(text);
            };
            EXPECT_NEAR(value(row.networkStream), f.totalbitrate * 1024.0 / 1e6, 0.005);
            network += value(row.networkStream);
            day += value(row.dayTotal);
            cameras += f.channelcount;
        }
        const auto sum = [&](double v) { return figureText(v, decimal); };
        EXPECT_EQ(summary.networkStream, sum(network)) << "site " << n;
        EXPECT_EQ(summary.dayTotal, sum(day)) << "site " << n;
        EXPECT_EQ(summary.cameras, std::to_string(cameras)) << "site " << n;
    }
}

} // namespace
} // namespace velmora::testing
