// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanFile.h"

#include "ChannelTable.h"
#include "Limits.h"
#include "Options.h"
#include "PlanTexts.h"
#include "Single.h"
#include "TextDoor.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace velmora {

namespace {

// The last position of a list: a stored position must lie from 0 to this.
template <typename Table>
constexpr int lastPosition(const Table& table)
{
    return static_cast<int>(std::size(table)) - 1;
}

// The shortest decimal that reads back to the same float. JSON numbers are
// doubles, so the float goes out as the double nearest to that decimal, and
// where that double would not round to the same float, as the float's exact value.
double floatForJson(float value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    *result.ptr = '\0';
    const double shortest = std::strtod(text, nullptr);
    return static_cast<float>(shortest) == value ? shortest : static_cast<double>(value);
}

// The file's member names, written once for the writer and the reader.
namespace member {
constexpr char kFormat[] = "format";
constexpr char kVersion[] = "version";
constexpr char kChannelCount[] = "channelCount";
constexpr char kChannelShown[] = "channelShown";
constexpr char kBitrateText[] = "bitrateText";
constexpr char kChannels[] = "channels";
constexpr char kPeriod[] = "period";
constexpr char kDisk[] = "disk";
constexpr char kText[] = "text"; // of the period and the disk
constexpr char kDays[] = "days";
constexpr char kUnitIndex[] = "unitIndex";
constexpr char kNotes[] = "notes";
constexpr char kDiskArray[] = "diskArray";
constexpr char kArray[] = "array";
constexpr char kRecorder[] = "recorder"; // the name of a plan's one recorder (1.2)
constexpr char kRecorders[] = "recorders";
constexpr char kRecorderShown[] = "recorderShown";
constexpr char kName[] = "name"; // of each recorder of a site
} // namespace member

// A channel's members: its list positions (each up to the list's last
// entry), its flags and its two figures.
struct PositionMember {
    const char* name;
    int PlanChannel::*field;
    int last;
};
constexpr PositionMember kChannelPositions[] = {
    {"resolutionIndex", &PlanChannel::resolutionIndex, lastPosition(kResolutions)},
    {"frameRateIndex", &PlanChannel::frameRateIndex, lastPosition(kFrameRates)},
    {"qualityIndex", &PlanChannel::qualityIndex, lastPosition(kQualities)},
    {"profileIndex", &PlanChannel::profileIndex, lastPosition(kProfiles)},
    {"hoursIndex", &PlanChannel::hoursIndex, lastPosition(kHours)},
    {"codecIndex", &PlanChannel::codecIndex, lastPosition(kCodecs)},
};
struct FlagMember {
    const char* name;
    bool PlanChannel::*field;
};
constexpr FlagMember kChannelFlags[] = {
    {"motion", &PlanChannel::motion},
    {"sound", &PlanChannel::sound},
    {"handTyped", &PlanChannel::handTyped},
    {"dailyInGigabytes", &PlanChannel::dailyInGigabytes},
};
constexpr char kBitrateMember[] = "bitrate";
constexpr char kDailyMember[] = "daily";
// The camera's name and measurement, both optional (format 1.1).
constexpr char kNameMember[] = "name";
constexpr char kMeasuredMember[] = "measured";

// The measurement's members. Texts and numbers a reader needs; the numbers
// that may be absent are left out when they are.
struct MeasuredText {
    const char* name;
    std::string MeasuredRecord::*field;
};
constexpr MeasuredText kMeasuredTexts[] = {
    {"source", &MeasuredRecord::source},
    {"codec", &MeasuredRecord::codec},
    {"clock", &MeasuredRecord::clock},
    {"measuredAt", &MeasuredRecord::measuredAt},
};
struct MeasuredSize {
    const char* name;
    int MeasuredRecord::*field;
};
constexpr MeasuredSize kMeasuredSizes[] = {{"width", &MeasuredRecord::width},
                                           {"height", &MeasuredRecord::height}};
constexpr int kLargestPictureSide = 65535;
struct MeasuredNumber {
    const char* name;
    double MeasuredRecord::*field;
};
constexpr MeasuredNumber kMeasuredNumbers[] = {
    {"videoKbps", &MeasuredRecord::videoKbps},
    {"seconds", &MeasuredRecord::seconds},
};
struct MeasuredOptional {
    const char* name;
    std::optional<double> MeasuredRecord::*field;
};
constexpr MeasuredOptional kMeasuredOptionals[] = {
    {"fps", &MeasuredRecord::fps},
    {"peakKbps", &MeasuredRecord::peakKbps},
    {"audioKbps", &MeasuredRecord::audioKbps},
};

QJsonObject measuredJson(const MeasuredRecord& m)
{
    QJsonObject object;
    for (const MeasuredText& t : kMeasuredTexts)
        object.insert(QLatin1String(t.name), QString::fromStdString(m.*t.field));
    for (const MeasuredSize& n : kMeasuredSizes) object.insert(QLatin1String(n.name), m.*n.field);
    for (const MeasuredNumber& n : kMeasuredNumbers) object.insert(QLatin1String(n.name), m.*n.field);
    for (const MeasuredOptional& n : kMeasuredOptionals)
        if (m.*n.field) object.insert(QLatin1String(n.name), *(m.*n.field));
    return object;
}

QJsonObject channelJson(const PlanChannel& c)
{
    QJsonObject object;
    for (const PositionMember& m : kChannelPositions) object.insert(QLatin1String(m.name), c.*m.field);
    for (const FlagMember& m : kChannelFlags) object.insert(QLatin1String(m.name), c.*m.field);
    object.insert(QLatin1String(kBitrateMember), floatForJson(c.bitrate));
    object.insert(QLatin1String(kDailyMember), floatForJson(c.daily));
    if (!c.camera.name.empty())
        object.insert(QLatin1String(kNameMember), QString::fromStdString(c.camera.name));
    if (c.camera.measured) object.insert(QLatin1String(kMeasuredMember), measuredJson(*c.camera.measured));
    return object;
}

// The disk-array dialog's fields by the names a reader understands, in the
// dialog's order. Plans written before the days wanted were asked lack the last.
constexpr std::array<const char*, kArrayFieldCount> kDiskArrayMembers = {
    "disks", "diskSize", "spares", "reserve", "inputLimit", "headroom", "targetDays"};
constexpr std::size_t kFirstOptionalArrayMember = static_cast<std::size_t>(ArrayField::TargetDays);

QJsonObject diskArrayJson(const DiskArraySettings& s)
{
    QJsonObject object{{QLatin1String(member::kArray), s.level}};
    for (std::size_t i = 0; i < kArrayFieldCount; ++i)
        object.insert(QLatin1String(kDiskArrayMembers[i]), QString::fromStdString(s.texts[i]));
    return object;
}

QString quoted(const QString& text)
{
    return qtText(plantexts::kFileShown).arg(text);
}

// Reading one object's members, each refused with a sentence naming it.
class Reader {
public:
    Reader(const QJsonObject& object, QString where) : object_(object), where_(std::move(where)) {}

