// SPDX-License-Identifier: GPL-3.0-or-later
#include "SiteSummary.h"

#include "Limits.h"
#include "NumberRules.h"
#include "Options.h"
#include "PlanSession.h"
#include "Single.h"

#include <charconv>
#include <cmath>

namespace velmora {

namespace {

// The network's decimal Mbit/s of a stream in the program's Кбит/с (1024 bits).
constexpr double kBitsPerMegabit = 1e6;
double networkMbit(double programKbit)
{
    return programKbit * kUnitStep / kBitsPerMegabit;
}

// A figure as the program writes it, read back: the rows' figures are what
// the totals add up.
double shownValue(const std::string& text, const std::string& decimal)
{
    std::string plain = text;
    if (!decimal.empty() && decimal != ".")
        for (std::size_t at = plain.find(decimal); at != std::string::npos; at = plain.find(decimal, at + 1))
            plain.replace(at, decimal.size(), ".");
    const double value = readNumber(plain);
    return std::isfinite(value) ? value : 0;
}

std::optional<int> wholeNumber(const std::string& text)
{
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

} // namespace

SiteSummary summarizeSite(const PlanSession& session)
{
    SiteSummary summary;
    const std::string& decimal = session.form().decimal();
    long long cameras = 0;
    double network = 0;
    double dayTotal = 0;
    long long disks = 0;
    std::string disksWord; // a recorder's need that is no number ("более 100000")
    bool anyAsks = false;
    for (int i = 0; i < session.recorderCount(); ++i) {
        const MainForm& form = session.recorderForm(i);
        // The dialog's figures follow its recorder's window, as when it is open.
        DiskArrayForm array = session.recorderDiskArray(i);
        array.setWindowFigures(form.totaldaily, form.totalbitrate / kUnitStep,
                               form.control(Ctl::Label35).text);
        RecorderSummary row;
        row.name = session.recorderName(i);
        row.channels = form.control(Ctl::Label24).text;
        row.stream = form.control(Ctl::Label43).text;
        row.networkStream = figureText(networkMbit(form.totalbitrate), decimal);
        row.dayTotal = form.control(Ctl::Label26).text;
        row.disk =
            form.control(Ctl::Text2).text + " " +
            std::string(kDiskUnits.at(static_cast<std::size_t>(form.control(Ctl::Combo5).index)).caption);
        row.depth = form.control(Ctl::Label34).text + " " + form.control(Ctl::Label35).text;
        if (const std::optional<double> wanted = array.fieldValue(ArrayField::TargetDays)) {
            row.daysWanted = array.settings().texts[static_cast<std::size_t>(ArrayField::TargetDays)];
            const double disk = form.control(Ctl::Text2).number;
            const bool depthShown = disk > 0 && fitsSingle(disk) && disk < kInputLimit;
            // A day total of nothing keeps any disk for ever.
            row.reached = depthShown && (form.totaldaily == 0 || form.depthdays >= *wanted);
            row.disksNeeded = array.view().disksNeeded;
            anyAsks = true;
            if (const std::optional<int> n = wholeNumber(row.disksNeeded))
                disks += *n;
            else if (disksWord.empty())
                disksWord = row.disksNeeded;
        }
        cameras += form.channelcount;
        network += shownValue(row.networkStream, decimal);
        dayTotal += shownValue(row.dayTotal, decimal);
        summary.recorders.push_back(std::move(row));
    }
    summary.cameras = intText(cameras);
    summary.networkStream = figureText(network, decimal);
    summary.dayTotal = figureText(dayTotal, decimal);
    if (anyAsks) summary.disksNeeded = disksWord.empty() ? intText(disks) : disksWord;
    return summary;
}

} // namespace velmora
