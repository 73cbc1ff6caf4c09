// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Plan.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmora {

// The plan file: one UTF-8 JSON object (docs/plan-format.md).
inline constexpr char kPlanFormatName[] = "velmora-plan";
inline constexpr int kPlanMajorVersion = 1;
inline constexpr int kPlanMinorVersion = 1;
inline constexpr char kPlanSuffix[] = "velmora";
// Larger files are refused unread.
inline constexpr qint64 kPlanMaxBytes = qint64{1024} * 1024;

// A plan read, or the reason why not (one sentence in the program's words).
struct PlanRead {
    std::optional<Plan> plan;
    QString error;
};

// The file's bytes for `plan`: the same plan always gives the same bytes.
QByteArray planJson(const Plan& plan);

// Reads and checks a plan; nothing out of range gets through.
PlanRead readPlan(const QByteArray& bytes);
// Reads the file at `path` (refused unread when over kPlanMaxBytes).
PlanRead readPlanFile(const QString& path);

// The checks writeFileWhole() makes before it writes: a folder that is there
// and may be written, no folder in the file's place.
bool canWriteFile(const QString& path, QString* why);

// Writes whole or not at all: the old file stays as it was when writing fails.
bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* why);

} // namespace velmora
