#include "PlanFile.h"

#include "ChannelTable.h"
#include "Limits.h"
#include "Options.h"
#include "Single.h"

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

QJsonObject channelJson(const PlanChannel& c)
{
    return QJsonObject{
        {QStringLiteral("resolutionIndex"), c.resolutionIndex},
        {QStringLiteral("frameRateIndex"), c.frameRateIndex},
        {QStringLiteral("qualityIndex"), c.qualityIndex},
        {QStringLiteral("profileIndex"), c.profileIndex},
        {QStringLiteral("hoursIndex"), c.hoursIndex},
        {QStringLiteral("codecIndex"), c.codecIndex},
        {QStringLiteral("motion"), c.motion},
        {QStringLiteral("sound"), c.sound},
        {QStringLiteral("handTyped"), c.handTyped},
        {QStringLiteral("bitrate"), floatForJson(c.bitrate)},
        {QStringLiteral("daily"), floatForJson(c.daily)},
        {QStringLiteral("dailyInGigabytes"), c.dailyInGigabytes},
    };
}

// The disk-array dialog's fields by the names a reader understands, in the
// dialog's order.
constexpr std::array<const char*, kArrayFieldCount> kDiskArrayMembers = {"disks",   "diskSize",   "spares",
                                                                         "reserve", "inputLimit", "headroom"};

QJsonObject diskArrayJson(const DiskArraySettings& s)
{
    QJsonObject object{{QStringLiteral("array"), s.level}};
    for (std::size_t i = 0; i < kArrayFieldCount; ++i)
        object.insert(QLatin1String(kDiskArrayMembers[i]), QString::fromStdString(s.texts[i]));
    return object;
}

QString quoted(const QString& text)
{
    return QStringLiteral("«%1»").arg(text);
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
        if (v.isUndefined()) fail(name, QStringLiteral("нет в файле"));
        return v;
    }

    int integer(const char* name, int low, int high, const QString& range = {})
    {
        const QJsonValue v = member(name);
        if (!ok()) return low;
        const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v.isDouble() || !std::isfinite(d) || d != std::trunc(d)) {
            fail(name, QStringLiteral("не целое число"));
            return low;
        }
        if (d < low || d > high) {
            fail(name,
                 range.isEmpty() ? QStringLiteral("вне списка (от %1 до %2)").arg(low).arg(high) : range);
            return low;
        }
        return static_cast<int>(d);
    }

    // A finite number that a 32-bit float holds, below `limit`.
    float single(const char* name, double limit = std::numeric_limits<float>::max())
    {
        const QJsonValue v = member(name);
        if (!ok()) return 0;
        const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v.isDouble() || !std::isfinite(d)) {
            fail(name, QStringLiteral("не число"));
            return 0;
        }
        // As a typed value: what rounds to a float is taken, and the float is kept.
        // Up to half a step beyond the largest float still rounds to it (the
        // shortest decimal of the largest float, 3.4028235e38, is such a number).
        constexpr double kRoundsToLargest = 3.4028235677973366e38;
        if (!(std::fabs(d) < kRoundsToLargest) || d >= limit || velmora::single(d) >= limit) {
            fail(name, QStringLiteral("вне допустимых значений"));
            return 0;
        }
        return velmora::single(d);
    }

    bool boolean(const char* name)
    {
        const QJsonValue v = member(name);
        if (ok() && !v.isBool()) fail(name, QStringLiteral("не true и не false"));
        return v.toBool();
    }

    std::string text(const char* name)
    {
        const QJsonValue v = member(name);
        if (ok() && !v.isString()) fail(name, QStringLiteral("не строка"));
        return v.toString().toStdString();
    }

    QJsonObject object(const char* name)
    {
        const QJsonValue v = member(name);
        if (ok() && !v.isObject()) fail(name, QStringLiteral("не объект"));
        return v.toObject();
    }

    void fail(const char* name, const QString& why)
    {
        if (!ok()) return;
        error_ = where_ + quoted(QLatin1String(name)) + QLatin1Char(' ') + why + QLatin1Char('.');
    }
    void failWith(const QString& sentence)
    {
        if (ok()) error_ = sentence;
    }

