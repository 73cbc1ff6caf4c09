// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFill.h"
#include "ReportLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// A computed channel at the start-up settings: High, 1920x1080, grade 9, 25 fps, 24 h.
void addComputedChannel(ChannelTable& table, int k, float bitrate = 1616.01f)
{
    table.chbitrate[k] = bitrate;
    table.chprofile[k] = 2;
    table.chresindex[k] = 0;
    table.chqualityindex[k] = 0;
    table.chfpsindex[k] = 0;
    table.chhoursindex[k] = 0;
    table.chdaily[k] = 16.64f;
    table.chdailygb[k] = kTrue;
    table.chmanual[k] = kFalse;
}

ChannelTable channels(int count)
{
    ChannelTable table;
    for (int k = 1; k <= count; ++k) addComputedChannel(table, k);
    return table;
}

ReportInput inputFor(const ChannelTable& table)
{
    ReportInput in;
    in.table = &table;
    in.totaldaily = 16.64f;
    in.perioddays = 30;
    in.periodtotal = 0.4875f;
    in.hddsize = 2.0f;
    in.diskUnitIndex = 0;
    in.periodDayWord = "дней:";
    in.depthText = "123.08";
    in.depthDayWord = "дня.";
    in.totalBitrateText = "1.58";
    return in;
}

// A control by the name the driver knows it by; null for a name the report lacks.
const ControlRow* row(std::string_view name)
{
    for (const ControlRow& control : reportControls())
        if (control.name == name) return &control;
    return nullptr;
}

const ControlState& state(const ReportFill& report, const std::string& name)
{
    const ControlRow* found = row(name);
    if (!found) throw std::runtime_error("no control " + name);
    return report.states()[static_cast<std::size_t>(found - reportControls().data())];
}

std::string text(const ReportFill& report, const std::string& name)
{
    return state(report, name).text;
}

bool rowVisible(const ReportFill& report, int k)
{
    bool all = true;
    bool any = false;
    for (RowArray array : kRowArrays) {
        const bool visible = report.cell(array, k).visible;
        all = all && visible;
        any = any || visible;
    }
    EXPECT_EQ(all, any) << "row " << k << " is partly shown";
    return all;
}

