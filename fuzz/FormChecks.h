// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a user can do to the main window, as plain data, and the invariants the
// window must keep after every single action. The form fuzzer and the
// randomized property test both drive the form through these.

#include "Estimate.h"
#include "Limits.h"
#include "MainForm.h"
#include "NumberRules.h"
#include "Single.h"
#include "Texts.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

namespace velmora::checks {

// Answers the copy question as told and counts what the form asks for.
struct AnsweringHost : FormHost {
    bool answer = true;
    int questions = 0;
    int reports = 0;
    int abouts = 0;

    bool askYesNo(std::string_view, std::string_view) override
    {
        ++questions;
        return answer;
    }
    void showReport() override { ++reports; }
    void showAbout() override { ++abouts; }
};

enum class Op { Select, SetCheck, Edit, Click, Leave, HoverPicture, HoverForm, Answer };

struct Action {
    Op op = Op::HoverForm;
    Ctl target = Ctl::Count;
    int number = 0;   // list position, box value, or the copy answer (non-zero: Yes)
    std::string text; // what is typed or pasted
};

inline constexpr std::array<Ctl, 7> kLists = {Ctl::Combo1, Ctl::Combo2, Ctl::Combo3, Ctl::Combo4,
                                              Ctl::Combo5, Ctl::Combo6, Ctl::Combo9};
inline constexpr std::array<Ctl, 2> kBoxes = {Ctl::Check1, Ctl::Check2};
inline constexpr std::array<Ctl, 3> kFields = {Ctl::Text1, Ctl::Text2, Ctl::Text3};
inline constexpr std::array<Ctl, 9> kClickables = {Ctl::Command1, Ctl::Command2, Ctl::Command3,
                                                   Ctl::Command4, Ctl::Command6, Ctl::Command5,
                                                   Ctl::Image2,   Ctl::Text2,    Ctl::Text3};

// Texts that sit on a limit, beyond the float or double range, or read oddly.
// clang-format off
inline constexpr std::array<std::string_view, 40> kNastyTexts = {
    "1E39", "-1E39", "1E400", "-1E400", "&HFFFFFFFF", "&HFFFFFFFFFFFF", "-0", "", "nan", "inf",
    "40000", "-40000", "9999999", "9999998", "9999998.9", "9999998.4", "99999", "99998.5",
    "32767.5", "-32768.5", "32767", "-32768", "3.4028235E38", "-3.4028235E38", "-3.4028236E38",
    "1E-45", "-1E-45", "1E-46", "0.005", "0", "1 024.5abc", "12,5", "&O777", "&H", "&", "2D3",
    "1e+", "  -  7", ".", "-.5E1"};
// clang-format on

// Does what the action says; false when the form does not take it (a
// disabled control, a position outside the list).
inline bool apply(MainForm& form, AnsweringHost& host, const Action& a)
{
    switch (a.op) {
    case Op::Select: return form.userSelect(a.target, a.number);
    case Op::SetCheck: return form.userSetCheck(a.target, a.number);
    case Op::Edit: return form.userEdit(a.target, a.text);
    case Op::Click: return form.userClick(a.target);
    case Op::Leave: return form.userLeave(a.target);
    case Op::HoverPicture: form.Image2_MouseMove(); return true;
    case Op::HoverForm: form.Form_MouseMove(); return true;
    case Op::Answer: host.answer = a.number != 0; return true;
    }
    return false;
}

// One line for a failure report; long texts are cut, odd bytes escaped.
inline std::string describe(const Action& a)
{
    const std::string name(a.target == Ctl::Count ? std::string_view("-") : controlName(a.target));
    switch (a.op) {
    case Op::Select: return "select " + name + " " + std::to_string(a.number);
    case Op::SetCheck: return "check " + name + " " + std::to_string(a.number);
    case Op::Click: return "click " + name;
    case Op::Leave: return "leave " + name;
    case Op::HoverPicture: return "hover picture";
    case Op::HoverForm: return "hover window";
    case Op::Answer: return std::string("answer ") + (a.number ? "yes" : "no");
    case Op::Edit: break;
    }
    std::string shown;
    for (std::size_t i = 0; i < a.text.size() && i < 60; ++i) {
        const auto c = static_cast<unsigned char>(a.text[i]);
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\x%02x", c);
            shown += esc;
        }
    }
    std::string out = "type " + name + " \"" + shown + "\"";
    if (a.text.size() > 60) out += " ... (" + std::to_string(a.text.size()) + " bytes)";
    return out;
}

