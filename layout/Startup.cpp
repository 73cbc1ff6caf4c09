// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "Limits.h"
#include "Options.h"

#include <vector>

namespace velmora {

Layout chooseLayout(int screenHeight)
{
    return screenHeight < kLayoutThreshold ? Layout::Compact : Layout::Tall;
}

const WindowDef& layoutTable(Layout layout)
{
    return layout == Layout::Compact ? compactLayout() : tallLayout();
}

namespace {

// Fills a list with the captions of its option table and selects its start-up entry.
template <typename Row, std::size_t N>
void fillAndSelect(MainForm& form, Ctl list, const std::array<Row, N>& options, int selected)
{
    for (const Row& option : options) form.addItem(list, option.caption);
    form.setListIndex(list, selected);
}

} // namespace

// The period the window starts with, in days.
constexpr DayCount kStartPeriodDays = 30;

void Form_Load(MainForm& form)
{
    form.perioddays = kStartPeriodDays;
    form.curchannel = 1;
    form.channelcount = 1;
    fillAndSelect(form, Ctl::Combo1, kHours, 0);
    fillAndSelect(form, Ctl::Combo2, kProfiles, 1);
    fillAndSelect(form, Ctl::Combo6, kQualities, 2);
    fillAndSelect(form, Ctl::Combo3, kFrameRates, 0);
    form.ch.chfpsindex[1] = 0;
    fillAndSelect(form, Ctl::Combo5, kDiskUnits, 0);
    fillAndSelect(form, Ctl::Combo4, kResolutions, 2);
    form.ch.chresindex[1] = 2;
    fillAndSelect(form, Ctl::Combo9, kCodecs, 2);
    form.ch.chcodec[1] = 2;
    form.settingbitrate = kFalse;
}

std::unique_ptr<MainForm> createMainForm(Layout layout, std::string decimal, FormHost& host)
{
    const WindowDef& table = layoutTable(layout);
    std::vector<ControlStart> starts;
    starts.reserve(table.controls.size());
    for (const ControlRow& control : table.controls) starts.push_back(controlStart(control));
    auto form = std::make_unique<MainForm>(starts, layout == Layout::Compact, std::move(decimal), host);
    Form_Load(*form);
    return form;
}

PlanSession sessionFor(Layout layout, const std::string& decimal, FormHost& host)
{
    return PlanSession([layout, decimal](FormHost& h) { return createMainForm(layout, decimal, h); }, decimal,
                       host);
}

} // namespace velmora
