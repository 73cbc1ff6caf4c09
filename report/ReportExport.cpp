// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportExport.h"

#include "CsvExport.h"
#include "PlanFile.h"
#include "PlanSession.h"
#include "PlanTexts.h"
#include "Platform.h"
#include "ReportWindow.h"
#include "SitePage.h"
#include "SiteSummary.h"
#include "TextDoor.h"

#include <QPagedPaintDevice>

#include <cstdio>

namespace velmora {

namespace {

// The page is only painted into a file: nothing is asked, nothing printed.
class PageOnly : public Platform {
public:
    int screenHeight() override { return 0; }
    QString decimalSeparator() override { return {}; }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
    void tell(QWidget*, const QString&, const QString&) override {}
    void openUrl(const QUrl&) override {}
    std::unique_ptr<QPagedPaintDevice> defaultPrinter(const QString&) override { return nullptr; }
    QString askPdfPath(QWidget*) override { return {}; }
    QString askSavePath(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString askOpenPath(QWidget*, const QString&, const QString&) override { return {}; }
    Answer askYesNoCancel(QWidget*, const QString&, const QString&) override { return Answer::Cancel; }
};

} // namespace

bool exportReportPdf(const PlanSession& session, const QString& path, QString* why)
{
    // A report window that is never shown paints the page.
    PageOnly platform;
    ReportWindow page(platform);
    if (session.recorderCount() == 1) {
        page.fill(reportInputOf(session.form()));
        page.setNotes(QString::fromStdString(session.notes()));
        return page.savePdf(path, why);
    }
    // A site: its summary, then each recorder's page as it prints.
    const SiteSummary summary = summarizeSite(session);
    return ReportWindow::savePdfPages(
        path, session.recorderCount() + 1,
        [&](int number, QPainter& painter, QPagedPaintDevice& device) {
            if (number == 0) return paintSitePage(painter, device, summary);
            const int recorder = number - 1;
            page.fill(reportInputOf(session.recorderForm(recorder)));
            page.setNotes(QString::fromStdString(session.recorderNotes(recorder)));
            page.paintOnto(painter, device);
            paintRecorderHeading(painter, device, QString::fromStdString(session.recorderName(recorder)));
        },
        why);
}

bool exportChannelTableCsv(const PlanSession& session, const QString& path, QString* why)
{
    std::string csv;
    if (session.recorderCount() == 1) {
        csv = channelTableCsv(session.form());
    } else {
        std::vector<RecorderTable> tables;
        tables.reserve(static_cast<std::size_t>(session.recorderCount()));
        for (int i = 0; i < session.recorderCount(); ++i)
            tables.push_back({session.recorderName(i), &session.recorderForm(i)});
        csv = siteChannelTableCsv(tables);
    }
    if (path != QLatin1String("-")) return writeFileWhole(path, QByteArray::fromStdString(csv), why);
    if (std::fwrite(csv.data(), 1, csv.size(), stdout) == csv.size() && std::fflush(stdout) == 0) return true;
    if (why) *why = qtText(plantexts::kStdoutFailed);
    return false;
}

} // namespace velmora