    bool ok() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }

    QJsonValue member(const char* name)
    {
        const QJsonValue v = object_.value(QLatin1String(name));
        if (v.isUndefined()) fail(name, plantexts::kMissing);
        return v;
    }

    int integer(const char* name, int low, int high, std::string_view range = {})
    {
        const QJsonValue v = member(name);
        if (!ok()) return low;
        const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v.isDouble() || !std::isfinite(d) || d != std::trunc(d)) {
            fail(name, plantexts::kNotWhole);
            return low;
        }
        if (d < low || d > high) {
            fail(name, range.empty() ? qtText(plantexts::kOutsideList).arg(low).arg(high) : qtText(range));
            return low;
        }
        return static_cast<int>(d);
    }

    // A finite number that a 32-bit float holds.
    float single(const char* name)
    {
        const QJsonValue v = member(name);
        if (!ok()) return 0;
        const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v.isDouble() || !std::isfinite(d)) {
            fail(name, plantexts::kNotNumber);
            return 0;
        }
        // As a typed value: what rounds to a float is taken, and the float is kept.
        // Up to half a step beyond the largest float still rounds to it (the
        // shortest decimal of the largest float, 3.4028235e38, is such a number).
        constexpr double kRoundsToLargest = 3.4028235677973366e38;
        if (!(std::fabs(d) < kRoundsToLargest)) {
            fail(name, plantexts::kOutOfRange);
            return 0;
        }
        return velmora::single(d);
    }

    // A bitrate the bitrate field would take, read as a float like any other.
    float bitrate(const char* name)
    {
        const float value = single(name);
        if (ok() && !bitrateAccepted(value)) fail(name, plantexts::kOutOfRange);
        return ok() ? value : 0;
    }

    // A finite number, 0 or more (a measured rate or time).
    double measure(const char* name)
    {
        const QJsonValue v = member(name);
        if (!ok()) return 0;
        return measureValue(name, v);
    }

    std::optional<double> optionalMeasure(const char* name)
    {
        const QJsonValue v = object_.value(QLatin1String(name));
        if (v.isUndefined()) return std::nullopt;
        const double d = measureValue(name, v);
        return ok() ? std::optional<double>(d) : std::nullopt;
    }

    bool boolean(const char* name)
    {
        const QJsonValue v = member(name);
        if (ok() && !v.isBool()) fail(name, plantexts::kNotBoolean);
        return v.toBool();
    }

    std::string text(const char* name)
    {
        const QJsonValue v = member(name);
        if (ok() && !v.isString()) fail(name, plantexts::kNotString);
        return v.toString().toStdString();
    }

    // A member that may be left out; when there, a string.
    std::string optionalText(const char* name)
    {
        const QJsonValue v = object_.value(QLatin1String(name));
        if (!v.isUndefined() && !v.isString()) fail(name, plantexts::kNotString);
        return v.toString().toStdString();
    }

    QJsonObject object(const char* name)
    {
        const QJsonValue v = member(name);
        if (ok() && !v.isObject()) fail(name, plantexts::kNotObject);
        return v.toObject();
    }

    void fail(const char* name, std::string_view why) { fail(name, qtText(why)); }
    void fail(const char* name, const QString& why)
    {
        failWith(where_ + quoted(QLatin1String(name)) + QLatin1Char(' ') + why + QLatin1Char('.'));
    }
    void failWith(const QString& sentence)
    {
        if (ok()) error_ = sentence;
    }

