// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainForm.h"

#include "NumberRules.h"
#include "Texts.h"

namespace velmora {

void MainForm::Command1_Click()
{
    ++curchannel;
    if (curchannel > channelcount) curchannel = 1;
    showchannel();
}

void MainForm::Command2_Click()
{
    --curchannel;
    if (curchannel < 1) curchannel = channelcount;
    showchannel();
}

void MainForm::Command3_Click()
{
    if (channelcount < kMaxChannels) {
        ++channelcount;
        setText(Ctl::Label24, intText(channelcount));
        copychannel();
        showchannel();
    }
    setEnabled(Ctl::Command4, true);
}

void MainForm::Command4_Click()
{
    const std::int16_t c = curchannel;
    const std::int16_t n = channelcount;
    if (n <= 1) {
        setEnabled(Ctl::Command4, false);
        return;
    }
    ch.chbitrate.at(static_cast<std::size_t>(c)) = 0;
    ch.chmanual.at(static_cast<std::size_t>(c)) = kFalse;
    channelcount = static_cast<std::int16_t>(n - 1);
    setText(Ctl::Label24, intText(channelcount));
    shiftchannels();
    // The slot that fell out of use keeps no bitrate, so it counts nowhere.
    ch.chbitrate.at(static_cast<std::size_t>(n)) = 0;
    cameras.at(static_cast<std::size_t>(n)) = {};
    if (c == n) curchannel = static_cast<std::int16_t>(n - 1);
    showchannel();
    if (channelcount == 1) setEnabled(Ctl::Command4, false);
}

void MainForm::Command6_Click()
{
    if (!host_.askYesNo(texts::kCopyTitle, texts::kCopyQuestion)) return;
    const int count = channelcount;
    for (int i = 1; i <= count; ++i) ch.copySettings(curchannel, i);
    // The others take this channel's bitrate, not what their cameras sent.
    for (int i = 1; i <= count; ++i)
        if (i != curchannel) cameras.at(static_cast<std::size_t>(i)).measured.reset();
    calctotals();
}

void MainForm::copychannel()
{
    ch.copyChannel(curchannel, channelcount);
    // A new channel with the same settings is another camera: no name, nothing measured.
    cameras.at(static_cast<std::size_t>(channelcount)) = {};
    curchannel = channelcount;
}

void MainForm::shiftchannels()
{
    for (int i = curchannel; i <= channelcount; ++i) {
        ch.copyChannel(i + 1, i);
        const auto slot = static_cast<std::size_t>(i);
        cameras.at(slot) = cameras.at(slot + 1);
    }
}

} // namespace velmora