namespace detail {

inline std::string show(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.9g", v);
    return buf;
}

// A typed bitrate the bitrate field refuses: the limit (also where the float
// rounds up to it), or beyond a float.
inline bool refusedBitrate(double v)
{
    return !bitrateAccepted(v);
}

inline std::string_view periodWord(DayWord w)
{
    return texts::kPeriodDayWords[static_cast<std::size_t>(w)];
}

inline std::string_view depthWord(DayWord w)
{
    return texts::kDepthDayWords[static_cast<std::size_t>(w)];
}

// What the form shows, for comparing it with what it should show.
struct Shown {
    const MainForm& f;

    const std::string& text(Ctl id) const { return f.control(id).text; }
    std::string num(float v) const { return floatText(v, f.decimal()); }
    bool differs(Ctl id, std::string_view want) const { return text(id) != want; }
    std::string shows(Ctl id, std::string_view want) const
    {
        return std::string(controlName(id)) + " shows \"" + text(id) + "\", expected \"" + std::string(want) +
               "\"";
    }
};

struct Totals {
    float rate = 0.0f;
    float daily = 0.0f;
};

// The totals over the channels in use, summed in channel order as floats.
inline Totals expectedTotals(const MainForm& f)
{
    Totals t;
    for (int i = 1; i <= f.channelcount; ++i) {
        const auto s = static_cast<std::size_t>(i);
        t.rate = single(static_cast<double>(t.rate) + f.ch.chbitrate[s]);
        t.daily = single(static_cast<double>(t.daily) +
                         (f.ch.chdailygb[s] ? f.ch.chdaily[s] : f.ch.chdaily[s] / kUnitStep));
    }
    return t;
}

} // namespace detail

// The invariants, one function each; every one but the first assumes the
// channel numbers are in range, which the first checks.

// The channel list: numbers in range, the labels and the delete button agree.
inline std::string channelListViolation(const MainForm& f)
{
    const detail::Shown on{f};
    const int count = f.channelcount;
    const int cur = f.curchannel;
    if (!(1 <= cur && cur <= count && count <= kMaxChannels))
        return "channel numbers out of range: curchannel " + std::to_string(cur) + ", channelcount " +
               std::to_string(count);
    if (on.differs(Ctl::Label23, intText(cur))) return on.shows(Ctl::Label23, intText(cur));
    if (on.differs(Ctl::Label46, intText(cur))) return on.shows(Ctl::Label46, intText(cur));
    if (on.differs(Ctl::Label24, intText(count))) return on.shows(Ctl::Label24, intText(count));
    if (f.control(Ctl::Command4).enabled != (count > 1))
        return "Command4 enabled " + std::to_string(f.control(Ctl::Command4).enabled) + " with " +
               std::to_string(count) + " channels";
    return {};
}

// Slot 0 and the slots above the channels in use hold nothing.
inline std::string emptySlotsViolation(const MainForm& f)
{
    using detail::show;
    const int count = f.channelcount;
    if (f.ch.chbitrate[0] != 0 || f.ch.chdaily[0] != 0) return "slot 0 holds a bitrate or a volume";
    for (int i = count + 1; i <= kMaxChannels; ++i)
        if (f.ch.chbitrate[static_cast<std::size_t>(i)] != 0)
            return "slot " + std::to_string(i) + " above channelcount has bitrate " +
                   show(f.ch.chbitrate[static_cast<std::size_t>(i)]);
    return {};
}

