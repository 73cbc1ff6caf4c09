// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

namespace velmora {

// --audit: every source of the list measured by velmora-measure processes of
// their own, several at once; a table of what they gave on standard output,
// a line on standard error for each source not measured, and the plan of
// the measured ones written whole. Status 0 when every source was measured,
// 1 when some were not or the plan could not be written (nothing is written
// then), kUsageError for a list that cannot be read.
int runAudit(const CommandLine& command, int argc, char* argv[]);

} // namespace velmora
