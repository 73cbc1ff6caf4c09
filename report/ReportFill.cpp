// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFill.h"

#include "Limits.h"
#include "NumberRules.h"
#include "Options.h"
#include "ReportLayout.h"
#include "ReportTexts.h"
#include "Single.h"

#include <array>

namespace velmora {

namespace {

using reporttexts::kCbrProfile;
using reporttexts::kCbrQuality;
using reporttexts::kCbrUnit;

// Writes what `text` makes of the option at `position`; a position outside the
// list leaves the text as it was.
template <typename Row, std::size_t N, typename Text>
void setFromOption(ControlState& state, const std::array<Row, N>& options, long position, Text text)
{
    if (const Row* option = optionAt(options, position)) state.text = text(*option);
}

} // namespace

ReportInput reportInputOf(const MainForm& f)
{
    ReportInput in;
    in.table = &f.ch;
    in.totaldaily = f.totaldaily;
    in.perioddays = f.perioddays;
    in.periodtotal = f.periodtotal;
    in.hddsize = f.hddsize;
    in.diskUnitIndex = f.control(Ctl::Combo5).index;
    in.periodDayWord = f.control(Ctl::Label41).text;
    in.depthText = f.control(Ctl::Label34).text;
    in.depthDayWord = f.control(Ctl::Label35).text;
    in.totalBitrateText = f.control(Ctl::Label43).text;
    in.decimal = f.decimal();
    return in;
}

ReportFill::ReportFill()
{
    const auto controls = reportControls();
    states_.reserve(controls.size());
    for (const ControlRow& control : controls)
        states_.push_back({std::string(control.caption), !control.hidden});
}

void ReportFill::fill(const ReportInput& in)
{
    // Without a table every channel counts as absent.
    static const ChannelTable kNoChannels{};
    const ChannelTable& table = in.table ? *in.table : kNoChannels;
    const std::string_view decimal = in.decimal;

    for (int k = 1; k <= kMaxChannels; ++k) {
        if (table.chbitrate[k] > 0.0f) {
            fillRow(table, k, decimal);
        } else {
            // Hidden rows keep their texts.
            for (RowArray array : kRowArrays) writableCell(array, k).visible = false;
        }
    }

    writable(ReportCtl::Label6).text = floatText(okrug(in.totaldaily), decimal);

    const bool withPeriod = in.perioddays >= 1;
    for (ReportCtl id :
         {ReportCtl::Label25, ReportCtl::Label26, ReportCtl::Label9, ReportCtl::Label8, ReportCtl::Label10}) {
        writable(id).visible = withPeriod;
    }
    if (withPeriod) {
        writable(ReportCtl::Label25).text = intText(in.perioddays);
        writable(ReportCtl::Label26).text = in.periodDayWord;
        writable(ReportCtl::Label9).text = floatText(okrug(in.periodtotal), decimal);
    }

    // The disk size is shown as the main window holds it, not rounded.
    writable(ReportCtl::Label31).text = floatText(in.hddsize, decimal);
    writable(ReportCtl::Label32).text = diskUnitAt(in.diskUnitIndex).caption;

    writable(ReportCtl::Label34).text = in.depthText;
    writable(ReportCtl::Label35).text = in.depthDayWord;
    writable(ReportCtl::Label37).text = in.totalBitrateText;
}

void ReportFill::fillRow(const ChannelTable& table, int k, std::string_view decimal)
{
    for (RowArray array : kRowArrays) writableCell(array, k).visible = true;
    writableCell(RowArray::Label1, k).text = intText(k);

    if (table.chmanual[k] == kFalse) {
        setFromOption(writableCell(RowArray::Label2, k), kProfiles, table.chprofile[k],
                      [](const ProfileOption& o) { return std::string(o.reportText); });
        setFromOption(writableCell(RowArray::Label3, k), kResolutions, table.chresindex[k],
                      [](const ResolutionOption& o) { return std::string(o.reportText); });
        setFromOption(writableCell(RowArray::Label12, k), kQualities, table.chqualityindex[k],
                      [](const QualityOption& o) { return std::string(o.reportText); });
        setFromOption(writableCell(RowArray::Label4, k), kFrameRates, table.chfpsindex[k],
                      [](const FrameRateOption& o) { return intText(o.framesPerSecond); });
    } else {
        writableCell(RowArray::Label2, k).text = kCbrProfile;
        writableCell(RowArray::Label12, k).text = kCbrQuality;
        writableCell(RowArray::Label3, k).text = floatText(okrug(table.chbitrate[k]), decimal);
        writableCell(RowArray::Label4, k).text = kCbrUnit;
    }

    const float daily = table.chdaily[k];
    const float dailyGb =
        table.chdailygb[k] != kFalse ? daily : single(static_cast<double>(daily) / kUnitStep);
    writableCell(RowArray::Label28, k).text = floatText(okrug(dailyGb), decimal);
    setFromOption(writableCell(RowArray::Label11, k), kHours, table.chhoursindex[k],
                  [](const HoursOption& o) { return intText(o.hoursPerDay); });
}

} // namespace velmora
