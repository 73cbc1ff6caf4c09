// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportWindow.h"
#include "FakePlatform.h"
#include "ReportLayout.h"
#include "WindowKit.h"

#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

class ReportWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (int k = 1; k <= 17; ++k) {
            table.chbitrate[k] = 1616.01f;
            table.chprofile[k] = 2;
            table.chdaily[k] = 16.64f;
            table.chdailygb[k] = kTrue;
        }
        input.table = &table;
        input.totaldaily = 282.88f;
        input.perioddays = 30;
        input.periodtotal = 8.29f;
        input.hddsize = 2.0f;
        input.periodDayWord = "дней:";
        input.depthText = "7.24";
        input.depthDayWord = "дня.";
        input.totalBitrateText = "26.83";
        window = std::make_unique<ReportWindow>(platform);
    }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        return window->findChild<T*>(QString::fromUtf8(name));
    }

    QString labelText(const char* name) const { return control<QLabel>(name)->text(); }
    bool shown(const char* name) const { return control(name)->isVisibleTo(window.get()); }
    bool fitsItsText(const char* name) const
    {
        const QLabel* label = control<QLabel>(name);
        return label->width() >= label->fontMetrics().horizontalAdvance(label->text());
    }

    QTemporaryDir dir;
    ChannelTable table;
    ReportInput input;
    FakePlatform platform;
    std::unique_ptr<ReportWindow> window;
};

// Pages of a PDF written by Qt: its page objects, not the page tree ("/Pages").
int pdfPages(const QString& path, QByteArray* contents = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    if (contents) *contents = bytes;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    int pages = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(bytes)); match.hasNext(); match.next()) ++pages;
    return pages;
}

TEST_F(ReportWindowTest, IsBuiltFromItsTableInPixels)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Печать.."));
    EXPECT_EQ(window->size(), QSize(728, 680));
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));

    for (const ControlRow& c : reportControls()) {
        const auto found = window->findChildren<QWidget*>(QString::fromUtf8(c.name.data(), c.name.size()));
        ASSERT_EQ(found.size(), 1) << c.name;
        const QRect box = pixelRect(c.place);
        const QRect shownBox = found.front()->geometry();
        if (c.growsWithText) {
            EXPECT_EQ(shownBox.topLeft(), box.topLeft()) << c.name;
            EXPECT_EQ(shownBox.height(), box.height()) << c.name;
            EXPECT_GE(shownBox.width(), box.width()) << c.name;
        } else {
            EXPECT_EQ(shownBox, box) << c.name;
        }
        EXPECT_EQ(found.front()->isVisibleTo(window.get()), !c.hidden) << c.name;
    }

    EXPECT_EQ(control("Label28(17)")->geometry(), QRect(672, 88, 41, 17));
    EXPECT_EQ(control("Label4(0)")->geometry(), QRect(192, 32, 345, 17));
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("Печать"));
    EXPECT_NE(control<QPlainTextEdit>("Text1"), nullptr);
    EXPECT_TRUE(control<QLabel>("Label1(1)")->alignment() & Qt::AlignRight);
    EXPECT_TRUE(control<QLabel>("Label1(17)")->alignment() & Qt::AlignLeft);
    EXPECT_TRUE(control<QLabel>("Label4(3)")->alignment() & Qt::AlignHCenter);

    const QFontInfo title(control("Label4(0)")->font());
    EXPECT_TRUE(title.bold());
    EXPECT_DOUBLE_EQ(title.pointSizeF(), 9.75);
}

TEST_F(ReportWindowTest, FillingReachesTheWidgetsAndSparesTheNotes)
{
    control<QPlainTextEdit>("Text1")->setPlainText(QStringLiteral("Склад, 2 этаж"));
    window->fill(input);
    EXPECT_TRUE(shown("Label1(17)"));
    EXPECT_EQ(labelText("Label1(17)"), QStringLiteral("17"));
    EXPECT_EQ(labelText("Label2(17)"), QStringLiteral("High"));
    EXPECT_FALSE(shown("Label1(18)"));
    EXPECT_FALSE(shown("Label28(18)"));
    EXPECT_TRUE(shown("Label28(1)"));
    EXPECT_EQ(labelText("Label6"), QStringLiteral("282.88"));
    EXPECT_EQ(labelText("Label26"), QStringLiteral("дней:"));
    EXPECT_TRUE(fitsItsText("Label8"));

    table.chbitrate[17] = 0.0f;
    input.perioddays = 0;
    window->fill(input);
    EXPECT_FALSE(shown("Label1(17)"));
    EXPECT_EQ(labelText("Label1(17)"), QStringLiteral("17"));
    EXPECT_FALSE(shown("Label8"));
    EXPECT_FALSE(shown("Label10"));
    EXPECT_EQ(control<QPlainTextEdit>("Text1")->toPlainText(), QStringLiteral("Склад, 2 этаж"));
}

