#pragma once

// What a user can do to the main window, as plain data, and the invariants the
// window must keep after every single action. The form fuzzer and the
// randomized property test both drive the form through these.

#include "Estimate.h"
#include "MainForm.h"
#include "NumberRules.h"
#include "Single.h"
#include "Texts.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

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
    return !(v < 9999999.0 && fitsSingle(v) && single(v) < 9999999.0f);
}

inline std::string_view periodWord(DayWord w)
{
    return texts::kPeriodDayWords[static_cast<std::size_t>(w)];
}

inline std::string_view depthWord(DayWord w)
{
    return texts::kDepthDayWords[static_cast<std::size_t>(w)];
}

} // namespace detail

// The first invariant the form breaks, described; empty while all hold.
inline std::string violation(const MainForm& f)
{
    using detail::show;
    const auto text = [&](Ctl id) -> const std::string& { return f.control(id).text; };
    const auto num = [&](float v) { return floatText(v, f.decimal()); };
    const auto differs = [&](Ctl id, std::string_view want) { return text(id) != want; };
    const auto shows = [&](Ctl id, std::string_view want) {
        return std::string(controlName(id)) + " shows \"" + text(id) + "\", expected \"" + std::string(want) +
               "\"";
    };

    // The channel list: numbers in range, the labels and the delete button agree.
    const int count = f.channelcount;
    const int cur = f.curchannel;
    if (!(1 <= cur && cur <= count && count <= kMaxChannels))
        return "channel numbers out of range: curchannel " + std::to_string(cur) + ", channelcount " +
               std::to_string(count);
    const auto c = static_cast<std::size_t>(cur);
    if (differs(Ctl::Label23, intText(cur))) return shows(Ctl::Label23, intText(cur));
    if (differs(Ctl::Label46, intText(cur))) return shows(Ctl::Label46, intText(cur));
    if (differs(Ctl::Label24, intText(count))) return shows(Ctl::Label24, intText(count));
    if (f.control(Ctl::Command4).enabled != (count > 1))
        return "Command4 enabled " + std::to_string(f.control(Ctl::Command4).enabled) + " with " +
               std::to_string(count) + " channels";
    if (f.ch.chbitrate[0] != 0 || f.ch.chdaily[0] != 0) return "slot 0 holds a bitrate or a volume";
    for (int i = count + 1; i <= kMaxChannels; ++i)
        if (f.ch.chbitrate[static_cast<std::size_t>(i)] != 0)
            return "slot " + std::to_string(i) + " above channelcount has bitrate " +
                   show(f.ch.chbitrate[static_cast<std::size_t>(i)]);

    // Nothing stored or worked with is NaN or infinite; flags are -1 or 0.
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

    // The settings controls show the current channel.
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

    // The working values belong to the current channel's settings.
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
        if (differs(Ctl::cabac, note)) return shows(Ctl::cabac, note);
    } else {
        return "quality position " + std::to_string(f.ch.chqualityindex[c]) + " outside the list";
    }
    if (differs(Ctl::Label18, num(f.bitsperpixel))) return shows(Ctl::Label18, num(f.bitsperpixel));

    // Every channel in use keeps the day volume of its own bitrate and hours.
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

    // The look follows the current channel's hand-typed mark.
    const bool manual = f.ch.chmanual[c] != kFalse;
    const std::string_view hint = manual ? texts::kHintManual : texts::kHintComputed;
    if (f.control(Ctl::Label1).visible != manual || f.control(Ctl::Label37).enabled == manual ||
        f.control(Ctl::Label46).enabled == manual || differs(Ctl::Label20, hint))
        return "the look does not match chmanual " + std::to_string(f.ch.chmanual[c]);

    // The bitrate field: an accepted text is the stored bitrate; the refusal
    // word stands only while the field holds refused text.
    const double typed = readNumber(text(Ctl::Text1));
    if (!detail::refusedBitrate(typed) && f.ch.chbitrate[c] != single(typed))
        return "Text1 reads " + show(typed) + " but chbitrate is " + show(f.ch.chbitrate[c]);
    const bool refused = text(Ctl::Label6) == texts::kTooMuch;
    if (refused) {
        if (!detail::refusedBitrate(typed)) return "Label6 refuses but Text1 reads " + show(typed);
        if (!f.compact())
            for (Ctl row : {Ctl::Label11, Ctl::Label5})
                if (differs(row, texts::kTooMuch)) return shows(row, texts::kTooMuch);
    } else {
        // Not refused: the channel's rows show its volumes.
        const ChannelVolumes v = channelVolumes(f.ch.chbitrate[c], f.hoursperday);
        if (f.kbpersec != v.kbpersec)
            return "kbpersec " + show(f.kbpersec) + ", expected " + show(v.kbpersec);
        if (differs(Ctl::Label6, num(okrug(f.ch.chdaily[c]))))
            return shows(Ctl::Label6, num(okrug(f.ch.chdaily[c])));
        const std::string_view dayUnit = v.dailyInGigabytes ? texts::kGigabytes : texts::kMegabytes;
        if (differs(Ctl::Label8, dayUnit)) return shows(Ctl::Label8, dayUnit);
        if (!f.compact()) {
            if (f.perminute != v.perminute || f.perhour != v.perhour)
                return "perminute/perhour " + show(f.perminute) + "/" + show(f.perhour) + " stale";
            if (differs(Ctl::Label11, num(okrug(v.perminute))))
                return shows(Ctl::Label11, num(okrug(v.perminute)));
            if (differs(Ctl::Label5, num(okrug(v.perhour)))) return shows(Ctl::Label5, num(okrug(v.perhour)));
            const std::string_view minuteUnit =
                v.minuteInMegabytes ? texts::kMegabytesMinute : texts::kKilobytes;
            const std::string_view hourUnit = v.hourInGigabytes ? texts::kGigabytes : texts::kMegabytes;
            if (differs(Ctl::Label10, minuteUnit)) return shows(Ctl::Label10, minuteUnit);
            if (differs(Ctl::Label7, hourUnit)) return shows(Ctl::Label7, hourUnit);
        }
    }

    // Totals over the channels in use, summed in channel order as floats.
    float rate = 0.0f;
    float daily = 0.0f;
    for (int i = 1; i <= count; ++i) {
        const auto s = static_cast<std::size_t>(i);
        rate = single(static_cast<double>(rate) + f.ch.chbitrate[s]);
        daily = single(static_cast<double>(daily) +
                       (f.ch.chdailygb[s] ? f.ch.chdaily[s] : f.ch.chdaily[s] / 1024.0));
    }
    if (f.totalbitrate != rate) return "totalbitrate " + show(f.totalbitrate) + ", expected " + show(rate);
    const std::string rateText = num(okrug(single(rate / 1024.0)));
    if (differs(Ctl::Label43, rateText)) return shows(Ctl::Label43, rateText);
    if (f.totaldaily != daily) return "totaldaily " + show(f.totaldaily) + ", expected " + show(daily);
    if (differs(Ctl::Label26, num(okrug(daily)))) return shows(Ctl::Label26, num(okrug(daily)));

    // The period.
    const float period = single(daily / 1024.0 * f.perioddays);
    if (f.periodtotal != period) return "periodtotal " + show(f.periodtotal) + ", expected " + show(period);
    if (differs(Ctl::Label29, num(okrug(period)))) return shows(Ctl::Label29, num(okrug(period)));
    if (const DayWord w = dayWord(f.perioddays);
        w != DayWord::Keep && differs(Ctl::Label41, detail::periodWord(w)))
        return shows(Ctl::Label41, detail::periodWord(w));

    // The depth, wherever the disk size is one that is recomputed on every change.
    const double disk = readNumber(text(Ctl::Text2));
    if (!(disk < 9999999.0)) {
        if (differs(Ctl::Label34, texts::kTooMuchDisk)) return shows(Ctl::Label34, texts::kTooMuchDisk);
    } else if (disk > 0) {
        if (daily == 0) {
            if (differs(Ctl::Label34, texts::kInfinity)) return shows(Ctl::Label34, texts::kInfinity);
        } else {
            if (f.hddsize != single(disk))
                return "hddsize " + show(f.hddsize) + " for disk text " + show(disk);
            const float depth = depthDays(single(disk), f.control(Ctl::Combo5).index, daily);
            if (f.depthdays != depth) return "depthdays " + show(f.depthdays) + ", expected " + show(depth);
            if (differs(Ctl::Label34, num(depth))) return shows(Ctl::Label34, num(depth));
        }
        const DayWord w = dayWord(std::trunc(static_cast<double>(f.depthdays)));
        if (w != DayWord::Keep && differs(Ctl::Label35, detail::depthWord(w)))
            return shows(Ctl::Label35, detail::depthWord(w));
    }

    // The About hint over the picture.
    const bool over = f.overabout != kFalse;
    if (f.control(Ctl::Label13).visible != over || f.control(Ctl::Image2).flat != over)
        return "the About hint does not match overabout " + std::to_string(f.overabout);
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