TEST(ReportLayout, RowOfChannelKStandsAtItsFixedPlace)
{
    struct Case {
        int channel;
        int numberLeft;
        int top;
    };
    const Case cases[] = {
        {1, 150, 1320}, {16, 150, 6720}, {17, 5385, 1320}, {32, 5385, 6720}, {20, 5385, 2400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("channel " + std::to_string(c.channel));
        EXPECT_EQ(reportControls()[reportIndex(RowArray::Label1, c.channel)].place.left, c.numberLeft);
        for (RowArray array : kRowArrays) {
            // The array and the channel find the element of that name.
            const ControlRow& cell = reportControls()[reportIndex(array, c.channel)];
            EXPECT_EQ(cell.name, elementName(rowArrayName(array), c.channel));
            EXPECT_EQ(cell.place.top, c.top) << cell.name;
            EXPECT_EQ(cell.place.height, 255) << cell.name;
        }
    }
    EXPECT_FALSE(row("Label1(0)"));
    EXPECT_FALSE(row("Label1(33)"));
    // Each control that stands alone is found under its own name.
    const std::pair<ReportCtl, std::string_view> named[] = {
        {ReportCtl::Command1, "Command1"}, {ReportCtl::Label4_0, "Label4(0)"},
        {ReportCtl::Text1, "Text1"},       {ReportCtl::Label5, "Label5"},
        {ReportCtl::Label26, "Label26"},   {ReportCtl::Label30, "Label30"},
        {ReportCtl::Label38, "Label38"},
    };
    for (const auto& [id, name] : named) EXPECT_EQ(reportControls()[reportIndex(id)].name, name);
}

TEST(ReportFill, DesignStateBeforeTheFirstFilling)
{
    const ReportFill report;
    struct Case {
        const char* name;
        const char* text;
        bool visible;
    };
    const Case cases[] = {
        {"Label4(0)", "Рассчёт требуемого для системы объёма памяти:", true},
        {"Label30", "HDD объёмом ", true},
        {"Label31", "nnn", true},
        {"Label32", "Nbytes", true},
        {"Label35", "дней?", true},
        {"Label8", "Общий объём за", false},
        {"Label26", "дней:", false},
        {"Label10", "Тбайт", false},
        {"Label12(5)", "Кач", false},
        {"Label28(5)", "Гбайт", false},
        {"Label1(5)", "Label1", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(report, c.name), c.text) << c.name;
        EXPECT_EQ(state(report, c.name).visible, c.visible) << c.name;
    }
}

TEST(ReportFill, ShowsARowForEveryChannelWithABitrate)
{
    for (int count : {1, 16, 17, 32}) {
        SCOPED_TRACE(std::to_string(count) + " channels");
        const ChannelTable table = channels(count);
        ReportFill report;
        report.fill(inputFor(table));
        for (int k = 1; k <= 32; ++k) {
            EXPECT_EQ(rowVisible(report, k), k <= count) << "row " << k;
            if (k <= count) {
                EXPECT_EQ(text(report, elementName("Label1", k)), std::to_string(k));
            }
        }
        // The row loop never reaches element 0 of Label4, which is the title.
        EXPECT_EQ(text(report, "Label4(0)"), "Рассчёт требуемого для системы объёма памяти:");
    }
}

TEST(ReportFill, ComputedRowNamesTheSettings)
{
    struct Case {
        const char* name;
        int profile, resolution, quality, fps, hours;
        float daily;
        bool dailyGb;
        const char *profileText, *resolutionText, *qualityText, *fpsText, *hoursText, *volumeText;
    };
    const Case cases[] = {
        {"start-up settings", 2, 0, 0, 0, 0, 16.64f, true, //
         "High", "1920x1080", "(9)Прекр.", "25", "24", "16.64"},
        {"grade 8 has a leading space", 0, 2, 1, 24, 23, 512.0f, false, //
         "Base", "926x576", " (8)Отл.", "1", "1", "0.5"},
        {"last entries", 1, 6, 8, 10, 12, 1.005f, true, //
         "Main", "352x288", "(1)", "15", "12", "1"},
        {"volume rounded half to even", 1, 3, 5, 0, 0, 2.345f, true, //
         "Main", "704x576", "(4)Оч.пл", "25", "24", "2.34"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChannelTable table = channels(1);
        table.chprofile[1] = static_cast<std::uint8_t>(c.profile);
        table.chresindex[1] = static_cast<std::int16_t>(c.resolution);
        table.chqualityindex[1] = static_cast<std::int16_t>(c.quality);
        table.chfpsindex[1] = static_cast<std::int16_t>(c.fps);
        table.chhoursindex[1] = static_cast<std::int16_t>(c.hours);
        table.chdaily[1] = c.daily;
        table.chdailygb[1] = c.dailyGb ? kTrue : kFalse;
        ReportFill report;
        report.fill(inputFor(table));
        EXPECT_EQ(text(report, "Label2(1)"), c.profileText);
        EXPECT_EQ(text(report, "Label3(1)"), c.resolutionText);
        EXPECT_EQ(text(report, "Label12(1)"), c.qualityText);
        EXPECT_EQ(text(report, "Label4(1)"), c.fpsText);
        EXPECT_EQ(text(report, "Label11(1)"), c.hoursText);
        EXPECT_EQ(text(report, "Label28(1)"), c.volumeText);
    }
}

TEST(ReportFill, HandTypedChannelShowsItsBitrateInsteadOfTheSettings)
{
    for (const auto& [decimal, bitrate] : {std::pair{".", "2048.46"}, std::pair{",", "2048,46"}}) {
        ChannelTable table = channels(18);
        table.chmanual[18] = kTrue;
        table.chbitrate[18] = 2048.456f;
        table.chhoursindex[18] = 4;
        table.chdaily[18] = 900.0f;
        table.chdailygb[18] = kFalse;
        ReportInput in = inputFor(table);
        in.decimal = decimal;
        ReportFill report;
        report.fill(in);
        EXPECT_TRUE(rowVisible(report, 18));
        EXPECT_EQ(text(report, "Label1(18)"), "18");
        EXPECT_EQ(text(report, "Label2(18)"), "CBR");
        EXPECT_EQ(text(report, "Label12(18)"), "битрейт");
        EXPECT_EQ(text(report, "Label3(18)"), bitrate);
        EXPECT_EQ(text(report, "Label4(18)"), "Кбит/сек");
        EXPECT_EQ(text(report, "Label11(18)"), "20");
        EXPECT_EQ(text(report, "Label28(18)"), std::string("0") + decimal + "88"); // 900 / 1024
    }
}

TEST(ReportFill, IndexWithoutATextKeepsTheCellsText)
{
    ChannelTable table = channels(1);
    table.chprofile[1] = 1;
    table.chresindex[1] = 3;
    table.chqualityindex[1] = 2;
    ReportFill report;
    report.fill(inputFor(table));

    table.chprofile[1] = 3;
    table.chresindex[1] = 7;
    table.chqualityindex[1] = -1;
    report.fill(inputFor(table));
    EXPECT_EQ(text(report, "Label2(1)"), "Main");
    EXPECT_EQ(text(report, "Label3(1)"), "704x576");
    EXPECT_EQ(text(report, "Label12(1)"), "(7)Хор.");
}

TEST(ReportFill, ChannelWithoutABitrateHasNoRow)
{
    ChannelTable table = channels(4);
    table.chbitrate[2] = 0.0f;
    table.chbitrate[3] = -5.0f;
    ReportFill report;
    report.fill(inputFor(table));
    EXPECT_TRUE(rowVisible(report, 1));
    EXPECT_FALSE(rowVisible(report, 2));
    EXPECT_FALSE(rowVisible(report, 3));
    EXPECT_TRUE(rowVisible(report, 4));
}

TEST(ReportFill, RowHiddenOnRefillKeepsItsTexts)
{
    ChannelTable table = channels(3);
    table.chresindex[3] = 4;
    ReportFill report;
    report.fill(inputFor(table));
    ASSERT_TRUE(rowVisible(report, 3));

    // Deleting the last channel leaves its vacated slot with a bitrate of 0.
    table.chbitrate[3] = 0.0f;
    table.chresindex[3] = 0;
    report.fill(inputFor(table));
    EXPECT_FALSE(rowVisible(report, 3));
    EXPECT_EQ(text(report, "Label1(3)"), "3");
    EXPECT_EQ(text(report, "Label3(3)"), "640x480");
    EXPECT_TRUE(rowVisible(report, 2));
}

TEST(ReportFill, PeriodLineOnlyForOneDayOrMore)
{
    const ChannelTable table = channels(1);
    const char* periodLine[] = {"Label8", "Label25", "Label26", "Label9", "Label10"};
    ReportFill report;
    struct Step {
        std::int16_t days;
        bool shown;
    };
    for (const Step step : {Step{0, false}, Step{1, true}, Step{-3, false}, Step{30, true}}) {
        SCOPED_TRACE(std::to_string(step.days) + " days");
        ReportInput in = inputFor(table);
        in.perioddays = step.days;
        in.periodDayWord = step.days == 1 ? "день:" : "дней:";
        in.periodtotal = 0.145f;
        report.fill(in);
        for (const char* name : periodLine) EXPECT_EQ(state(report, name).visible, step.shown) << name;
        if (step.shown) {
            EXPECT_EQ(text(report, "Label25"), std::to_string(step.days));
            EXPECT_EQ(text(report, "Label26"), in.periodDayWord);
            EXPECT_EQ(text(report, "Label9"), "0.14");
        }
    }
}

TEST(ReportFill, TotalsBlock)
{
    const ChannelTable table = channels(1);
    struct Case {
        const char* name;
        float totaldaily, hddsize;
        int unit;
        const char *depth, *depthWord, *bitrate;
        const char *daily, *disk, *unitText;
    };
    const Case cases[] = {
        {"terabytes", 2.345f, 2.345f, 0, "123.08", "дня.", "1.58", "2.34", "2.345", "Тбайт"},
        {"gigabytes", 0.0f, 500.0f, 1, "бесконечность", "", "0", "0", "500", "Гбайт"},
        {"oversized disk", 16.64f, 9999999.0f, 1, "Перебор!", "", "1.58", "16.64", "9999999", "Гбайт"},
        {"unit past the list", 16.64f, 3.0f, -1, "5", "дней.", "1.58", "16.64", "3", "Гбайт"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportInput in = inputFor(table);
        in.totaldaily = c.totaldaily;
        in.hddsize = c.hddsize;
        in.diskUnitIndex = c.unit;
        in.depthText = c.depth;
        in.depthDayWord = c.depthWord;
        in.totalBitrateText = c.bitrate;
        ReportFill report;
        report.fill(in);
        EXPECT_EQ(text(report, "Label6"), c.daily);
        EXPECT_EQ(text(report, "Label31"), c.disk);
        EXPECT_EQ(text(report, "Label32"), c.unitText);
        EXPECT_EQ(text(report, "Label34"), c.depth);
        EXPECT_EQ(text(report, "Label35"), c.depthWord);
        EXPECT_EQ(text(report, "Label37"), c.bitrate);
        EXPECT_EQ(text(report, "Label30"), "HDD объёмом ");
    }
}

} // namespace
} // namespace velmora
