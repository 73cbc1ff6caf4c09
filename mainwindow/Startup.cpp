#include "Startup.h"

#include "Texts.h"

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

template <std::size_t N>
void fillAndSelect(MainForm& form, Ctl list, const std::array<std::string_view, N>& entries, int selected)
{
    for (std::string_view entry : entries) form.addItem(list, entry);
    form.setListIndex(list, selected);
}

} // namespace

void Form_Load(MainForm& form)
{
    form.perioddays = 30;
    form.curchannel = 1;
    form.channelcount = 1;
    fillAndSelect(form, Ctl::Combo1, texts::kHoursList, 0);
    fillAndSelect(form, Ctl::Combo2, texts::kProfileList, 1);
    fillAndSelect(form, Ctl::Combo6, texts::kQualityList, 2);
    fillAndSelect(form, Ctl::Combo3, texts::kFpsList, 0);
    form.ch.chfpsindex[1] = 0;
    fillAndSelect(form, Ctl::Combo5, texts::kDiskUnitList, 0);
    fillAndSelect(form, Ctl::Combo4, texts::kResolutionList, 2);
    form.ch.chresindex[1] = 2;
    fillAndSelect(form, Ctl::Combo9, texts::kCodecList, 2);
    form.ch.chcodec[1] = 2;
    form.settingbitrate = kFalse;
}

std::unique_ptr<MainForm> createMainForm(Layout layout, std::string decimal, FormHost& host)
{
    const WindowDef& table = layoutTable(layout);
    std::vector<ControlStart> starts;
    starts.reserve(table.controls.size());
    for (const ControlDef& control : table.controls) starts.push_back(control.start);
    auto form = std::make_unique<MainForm>(starts, layout == Layout::Compact, std::move(decimal), host);
    Form_Load(*form);
    return form;
}

} // namespace velmora
