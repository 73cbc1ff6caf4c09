// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskArrayForm.h"

#include "Depth.h"
#include "DiskArrayTexts.h"
#include "Estimate.h"
#include "Limits.h"
#include "NumberRules.h"
#include "Options.h"
#include "Single.h"
#include "Texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace velmora {

namespace {

// What each field takes. A field outside its range is marked like one with letters.
struct FieldRule {
    bool whole;
    bool emptyAllowed;
    double least;   // the smallest value taken
    bool leastOpen; // `least` itself is refused
    double most;    // the largest value taken
    bool mostOpen;  // `most` itself is refused
};

constexpr std::array<FieldRule, kArrayFieldCount> kFieldLimits = {{
    {true, false, 1, false, 64, false},
    {false, false, 0, true, 1000, false},
    {true, false, 0, false, 63, false},
    {false, false, 0, false, 100, true},
    {false, true, 0, true, 100000, false},
    {false, true, 0, false, 100, true},
    {true, true, 1, false, 10000, false},
}};
static_assert(arraytexts::kFieldRules.size() == kArrayFieldCount);
static_assert(arraytexts::kFieldNames.size() == kArrayFieldCount);

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string levelName(ArrayLevel level)
{
    return std::string(kArrayLevelNames[static_cast<std::size_t>(level)]);
}

// "JBOD" rather than the list's "Без массива (JBOD)" inside a sentence.
std::string levelInSentence(ArrayLevel level)
{
    return level == ArrayLevel::Jbod ? std::string("JBOD") : levelName(level);
}

std::string ruleMessage(const ArrayPlan& plan, const ArrayCapacity& c)
{
    using namespace arraytexts;
    const std::string have = std::string(plan.spares > 0 ? kTooFewHaveBesidesSpares : kTooFewHave) +
                             std::to_string(c.arrayDisks) + ".";
    switch (c.rule) {
    case ArrayRule::Holds: return {};
    case ArrayRule::SparesExceed:
        return std::string(kSparesExceedStart) + std::to_string(plan.spares) +
               std::string(kSparesExceedMiddle) + std::to_string(plan.disks) + std::string(kSparesExceedEnd);
    case ArrayRule::NoDisks: return std::string(kNoDisksLeft);
    case ArrayRule::TooFew:
        return levelInSentence(plan.level) + std::string(kTooFewNeeds) +
               std::to_string(leastArrayDisks(plan.level)) + std::string(kTooFewDisks) + have;
    case ArrayRule::Raid10Pairs: return std::string(kRaid10Pairs) + have;
    }
    return {};
}

// A field with a fraction that holds a comma where the period alone is the
// decimal point, and would read with the period in its place.
bool commaForPeriod(std::string_view text, std::string_view decimal, const FieldRule& rule)
{
    if (rule.whole || decimal != "." || text.find(',') == std::string_view::npos) return false;
    std::string withPeriod(text);
    for (char& c : withPeriod)
        if (c == ',') c = '.';
    return readArrayField(withPeriod, decimal, false).has_value();
}

// What "Применить" types into the window's disk-size field for `usableTb`.
std::string applyTextOf(double usableTb)
{
    // The disk-size field reads the period only, whatever the regional separator.
    return figureText(usableTb, ".");
}

// The depth in days that an array of `arrayDisks` reaches, as the window
// shows it; none where the array breaks a rule.
std::optional<float> depthWith(ArrayPlan plan, int arrayDisks, double dayTotalGb)
{
    plan.disks = arrayDisks + plan.spares;
    const ArrayCapacity c = arrayCapacity(plan);
    if (c.rule != ArrayRule::Holds) return std::nullopt;
    return windowDepthDays(applyTextOf(c.usableTb), dayTotalGb);
}

// The fewest disks in all, spares counted in, whose array reaches `days` at
// the window's day total as the window would show the depth. None where no
// count does: RAID 1 holds one disk, however many mirror it. kMostDisksNeeded
// + 1 stands for any count beyond the most.
std::optional<int> disksNeeded(const ArrayPlan& plan, double days, double dayTotalGb)
{
    const int least = leastArrayDisks(plan.level);
    if (dayTotalGb == 0) return least + plan.spares; // nothing recorded: any array holds for ever
    const auto reaches = [&](int arrayDisks) {
        const std::optional<float> depth = depthWith(plan, arrayDisks, dayTotalGb);
        return depth && static_cast<double>(*depth) >= days;
    };
    if (plan.level == ArrayLevel::Raid1) {
        if (reaches(least)) return least + plan.spares;
        return std::nullopt;
    }
    // RAID 10 grows by a pair; the others by a disk.
    const int step = plan.level == ArrayLevel::Raid10 ? 2 : 1;
    const int beyond = kMostDisksNeeded + 1;
    const int most = kMostDisksNeeded - plan.spares;
    // A first guess from the disks of data the days take, then to the exact count.
    const double perDisk = programTb(plan.diskTb) * (1.0 - plan.reservePercent / 100.0);
    const double dataDisks = days * dayTotalGb / (perDisk * kUnitStep);
    if (!(dataDisks <= most)) return beyond;
    const int redundancy = plan.level == ArrayLevel::Raid5 ? 1 : plan.level == ArrayLevel::Raid6 ? 2 : 0;
    int n = static_cast<int>(std::ceil(dataDisks)) * step + redundancy;
    n = std::max(n, least);
    if (step == 2 && n % 2 != 0) ++n;
    while (n - step >= least && reaches(n - step)) n -= step;
    while (!reaches(n)) {
        n += step;
        if (n > most) return beyond;
    }
    if (n > most) return beyond;
    return n + plan.spares;
}

} // namespace

