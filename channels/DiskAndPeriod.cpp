// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainForm.h"

#include "Depth.h"
#include "Estimate.h"
#include "Limits.h"
#include "NumberRules.h"
#include "Single.h"
#include "Texts.h"

// The period and the disk: their fields, the archive over the period and the
// depth the disk holds.
namespace velmora {

namespace {

std::size_t wordIndex(DayWord word)
{
    return static_cast<std::size_t>(word);
}

} // namespace

void MainForm::calcperiod()
{
    const DayWord word = dayWord(perioddays);
    if (word != DayWord::Keep) setText(Ctl::Label41, texts::kPeriodDayWords[wordIndex(word)]);
    periodtotal = periodTotal(totaldaily, perioddays);
    setText(Ctl::Label29, numberText(okrug(periodtotal)));
}

void MainForm::calcdepth()
{
    if (totaldaily == 0) {
        setText(Ctl::Label34, texts::kInfinity);
    } else {
        const double disk = control(Ctl::Text2).number;
        if (!fitsSingle(disk)) {
            // A disk size a float cannot hold: refused, the depth and its word stay.
            setText(Ctl::Label34, texts::kTooMuchDisk);
            return;
        }
        hddsize = single(disk);
        depthdays = depthDays(hddsize, control(Ctl::Combo5).index, totaldaily);
        setText(Ctl::Label34, numberText(depthdays));
    }
    setText(Ctl::Label35, std::string(depthDayWord(depthdays, control(Ctl::Label35).text)));
}

void MainForm::Text3_Change()
{
    const double v = control(Ctl::Text3).number;
    if (!(v < kPeriodLimit)) return;
    const double days = roundHalfEven(v);
    // A count the day count cannot hold is ignored like one that is too large.
    if (days < kFewestDays || days > kMostDays) return;
    perioddays = static_cast<DayCount>(days);
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
        setText(Ctl::Label34, texts::kTooMuchDisk);
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
