// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelCamera.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace velmora {

// The figures velmora-measure printed (the keys of Protocol.h).
struct MeasuredStream {
    QString source; // without credentials
    QString codec;
    QString profile;
    int width = 0;
    int height = 0;
    std::optional<double> fps;
    std::optional<double> gop;
    std::optional<int> gopMin;
    std::optional<int> gopMax;
    double keyframePercent = 0;
    double seconds = 0;
    QString clock; // "stream", "arrival" or "given"
    double videoKbps = 0;
    std::optional<double> peakKbps;
    QString audioCodec;
    std::optional<double> audioKbps;
    double appliedKbps = 0; // what "Применить" types: the program's Кбит/с
    std::vector<double> perSecondKbps;

    double totalKbps() const { return videoKbps + audioKbps.value_or(0); }
};

// Reads the program's JSON line; none when it is not one.
std::optional<MeasuredStream> parseMeasuredStream(const QByteArray& line);

// What a channel keeps of a measurement that ended at `at`.
MeasuredRecord measuredRecord(const MeasuredStream& stream, const QDateTime& at);

} // namespace velmora
