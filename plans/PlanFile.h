// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Plan.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmora {

// The plan file: one UTF-8 JSON object (docs/plan-format.md).
inline constexpr char kPlanFormatName[] = "velmora-plan";
// A plan of one recorder is version 1.1, or 1.2 when the recorder has a name
// of its own; a site of several recorders is 2.0.
inline constexpr int kPlanMajorVersion = 1;
inline constexpr int kPlanMinorVersion = 1;
inline constexpr int kNamedPlanMinorVersion = 2;
inline constexpr int kSiteMajorVersion = 2;
inline constexpr int kSiteMinorVersion = 0;
inline constexpr char kPlanSuffix[] = "velmora";
// Larger files are refused unread: a site of 32 full recorders, every
// channel with a measured record from a 250-character address and names of
// the longest, is 1.6 MB as written; the rest is room for long notes.
inline constexpr qint64 kPlanMaxMegabytes = 4;
inline constexpr qint64 kPlanMaxBytes = kPlanMaxMegabytes * 1024 * 1024;

// A plan read, or the reason why not (one sentence in the program's words).
struct PlanRead {
    std::optional<Plan> plan;
    QString error;
};

// A site read, or the reason why not.
struct SiteRead {
    std::optional<SitePlan> site;
    QString error;
};

// The file's bytes for `plan`: the same plan always gives the same bytes.
QByteArray planJson(const Plan& plan);
// The file's bytes for a site: a site of one recorder named as a recorder is
// when nobody names it ("Регистратор 1") is the plan of that recorder, byte
// for byte.
QByteArray siteJson(const SitePlan& site);

// Reads and checks a plan of one recorder (version 1); nothing out of range
// gets through.
PlanRead readPlan(const QByteArray& bytes);
// Reads and checks a plan of one recorder or several (versions 1 and 2).
SiteRead readSite(const QByteArray& bytes);
// Reads the file at `path` (refused unread when over kPlanMaxBytes).
PlanRead readPlanFile(const QString& path);
SiteRead readSiteFile(const QString& path);

// The checks writeFileWhole() makes before it writes: a folder that is there
// and may be written, no folder in the file's place.
bool canWriteFile(const QString& path, QString* why);

// Writes whole or not at all: the old file stays as it was when writing fails.
bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* why);

} // namespace velmora