// Nothing stored or worked with is NaN or infinite; flags are -1 or 0.
inline std::string finiteValuesViolation(const MainForm& f)
{
    using detail::show;
    for (std::size_t i = 0; i < kSlots; ++i) {
        if (!std::isfinite(f.ch.chbitrate[i])) return "chbitrate[" + std::to_string(i) + "] not finite";
        if (!std::isfinite(f.ch.chdaily[i])) return "chdaily[" + std::to_string(i) + "] not finite";
        if (f.ch.chmanual[i] != kTrue && f.ch.chmanual[i] != kFalse)
            return "chmanual[" + std::to_string(i) + "] = " + std::to_string(f.ch.chmanual[i]);
        if (f.ch.chdailygb[i] != kTrue && f.ch.chdailygb[i] != kFalse)
            return "chdailygb[" + std::to_string(i) + "] = " + std::to_string(f.ch.chdailygb[i]);
    }
    const struct {
        const char* name;
        float value;
    } working[] = {
        {"framewidth", f.framewidth},     {"frameheight", f.frameheight}, {"framerate", f.framerate},
        {"bitsperpixel", f.bitsperpixel}, {"audiorate", f.audiorate},     {"kbpersec", f.kbpersec},
        {"perminute", f.perminute},       {"perhour", f.perhour},         {"totalbitrate", f.totalbitrate},
        {"totaldaily", f.totaldaily},     {"periodtotal", f.periodtotal}, {"hddsize", f.hddsize},
        {"depthdays", f.depthdays}};
    for (const auto& w : working)
        if (!std::isfinite(w.value)) return std::string(w.name) + " not finite: " + show(w.value);
    if (f.loadingchannel != kFalse) return "loadingchannel left set";
    if (f.settingbitrate != kFalse) return "settingbitrate left set";
    return {};
}

// The settings controls show the current channel.
inline std::string settingsShownViolation(const MainForm& f)
{
    const int cur = f.curchannel;
    const auto c = static_cast<std::size_t>(f.curchannel);
    const struct {
        Ctl list;
        int stored;
    } lists[] = {{Ctl::Combo3, f.ch.chfpsindex[c]},   {Ctl::Combo4, f.ch.chresindex[c]},
                 {Ctl::Combo1, f.ch.chhoursindex[c]}, {Ctl::Combo6, f.ch.chqualityindex[c]},
                 {Ctl::Combo9, f.ch.chcodec[c]},      {Ctl::Combo2, f.ch.chprofile[c]},
                 {Ctl::Check1, f.ch.chmotion[c]},     {Ctl::Check2, f.ch.chaudio[c]}};
    for (const auto& l : lists) {
        const Control& shown = f.control(l.list);
        const int value = controlKind(l.list) == Kind::List ? shown.index : shown.value;
        if (value != l.stored)
            return std::string(controlName(l.list)) + " shows " + std::to_string(value) + " but channel " +
                   std::to_string(cur) + " holds " + std::to_string(l.stored);
    }
    if (f.control(Ctl::Combo9).enabled != f.control(Ctl::Label44).enabled)
        return "Combo9 and its caption Label44 differ in their enabled state";
    return {};
}

// The working values belong to the current channel's settings.
inline std::string workingValuesViolation(const MainForm& f)
{
    using detail::show;
    const detail::Shown on{f};
    const auto c = static_cast<std::size_t>(f.curchannel);
    const auto size = frameSize(f.ch.chresindex[c]);
    if (!size || size->width != f.framewidth || size->height != f.frameheight)
        return "frame " + show(f.framewidth) + "x" + show(f.frameheight) + " does not match resolution " +
               std::to_string(f.ch.chresindex[c]);
    const auto fps = frameRate(f.ch.chfpsindex[c]);
    if (!fps || *fps != f.framerate) return "framerate " + show(f.framerate) + " stale";
    const auto hours = hoursPerDay(f.ch.chhoursindex[c]);
    if (!hours || *hours != f.hoursperday) return "hoursperday " + std::to_string(f.hoursperday) + " stale";
    if (const auto base = baseBitsPerPixel(f.ch.chqualityindex[c])) {
        float bpp = motionCorrected(*base, f.ch.chmotion[c]);
        const bool ip = isIpCameraCase(f.ch.chprofile[c], f.ch.chresindex[c]);
        if (ip) bpp = ipCameraCorrected(bpp);
        if (f.bitsperpixel != bpp) return "bitsperpixel " + show(f.bitsperpixel) + ", expected " + show(bpp);
        const std::string_view note = ip ? texts::kCabacOff : texts::kCabacOn;
        if (on.differs(Ctl::cabac, note)) return on.shows(Ctl::cabac, note);
    } else {
        return "quality position " + std::to_string(f.ch.chqualityindex[c]) + " outside the list";
    }
    if (on.differs(Ctl::Label18, on.num(f.bitsperpixel)))
        return on.shows(Ctl::Label18, on.num(f.bitsperpixel));
    return {};
}

