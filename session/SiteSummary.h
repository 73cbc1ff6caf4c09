// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora {

class PlanSession;

// "Сводка объекта": each recorder's figures as its own window and disk-array
// dialog show them, and the site's totals. The totals add up the figures the
// rows show, so that they are the sums a reader of the table gets by hand.
struct RecorderSummary {
    std::string name;
    std::string channels;        // "Всего каналов"
    std::string stream;          // the total stream in the program's Мбит/с, as the window shows it
    std::string networkStream;   // the same in the network's decimal Mbit/s, two decimals at most
    std::string dayTotal;        // the archive a day, Гбайт, as the window shows it
    std::string disk;            // the disk size field and its unit ("2 Тбайт")
    std::string depth;           // the depth figure as the window shows it, and its day word
    std::string daysWanted;      // the disk-array dialog's days wanted as typed; empty: not asked
    std::optional<bool> reached; // the depth reaches the days wanted; none: not asked
    std::string disksNeeded;     // the dialog's disks for the days wanted; empty: not asked
};

struct SiteSummary {
    std::vector<RecorderSummary> recorders;
    std::string cameras;       // the channels of every recorder
    std::string networkStream; // what the site's network carries, decimal Mbit/s
    std::string dayTotal;      // Гбайт a day
    std::string disksNeeded;   // disks in all for the days wanted; empty: no recorder asks
};

SiteSummary summarizeSite(const PlanSession& session);

} // namespace velmora
