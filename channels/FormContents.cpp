// SPDX-License-Identifier: GPL-3.0-or-later
// The form and a plan's contents: what a plan keeps of the form, and loading
// it back into a form in its start state.

#include "Estimate.h"
#include "Limits.h"
#include "MainForm.h"
#include "NumberRules.h"
#include "Options.h"
#include "Single.h"

#include <charconv>

namespace velmora {

namespace {

// The shortest decimal, with a period, that reads back to exactly `value`.
std::string exactText(float value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return {text, end};
}

bool readsTo(const std::string& text, float value)
{
    const double typed = readNumber(text);
    return bitrateAccepted(typed) && single(typed) == value;
}

} // namespace

FormContents MainForm::contents() const
{
    FormContents plan;
    for (int k = 1; k <= channelcount && k <= kMaxChannels; ++k) {
        const auto s = static_cast<std::size_t>(k);
        PlanChannel c;
        c.resolutionIndex = ch.chresindex[s];
        c.frameRateIndex = ch.chfpsindex[s];
        c.qualityIndex = ch.chqualityindex[s];
        c.profileIndex = ch.chprofile[s];
        c.hoursIndex = ch.chhoursindex[s];
        c.codecIndex = ch.chcodec[s];
        c.motion = ch.chmotion[s] != 0;
        c.sound = ch.chaudio[s] != 0;
        c.handTyped = ch.chmanual[s] != kFalse;
        c.bitrate = ch.chbitrate[s];
        c.daily = ch.chdaily[s];
        c.dailyInGigabytes = ch.chdailygb[s] != kFalse;
        c.camera = cameras[s];
        plan.channels.push_back(c);
    }
    plan.channelShown = curchannel;
    plan.bitrateText = control(Ctl::Text1).text;
    plan.periodText = control(Ctl::Text3).text;
    plan.periodDays = perioddays;
    plan.diskText = control(Ctl::Text2).text;
    plan.diskUnitIndex = control(Ctl::Combo5).index;
    return plan;
}

void MainForm::load(const FormContents& plan)
{
    ChannelTable table;
    std::array<ChannelCamera, kSlots> named{};
    const int count = static_cast<int>(plan.channels.size());
    for (int k = 1; k <= count; ++k) {
        const PlanChannel& c = plan.channels[static_cast<std::size_t>(k - 1)];
        const auto s = static_cast<std::size_t>(k);
        table.chresindex[s] = static_cast<std::int16_t>(c.resolutionIndex);
        table.chfpsindex[s] = static_cast<std::int16_t>(c.frameRateIndex);
        table.chqualityindex[s] = static_cast<std::int16_t>(c.qualityIndex);
        table.chprofile[s] = static_cast<std::uint8_t>(c.profileIndex);
        table.chhoursindex[s] = static_cast<std::int16_t>(c.hoursIndex);
        table.chcodec[s] = static_cast<std::uint8_t>(c.codecIndex);
        table.chmotion[s] = c.motion ? 1 : 0;
        table.chaudio[s] = c.sound ? 1 : 0;
        table.chmanual[s] = c.handTyped ? kTrue : kFalse;
        table.chbitrate[s] = c.bitrate;
        // A channel's day volume always follows from its bitrate and hours,
        // as the form keeps it; the file's figure is there for other readers.
        const ChannelVolumes v = channelVolumes(c.bitrate, hoursPerDay(c.hoursIndex).value_or(0));
        table.chdaily[s] = v.daily;
        table.chdailygb[s] = v.dailyInGigabytes ? kTrue : kFalse;
        named[s] = c.camera;
    }
    ch = table;
    cameras = std::move(named);
    channelcount = static_cast<std::int16_t>(count);
    setText(Ctl::Label24, intText(count));
    setEnabled(Ctl::Command4, count > 1);
    curchannel = static_cast<std::int16_t>(plan.channelShown);
    perioddays = static_cast<std::int16_t>(plan.periodDays);

    // The channel is shown as the channel buttons show it, except for the
    // text its bitrate field gets: the field reads what it is given, and the
    // text shown for a channel reads back only up to a comma ("4776,076" is
    // 4776). So the field gets the text it had when that text reads to the
    // channel's bitrate (a typed "4776.076", "-0.001", "&H10", or "3371,1"
    // for a computed 3371), else the text shown for the bitrate where that
    // reads back to it, else the shortest one that does. Every figure then
    // comes from the form's own handlers, from exactly the saved bitrate.
    const float stored = ch.chbitrate[cur()];
    std::string field = plan.bitrateText;
    if (!readsTo(field, stored)) field = numberText(stored);
    if (!readsTo(field, stored)) field = exactText(stored);
    showchannel(std::move(field));
    setListIndex(Ctl::Combo5, plan.diskUnitIndex);
    setText(Ctl::Text2, plan.diskText);
    setText(Ctl::Text3, plan.periodText);
}

} // namespace velmora