// Every channel in use keeps the day volume of its own bitrate and hours.
inline std::string dayVolumesViolation(const MainForm& f)
{
    using detail::show;
    const int count = f.channelcount;
    for (int i = 1; i <= count; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const int channelHours = hoursPerDay(f.ch.chhoursindex[s]).value_or(0);
        const ChannelVolumes v = channelVolumes(f.ch.chbitrate[s], channelHours);
        if (f.ch.chdaily[s] != v.daily || (f.ch.chdailygb[s] != kFalse) != v.dailyInGigabytes)
            return "channel " + std::to_string(i) + ": chdaily " + show(f.ch.chdaily[s]) + " gb " +
                   std::to_string(f.ch.chdailygb[s]) + " for bitrate " + show(f.ch.chbitrate[s]) + " at " +
                   std::to_string(channelHours) + " h, expected " + show(v.daily) + " gb " +
                   std::to_string(v.dailyInGigabytes);
    }
    return {};
}

// The look follows the current channel's hand-typed mark.
inline std::string lookViolation(const MainForm& f)
{
    const detail::Shown on{f};
    const auto c = static_cast<std::size_t>(f.curchannel);
    const bool manual = f.ch.chmanual[c] != kFalse;
    const std::string_view hint = manual ? texts::kHintManual : texts::kHintComputed;
    if (f.control(Ctl::Label1).visible != manual || f.control(Ctl::Label37).enabled == manual ||
        f.control(Ctl::Label46).enabled == manual || on.differs(Ctl::Label20, hint))
        return "the look does not match chmanual " + std::to_string(f.ch.chmanual[c]);
    return {};
}

// The bitrate field: an accepted text is the stored bitrate; the refusal
// word stands only while the field holds refused text.
inline std::string bitrateFieldViolation(const MainForm& f)
{
    using detail::show;
    const detail::Shown on{f};
    const auto c = static_cast<std::size_t>(f.curchannel);
    const double typed = readNumber(on.text(Ctl::Text1));
    if (!detail::refusedBitrate(typed) && f.ch.chbitrate[c] != single(typed))
        return "Text1 reads " + show(typed) + " but chbitrate is " + show(f.ch.chbitrate[c]);
    const bool refused = on.text(Ctl::Label6) == texts::kTooMuch;
    if (refused) {
        if (!detail::refusedBitrate(typed)) return "Label6 refuses but Text1 reads " + show(typed);
        if (!f.compact())
            for (Ctl row : {Ctl::Label11, Ctl::Label5})
                if (on.differs(row, texts::kTooMuch)) return on.shows(row, texts::kTooMuch);
    } else {
        // Not refused: the channel's rows show its volumes.
        const ChannelVolumes v = channelVolumes(f.ch.chbitrate[c], f.hoursperday);
        if (f.kbpersec != v.kbpersec)
            return "kbpersec " + show(f.kbpersec) + ", expected " + show(v.kbpersec);
        if (on.differs(Ctl::Label6, on.num(okrug(f.ch.chdaily[c]))))
            return on.shows(Ctl::Label6, on.num(okrug(f.ch.chdaily[c])));
        const std::string_view dayUnit = v.dailyInGigabytes ? texts::kGigabytes : texts::kMegabytes;
        if (on.differs(Ctl::Label8, dayUnit)) return on.shows(Ctl::Label8, dayUnit);
        if (!f.compact()) {
            if (f.perminute != v.perminute || f.perhour != v.perhour)
                return "perminute/perhour " + show(f.perminute) + "/" + show(f.perhour) + " stale";
            if (on.differs(Ctl::Label11, on.num(okrug(v.perminute))))
                return on.shows(Ctl::Label11, on.num(okrug(v.perminute)));
            if (on.differs(Ctl::Label5, on.num(okrug(v.perhour))))
                return on.shows(Ctl::Label5, on.num(okrug(v.perhour)));
            const std::string_view minuteUnit =
                v.minuteInMegabytes ? texts::kMegabytesMinute : texts::kKilobytes;
            const std::string_view hourUnit = v.hourInGigabytes ? texts::kGigabytes : texts::kMegabytes;
            if (on.differs(Ctl::Label10, minuteUnit)) return on.shows(Ctl::Label10, minuteUnit);
            if (on.differs(Ctl::Label7, hourUnit)) return on.shows(Ctl::Label7, hourUnit);
        }
    }
    return {};
}

