#include "MainForm.h"

#include "Estimate.h"
#include "NumberRules.h"
#include "Single.h"
#include "Texts.h"

#include <cmath>

namespace velmora {

namespace {

// Typed bitrates and disk sizes from this value up are refused.
constexpr double kInputLimit = 9999999.0;
// Period entries from this value up are ignored.
constexpr double kPeriodLimit = 99999.0;

std::size_t wordIndex(DayWord word)
{
    return static_cast<std::size_t>(word);
}

} // namespace

void MainForm::calcbitsperpixel()
{
    const std::size_t c = cur();
    if (const auto base = baseBitsPerPixel(control(Ctl::Combo6).index)) bitsperpixel = *base;
    bitsperpixel = motionCorrected(bitsperpixel, ch.chmotion[c]);
    setText(Ctl::cabac, std::string(texts::kCabacOn));
    if (isIpCameraCase(ch.chprofile[c], ch.chresindex[c])) {
        bitsperpixel = ipCameraCorrected(bitsperpixel);
        setText(Ctl::cabac, std::string(texts::kCabacOff));
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
    const double v = control(Ctl::Text1).number;
    // A bitrate that a float cannot hold (only a huge negative one gets past
    // the upper limit) is refused like one that is too large, and so is one
    // that the float rounds up to the limit (9999998.9): the channel would
    // refuse its own bitrate the next time it is shown.
    if (v < kInputLimit && fitsSingle(v) && single(v) < kInputLimit) {
        ch.chbitrate[c] = single(v);
        calcvolumes();
    } else {
        setText(Ctl::Label11, std::string(texts::kTooMuch));
        setText(Ctl::Label5, std::string(texts::kTooMuch));
        setText(Ctl::Label6, std::string(texts::kTooMuch));
    }
}

void MainForm::showmanualmode(bool manual)
{
    for (Ctl caption : {Ctl::Label14, Ctl::Label40, Ctl::Label17, Ctl::Label18, Ctl::Label19, Ctl::Label15,
                        Ctl::Label16, Ctl::Label37, Ctl::Label46, Ctl::Label47})
        setEnabled(caption, !manual);
    setVisible(Ctl::Label1, manual);
    setText(Ctl::Label20, std::string(manual ? texts::kHintManual : texts::kHintComputed));
}

void MainForm::calcvolumes()
{
    const std::size_t c = cur();
    const ChannelVolumes v = channelVolumes(ch.chbitrate[c], hoursperday);
    kbpersec = v.kbpersec;
    if (!compact_) {
        perminute = v.perminute;
        setText(Ctl::Label10, std::string(v.minuteInMegabytes ? texts::kMegabytesMinute : texts::kKilobytes));
        perhour = v.perhour;
        setText(Ctl::Label7, std::string(v.hourInGigabytes ? texts::kGigabytes : texts::kMegabytes));
    }
    ch.chdaily[c] = v.daily;
    ch.chdailygb[c] = v.dailyInGigabytes ? kTrue : kFalse;
    setText(Ctl::Label8, std::string(v.dailyInGigabytes ? texts::kGigabytes : texts::kMegabytes));
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
            setText(Ctl::Label34, std::string(texts::kTooMuchDisk));
    }
    totalbitrate = totalBitrate(ch, channelcount);
    setText(Ctl::Label43, numberText(okrug(single(totalbitrate / 1024.0))));
}

void MainForm::calcperiod()
{
    const DayWord word = dayWord(perioddays);
    if (word != DayWord::Keep) setText(Ctl::Label41, std::string(texts::kPeriodDayWords[wordIndex(word)]));
    periodtotal = periodTotal(totaldaily, perioddays);
    setText(Ctl::Label29, numberText(okrug(periodtotal)));
}

void MainForm::calcdepth()
{
    if (totaldaily == 0) {
        setText(Ctl::Label34, std::string(texts::kInfinity));
    } else {
        const double disk = control(Ctl::Text2).number;
        if (!fitsSingle(disk)) {
            // A disk size a float cannot hold: refused, the depth and its word stay.
            setText(Ctl::Label34, std::string(texts::kTooMuchDisk));
            return;
        }
        hddsize = single(disk);
        depthdays = depthDays(hddsize, control(Ctl::Combo5).index, totaldaily);
        setText(Ctl::Label34, numberText(depthdays));
    }
    const DayWord word = dayWord(std::trunc(static_cast<double>(depthdays)));
    if (word != DayWord::Keep) setText(Ctl::Label35, std::string(texts::kDepthDayWords[wordIndex(word)]));
}

void MainForm::Text3_Change()
{
    const double v = control(Ctl::Text3).number;
    if (!(v < kPeriodLimit)) return;
    const double days = roundHalfEven(v);
    // The day count is a 16-bit number; a count it cannot hold is ignored
    // like one that is too large.
    if (days < -32768.0 || days > 32767.0) return;
    perioddays = static_cast<std::int16_t>(days);
    calcperiod();
}

void MainForm::Text3_Click()
{
    setVisible(Ctl::Label39, true);
}

void MainForm::Text3_LostFocus()
{
    setVisible(Ctl::Label39, false);
}

void MainForm::Text2_Change()
{
    if (control(Ctl::Text2).number < kInputLimit)
        calcdepth();
    else
        setText(Ctl::Label34, std::string(texts::kTooMuchDisk));
}

void MainForm::Text2_Click()
{
    setVisible(Ctl::Label36, true);
}

void MainForm::Text2_LostFocus()
{
    setVisible(Ctl::Label36, false);
}

void MainForm::Combo5_Click()
{
    Text2_Change();
}

} // namespace velmora
