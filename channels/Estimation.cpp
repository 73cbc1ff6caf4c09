// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainForm.h"

#include "Estimate.h"
#include "Limits.h"
#include "NumberRules.h"
#include "Single.h"
#include "Texts.h"

namespace velmora {

void MainForm::calcbitsperpixel()
{
    const std::size_t c = cur();
    if (const auto base = baseBitsPerPixel(control(Ctl::Combo6).index)) bitsperpixel = *base;
    bitsperpixel = motionCorrected(bitsperpixel, ch.chmotion[c]);
    setText(Ctl::cabac, texts::kCabacOn);
    if (isIpCameraCase(ch.chprofile[c], ch.chresindex[c])) {
        bitsperpixel = ipCameraCorrected(bitsperpixel);
        setText(Ctl::cabac, texts::kCabacOff);
    }
    setText(Ctl::Label18, numberText(bitsperpixel));
}

void MainForm::calcbitrate()
{
    const std::size_t c = cur();
    audiorate = audioRate(ch.chaudio[c], ch.chcodec[c]);
    ch.chbitrate[c] = channelBitrate(framerate, bitsperpixel, framewidth, frameheight, audiorate);
    settingbitrate = kTrue;
    showmanualmode(false);
    // The field's change handling runs once for this write and stores the
    // value read back from the text.
    setText(Ctl::Text1, numberText(okrug(ch.chbitrate[c])));
}

void MainForm::Text1_Change()
{
    const std::size_t c = cur();
    if (settingbitrate) {
        settingbitrate = kFalse;
    } else {
        showmanualmode(true);
        if (!loadingchannel) ch.chmanual[c] = kTrue;
    }
    // Typed, or recomputed from a changed setting: no longer what was measured.
    if (!loadingchannel) cameras[c].measured.reset();
    const double v = control(Ctl::Text1).number;
    if (bitrateAccepted(v)) {
        ch.chbitrate[c] = single(v);
        calcvolumes();
    } else {
        setText(Ctl::Label11, texts::kTooMuch);
        setText(Ctl::Label5, texts::kTooMuch);
        setText(Ctl::Label6, texts::kTooMuch);
    }
}

void MainForm::showmanualmode(bool manual)
{
    for (Ctl caption : {Ctl::Label14, Ctl::Label40, Ctl::Label17, Ctl::Label18, Ctl::Label19, Ctl::Label15,
                        Ctl::Label16, Ctl::Label37, Ctl::Label46, Ctl::Label47})
        setEnabled(caption, !manual);
    setVisible(Ctl::Label1, manual);
    setText(Ctl::Label20, manual ? texts::kHintManual : texts::kHintComputed);
}

void MainForm::calcvolumes()
{
    const std::size_t c = cur();
    const ChannelVolumes v = channelVolumes(ch.chbitrate[c], hoursperday);
    kbpersec = v.kbpersec;
    if (!compact_) {
        perminute = v.perminute;
        setText(Ctl::Label10, v.minuteInMegabytes ? texts::kMegabytesMinute : texts::kKilobytes);
        perhour = v.perhour;
        setText(Ctl::Label7, v.hourInGigabytes ? texts::kGigabytes : texts::kMegabytes);
    }
    ch.chdaily[c] = v.daily;
    ch.chdailygb[c] = v.dailyInGigabytes ? kTrue : kFalse;
    setText(Ctl::Label8, v.dailyInGigabytes ? texts::kGigabytes : texts::kMegabytes);
    if (!compact_) {
        setText(Ctl::Label11, numberText(okrug(perminute)));
        setText(Ctl::Label5, numberText(okrug(perhour)));
    }
    setText(Ctl::Label6, numberText(okrug(ch.chdaily[c])));
    calctotals();
}

void MainForm::calctotals()
{
    totaldaily = dayTotal(ch, channelcount);
    setText(Ctl::Label26, numberText(okrug(totaldaily)));
    calcperiod();
    const double disk = control(Ctl::Text2).number;
    if (disk > 0) {
        if (disk < kInputLimit)
            calcdepth();
        else
            setText(Ctl::Label34, texts::kTooMuchDisk);
    }
    totalbitrate = totalBitrate(ch, channelcount);
    setText(Ctl::Label43, numberText(okrug(single(totalbitrate / kUnitStep))));
}

} // namespace velmora