// The totals over the channels in use.
inline std::string totalsViolation(const MainForm& f)
{
    using detail::show;
    const detail::Shown on{f};
    const auto [rate, daily] = detail::expectedTotals(f);
    if (f.totalbitrate != rate) return "totalbitrate " + show(f.totalbitrate) + ", expected " + show(rate);
    const std::string rateText = on.num(okrug(single(rate / kUnitStep)));
    if (on.differs(Ctl::Label43, rateText)) return on.shows(Ctl::Label43, rateText);
    if (f.totaldaily != daily) return "totaldaily " + show(f.totaldaily) + ", expected " + show(daily);
    if (on.differs(Ctl::Label26, on.num(okrug(daily)))) return on.shows(Ctl::Label26, on.num(okrug(daily)));
    return {};
}

// The archive over the period and its day word.
inline std::string periodViolation(const MainForm& f)
{
    using detail::show;
    const detail::Shown on{f};
    const float daily = detail::expectedTotals(f).daily;
    const float period = single(daily / kUnitStep * f.perioddays);
    if (f.periodtotal != period) return "periodtotal " + show(f.periodtotal) + ", expected " + show(period);
    if (on.differs(Ctl::Label29, on.num(okrug(period)))) return on.shows(Ctl::Label29, on.num(okrug(period)));
    if (const DayWord w = dayWord(f.perioddays);
        w != DayWord::Keep && on.differs(Ctl::Label41, detail::periodWord(w)))
        return on.shows(Ctl::Label41, detail::periodWord(w));
    return {};
}

// The depth, wherever the disk size is one that is recomputed on every change.
inline std::string depthViolation(const MainForm& f)
{
    using detail::show;
    const detail::Shown on{f};
    const float daily = detail::expectedTotals(f).daily;
    const double disk = readNumber(on.text(Ctl::Text2));
    if (!(disk < kInputLimit)) {
        if (on.differs(Ctl::Label34, texts::kTooMuchDisk)) return on.shows(Ctl::Label34, texts::kTooMuchDisk);
    } else if (disk > 0) {
        if (daily == 0) {
            if (on.differs(Ctl::Label34, texts::kInfinity)) return on.shows(Ctl::Label34, texts::kInfinity);
        } else {
            if (f.hddsize != single(disk))
                return "hddsize " + show(f.hddsize) + " for disk text " + show(disk);
            const float depth = depthDays(single(disk), f.control(Ctl::Combo5).index, daily);
            if (f.depthdays != depth) return "depthdays " + show(f.depthdays) + ", expected " + show(depth);
            if (on.differs(Ctl::Label34, on.num(depth))) return on.shows(Ctl::Label34, on.num(depth));
        }
        const DayWord w = dayWord(std::trunc(static_cast<double>(f.depthdays)));
        if (w != DayWord::Keep && on.differs(Ctl::Label35, detail::depthWord(w)))
            return on.shows(Ctl::Label35, detail::depthWord(w));
    }
    return {};
}

// The About hint over the picture.
inline std::string aboutHintViolation(const MainForm& f)
{
    const bool over = f.overabout != kFalse;
    if (f.control(Ctl::Label13).visible != over || f.control(Ctl::Image2).flat != over)
        return "the About hint does not match overabout " + std::to_string(f.overabout);
    return {};
}

// The first invariant the form breaks, described; empty while all hold.
inline std::string violation(const MainForm& f)
{
    using Check = std::string (*)(const MainForm&);
    static constexpr Check kChecks[] = {
        channelListViolation,   emptySlotsViolation, finiteValuesViolation, settingsShownViolation,
        workingValuesViolation, dayVolumesViolation, lookViolation,         bitrateFieldViolation,
        totalsViolation,        periodViolation,     depthViolation,        aboutHintViolation,
    };
    for (Check check : kChecks)
        if (std::string why = check(f); !why.empty()) return why;
    return {};
}

// What the form held before an action, for the rules on what the action may change.
struct Snapshot {
    ChannelTable table;
    int cur = 0;
    int count = 0;
    int perioddays = 0;
    int questions = 0;
    int reports = 0;
    int abouts = 0;
    bool answer = true;

    Snapshot(const MainForm& f, const AnsweringHost& host)
        : table(f.ch), cur(f.curchannel), count(f.channelcount), perioddays(f.perioddays),
          questions(host.questions), reports(host.reports), abouts(host.abouts), answer(host.answer)
    {
    }
};

