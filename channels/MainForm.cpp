// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainForm.h"

#include "Estimate.h"
#include "NumberRules.h"
#include "Texts.h"

namespace velmora {

MainForm::MainForm(std::span<const ControlStart> controls, bool compact, std::string decimal, FormHost& host)
    : compact_(compact), decimal_(std::move(decimal)), host_(host)
{
    for (const ControlStart& start : controls) {
        Control& c = at(start.id);
        c.present = true;
        c.text = std::string(start.caption);
        c.visible = !start.hidden;
        c.enabled = !start.disabled;
        if (controlKind(start.id) == Kind::TextBox) c.number = readNumber(c.text);
    }
}

std::string MainForm::numberText(float value) const
{
    return floatText(value, decimal_);
}

void MainForm::addItem(Ctl list, std::string_view entry)
{
    Control& c = at(list);
    if (!c.present || controlKind(list) != Kind::List) return;
    c.entries.emplace_back(entry);
    ++c.revision;
}

void MainForm::setListIndex(Ctl list, int position)
{
    Control& c = at(list);
    if (!c.present || controlKind(list) != Kind::List) return;
    if (position < -1 || position >= static_cast<int>(c.entries.size())) return;
    if (c.index == position) return; // nothing the list shows changes: no handler
    c.index = position;
    ++c.revision;
    runHandler(list);
}

void MainForm::setCheckValue(Ctl box, int value)
{
    Control& c = at(box);
    if (!c.present || controlKind(box) != Kind::CheckBox) return;
    const int v = value != 0 ? 1 : 0;
    if (c.value == v) return;
    c.value = v;
    ++c.revision;
    runHandler(box);
}

void MainForm::setText(Ctl id, std::string text)
{
    Control& c = at(id);
    if (!c.present) return; // the compact layout has no per-minute and per-hour rows
    const bool changed = c.text != text;
    if (changed) {
        c.text = std::move(text);
        ++c.revision;
    }
    // A text box runs its change handling on every write, also an unchanged
    // one; its number is read again only when its text changed.
    if (controlKind(id) == Kind::TextBox) {
        if (changed) c.number = readNumber(c.text);
        runHandler(id);
    }
}

void MainForm::setVisible(Ctl id, bool visible)
{
    Control& c = at(id);
    if (c.visible == visible) return;
    c.visible = visible;
    ++c.revision;
}

void MainForm::setEnabled(Ctl id, bool enabled)
{
    Control& c = at(id);
    if (c.enabled == enabled) return;
    c.enabled = enabled;
    ++c.revision;
}

void MainForm::setFlat(Ctl picture, bool flat)
{
    Control& c = at(picture);
    if (c.flat == flat) return;
    c.flat = flat;
    ++c.revision;
}

void MainForm::runHandler(Ctl id)
{
    switch (id) {
    case Ctl::Combo1: Combo1_Click(); break;
    case Ctl::Combo2: Combo2_Click(); break;
    case Ctl::Combo3: Combo3_Click(); break;
    case Ctl::Combo4: Combo4_Click(); break;
    case Ctl::Combo5: Combo5_Click(); break;
    case Ctl::Combo6: Combo6_Click(); break;
    case Ctl::Combo9: Combo9_Click(); break;
    case Ctl::Check1: Check1_Click(); break;
    case Ctl::Check2: Check2_Click(); break;
    case Ctl::Text1: Text1_Change(); break;
    case Ctl::Text2: Text2_Change(); break;
    case Ctl::Text3: Text3_Change(); break;
    default: break;
    }
}

bool MainForm::userSelect(Ctl list, int position)
{
    const Control& c = control(list);
    if (!c.present || !c.enabled || controlKind(list) != Kind::List) return false;
    if (position < 0 || position >= static_cast<int>(c.entries.size())) return false;
    setListIndex(list, position);
    return true;
}

bool MainForm::userSetCheck(Ctl box, int value)
{
    const Control& c = control(box);
    if (!c.present || !c.enabled || controlKind(box) != Kind::CheckBox) return false;
    setCheckValue(box, value);
    return true;
}

bool MainForm::userEdit(Ctl textBox, std::string text)
{
    const Control& c = control(textBox);
    if (!c.present || !c.enabled || controlKind(textBox) != Kind::TextBox) return false;
    setText(textBox, std::move(text));
    return true;
}

bool MainForm::userClick(Ctl id)
{
    const Control& c = control(id);
    if (!c.present || !c.enabled || !c.visible) return false;
    switch (id) {
    case Ctl::Command1: Command1_Click(); return true;
    case Ctl::Command2: Command2_Click(); return true;
    case Ctl::Command3: Command3_Click(); return true;
    case Ctl::Command4: Command4_Click(); return true;
    case Ctl::Command5: Command5_Click(); return true;
    case Ctl::Command6: Command6_Click(); return true;
    case Ctl::Text2: Text2_Click(); return true;
    case Ctl::Text3: Text3_Click(); return true;
    case Ctl::Image2: Image2_Click(); return true;
    default: return false;
    }
}

bool MainForm::userLeave(Ctl textBox)
{
    switch (textBox) {
    case Ctl::Text2: Text2_LostFocus(); return true;
    case Ctl::Text3: Text3_LostFocus(); return true;
    case Ctl::Text1: return true;
    default: return false;
    }
}

// Settings of the current channel: each stores its control's value in the
// current slot, then recomputes in the fixed order.

void MainForm::Combo4_Click()
{
    const int position = control(Ctl::Combo4).index;
    ch.chresindex[cur()] = static_cast<std::int16_t>(position);
    if (const auto size = frameSize(position)) {
        framewidth = size->width;
        frameheight = size->height;
    }
    calcbitsperpixel();
    settingchanged();
}

void MainForm::Combo3_Click()
{
    ch.chfpsindex[cur()] = static_cast<std::int16_t>(control(Ctl::Combo3).index);
    if (const auto rate = frameRate(ch.chfpsindex[cur()])) framerate = *rate;
    settingchanged();
}

void MainForm::Combo6_Click()
{
    ch.chqualityindex[cur()] = static_cast<std::int16_t>(control(Ctl::Combo6).index);
    calcbitsperpixel();
    setText(Ctl::Label18, numberText(bitsperpixel));
    settingchanged();
}

void MainForm::Combo2_Click()
{
    ch.chprofile[cur()] = static_cast<std::uint8_t>(control(Ctl::Combo2).index);
    calcbitsperpixel();
    settingchanged();
}

void MainForm::Check1_Click()
{
    ch.chmotion[cur()] = static_cast<std::uint8_t>(control(Ctl::Check1).value);
    calcbitsperpixel();
    settingchanged();
}

void MainForm::Combo9_Click()
{
    ch.chcodec[cur()] = static_cast<std::uint8_t>(control(Ctl::Combo9).index);
    settingchanged();
}

void MainForm::Check2_Click()
{
    ch.chaudio[cur()] = static_cast<std::uint8_t>(control(Ctl::Check2).value);
    // A hand-typed channel being shown keeps its bitrate, and the codec list
    // keeps the enabled state it had.
    if (loadingchannel && ch.chmanual[cur()]) return;
    settingchanged();
    const bool sound = ch.chaudio[cur()] == 1;
    setEnabled(Ctl::Combo9, sound);
    setEnabled(Ctl::Label44, sound);
}

void MainForm::Combo1_Click()
{
    const int position = control(Ctl::Combo1).index;
    if (const auto hours = hoursPerDay(position)) hoursperday = static_cast<std::int16_t>(*hours);
    ch.chhoursindex[cur()] = static_cast<std::int16_t>(position);
    calcvolumes();
}

void MainForm::settingchanged()
{
    if (!loadingchannel) {
        ch.chmanual[cur()] = kFalse;
        calcbitrate();
    } else if (!ch.chmanual[cur()]) {
        calcbitrate();
    }
}

void MainForm::showchannel()
{
    showchannel(std::nullopt);
}

void MainForm::showchannel(std::optional<std::string> bitrateText)
{
    setText(Ctl::Label23, intText(curchannel));
    setText(Ctl::Label46, intText(curchannel));
    loadingchannel = kTrue;
    // The order is fixed: the handler of each write sees the settings loaded
    // before it, and the last bitrate write wins.
    const std::size_t c = cur();
    setListIndex(Ctl::Combo3, ch.chfpsindex[c]);
    setListIndex(Ctl::Combo4, ch.chresindex[c]);
    setListIndex(Ctl::Combo1, ch.chhoursindex[c]);
    setListIndex(Ctl::Combo6, ch.chqualityindex[c]);
    setCheckValue(Ctl::Check2, ch.chaudio[c]);
    setListIndex(Ctl::Combo9, ch.chcodec[c]);
    setListIndex(Ctl::Combo2, ch.chprofile[c]);
    setCheckValue(Ctl::Check1, ch.chmotion[c]);
    // The bitrate as the settings above have left it, unless a text was given.
    setText(Ctl::Text1, bitrateText ? std::move(*bitrateText) : numberText(ch.chbitrate[c]));
    loadingchannel = kFalse;
    showmanualmode(ch.chmanual[c] != kFalse);
    calctotals();
}

void MainForm::Command5_Click()
{
    host_.showReport();
}

void MainForm::Image2_Click()
{
    host_.showAbout();
}

void MainForm::Image2_MouseMove()
{
    if (overabout) return;
    setFlat(Ctl::Image2, true);
    setVisible(Ctl::Label13, true);
    overabout = kTrue;
}

void MainForm::Form_MouseMove()
{
    if (!overabout) return;
    setFlat(Ctl::Image2, false);
    setVisible(Ctl::Label13, false);
    overabout = kFalse;
}

} // namespace velmora
