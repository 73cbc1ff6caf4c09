// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

namespace velmora {

// --export-pdf and --export-csv: the plan loaded into the form as the window
// loads it, the report page and the channel table written from there. Runs
// on the offscreen platform, prints nothing on success; on failure one line
// naming the file and the reason, status kExportFailed, and no output file.
int runExport(const CommandLine& command, int argc, char* argv[]);

} // namespace velmora