namespace detail {

enum class Columns { Settings, AllButVolumes, All };

// Slot i of a and slot j of b agree: the eight settings, the hand-typed mark,
// and with All also the bitrate and the day volume with its unit.
inline bool sameSlot(const ChannelTable& a, std::size_t i, const ChannelTable& b, std::size_t j, Columns cols)
{
    const bool settings = a.chfpsindex[i] == b.chfpsindex[j] && a.chresindex[i] == b.chresindex[j] &&
                          a.chhoursindex[i] == b.chhoursindex[j] &&
                          a.chqualityindex[i] == b.chqualityindex[j] && a.chprofile[i] == b.chprofile[j] &&
                          a.chmotion[i] == b.chmotion[j] && a.chaudio[i] == b.chaudio[j] &&
                          a.chcodec[i] == b.chcodec[j];
    if (!settings || cols == Columns::Settings) return settings;
    if (a.chmanual[i] != b.chmanual[j]) return false;
    if (cols == Columns::AllButVolumes) return true;
    return a.chbitrate[i] == b.chbitrate[j] && a.chdaily[i] == b.chdaily[j] &&
           a.chdailygb[i] == b.chdailygb[j];
}

// The bitrate a channel holds after it is shown: its text read back, unless
// the field refuses that.
inline float shownAgain(float stored, const std::string& decimal)
{
    const double v = readNumber(floatText(stored, decimal));
    return refusedBitrate(v) ? stored : single(v);
}

} // namespace detail

namespace detail {

// An action's before and after, with the comparisons every rule uses.
struct Transition {
    const Snapshot& was;
    const MainForm& f;
    const ChannelTable& now;

    static std::size_t slot(int i) { return static_cast<std::size_t>(i); }

    // Every slot except `except` (0: none) is as it was.
    std::string othersUnchanged(int except) const
    {
        for (int i = 0; i <= kMaxChannels; ++i)
            if (i != except && !sameSlot(now, slot(i), was.table, slot(i), Columns::All))
                return "slot " + std::to_string(i) + " changed";
        return {};
    }

    // The channel now shown came from slot `from` before: same settings and
    // mark, and a hand-typed bitrate only read back through the field.
    std::string shownFrom(int from) const
    {
        const std::size_t c = slot(f.curchannel);
        if (!sameSlot(now, c, was.table, slot(from), Columns::AllButVolumes))
            return "channel " + std::to_string(f.curchannel) + " lost settings while shown";
        if (now.chmanual[c] && now.chbitrate[c] != shownAgain(was.table.chbitrate[slot(from)], f.decimal()))
            return "a hand-typed bitrate changed on showing: " + show(was.table.chbitrate[slot(from)]) +
                   " became " + show(now.chbitrate[c]);
        return {};
    }
};

} // namespace detail

// The rules on what an action may change, one function for each kind of action.

// A list or a check box changes its own setting of the current channel, nothing else.
inline std::string settingTransitionViolation(const detail::Transition& t, const Action& a)
{
    const Snapshot& was = t.was;
    const ChannelTable& now = t.now;
    const int cur = was.cur;
    using detail::Columns;
    using detail::sameSlot;
    const auto slot = detail::Transition::slot;
    if (a.target == Ctl::Combo5) return t.othersUnchanged(-1);
    if (std::string why = t.othersUnchanged(cur); !why.empty()) return why;
    const std::size_t c = slot(cur);
    // Only the setting of the control itself, in the current slot.
    ChannelTable expected = was.table;
    int before = 0;
    int after = a.number;
    // The control's column in the current slot: what it held, and what it should hold now.
    const auto chosen = [&](auto& column) {
        before = column[c];
        column[c] = static_cast<std::remove_reference_t<decltype(column[c])>>(after);
    };
    switch (a.target) {
    case Ctl::Combo1: chosen(expected.chhoursindex); break;
    case Ctl::Combo2: chosen(expected.chprofile); break;
    case Ctl::Combo3: chosen(expected.chfpsindex); break;
    case Ctl::Combo4: chosen(expected.chresindex); break;
    case Ctl::Combo6: chosen(expected.chqualityindex); break;
    case Ctl::Combo9: chosen(expected.chcodec); break;
    case Ctl::Check1:
        after = after != 0;
        chosen(expected.chmotion);
        break;
    case Ctl::Check2:
        after = after != 0;
        chosen(expected.chaudio);
        break;
    default: return "unexpected control";
    }
    if (!sameSlot(now, c, expected, c, Columns::Settings))
        return "a setting other than the one chosen changed";
    if (before == after) {
        if (!sameSlot(now, c, was.table, c, Columns::All))
            return "choosing what was shown changed the channel";
    } else if (a.target == Ctl::Combo1) {
        if (now.chmanual[c] != was.table.chmanual[c] || now.chbitrate[c] != was.table.chbitrate[c])
            return "the hours changed the bitrate or its mark";
    } else if (now.chmanual[c] != kFalse) {
        return "a settings change left the bitrate hand-typed";
    }
    return {};
}

