// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace velmora {

class PlanSession;

// The plan's figures written out, the same for the window's menu and the
// command line. Each writes its file whole or not at all; on failure `why`
// gets the reason.

// The report page as the report window prints it, with the plan's notes,
// as a PDF (the text stays text).
bool exportReportPdf(const PlanSession& session, const QString& path, QString* why);
// The channel table as CSV; "-" writes it to standard output.
bool exportChannelTableCsv(const PlanSession& session, const QString& path, QString* why);

} // namespace velmora