std::string arrayFieldRule(ArrayField field)
{
    const auto i = static_cast<std::size_t>(field);
    const FieldRule& limits = kFieldLimits[i];
    std::string rule(arraytexts::kFieldRules[i]);
    // The limits are whole numbers: they print without a fraction.
    const auto put = [&rule](std::string_view mark, double value) {
        if (const auto at = rule.find(mark); at != std::string::npos)
            rule.replace(at, mark.size(), std::to_string(static_cast<long long>(value)));
    };
    put("%1", limits.least);
    put("%2", limits.most);
    return rule;
}

std::optional<float> windowDepthDays(std::string_view diskText, double dayTotalGb)
{
    const float dayTotal = single(dayTotalGb);
    if (dayTotal == 0) return std::nullopt;
    return depthDays(single(readNumber(diskText)), kTerabyteUnit, dayTotal);
}

std::optional<double> readArrayField(std::string_view text, std::string_view decimal, bool whole)
{
    text = trimmed(text);
    if (text.empty()) return std::nullopt;
    std::string plain;
    plain.reserve(text.size());
    bool separatorSeen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            plain += c;
            continue;
        }
        const bool regional = !decimal.empty() && text.substr(i).starts_with(decimal);
        if (whole || separatorSeen || (c != '.' && !regional)) return std::nullopt;
        separatorSeen = true;
        plain += '.';
        if (regional) i += decimal.size() - 1;
    }
    if (plain == ".") return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string figureText(double value, std::string_view separator)
{
    // Figures from a thousand million up are written in exponent form.
    constexpr double kExponentFrom = 1e9;
    char buffer[64];
    if (std::fabs(value) >= kExponentFrom) {
        std::snprintf(buffer, sizeof buffer, "%.6E", value);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.2f", value);
    }
    std::string out(buffer);
    if (out.find('E') == std::string::npos) {
        out.erase(out.find_last_not_of('0') + 1);
        if (out.back() == '.') out.pop_back();
        if (out == "-0") out = "0";
    }
    if (const auto point = out.find('.'); point != std::string::npos) out.replace(point, 1, separator);
    return out;
}

DiskArrayForm::DiskArrayForm(std::string decimal) : decimal_(std::move(decimal))
{
    recompute();
}

void DiskArrayForm::restore(const DiskArraySettings& settings)
{
    settings_ = settings;
    if (settings_.level < 0 || settings_.level >= static_cast<int>(kArrayLevelNames.size()))
        settings_.level = DiskArraySettings{}.level;
    recompute();
}

void DiskArrayForm::edit(ArrayField field, std::string text)
{
    settings_.texts[static_cast<std::size_t>(field)] = std::move(text);
    recompute();
}

bool DiskArrayForm::selectLevel(int position)
{
    if (position < 0 || position >= static_cast<int>(kArrayLevelNames.size())) return false;
    settings_.level = position;
    recompute();
    return true;
}

void DiskArrayForm::setWindowFigures(double dayTotalGb, double totalProgramMbit, std::string_view keptDayWord)
{
    keptDayWord_ = keptDayWord;
    dayTotalGb_ = std::isfinite(dayTotalGb) ? dayTotalGb : 0;
    totalMbit_ = std::isfinite(totalProgramMbit) ? decimalMbit(totalProgramMbit) : 0;
    recompute();
}