private:
    double measureValue(const char* name, const QJsonValue& v)
    {
        const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v.isDouble() || !std::isfinite(d)) {
            fail(name, plantexts::kNotNumber);
            return 0;
        }
        if (d < 0) {
            fail(name, plantexts::kOutOfRange);
            return 0;
        }
        return d;
    }

    QJsonObject object_;
    QString where_;
    QString error_;
};

QString inPart(const char* name)
{
    return qtText(plantexts::kInPart).arg(QLatin1String(name));
}

PlanRead refused(QString why)
{
    return {std::nullopt, std::move(why)};
}

PlanRead tooLarge()
{
    return refused(qtText(plantexts::kTooLarge).arg(kPlanMaxBytes / (qint64{1024} * 1024)));
}

} // namespace

namespace {

// One recorder's plan: every member but the format and the version.
QJsonObject planObject(const Plan& plan)
{
    QJsonArray channels;
    for (const PlanChannel& c : plan.channels) channels.append(channelJson(c));
    QJsonObject root{
        {QLatin1String(member::kChannelCount), static_cast<int>(plan.channels.size())},
        {QLatin1String(member::kChannelShown), plan.channelShown},
        {QLatin1String(member::kBitrateText), QString::fromStdString(plan.bitrateText)},
        {QLatin1String(member::kChannels), channels},
        {QLatin1String(member::kPeriod),
         QJsonObject{{QLatin1String(member::kText), QString::fromStdString(plan.periodText)},
                     {QLatin1String(member::kDays), plan.periodDays}}},
        {QLatin1String(member::kDisk),
         QJsonObject{{QLatin1String(member::kText), QString::fromStdString(plan.diskText)},
                     {QLatin1String(member::kUnitIndex), plan.diskUnitIndex}}},
        {QLatin1String(member::kNotes), QString::fromStdString(plan.notes)},
    };
    if (plan.diskArray) root.insert(QLatin1String(member::kDiskArray), diskArrayJson(*plan.diskArray));
    return root;
}

QByteArray fileJson(QJsonObject root, int major, int minor)
{
    root.insert(QLatin1String(member::kFormat), QLatin1String(kPlanFormatName));
    root.insert(QLatin1String(member::kVersion), QStringLiteral("%1.%2").arg(major).arg(minor));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace

QByteArray planJson(const Plan& plan)
{
    return fileJson(planObject(plan), kPlanMajorVersion, kPlanMinorVersion);
}

QByteArray siteJson(const SitePlan& site)
{
    if (site.recorders.size() == 1) {
        const SiteRecorder& only = site.recorders.front();
        if (only.name == numberedRecorderName(1)) return planJson(only.plan);
        QJsonObject root = planObject(only.plan);
        root.insert(QLatin1String(member::kRecorder), QString::fromStdString(only.name));
        return fileJson(root, kPlanMajorVersion, kNamedPlanMinorVersion);
    }
    QJsonArray recorders;
    for (const SiteRecorder& r : site.recorders) {
        QJsonObject object = planObject(r.plan);
        object.insert(QLatin1String(member::kName), QString::fromStdString(r.name));
        recorders.append(object);
    }
    return fileJson(QJsonObject{{QLatin1String(member::kRecorderShown), site.recorderShown},
                                {QLatin1String(member::kRecorders), recorders}},
                    kSiteMajorVersion, kSiteMinorVersion);
}

namespace {

// A plan file's object, once its format is ours and its major version one we
// read; `major` gets the version.
struct Header {
    QJsonObject root;
    int major = 0;
    QString error;
};

Header readHeader(const QByteArray& bytes, int newestMajor)
{
    const auto fails = [](QString why) { return Header{{}, 0, std::move(why)}; };
    if (bytes.size() > kPlanMaxBytes) return fails(tooLarge().error);
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) return fails(qtText(plantexts::kNotJson).arg(parse.offset));
    if (!doc.isObject()) return fails(qtText(plantexts::kNotAPlan));
    const QJsonObject root = doc.object();
    if (root.value(QLatin1String(member::kFormat)).toString() != QLatin1String(kPlanFormatName))
        return fails(qtText(plantexts::kNotAPlan));

    static const QRegularExpression versionPattern(QStringLiteral("^(\\d{1,6})\\.(\\d{1,6})$"));
    const auto version = versionPattern.match(root.value(QLatin1String(member::kVersion)).toString());
    if (!version.hasMatch()) return fails(qtText(plantexts::kNoVersion));
    const int major = version.captured(1).toInt();
    if (major > newestMajor)
        return fails(qtText(plantexts::kNewerVersion).arg(version.captured(0)).arg(newestMajor));
    return {root, major, QString()};
}

// The members of one recorder's plan; `where` goes before every reason.
PlanRead readPlanMembers(const QJsonObject& root, const QString& where)
{
    Plan plan;
    Reader top(root, where);
    const QJsonValue list = top.member(member::kChannels);
    if (!top.ok()) return refused(top.error());
    if (!list.isArray()) return refused(where + qtText(plantexts::kChannelsNotAList));
    const QJsonArray channels = list.toArray();
    if (channels.size() < 1 || channels.size() > kMaxChannels)
        return refused(where + qtText(plantexts::kChannelCount).arg(kMaxChannels).arg(channels.size()));
    const int count = static_cast<int>(channels.size());
    if (top.integer(member::kChannelCount, 0, std::numeric_limits<int>::max()) != count && top.ok())
        top.failWith(where + qtText(plantexts::kCountMismatch));
    plan.channelShown = top.integer(member::kChannelShown, 1, count, plantexts::kNotChannelNumber);
    const QJsonObject period = top.object(member::kPeriod);
    const QJsonObject disk = top.object(member::kDisk);
    // The notes and the bitrate field's text may be left out.
    plan.notes = top.optionalText(member::kNotes);
    plan.bitrateText = top.optionalText(member::kBitrateText);
    if (!top.ok()) return refused(top.error());

    Reader p(period, where + inPart(member::kPeriod));
    plan.periodText = p.text(member::kText);
    plan.periodDays =
        p.integer(member::kDays, std::numeric_limits<DayCount>::min(), std::numeric_limits<DayCount>::max());
    if (!p.ok()) return refused(p.error());
    Reader d(disk, where + inPart(member::kDisk));
    plan.diskText = d.text(member::kText);
    plan.diskUnitIndex = d.integer(member::kUnitIndex, 0, lastPosition(kDiskUnits));
    if (!d.ok()) return refused(d.error());
    // The disk-array dialog may be left out; when there, it is whole. Its texts
    // are taken as typed: the dialog marks what it cannot read.
    if (root.contains(QLatin1String(member::kDiskArray))) {
        const QJsonObject array = top.object(member::kDiskArray);
        if (!top.ok()) return refused(top.error());
        Reader a(array, where + inPart(member::kDiskArray));
        DiskArraySettings s;
        s.level = a.integer(member::kArray, 0, lastPosition(kArrayLevelNames));
        for (std::size_t i = 0; i < kArrayFieldCount; ++i)
            if (i < kFirstOptionalArrayMember || array.contains(QLatin1String(kDiskArrayMembers[i])))
                s.texts[i] = a.text(kDiskArrayMembers[i]);
        if (!a.ok()) return refused(a.error());
        plan.diskArray = std::move(s);
    }

    for (int k = 0; k < count; ++k) {
        const QString inChannel = where + qtText(plantexts::kInChannel).arg(k + 1);
        if (!channels.at(k).isObject())
            return refused(inChannel + qtText(plantexts::kNotObject) + QLatin1Char('.'));
        Reader r(channels.at(k).toObject(), inChannel);
        PlanChannel c;
        for (const PositionMember& m : kChannelPositions) c.*m.field = r.integer(m.name, 0, m.last);
        for (const FlagMember& m : kChannelFlags) c.*m.field = r.boolean(m.name);
        c.bitrate = r.bitrate(kBitrateMember);
        c.daily = r.single(kDailyMember);
        c.camera.name = oneLineName(r.optionalText(kNameMember));
        if (nameLength(c.camera.name) > kMaxCameraNameLength)
            r.fail(kNameMember, qtText(plantexts::kLongerThan).arg(kMaxCameraNameLength));
        if (channels.at(k).toObject().contains(QLatin1String(kMeasuredMember))) {
            const QJsonObject measured = r.object(kMeasuredMember);
            if (!r.ok()) return refused(r.error());
            Reader m(measured, inChannel + inPart(kMeasuredMember));
            MeasuredRecord record;
            for (const MeasuredText& t : kMeasuredTexts) record.*t.field = m.text(t.name);
            for (const MeasuredSize& n : kMeasuredSizes)
                record.*n.field = m.integer(n.name, 0, kLargestPictureSide);
            for (const MeasuredNumber& n : kMeasuredNumbers) record.*n.field = m.measure(n.name);
            for (const MeasuredOptional& n : kMeasuredOptionals) record.*n.field = m.optionalMeasure(n.name);
            if (!m.ok()) return refused(m.error());
            c.camera.measured = std::move(record);
        }
        if (!r.ok()) return refused(r.error());
        plan.channels.push_back(c);
    }
    return {std::move(plan), QString()};
}

// Why `name` cannot name a recorder, after the member's quoted name; empty: it can.
QString recorderNameWhy(const std::string& name, const std::vector<std::string>& others)
{
    switch (recorderNameProblem(name, others)) {
    case RecorderNameProblem::None: return {};
    case RecorderNameProblem::Empty: return qtText(plantexts::kRecorderNameEmpty);
    case RecorderNameProblem::TooLong: return qtText(plantexts::kLongerThan).arg(kMaxRecorderNameLength);
    case RecorderNameProblem::Control: return qtText(plantexts::kRecorderNameControl);
    case RecorderNameProblem::EndBlank: return qtText(plantexts::kRecorderNameEndBlank);
    case RecorderNameProblem::Taken:
        return qtText(plantexts::kRecorderNameTaken).arg(QString::fromStdString(name));
    }
    return {};
}

SiteRead siteRefused(QString why)
{
    return {std::nullopt, std::move(why)};
}

// A plan of version 1: one recorder, named in 1.2.
SiteRead readOneRecorder(const QJsonObject& root)
{
    PlanRead read = readPlanMembers(root, QString());
    if (!read.plan) return siteRefused(read.error);
    Reader top(root, QString());
    std::string name = numberedRecorderName(1);
    if (root.contains(QLatin1String(member::kRecorder))) {
        name = top.text(member::kRecorder);
        if (top.ok()) {
            const QString why = recorderNameWhy(name, {});
            if (!why.isEmpty()) top.fail(member::kRecorder, why);
        }
        if (!top.ok()) return siteRefused(top.error());
    }
    SitePlan site;
    site.recorders.push_back({std::move(name), std::move(*read.plan)});
    return {std::move(site), QString()};
}

SiteRead readRecorders(const QJsonObject& root)
{
    Reader top(root, QString());
    const QJsonValue list = top.member(member::kRecorders);
    if (!top.ok()) return siteRefused(top.error());
    if (!list.isArray()) return siteRefused(qtText(plantexts::kRecordersNotAList));
    const QJsonArray recorders = list.toArray();
    if (recorders.size() < 1 || recorders.size() > kMaxRecorders)
        return siteRefused(qtText(plantexts::kRecorderCount).arg(kMaxRecorders).arg(recorders.size()));
    SitePlan site;
    site.recorderShown = top.integer(member::kRecorderShown, 1, static_cast<int>(recorders.size()),
                                     plantexts::kNotRecorderNumber);
    if (!top.ok()) return siteRefused(top.error());
    std::vector<std::string> names;
    for (qsizetype k = 0; k < recorders.size(); ++k) {
        const QString where = qtText(plantexts::kInRecorder).arg(k + 1);
        if (!recorders.at(k).isObject())
            return siteRefused(where + qtText(plantexts::kNotObject) + QLatin1Char('.'));
        const QJsonObject object = recorders.at(k).toObject();
        Reader r(object, where);
        std::string name = r.text(member::kName);
        if (r.ok()) {
            const QString why = recorderNameWhy(name, names);
            if (!why.isEmpty()) r.fail(member::kName, why);
        }
        if (!r.ok()) return siteRefused(r.error());
        PlanRead read = readPlanMembers(object, where);
        if (!read.plan) return siteRefused(read.error);
        names.push_back(name);
        site.recorders.push_back({std::move(name), std::move(*read.plan)});
    }
    return {std::move(site), QString()};
}

// Reads a file at `path` whole, or says why not; `bytes` gets it.
QString readWhole(const QString& path, QByteArray* bytes)
{
    const QFileInfo info(path);
    if (info.isDir()) return qtText(plantexts::kIsFolder);
    if (!info.exists()) return qtText(plantexts::kNoSuchFile);
    if (!info.isReadable()) return qtText(plantexts::kCannotRead);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString() + QLatin1Char('.');
    // Read one byte past the limit: a file that grows meanwhile is still refused.
    *bytes = file.read(kPlanMaxBytes + 1);
    if (bytes->size() > kPlanMaxBytes) return tooLarge().error;
    if (file.error() != QFileDevice::NoError) return file.errorString() + QLatin1Char('.');
    return {};
}

} // namespace

PlanRead readPlan(const QByteArray& bytes)
{
    const Header header = readHeader(bytes, kPlanMajorVersion);
    if (!header.error.isEmpty()) return refused(header.error);
    return readPlanMembers(header.root, QString());
}

SiteRead readSite(const QByteArray& bytes)
{
    const Header header = readHeader(bytes, kSiteMajorVersion);
    if (!header.error.isEmpty()) return siteRefused(header.error);
    return header.major < kSiteMajorVersion ? readOneRecorder(header.root) : readRecorders(header.root);
}

PlanRead readPlanFile(const QString& path)
{
    QByteArray bytes;
    const QString why = readWhole(path, &bytes);
    return why.isEmpty() ? readPlan(bytes) : refused(why);
}

SiteRead readSiteFile(const QString& path)
{
    QByteArray bytes;
    const QString why = readWhole(path, &bytes);
    return why.isEmpty() ? readSite(bytes) : siteRefused(why);
}

bool canWriteFile(const QString& path, QString* why)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    std::string_view early;
    if (info.isDir())
        early = plantexts::kIsFolder;
    else if (!folder.isDir())
        early = plantexts::kNoSuchFolder;
    else if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        early = plantexts::kCannotWrite;
    if (!early.empty()) {
        if (why) *why = qtText(early);
        return false;
    }
    return true;
}

bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* why)
{
    if (!canWriteFile(path, why)) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (why) *why = file.errorString() + QLatin1Char('.');
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace velmora