// Typing: the period takes what it can hold; a bitrate marks the channel hand-typed.
inline std::string editTransitionViolation(const detail::Transition& t, const Action& a)
{
    const Snapshot& was = t.was;
    const MainForm& f = t.f;
    const ChannelTable& now = t.now;
    const int cur = was.cur;
    using detail::Columns;
    using detail::sameSlot;
    const auto slot = detail::Transition::slot;
    if (a.target == Ctl::Text3) {
        const double v = readNumber(a.text);
        const double days = roundHalfEven(v);
        const bool takes = v < kPeriodLimit && days >= kFewestDays && days <= kMostDays;
        if (f.perioddays != (takes ? static_cast<int>(days) : was.perioddays))
            return "period " + std::to_string(f.perioddays) + " after typing " + detail::show(v);
    } else if (f.perioddays != was.perioddays) {
        return "the period changed";
    }
    if (a.target != Ctl::Text1) return t.othersUnchanged(-1);
    if (std::string why = t.othersUnchanged(cur); !why.empty()) return why;
    const std::size_t c = slot(cur);
    if (!sameSlot(now, c, was.table, c, Columns::Settings)) return "typing a bitrate changed a setting";
    if (now.chmanual[c] != kTrue) return "a typed bitrate is not marked hand-typed";
    const double v = readNumber(a.text);
    const float want = detail::refusedBitrate(v) ? was.table.chbitrate[c] : single(v);
    if (now.chbitrate[c] != want)
        return "typed " + detail::show(v) + ", stored " + detail::show(now.chbitrate[c]) + ", expected " +
               detail::show(want);
    return {};
}

// The arrows step to the next or previous channel, round the ends.
inline std::string stepTransitionViolation(const detail::Transition& t, const Action& a)
{
    const Snapshot& was = t.was;
    const MainForm& f = t.f;
    const int cur = was.cur;
    const int n = was.count;
    const int want = a.target == Ctl::Command1 ? (cur == n ? 1 : cur + 1) : (cur == 1 ? n : cur - 1);
    if (f.curchannel != want || f.channelcount != n)
        return "stepped to channel " + std::to_string(f.curchannel);
    if (std::string why = t.othersUnchanged(want); !why.empty()) return why;
    return t.shownFrom(want);
}

// Adding copies the shown channel to a new last one; at 32 nothing changes.
inline std::string addTransitionViolation(const detail::Transition& t)
{
    const Snapshot& was = t.was;
    const MainForm& f = t.f;
    const int cur = was.cur;
    const int n = was.count;
    if (n == kMaxChannels) {
        if (f.curchannel != cur || f.channelcount != n) return "adding at 32 changed the channel numbers";
        return t.othersUnchanged(-1);
    }
    if (f.channelcount != n + 1 || f.curchannel != n + 1) return "adding did not show a new last channel";
    if (std::string why = t.othersUnchanged(n + 1); !why.empty()) return why;
    return t.shownFrom(cur);
}

// Deleting closes the gap and keeps every other channel whole.
inline std::string deleteTransitionViolation(const detail::Transition& t)
{
    const Snapshot& was = t.was;
    const MainForm& f = t.f;
    const ChannelTable& now = t.now;
    const int cur = was.cur;
    const int n = was.count;
    using detail::Columns;
    using detail::sameSlot;
    const auto slot = detail::Transition::slot;
    if (f.channelcount != n - 1) return "deleting left " + std::to_string(f.channelcount) + " channels";
    const int shown = cur == n ? n - 1 : cur;
    if (f.curchannel != shown) return "deleting showed channel " + std::to_string(f.curchannel);
    for (int i = 1; i < n; ++i) {
        if (i == shown) continue;
        const int from = i < cur ? i : i + 1;
        if (!sameSlot(now, slot(i), was.table, slot(from), Columns::All))
            return "after deleting, slot " + std::to_string(i) + " is not the former " + std::to_string(from);
    }
    return t.shownFrom(cur == n ? n - 1 : cur + 1);
}