private:
    QJsonObject object_;
    QString where_;
    QString error_;
};

// A typed bitrate from here up is refused by the window; a plan may not hold one.
constexpr double kBitrateLimit = 9999999.0;

PlanRead refused(QString why)
{
    return {std::nullopt, std::move(why)};
}

} // namespace

QByteArray planJson(const Plan& plan)
{
    QJsonArray channels;
    for (const PlanChannel& c : plan.channels) channels.append(channelJson(c));
    QJsonObject root{
        {QStringLiteral("format"), QLatin1String(kPlanFormatName)},
        {QStringLiteral("version"), QStringLiteral("%1.%2").arg(kPlanMajorVersion).arg(kPlanMinorVersion)},
        {QStringLiteral("channelCount"), static_cast<int>(plan.channels.size())},
        {QStringLiteral("channelShown"), plan.channelShown},
        {QStringLiteral("bitrateText"), QString::fromStdString(plan.bitrateText)},
        {QStringLiteral("channels"), channels},
        {QStringLiteral("period"),
         QJsonObject{{QStringLiteral("text"), QString::fromStdString(plan.periodText)},
                     {QStringLiteral("days"), plan.periodDays}}},
        {QStringLiteral("disk"), QJsonObject{{QStringLiteral("text"), QString::fromStdString(plan.diskText)},
                                             {QStringLiteral("unitIndex"), plan.diskUnitIndex}}},
        {QStringLiteral("notes"), QString::fromStdString(plan.notes)},
    };
    if (plan.diskArray) root.insert(QStringLiteral("diskArray"), diskArrayJson(*plan.diskArray));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

PlanRead readPlan(const QByteArray& bytes)
{
    if (bytes.size() > kPlanMaxBytes) return refused(QStringLiteral("Файл больше 1 Мбайт."));
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        return refused(QStringLiteral("Это не файл JSON (ошибка в позиции %1).").arg(parse.offset));
    if (!doc.isObject()) return refused(QStringLiteral("Это не план Velmora."));
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kPlanFormatName))
        return refused(QStringLiteral("Это не план Velmora."));

    static const QRegularExpression versionPattern(QStringLiteral("^(\\d{1,6})\\.(\\d{1,6})$"));
    const auto version = versionPattern.match(root.value(QStringLiteral("version")).toString());
    if (!version.hasMatch()) return refused(QStringLiteral("В плане нет понятного номера версии формата."));
    if (version.captured(1).toInt() > kPlanMajorVersion)
        return refused(
            QStringLiteral("План записан в более новой версии формата (%1); эта программа читает версию %2.")
                .arg(version.captured(0))
                .arg(kPlanMajorVersion));

    Plan plan;
    Reader top(root, QString());
    const QJsonValue list = top.member("channels");
    if (!top.ok()) return refused(top.error());
    if (!list.isArray()) return refused(QStringLiteral("«channels» не список."));
    const QJsonArray channels = list.toArray();
    if (channels.size() < 1 || channels.size() > kMaxChannels)
        return refused(QStringLiteral("Каналов должно быть от 1 до 32, в плане %1.").arg(channels.size()));
    const int count = static_cast<int>(channels.size());
    if (top.integer("channelCount", 0, std::numeric_limits<int>::max()) != count && top.ok())
        top.failWith(QStringLiteral("«channelCount» не совпадает с числом каналов в списке."));
    plan.channelShown = top.integer("channelShown", 1, count, QStringLiteral("не номер канала плана"));
    const QJsonObject period = top.object("period");
    const QJsonObject disk = top.object("disk");
    // The notes and the bitrate field's text may be left out.
    const QJsonValue notes = root.value(QStringLiteral("notes"));
    if (!notes.isUndefined() && !notes.isString()) top.fail("notes", QStringLiteral("не строка"));
    const QJsonValue bitrateText = root.value(QStringLiteral("bitrateText"));
    if (!bitrateText.isUndefined() && !bitrateText.isString())
        top.fail("bitrateText", QStringLiteral("не строка"));
    if (!top.ok()) return refused(top.error());
    plan.notes = notes.toString().toStdString();
    plan.bitrateText = bitrateText.toString().toStdString();

    Reader p(period, QStringLiteral("В «period»: "));
    plan.periodText = p.text("text");
    plan.periodDays =
        p.integer("days", std::numeric_limits<DayCount>::min(), std::numeric_limits<DayCount>::max());
    if (!p.ok()) return refused(p.error());
    Reader d(disk, QStringLiteral("В «disk»: "));
    plan.diskText = d.text("text");
    plan.diskUnitIndex = d.integer("unitIndex", 0, lastPosition(kDiskUnits));
    if (!d.ok()) return refused(d.error());
    // The disk-array dialog may be left out; when there, it is whole. Its texts
    // are taken as typed: the dialog marks what it cannot read.
    if (root.contains(QStringLiteral("diskArray"))) {
        const QJsonObject array = top.object("diskArray");
        if (!top.ok()) return refused(top.error());
        Reader a(array, QStringLiteral("В «diskArray»: "));
        DiskArraySettings s;
        s.level = a.integer("array", 0, lastPosition(kArrayLevelNames));
        for (std::size_t i = 0; i < kArrayFieldCount; ++i) s.texts[i] = a.text(kDiskArrayMembers[i]);
        if (!a.ok()) return refused(a.error());
        plan.diskArray = std::move(s);
    }

    for (int k = 0; k < count; ++k) {
        const QString where = QStringLiteral("Канал %1: ").arg(k + 1);
        if (!channels.at(k).isObject()) return refused(where + QStringLiteral("не объект."));
        Reader r(channels.at(k).toObject(), where);
        PlanChannel c;
        c.resolutionIndex = r.integer("resolutionIndex", 0, lastPosition(kResolutions));
        c.frameRateIndex = r.integer("frameRateIndex", 0, lastPosition(kFrameRates));
        c.qualityIndex = r.integer("qualityIndex", 0, lastPosition(kQualities));
        c.profileIndex = r.integer("profileIndex", 0, lastPosition(kProfiles));
        c.hoursIndex = r.integer("hoursIndex", 0, lastPosition(kHours));
        c.codecIndex = r.integer("codecIndex", 0, lastPosition(kCodecs));
        c.motion = r.boolean("motion");
        c.sound = r.boolean("sound");
        c.handTyped = r.boolean("handTyped");
        c.bitrate = r.single("bitrate", kBitrateLimit);
        c.daily = r.single("daily");
        c.dailyInGigabytes = r.boolean("dailyInGigabytes");
        if (!r.ok()) return refused(r.error());
        plan.channels.push_back(c);
    }
    return {std::move(plan), QString()};
}

PlanRead readPlanFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir()) return refused(QStringLiteral("Это папка, а не файл."));
    if (!info.exists()) return refused(QStringLiteral("Такого файла нет."));
    if (!info.isReadable()) return refused(QStringLiteral("Нет прав на чтение файла."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return refused(file.errorString() + QLatin1Char('.'));
    // Read one byte past the limit: a file that grows meanwhile is still refused.
    const QByteArray bytes = file.read(kPlanMaxBytes + 1);
    if (bytes.size() > kPlanMaxBytes) return refused(QStringLiteral("Файл больше 1 Мбайт."));
    if (file.error() != QFileDevice::NoError) return refused(file.errorString() + QLatin1Char('.'));
    return readPlan(bytes);
}

bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* why)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    QString early;
    if (info.isDir())
        early = QStringLiteral("Это папка, а не файл.");
    else if (!folder.isDir())
        early = QStringLiteral("Такой папки нет.");
    else if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        early = QStringLiteral("Нет прав на запись.");
    if (!early.isEmpty()) {
        if (why) *why = early;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (why) *why = file.errorString() + QLatin1Char('.');
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace velmora
