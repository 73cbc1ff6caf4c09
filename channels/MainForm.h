// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelTable.h"
#include "ControlStart.h"
#include "Controls.h"
#include "FormContents.h"
#include "FormHost.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// What a control of the main window shows. Only the fields of its kind matter.
struct Control {
    bool present = false; // the layout in use has this control
    std::string text;     // caption of a label or button, text of a text box
    double number = 0;    // a text box's text read as a number, read once per write
    bool visible = true;
    bool enabled = true;
    std::vector<std::string> entries; // a list's entries
    int index = -1;                   // a list's selected position, -1 for none
    int value = 0;                    // a check box: 0 or 1
    bool flat = false;                // the picture's border: flat, or sunken (three-dimensional)
    // Goes up whenever anything the control shows changes, so that a view
    // can bring only the changed controls up to date.
    std::uint32_t revision = 0;
};

// The main window's behaviour without any toolkit: the channel table, the
// working values and flags, a model of every control, and the handlers and
// procedures. A write to a control from code runs that control's handler at
// once, nested, exactly as a user's change would: a list or check box only
// when what it shows changes, the text boxes on every write.
class MainForm {
public:
    // `controls` gives each control of the layout its start state; `compact`
    // tells that the per-minute and per-hour rows do not exist.
    MainForm(std::span<const ControlStart> controls, bool compact, std::string decimal, FormHost& host);

    const Control& control(Ctl id) const { return controls_[index(id)]; }
    bool compact() const { return compact_; }
    const std::string& decimal() const { return decimal_; }

    // What the user does. Each returns false when the control cannot take the
    // action (absent, disabled, the wrong kind, a position outside the list).
    bool userSelect(Ctl list, int position);
    bool userSetCheck(Ctl box, int value);
    bool userEdit(Ctl textBox, std::string text);
    bool userClick(Ctl id);
    bool userLeave(Ctl textBox);
    void Image2_MouseMove();
    void Form_MouseMove();

    // What code does to the controls.
    void addItem(Ctl list, std::string_view entry);
    void setListIndex(Ctl list, int position);
    void setCheckValue(Ctl box, int value);
    void setText(Ctl id, std::string text);
    // The program's own words (texts::) go in as they are.
    void setText(Ctl id, std::string_view text) { setText(id, std::string(text)); }
    void setVisible(Ctl id, bool visible);
    void setEnabled(Ctl id, bool enabled);
    void setFlat(Ctl picture, bool flat);

    // What a plan keeps of the form.
    FormContents contents() const;
    // Loads a plan's contents into a form in its start state, the way the
    // channel buttons show a channel: every figure comes from the form's own
    // handlers. The contents must have passed the plan reader's checks.
    void load(const FormContents& contents);

    // Settings of the current channel.
    void Combo4_Click();
    void Combo3_Click();
    void Combo6_Click();
    void Combo2_Click();
    void Check1_Click();
    void Check2_Click();
    void Combo9_Click();
    void Combo1_Click();
    void settingchanged();
    void showchannel();

    // Bitrate, volumes and totals.
    void calcbitsperpixel();
    void calcbitrate();
    void Text1_Change();
    void showmanualmode(bool manual);
    void calcvolumes();
    void calctotals();
    void calcperiod();
    void calcdepth();
    void Text3_Change();
    void Text3_Click();
    void Text3_LostFocus();
    void Text2_Change();
    void Text2_Click();
    void Text2_LostFocus();
    void Combo5_Click();

    // The channel list.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void copychannel();
    void shiftchannels();

    // The other windows.
    void Command5_Click();
    void Image2_Click();

    // The channel table and the working values, named as the behaviour names them.
    ChannelTable ch;
    // Each slot's camera: its name and measurement. They move with their
    // channel; a change to a channel's bitrate drops its measurement.
    std::array<ChannelCamera, kSlots> cameras{};
    std::int16_t curchannel = 0;
    std::int16_t channelcount = 0;
    float framewidth = 0;
    float frameheight = 0;
    float framerate = 0;
    float bitsperpixel = 0;
    float audiorate = 0;
    std::int16_t hoursperday = 0;
    float kbpersec = 0;
    float perminute = 0;
    float perhour = 0;
    float totalbitrate = 0;
    float totaldaily = 0;
    std::int16_t perioddays = 0;
    float periodtotal = 0;
    float hddsize = 0;
    float depthdays = 0;
    Flag loadingchannel = kFalse;
    Flag settingbitrate = kFalse;
    Flag overabout = kFalse;

private:
    static std::size_t index(Ctl id) { return static_cast<std::size_t>(id); }
    Control& at(Ctl id) { return controls_[index(id)]; }
    std::size_t cur() const { return static_cast<std::size_t>(curchannel); }
    std::string numberText(float value) const;
    // showchannel(), with the text its bitrate field is given where there is one.
    void showchannel(std::optional<std::string> bitrateText);
    // Runs the change or click handler of a list, check box or text box.
    void runHandler(Ctl id);

    std::array<Control, kControlCount> controls_{};
    bool compact_;
    std::string decimal_;
    FormHost& host_;
};

} // namespace velmora