// Where a label's text reaches on screen (and on paper): its text aligned in
// the label, cut at the label's edges.
QRect inkOf(const QLabel* label)
{
    const QSize text(label->fontMetrics().horizontalAdvance(label->text()), label->fontMetrics().height());
    const QRect aligned =
        QStyle::alignedRect(label->layoutDirection(), label->alignment(), text, label->contentsRect());
    return aligned.intersected(label->rect()).translated(label->pos());
}

// Long values stay in their boxes: "бесконечность" never prints over "дней.",
// nor "Перебор!" over the day word, nor a long number over its unit.
TEST_F(ReportWindowTest, LongValuesKeepToTheirBoxes)
{
    for (int k = 1; k <= 32; ++k) {
        table.chbitrate[k] = 3.402823e38f;
        table.chdaily[k] = -3.402823e38f;
        table.chprofile[k] = 3;
    }
    input.totaldaily = -3.402823e38f;
    input.perioddays = -32768;
    input.periodtotal = -3.402823e38f;
    input.hddsize = -3.402823e38f;
    input.periodDayWord = "дней:";
    input.depthDayWord = "дней.";
    input.totalBitrateText = "-3.320312E+35";
    for (const char* depth : {"бесконечность", "Перебор!", "-1.230444E+37"}) {
        SCOPED_TRACE(depth);
        input.depthText = depth;
        window->fill(input);
        std::vector<const QLabel*> labels;
        std::vector<TwipRect> places;
        for (const ControlRow& c : reportControls()) {
            const auto* label = control<QLabel>(std::string(c.name).c_str());
            if (!label || !label->isVisibleTo(window.get()) || label->text().isEmpty()) continue;
            labels.push_back(label);
            places.push_back(c.place);
        }
        for (std::size_t a = 0; a < labels.size(); ++a) {
            for (std::size_t b = a + 1; b < labels.size(); ++b) {
                // Two design boxes touch by a pixel here and there; no text reaches beyond that.
                const QRect shared = pixelRect(places[a]).intersected(pixelRect(places[b]));
                const QRect overlap = inkOf(labels[a]).intersected(inkOf(labels[b]));
                EXPECT_TRUE(overlap.isEmpty() || shared.contains(overlap))
                    << labels[a]->objectName().toStdString() << " \"" << labels[a]->text().toStdString()
                    << "\" over " << labels[b]->objectName().toStdString() << " \""
                    << labels[b]->text().toStdString() << "\"";
            }
        }
    }
    EXPECT_EQ(labelText("Label34"), QStringLiteral("-1.230444E+37"));
}

TEST_F(ReportWindowTest, PrintsOnePageWithoutTheButton)
{
    platform.printerFile = dir.filePath(QStringLiteral("printer.pdf"));
    bool buttonShownWhilePrinting = true;
    platform.onPrinterAsked = [&] { buttonShownWhilePrinting = shown("Command1"); };
    window->fill(input);
    window->show();
    const QString dailyBefore = labelText("Label6");

    control<QPushButton>("Command1")->click();

    EXPECT_FALSE(buttonShownWhilePrinting);
    EXPECT_TRUE(control("Command1")->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(platform.printed, 1);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(platform.notices.empty());
    EXPECT_EQ(labelText("Label6"), dailyBefore);

    QByteArray pdf;
    EXPECT_EQ(pdfPages(platform.printerFile, &pdf), 1);
    // Drawn as text in a font, not as a picture of the window.
    EXPECT_TRUE(pdf.contains("/FontFile2"));
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
}

TEST_F(ReportWindowTest, WithoutAPrinterOffersAPdfFile)
{
    struct Case {
        const char* name;
        bool answer;
        const char* path; // relative to the test folder; "" for a cancelled file question
        bool pathAsked;
        bool saved;
        bool notice;
    };
    const Case cases[] = {
        {"answered no", false, "no.pdf", false, false, false},
        {"yes, then cancelled", true, "", true, false, false},
        {"yes, saved", true, "saved.pdf", true, true, false},
        {"yes, folder missing", true, "missing/saved.pdf", true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.answer = c.answer;
        fake.pdfPath = *c.path ? dir.filePath(QString::fromUtf8(c.path)) : QString();
        ReportWindow report(fake);
        report.fill(input);
        report.show();

        report.Command1_Click();

        ASSERT_EQ(fake.questions.size(), 1u);
        EXPECT_EQ(fake.questions[0].title, QStringLiteral("Печать"));
        EXPECT_TRUE(fake.questions[0].text.contains(QStringLiteral("PDF")));
        EXPECT_EQ(fake.pdfPathAsked, c.pathAsked ? 1 : 0);
        EXPECT_EQ(fake.notices.size(), c.notice ? 1u : 0u);
        EXPECT_EQ(fake.printed, 0);
        if (!fake.pdfPath.isEmpty()) {
            EXPECT_EQ(pdfPages(fake.pdfPath), c.saved ? 1 : -1);
        }
        EXPECT_TRUE(report.findChild<QPushButton*>(QStringLiteral("Command1"))->isVisible());
        EXPECT_TRUE(report.isVisible());
    }
}

} // namespace
} // namespace velmora
