// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasuredStream.h"

#include "Protocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace velmora {

namespace {

namespace key = measure::key;

std::optional<double> optionalNumber(const QJsonObject& o, const char* name)
{
    const QJsonValue v = o.value(QLatin1String(name));
    if (!v.isDouble() || !std::isfinite(v.toDouble())) return std::nullopt;
    return v.toDouble();
}

std::optional<int> optionalInt(const QJsonObject& o, const char* name)
{
    const auto v = optionalNumber(o, name);
    if (!v || *v < 0 || *v > 1e9) return std::nullopt;
    return static_cast<int>(std::lround(*v));
}

} // namespace

std::optional<MeasuredStream> parseMeasuredStream(const QByteArray& line)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    const QJsonObject o = doc.object();
    const auto video = optionalNumber(o, key::kVideoKbps);
    const auto seconds = optionalNumber(o, key::kSeconds);
    if (!o.value(QLatin1String(key::kCodec)).isString() || !video || !seconds || *video < 0)
        return std::nullopt;
    MeasuredStream m;
    const auto string = [&o](const char* name) { return o.value(QLatin1String(name)).toString(); };
    m.source = string(key::kSource);
    m.codec = string(key::kCodec);
    m.profile = string(key::kProfile);
    m.width = o.value(QLatin1String(key::kWidth)).toInt();
    m.height = o.value(QLatin1String(key::kHeight)).toInt();
    m.fps = optionalNumber(o, key::kFps);
    m.gop = optionalNumber(o, key::kGop);
    m.gopMin = optionalInt(o, key::kGopMin);
    m.gopMax = optionalInt(o, key::kGopMax);
    m.keyframePercent = optionalNumber(o, key::kKeyframePercent).value_or(0);
    m.seconds = *seconds;
    m.clock = string(key::kClock);
    m.videoKbps = *video;
    m.peakKbps = optionalNumber(o, key::kPeakKbps);
    m.audioCodec = string(key::kAudioCodec);
    if (!m.audioCodec.isEmpty()) m.audioKbps = optionalNumber(o, key::kAudioKbps);
    // An older program without the figure: the same rule here.
    m.appliedKbps =
        optionalNumber(o, key::kAppliedKbps).value_or(measure::appliedKbps(m.videoKbps, m.audioKbps));
    for (const QJsonValue v : o.value(QLatin1String(key::kPerSecondKbps)).toArray())
        if (v.isDouble() && std::isfinite(v.toDouble())) m.perSecondKbps.push_back(v.toDouble());
    return m;
}

MeasuredRecord measuredRecord(const MeasuredStream& stream, const QDateTime& at)
{
    MeasuredRecord r;
    r.source = stream.source.toStdString();
    r.codec = stream.codec.toStdString();
    r.width = stream.width;
    r.height = stream.height;
    r.fps = stream.fps;
    r.videoKbps = stream.videoKbps;
    r.peakKbps = stream.peakKbps;
    r.audioKbps = stream.audioKbps;
    r.seconds = stream.seconds;
    r.clock = stream.clock.toStdString();
    // Local time with its offset, to the second.
    r.measuredAt = at.toOffsetFromUtc(at.offsetFromUtc()).toString(Qt::ISODate).toStdString();
    return r;
}

} // namespace velmora
