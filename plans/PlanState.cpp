#include "PlanState.h"

#include "Estimate.h"
#include "NumberRules.h"
#include "Single.h"

namespace velmora {

namespace {

// The bitrate field refuses this and more.
constexpr double kBitrateLimit = 9999999.0;

} // namespace

Plan capturePlan(const MainForm& form, std::string notes)
{
    Plan plan;
    const ChannelTable& t = form.ch;
    for (int k = 1; k <= form.channelcount && k <= kMaxChannels; ++k) {
        const auto s = static_cast<std::size_t>(k);
        PlanChannel c;
        c.resolutionIndex = t.chresindex[s];
        c.frameRateIndex = t.chfpsindex[s];
        c.qualityIndex = t.chqualityindex[s];
        c.profileIndex = t.chprofile[s];
        c.hoursIndex = t.chhoursindex[s];
        c.codecIndex = t.chcodec[s];
        c.motion = t.chmotion[s] != 0;
        c.sound = t.chaudio[s] != 0;
        c.handTyped = t.chmanual[s] != kFalse;
        c.bitrate = t.chbitrate[s];
        c.daily = t.chdaily[s];
        c.dailyInGigabytes = t.chdailygb[s] != kFalse;
        plan.channels.push_back(c);
    }
    plan.channelShown = form.curchannel;
    plan.bitrateText = form.control(Ctl::Text1).text;
    plan.periodText = form.control(Ctl::Text3).text;
    plan.periodDays = form.perioddays;
    plan.diskText = form.control(Ctl::Text2).text;
    plan.diskUnitIndex = form.control(Ctl::Combo5).index;
    plan.notes = std::move(notes);
    return plan;
}

std::unique_ptr<MainForm> formFromPlan(const Plan& plan, Layout layout, std::string decimal, FormHost& host)
{
    auto form = createMainForm(layout, std::move(decimal), host);
    MainForm& f = *form;

    ChannelTable table;
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
        // as the window keeps it; the file's figure is there for other readers.
        const ChannelVolumes v = channelVolumes(c.bitrate, hoursPerDay(c.hoursIndex).value_or(0));
        table.chdaily[s] = v.daily;
        table.chdailygb[s] = v.dailyInGigabytes ? kTrue : kFalse;
    }
    f.ch = table;
    f.channelcount = static_cast<std::int16_t>(count);
    f.setText(Ctl::Label24, intText(count));
    f.setEnabled(Ctl::Command4, count > 1);
    f.curchannel = static_cast<std::int16_t>(plan.channelShown);
    f.perioddays = static_cast<std::int16_t>(plan.periodDays);

    // The channel is shown as the channel buttons show it; then the disk size
    // and the period fields take their texts as typed ones do, so the depth
    // and the period total come from the plan's own totals.
    f.showchannel();
    // The bitrate field reads as it did: the text the channel's bitrate came
    // from ("3371,1" for a computed 3371 where the separator is a comma, a
    // typed "1e3"). A text that reads to another bitrate, or that the field
    // refuses, is not taken: the field shows the channel's bitrate.
    const double typed = readNumber(plan.bitrateText);
    const float stored = f.ch.chbitrate[static_cast<std::size_t>(f.curchannel)];
    if (fitsSingle(typed) && single(typed) == stored && typed < kBitrateLimit && stored < kBitrateLimit) {
        f.settingbitrate = kTrue; // a write from code: the hand-typed mark stays as it is
        f.setText(Ctl::Text1, plan.bitrateText);
    }
    f.setListIndex(Ctl::Combo5, plan.diskUnitIndex);
    f.setText(Ctl::Text2, plan.diskText);
    f.setText(Ctl::Text3, plan.periodText);
    return form;
}

} // namespace velmora
