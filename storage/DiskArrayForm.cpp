#include "DiskArrayForm.h"

#include "Estimate.h"
#include "Texts.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace velmora {

namespace {

// What each field takes. A field outside its range is marked like one with letters.
struct FieldRule {
    bool whole;
    bool emptyAllowed;
    double least;             // the smallest value taken
    bool leastOpen;           // `least` itself is refused
    double most;              // the largest value taken
    bool mostOpen;            // `most` itself is refused
    std::string_view message; // shown while the field is marked
};

constexpr std::array<FieldRule, kArrayFieldCount> kFieldRules = {{
    {true, false, 1, false, 64, false, "Число дисков: целое от 1 до 64."},
    {false, false, 0, true, 1000, false, "Объём диска: больше 0 и не больше 1000 ТБ."},
    {true, false, 0, false, 63, false, "Резервных дисков: целое от 0 до 63."},
    {false, false, 0, false, 100, true, "Запас на форматирование: от 0 и меньше 100 %."},
    {false, true, 0, true, 100000, false, "Предел входа: больше 0 и не больше 100000 Мбит/с, или пусто."},
    {false, false, 0, false, 100, true, "Запас по входу: от 0 и меньше 100 %."},
}};

constexpr std::string_view kNoDisksLeft = "Все диски отданы в резерв: в массиве не остаётся ни одного.";
constexpr std::string_view kTooSmallToApply = "Полезный объём меньше 0,01 Тбайт: подставлять нечего.";
constexpr std::string_view kNotChecked = "не проверяется";
// Marked terabytes; the program's own are "Тбайт".
constexpr std::string_view kMarkedTb = "ТБ";
constexpr std::array<std::string_view, 3> kDayWords = {"день", "дня", "дней"};

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

std::string ruleMessage(ArrayRule rule, int arrayDisks)
{
    const std::string inArray = " (в массиве без резервных: " + std::to_string(arrayDisks) + ").";
    switch (rule) {
    case ArrayRule::Holds: return {};
    case ArrayRule::NoDisks: return std::string(kNoDisksLeft);
    case ArrayRule::MirrorPairs:
        return "RAID 1 собирается из зеркальных пар: нужно чётное число дисков" + inArray;
    case ArrayRule::Raid5Three: return "RAID 5 нужно не меньше 3 дисков" + inArray;
    case ArrayRule::Raid6Four: return "RAID 6 нужно не меньше 4 дисков" + inArray;
    case ArrayRule::Raid10Pairs: return "RAID 10 нужно чётное число дисков, не меньше 4" + inArray;
    }
    return {};
}

// The word agrees with the figure as shown: a fraction takes "дня" ("2,5 дня"),
// a whole number its own form, a figure in exponent form "дней".
std::string depthText(double days, std::string_view separator)
{
    const std::string figure = figureText(days, separator);
    std::string_view unit = kDayWords[2];
    if (figure.find('E') == std::string::npos) {
        if (figure.find(separator) != std::string::npos) {
            unit = kDayWords[1];
        } else {
            const DayWord word = dayWord(std::round(days));
            if (word != DayWord::Keep) unit = kDayWords[static_cast<std::size_t>(word)];
        }
    }
    return figure + " " + std::string(unit);
}

} // namespace

std::string_view arrayFieldRule(ArrayField field)
{
    return kFieldRules[static_cast<std::size_t>(field)].message;
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

void DiskArrayForm::setWindowFigures(double dayTotalGb, double totalMbit)
{
    dayTotalGb_ = std::isfinite(dayTotalGb) ? dayTotalGb : 0;
    totalMbit_ = std::isfinite(totalMbit) ? totalMbit : 0;
    recompute();
}

void DiskArrayForm::recompute()
{
    DiskArrayView v;
    std::array<std::optional<double>, kArrayFieldCount> values;
    std::string fieldMessage;
    for (std::size_t i = 0; i < kArrayFieldCount; ++i) {
        const FieldRule& rule = kFieldRules[i];
        const std::string& text = settings_.texts[i];
        if (rule.emptyAllowed && trimmed(text).empty()) continue;
        const std::optional<double> read = readArrayField(text, decimal_, rule.whole);
        const bool fits = read && (rule.leastOpen ? *read > rule.least : *read >= rule.least) &&
                          (rule.mostOpen ? *read < rule.most : *read <= rule.most);
        if (fits) {
            values[i] = read;
        } else {
            v.bad[i] = true;
            if (fieldMessage.empty()) fieldMessage = rule.message;
        }
    }
    auto at = [&](ArrayField f) { return values[static_cast<std::size_t>(f)]; };
    // A marked field stands in the way of every result: the user mends it first.
    if (!fieldMessage.empty()) {
        v.message = std::move(fieldMessage);
        view_ = std::move(v);
        return;
    }

    ArrayPlan plan;
    plan.disks = static_cast<int>(*at(ArrayField::Disks));
    plan.diskTb = *at(ArrayField::DiskSize);
    plan.level = static_cast<ArrayLevel>(settings_.level);
    plan.spares = static_cast<int>(*at(ArrayField::Spares));
    plan.reservePercent = *at(ArrayField::Reserve);
    const ArrayCapacity c = arrayCapacity(plan);
    if (c.rule != ArrayRule::Holds) {
        v.message = ruleMessage(c.rule, c.arrayDisks);
    } else {
        v.disks = std::to_string(c.arrayDisks) + " (под данные: " + std::to_string(c.dataDisks) + ")";
        v.raw = figureText(c.rawTb, decimal_) + " " + std::string(kMarkedTb);
        v.usable = figureText(c.usableTb, decimal_) + " " + std::string(texts::kTerabytes);
        const std::optional<double> days = archiveDepthDays(c.usableTb, dayTotalGb_);
        v.depth = days ? depthText(*days, decimal_) : std::string(texts::kInfinity);
        // The disk-size field reads the period only, whatever the regional separator.
        v.applyText = figureText(c.usableTb, ".");
        if (v.applyText == "0") {
            v.applyText.clear();
            v.message = kTooSmallToApply;
        }
    }

    if (!at(ArrayField::Limit)) {
        v.load = kNotChecked;
    } else {
        const InputLoad load = inputLoad(totalMbit_, *at(ArrayField::Limit), *at(ArrayField::Headroom));
        v.load = figureText(load.loadPercent, decimal_) + " %";
        if (load.over) {
            if (!v.message.empty()) v.message += "\n";
            v.message += "Поток " + figureText(totalMbit_, decimal_) + " Мбит/с больше допустимых " +
                         figureText(load.allowedMbit, decimal_) + " Мбит/с (предел входа за вычетом запаса).";
        }
    }
    view_ = std::move(v);
}

} // namespace velmora
