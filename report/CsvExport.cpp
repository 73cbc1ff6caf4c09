// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvExport.h"

#include "NumberRules.h"
#include "Options.h"
#include "ReportFill.h"
#include "ReportTexts.h"
#include "Texts.h"

#include <array>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

namespace t = reporttexts;

constexpr std::size_t kColumns = t::kCsvHeadings.size();
using Row = std::vector<std::string>;

std::string field(std::string_view text)
{
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

// A text the user typed, such as a camera's name: a spreadsheet would run one
// that begins with "=", "+", "-" or "@" as a formula, so it is kept text by a
// leading apostrophe.
std::string typedText(const std::string& text)
{
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        return "'" + text;
    return text;
}

void addRow(std::string& out, Row row, std::size_t columns = kColumns)
{
    row.resize(columns);
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i) out += ';';
        out += field(row[i]);
    }
    out += "\r\n";
}

template <typename Table>
std::string captionAt(const Table& table, long position)
{
    const auto* row = optionAt(table, position);
    return row ? std::string(row->caption) : std::string();
}

// "дней:" and "дня." as words of their own.
std::string bareWord(std::string word)
{
    while (!word.empty() && (word.back() == ':' || word.back() == '.')) word.pop_back();
    return word;
}

const std::string& reportText(const ReportFill& report, ReportCtl id)
{
    return report.at(id).text;
}

} // namespace

namespace {

// The cameras' names get a column of their own once any channel has one.
bool anyNamed(const MainForm& form)
{
    for (int k = 1; k <= form.channelcount && k <= kMaxChannels; ++k)
        if (!form.cameras[static_cast<std::size_t>(k)].name.empty()) return true;
    return false;
}

Row heading(bool named)
{
    Row row(t::kCsvHeadings.begin(), t::kCsvHeadings.end());
    if (named) row.insert(row.begin() + 1, std::string(t::kCsvCamera));
    return row;
}

// One recorder's rows: a row per channel, then the totals as the report shows them.
std::vector<Row> tableRows(const MainForm& form, bool named)
{
    std::vector<Row> rows;
    const ChannelTable& ch = form.ch;
    const std::string& decimal = form.decimal();
    for (int k = 1; k <= form.channelcount && k <= kMaxChannels; ++k) {
        const auto s = static_cast<std::size_t>(k);
        Row row{intText(k)};
        if (named) row.push_back(typedText(form.cameras[s].name));
        if (ch.chmanual[s] != kFalse) {
            // A typed (CBR) bitrate: the picture settings did not make it.
            row.insert(row.end(), {std::string(t::kCbrProfile), std::string(t::kCbrQuality), "", ""});
        } else {
            const auto* resolution = optionAt(kResolutions, ch.chresindex[s]);
            const auto* rate = optionAt(kFrameRates, ch.chfpsindex[s]);
            row.push_back(captionAt(kProfiles, ch.chprofile[s]));
            row.push_back(captionAt(kQualities, ch.chqualityindex[s]));
            row.push_back(resolution ? std::string(resolution->reportText) : std::string());
            row.push_back(rate ? intText(rate->framesPerSecond) : std::string());
        }
        const auto* hours = optionAt(kHours, ch.chhoursindex[s]);
        row.push_back(hours ? intText(hours->hoursPerDay) : std::string());
        row.push_back(floatText(okrug(ch.chbitrate[s]), decimal));
        row.push_back(floatText(okrug(ch.chdaily[s]), decimal));
        row.push_back(std::string(ch.chdailygb[s] != kFalse ? texts::kGigabytes : texts::kMegabytes));
        rows.push_back(std::move(row));
    }

    ReportFill report;
    report.fill(reportInputOf(form));
    rows.push_back({std::string(t::kCsvDayTotal), reportText(report, ReportCtl::Label6),
                    std::string(texts::kGigabytes)});
    rows.push_back({std::string(t::kCsvPeriod), form.control(Ctl::Label29).text,
                    std::string(texts::kTerabytes), intText(form.perioddays),
                    bareWord(form.control(Ctl::Label41).text)});
    rows.push_back({std::string(t::kCsvDisk), reportText(report, ReportCtl::Label31),
                    reportText(report, ReportCtl::Label32)});
    rows.push_back({std::string(t::kCsvDepth), reportText(report, ReportCtl::Label34),
                    bareWord(reportText(report, ReportCtl::Label35))});
    rows.push_back({std::string(t::kCsvTotalBitrate), reportText(report, ReportCtl::Label37),
                    std::string(t::kCsvMegabits)});
    return rows;
}

} // namespace

std::string channelTableCsv(const MainForm& form)
{
    std::string out = "\xEF\xBB\xBF";
    const bool named = anyNamed(form);
    const std::size_t columns = named ? kColumns + 1 : kColumns;
    addRow(out, heading(named), columns);
    for (Row& row : tableRows(form, named)) addRow(out, std::move(row), columns);
    return out;
}

std::string siteChannelTableCsv(const std::vector<RecorderTable>& recorders)
{
    std::string out = "\xEF\xBB\xBF";
    bool named = false;
    for (const RecorderTable& r : recorders) named = named || anyNamed(*r.form);
    // The recorder's name before every row of its own, totals too.
    const std::size_t columns = (named ? kColumns + 1 : kColumns) + 1;
    Row first = heading(named);
    first.insert(first.begin(), std::string(t::kCsvRecorder));
    addRow(out, first, columns);
    for (const RecorderTable& r : recorders)
        for (Row& row : tableRows(*r.form, named)) {
            row.resize(columns - 1);
            row.insert(row.begin(), typedText(r.name));
            addRow(out, std::move(row), columns);
        }
    return out;
}

} // namespace velmora
