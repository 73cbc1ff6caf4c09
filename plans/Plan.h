// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DiskArrayForm.h"
#include "FormContents.h"
#include "Recorders.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// Everything a plan file keeps of one recorder: the main window's contents,
// the report's notes and the disk-array dialog as typed.
struct Plan : FormContents {
    std::string notes;
    // The disk-array dialog as typed; none: the dialog's start values.
    std::optional<DiskArraySettings> diskArray;

    bool operator==(const Plan&) const = default;
};

// A site: one recorder or several, each a plan of its own with its name.
struct SiteRecorder {
    std::string name;
    Plan plan;

    bool operator==(const SiteRecorder&) const = default;
};

struct SitePlan {
    std::vector<SiteRecorder> recorders; // 1 to kMaxRecorders, names unique
    int recorderShown = 1;               // 1-based

    bool operator==(const SitePlan&) const = default;
};

} // namespace velmora
