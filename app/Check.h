// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

namespace velmora {

// --check: every camera of the list measured as --audit measures it and
// checked against the plan: a table (or, with --json, one JSON object) on
// standard output. Status 0 when the plan still holds, 1 when something
// falls short (each named on a line of its own), kUsageError when the check
// cannot run (no plan, a list that cannot be read). The plan is never written.
int runCheck(const CommandLine& command, int argc, char* argv[]);

} // namespace velmora