// Copying to all gives every channel the shown one's settings, but its own sound and motion.
inline std::string copyTransitionViolation(const detail::Transition& t)
{
    const Snapshot& was = t.was;
    const ChannelTable& now = t.now;
    const int cur = was.cur;
    const int n = was.count;
    using detail::Columns;
    using detail::sameSlot;
    const auto slot = detail::Transition::slot;
    if (!was.answer) return t.othersUnchanged(-1);
    for (int i = 0; i <= kMaxChannels; ++i) {
        const std::size_t s = slot(i);
        if (i < 1 || i > n) {
            if (!sameSlot(now, s, was.table, s, Columns::All))
                return "copying touched slot " + std::to_string(i);
            continue;
        }
        // The current channel's settings, bitrate, volume and mark; its own sound and motion.
        const ChannelTable& old = was.table;
        const std::size_t from = slot(cur);
        const bool copied =
            now.chfpsindex[s] == old.chfpsindex[from] && now.chresindex[s] == old.chresindex[from] &&
            now.chhoursindex[s] == old.chhoursindex[from] &&
            now.chqualityindex[s] == old.chqualityindex[from] && now.chprofile[s] == old.chprofile[from] &&
            now.chbitrate[s] == old.chbitrate[from] && now.chdaily[s] == old.chdaily[from] &&
            now.chdailygb[s] == old.chdailygb[from] && now.chmanual[s] == old.chmanual[from];
        const bool kept = now.chaudio[s] == old.chaudio[s] && now.chcodec[s] == old.chcodec[s] &&
                          now.chmotion[s] == old.chmotion[s];
        if (!copied || !kept)
            return "slot " + std::to_string(i) +
                   " is not the current channel's settings with its own sound and motion";
    }
    return {};
}

// The first rule on what an action may change that the form broke; empty when none.
inline std::string transitionViolation(const Snapshot& was, const MainForm& f, const AnsweringHost& host,
                                       const Action& a, bool taken)
{
    const detail::Transition t{was, f, f.ch};
    const bool question = host.questions != was.questions;
    const bool isCopy = a.op == Op::Click && a.target == Ctl::Command6 && taken;
    if (question != isCopy)
        return "the copy question was asked " + std::to_string(host.questions - was.questions) + " times";
    if ((host.reports - was.reports) != (taken && a.op == Op::Click && a.target == Ctl::Command5 ? 1 : 0))
        return "report windows asked for: " + std::to_string(host.reports - was.reports);
    if ((host.abouts - was.abouts) != (taken && a.op == Op::Click && a.target == Ctl::Image2 ? 1 : 0))
        return "About windows asked for: " + std::to_string(host.abouts - was.abouts);

    const bool listOps = a.op == Op::Click && (a.target == Ctl::Command1 || a.target == Ctl::Command2 ||
                                               a.target == Ctl::Command3 || a.target == Ctl::Command4);
    if (!taken || !listOps) {
        if (f.curchannel != was.cur || f.channelcount != was.count) return "the channel numbers changed";
    }
    if (!taken) {
        if (std::string why = t.othersUnchanged(-1); !why.empty())
            return "a refused action changed the table: " + why;
        if (f.perioddays != was.perioddays) return "a refused action changed the period";
        return {};
    }

    switch (a.op) {
    case Op::Select:
    case Op::SetCheck: return settingTransitionViolation(t, a);
    case Op::Edit: return editTransitionViolation(t, a);
    case Op::Click: break;
    default:
        if (f.perioddays != was.perioddays) return "the period changed";
        return t.othersUnchanged(-1);
    }
    if (f.perioddays != was.perioddays) return "the period changed";
    switch (a.target) {
    case Ctl::Command1:
    case Ctl::Command2: return stepTransitionViolation(t, a);
    case Ctl::Command3: return addTransitionViolation(t);
    case Ctl::Command4: return deleteTransitionViolation(t);
    case Ctl::Command6: return copyTransitionViolation(t);
    default: return t.othersUnchanged(-1);
    }
}

} // namespace velmora::checks
