// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelTable.h"
#include "MainForm.h"
#include "ReportLayout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// What the report is filled from: the main window's channel table, its
// totals, the position of its disk unit list and the texts of four of its
// result labels, as the main window shows them.
struct ReportInput {
    const ChannelTable* table = nullptr;
    float totaldaily = 0.0f; // GB per day
    std::int16_t perioddays = 0;
    float periodtotal = 0.0f; // TB
    float hddsize = 0.0f;
    int diskUnitIndex = 0;        // Combo5: 0 "Тбайт", 1 "Гбайт"
    std::string periodDayWord;    // day word of the period
    std::string depthText;        // archive depth
    std::string depthDayWord;     // day word of the depth
    std::string totalBitrateText; // total bitrate in Mbit/s
    std::string decimal = ".";    // the regional decimal separator
};

// The report's input as the main window's form holds it; `table` points into the form.
ReportInput reportInputOf(const MainForm& form);

// What one control of the report shows.
struct ControlState {
    std::string text;
    bool visible = true;
};

// The report's controls as plain data, in the order of reportControls(),
// starting in the design state. fill() writes them exactly as the report is
// filled; the view copies them into its widgets.
class ReportFill {
public:
    ReportFill();

    void fill(const ReportInput& in);

    const std::vector<ControlState>& states() const { return states_; }
    const ControlState& at(ReportCtl id) const { return states_[reportIndex(id)]; }
    // Channel `channel`'s (1..32) element of `array`.
    const ControlState& cell(RowArray array, int channel) const
    {
        return states_[reportIndex(array, channel)];
    }

private:
    ControlState& writable(ReportCtl id) { return states_[reportIndex(id)]; }
    ControlState& writableCell(RowArray array, int channel) { return states_[reportIndex(array, channel)]; }
    void fillRow(const ChannelTable& table, int k, std::string_view decimal);

    std::vector<ControlState> states_;
};

} // namespace velmora