// The first rule on what an action may change that the form broke; empty when none.
inline std::string transitionViolation(const Snapshot& was, const MainForm& f, const AnsweringHost& host,
                                       const Action& a, bool taken)
{
    using detail::Columns;
    using detail::sameSlot;
    const ChannelTable& now = f.ch;
    const auto slot = [](int i) { return static_cast<std::size_t>(i); };
    // Every slot except `except` (0: none) is as it was.
    const auto othersUnchanged = [&](int except) -> std::string {
        for (int i = 0; i <= kMaxChannels; ++i)
            if (i != except && !sameSlot(now, slot(i), was.table, slot(i), Columns::All))
                return "slot " + std::to_string(i) + " changed";
        return {};
    };
    // The channel now shown came from slot `from` before: same settings and
    // mark, and a hand-typed bitrate only read back through the field.
    const auto shownFrom = [&](int from) -> std::string {
        const std::size_t c = slot(f.curchannel);
        if (!sameSlot(now, c, was.table, slot(from), Columns::AllButVolumes))
            return "channel " + std::to_string(f.curchannel) + " lost settings while shown";
        if (now.chmanual[c] &&
            now.chbitrate[c] != detail::shownAgain(was.table.chbitrate[slot(from)], f.decimal()))
            return "a hand-typed bitrate changed on showing: " +
                   detail::show(was.table.chbitrate[slot(from)]) + " became " +
                   detail::show(now.chbitrate[c]);
        return {};
    };

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
        if (std::string why = othersUnchanged(-1); !why.empty())
            return "a refused action changed the table: " + why;
        if (f.perioddays != was.perioddays) return "a refused action changed the period";
        return {};
    }

    const int cur = was.cur;
    const int n = was.count;
    switch (a.op) {
    case Op::Select:
    case Op::SetCheck: {
        if (a.target == Ctl::Combo5) return othersUnchanged(-1);
        if (std::string why = othersUnchanged(cur); !why.empty()) return why;
        const std::size_t c = slot(cur);
        // Only the setting of the control itself, in the current slot.
        ChannelTable expected = was.table;
        int before = 0;
        int after = a.number;
        switch (a.target) {
        case Ctl::Combo1:
            before = expected.chhoursindex[c];
            expected.chhoursindex[c] = static_cast<std::int16_t>(after);
            break;
        case Ctl::Combo2:
            before = expected.chprofile[c];
            expected.chprofile[c] = static_cast<std::uint8_t>(after);
            break;
        case Ctl::Combo3:
            before = expected.chfpsindex[c];
            expected.chfpsindex[c] = static_cast<std::int16_t>(after);
            break;
        case Ctl::Combo4:
            before = expected.chresindex[c];
            expected.chresindex[c] = static_cast<std::int16_t>(after);
            break;
        case Ctl::Combo6:
            before = expected.chqualityindex[c];
            expected.chqualityindex[c] = static_cast<std::int16_t>(after);
            break;
        case Ctl::Combo9:
            before = expected.chcodec[c];
            expected.chcodec[c] = static_cast<std::uint8_t>(after);
            break;
        case Ctl::Check1:
            before = expected.chmotion[c];
            after = after != 0;
            expected.chmotion[c] = static_cast<std::uint8_t>(after);
            break;
        case Ctl::Check2:
            before = expected.chaudio[c];
            after = after != 0;
            expected.chaudio[c] = static_cast<std::uint8_t>(after);
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
    case Op::Edit: {
        if (a.target == Ctl::Text3) {
            const double v = readNumber(a.text);
            const double days = roundHalfEven(v);
            const bool takes = v < 99999.0 && days >= -32768.0 && days <= 32767.0;
            if (f.perioddays != (takes ? static_cast<int>(days) : was.perioddays))
                return "period " + std::to_string(f.perioddays) + " after typing " + detail::show(v);
        } else if (f.perioddays != was.perioddays) {
            return "the period changed";
        }
        if (a.target != Ctl::Text1) return othersUnchanged(-1);
        if (std::string why = othersUnchanged(cur); !why.empty()) return why;
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
    case Op::Click: break;
    default:
        if (f.perioddays != was.perioddays) return "the period changed";
        return othersUnchanged(-1);
    }
    if (f.perioddays != was.perioddays) return "the period changed";

    switch (a.target) {
    case Ctl::Command1:
    case Ctl::Command2: {
        const int want = a.target == Ctl::Command1 ? (cur == n ? 1 : cur + 1) : (cur == 1 ? n : cur - 1);
        if (f.curchannel != want || f.channelcount != n)
            return "stepped to channel " + std::to_string(f.curchannel);
        if (std::string why = othersUnchanged(want); !why.empty()) return why;
        return shownFrom(want);
    }
    case Ctl::Command3: {
        if (n == kMaxChannels) {
            if (f.curchannel != cur || f.channelcount != n) return "adding at 32 changed the channel numbers";
            return othersUnchanged(-1);
        }
        if (f.channelcount != n + 1 || f.curchannel != n + 1) return "adding did not show a new last channel";
        if (std::string why = othersUnchanged(n + 1); !why.empty()) return why;
        return shownFrom(cur);
    }
    case Ctl::Command4: {
        if (f.channelcount != n - 1) return "deleting left " + std::to_string(f.channelcount) + " channels";
        const int shown = cur == n ? n - 1 : cur;
        if (f.curchannel != shown) return "deleting showed channel " + std::to_string(f.curchannel);
        for (int i = 1; i < n; ++i) {
            if (i == shown) continue;
            const int from = i < cur ? i : i + 1;
            if (!sameSlot(now, slot(i), was.table, slot(from), Columns::All))
                return "after deleting, slot " + std::to_string(i) + " is not the former " +
                       std::to_string(from);
        }
        return shownFrom(cur == n ? n - 1 : cur + 1);
    }
    case Ctl::Command6: {
        if (!was.answer) return othersUnchanged(-1);
        for (int i = 0; i <= kMaxChannels; ++i) {
            const std::size_t s = slot(i);
            if (i < 1 || i > n) {
                if (!sameSlot(now, s, was.table, s, Columns::All))
                    return "copying touched slot " + std::to_string(i);
                continue;
            }
            // The current channel's settings, bitrate, volume and mark; its own sound and motion.
            const ChannelTable& t = was.table;
            const std::size_t from = slot(cur);
            const bool copied =
                now.chfpsindex[s] == t.chfpsindex[from] && now.chresindex[s] == t.chresindex[from] &&
                now.chhoursindex[s] == t.chhoursindex[from] &&
                now.chqualityindex[s] == t.chqualityindex[from] && now.chprofile[s] == t.chprofile[from] &&
                now.chbitrate[s] == t.chbitrate[from] && now.chdaily[s] == t.chdaily[from] &&
                now.chdailygb[s] == t.chdailygb[from] && now.chmanual[s] == t.chmanual[from];
            const bool kept = now.chaudio[s] == t.chaudio[s] && now.chcodec[s] == t.chcodec[s] &&
                              now.chmotion[s] == t.chmotion[s];
            if (!copied || !kept)
                return "slot " + std::to_string(i) +
                       " is not the current channel's settings with its own sound and motion";
        }
        return {};
    }
    default: return othersUnchanged(-1);
    }
}

} // namespace velmora::checks
