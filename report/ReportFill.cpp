#include "ReportFill.h"

#include "NumberRules.h"
#include "ReportLayout.h"
#include "Single.h"
#include "Texts.h"

#include <array>
#include <stdexcept>

namespace velmora {

namespace {

constexpr std::array<std::string_view, 3> kProfileTexts = {"Base", "Main", "High"};
constexpr std::array<std::string_view, 7> kResolutionTexts = {"1920x1080", "1280x720", "926x576", "704x576",
                                                              "640x480",   "640x360",  "352x288"};
constexpr std::array<std::string_view, 9> kQualityTexts = {
    "(9)Прекр.", " (8)Отл.", "(7)Хор.", "(6)Норм.", "(5)Плох.", "(4)Оч.пл", "(3)", "(2)", "(1)"};

// A hand-typed (CBR) row has these words where profile, quality and frame rate stand.
constexpr std::string_view kCbrProfile = "CBR";
constexpr std::string_view kCbrQuality = "битрейт";
constexpr std::string_view kCbrUnit = "Кбит/сек";

// Writes the entry for `index`; an index outside the list leaves the text as it was.
template <std::size_t N>
void setFromList(ControlState& state, const std::array<std::string_view, N>& list, long index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < N) state.text = list[static_cast<std::size_t>(index)];
}

} // namespace

ReportFill::ReportFill()
{
    const auto& controls = reportControls();
    states_.reserve(controls.size());
    for (const ReportControl& control : controls) states_.push_back({control.caption, !control.hidden});
}

const ControlState* ReportFill::find(std::string_view name) const
{
    const auto index = reportControlIndex(name);
    return index ? &states_[*index] : nullptr;
}

ControlState& ReportFill::at(std::string_view name)
{
    const auto index = reportControlIndex(name);
    if (!index) throw std::logic_error("the report has no control " + std::string(name));
    return states_[*index];
}

ControlState& ReportFill::cell(std::string_view array, int channel)
{
    return at(elementName(array, channel));
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
            for (std::string_view array : kRowArrays) cell(array, k).visible = false;
        }
    }

    at("Label6").text = floatText(okrug(in.totaldaily), decimal);

    const bool withPeriod = in.perioddays >= 1;
    for (std::string_view name : {"Label25", "Label26", "Label9", "Label8", "Label10"}) {
        at(name).visible = withPeriod;
    }
    if (withPeriod) {
        at("Label25").text = intText(in.perioddays);
        at("Label26").text = in.periodDayWord;
        at("Label9").text = floatText(okrug(in.periodtotal), decimal);
    }

    // The disk size is shown as the main window holds it, not rounded.
    at("Label31").text = floatText(in.hddsize, decimal);
    at("Label32").text = in.diskUnitIndex == 0 ? texts::kTerabytes : texts::kGigabytes;

    at("Label34").text = in.depthText;
    at("Label35").text = in.depthDayWord;
    at("Label37").text = in.totalBitrateText;
}

void ReportFill::fillRow(const ChannelTable& table, int k, std::string_view decimal)
{
    for (std::string_view array : kRowArrays) cell(array, k).visible = true;
    cell("Label1", k).text = intText(k);

    if (table.chmanual[k] == kFalse) {
        setFromList(cell("Label2", k), kProfileTexts, table.chprofile[k]);
        setFromList(cell("Label3", k), kResolutionTexts, table.chresindex[k]);
        setFromList(cell("Label12", k), kQualityTexts, table.chqualityindex[k]);
        cell("Label4", k).text = intText(25 - table.chfpsindex[k]);
    } else {
        cell("Label2", k).text = kCbrProfile;
        cell("Label12", k).text = kCbrQuality;
        cell("Label3", k).text = floatText(okrug(table.chbitrate[k]), decimal);
        cell("Label4", k).text = kCbrUnit;
    }

    const float daily = table.chdaily[k];
    const float dailyGb = table.chdailygb[k] != kFalse ? daily : single(static_cast<double>(daily) / 1024.0);
    cell("Label28", k).text = floatText(okrug(dailyGb), decimal);
    cell("Label11", k).text = intText(24 - table.chhoursindex[k]);
}

} // namespace velmora