std::optional<double> DiskArrayForm::fieldValue(ArrayField field) const
{
    const auto i = static_cast<std::size_t>(field);
    const FieldRule& rule = kFieldLimits[i];
    const std::string& text = settings_.texts[i];
    if (rule.emptyAllowed && trimmed(text).empty()) return std::nullopt;
    const std::optional<double> read = readArrayField(text, decimal_, rule.whole);
    const bool fits = read && (rule.leastOpen ? *read > rule.least : *read >= rule.least) &&
                      (rule.mostOpen ? *read < rule.most : *read <= rule.most);
    return fits ? read : std::nullopt;
}

void DiskArrayForm::recompute()
{
    using namespace arraytexts;
    DiskArrayView v;
    std::array<std::optional<double>, kArrayFieldCount> values;
    std::string fieldMessage;
    for (std::size_t i = 0; i < kArrayFieldCount; ++i) {
        const FieldRule& rule = kFieldLimits[i];
        const std::string& text = settings_.texts[i];
        if (rule.emptyAllowed && trimmed(text).empty()) continue;
        values[i] = fieldValue(static_cast<ArrayField>(i));
        if (!values[i]) {
            v.bad[i] = true;
            if (fieldMessage.empty()) {
                fieldMessage = commaForPeriod(text, decimal_, rule)
                                   ? std::string(kFieldNames[i]) + std::string(kPeriodOnly)
                                   : arrayFieldRule(static_cast<ArrayField>(i));
            }
        }
    }
    auto at = [&](ArrayField f) { return values[static_cast<std::size_t>(f)]; };
    // A marked field stands in the way of every result: the user mends it first.
    if (!fieldMessage.empty()) {
        v.message = std::move(fieldMessage);
        view_ = std::move(v);
        return;
    }

    std::vector<std::string> lines;
    ArrayPlan plan;
    plan.disks = static_cast<int>(*at(ArrayField::Disks));
    plan.diskTb = *at(ArrayField::DiskSize);
    plan.level = static_cast<ArrayLevel>(settings_.level);
    plan.spares = static_cast<int>(*at(ArrayField::Spares));
    plan.reservePercent = *at(ArrayField::Reserve);
    const ArrayCapacity c = arrayCapacity(plan);
    if (c.rule != ArrayRule::Holds) {
        lines.push_back(ruleMessage(plan, c));
    } else {
        v.arrayDisks =
            std::to_string(c.arrayDisks) + std::string(kDataDisks) + std::to_string(c.dataDisks) + ")";
        v.markedSize = figureText(c.rawTb, decimal_) + " " + std::string(kMarkedTb) + std::string(kEquals) +
                       figureText(programTb(c.rawTb), decimal_) + " " + std::string(texts::kTerabytes);
        v.usableSize = figureText(c.usableTb, decimal_) + " " + std::string(texts::kTerabytes);
        // The depth comes from exactly the text "Применить" types, through the
        // window's arithmetic: after applying, the window shows the same.
        v.applyText = applyTextOf(c.usableTb);
        v.depth = depthText(windowDepthDays(v.applyText, dayTotalGb_), decimal_, keptDayWord_);
        if (v.applyText == "0") {
            v.applyText.clear();
            lines.emplace_back(kTooSmallToApply);
        }
        if (plan.spares > 0 && (plan.level == ArrayLevel::Jbod || plan.level == ArrayLevel::Raid0))
            lines.emplace_back(kSparesIdle);
    }

    if (const std::optional<double> days = at(ArrayField::TargetDays); days && dayTotalGb_ >= 0) {
        const std::optional<int> needed = disksNeeded(plan, *days, dayTotalGb_);
        if (!needed)
            v.disksNeeded = kRaid1NeverReaches;
        else if (*needed > kMostDisksNeeded)
            v.disksNeeded = std::string(kMoreThan) + std::to_string(kMostDisksNeeded);
        else
            v.disksNeeded = std::to_string(*needed);
    }

    if (!at(ArrayField::Limit)) {
        v.load = kNotChecked;
    } else {
        const double limit = *at(ArrayField::Limit);
        const InputLoad load = inputLoad(totalMbit_, limit, at(ArrayField::Headroom).value_or(0));
        v.load = figureText(load.loadPercent, decimal_) + " % (" + figureText(totalMbit_, decimal_) +
                 std::string(kLoadOf) + figureText(limit, decimal_) + std::string(kLoadUnit);
        if (load.over) {
            lines.push_back(std::string(kOverStart) + figureText(totalMbit_, decimal_) +
                            std::string(kOverMiddle) + figureText(load.allowedMbit, decimal_) +
                            std::string(kOverEnd));
        }
    }
    for (const std::string& line : lines) {
        if (!v.message.empty()) v.message += "\n";
        v.message += line;
    }
    view_ = std::move(v);
}

} // namespace velmora
