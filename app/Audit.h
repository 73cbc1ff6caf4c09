// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "SiteAudit.h"
#include "SourceList.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace velmora {

// --audit: every source of the list measured by velmora-measure processes of
// their own, several at once; a table of what they gave on standard output,
// a line on standard error for each source not measured, and the plan of
// the measured ones written whole. Status 0 when every source was measured,
// 1 when some were not or the plan could not be written (nothing is written
// then), kUsageError for a list that cannot be read.
int runAudit(const CommandLine& command, int argc, char* argv[]);

// Shared with --check. A line on standard error after "velmora: ".
void complain(const QString& line);
// Why a list cannot be read, after its name.
QString listProblemText(const measure::SourceList& list);
// Why a source gave no figures, as part of a line: "файл не найден".
QString whyNotMeasured(const AuditedSource& row);
// The table on standard output: every column as wide as its widest entry,
// two blanks between; a row's last entry runs on and widens nothing.
void printTable(const std::vector<QStringList>& rows);
// Measures every source of the list by velmora-measure processes beside the
// program, `jobs` at a time, on an event loop of the QCoreApplication that
// must exist. Stopped from outside, it stops every process and ends the
// program by the same signal.
SiteAudit measureSite(const measure::SourceList& list, int seconds, int jobs);

} // namespace velmora
