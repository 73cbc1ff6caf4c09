// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DiskArrayForm.h"
#include "FormContents.h"

#include <optional>
#include <string>

namespace velmora {

// Everything a plan file keeps: the main window's contents, the report's
// notes and the disk-array dialog as typed.
struct Plan : FormContents {
    std::string notes;
    // The disk-array dialog as typed; none: the dialog's start values.
    std::optional<DiskArraySettings> diskArray;

    bool operator==(const Plan&) const = default;
};

} // namespace velmora
