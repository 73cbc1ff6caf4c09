// The main window's plan commands and exports: open, save, save as, the
// question about unsaved changes, dropping a plan file, the report page as PDF
// and the channel table as CSV.

#include "MainWindow.h"

#include "CsvExport.h"
#include "PlanFile.h"
#include "PlanState.h"
#include "Platform.h"
#include "ReportWindow.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace velmora {

namespace {

const QString kPlanFilter = QStringLiteral("План Velmora (*.velmora)");

// A file as messages name it: by its name, in quotes.
QString shown(const QString& path)
{
    return QStringLiteral("«%1»").arg(QFileInfo(path).fileName());
}

// The one plan file a drag carries, or empty.
QString draggedPlan(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return QFileInfo(path).suffix().compare(QLatin1String(kPlanSuffix), Qt::CaseInsensitive) == 0 ? path
                                                                                                  : QString();
}

} // namespace

std::string MainWindow::currentNotes() const
{
    if (report_ && !notesPending_) return report_->notes().toStdString();
    return planNotes_;
}

QByteArray MainWindow::currentPlanJson() const
{
    Plan plan = capturePlan(*form_, currentNotes());
    // The disk-array dialog goes in once the user has changed something in it.
    if (diskArrayForm_->settings() != DiskArraySettings{}) plan.diskArray = diskArrayForm_->settings();
    return planJson(plan);
}

void MainWindow::updateModified()
{
    if (planPath_.isEmpty()) return;
    setWindowModified(currentPlanJson() != planJson_);
}

bool MainWindow::mayLeavePlan()
{
    // Before any plan was saved or opened nothing is asked, as always.
    if (planPath_.isEmpty()) return true;
    updateModified();
    if (!isWindowModified()) return true;
    const QString question =
        QStringLiteral("Сохранить изменения в плане «%1»?").arg(QFileInfo(planPath_).completeBaseName());
    switch (platform_.askYesNoCancel(this, QStringLiteral("Velmora"), question)) {
    case Platform::Answer::Yes: return savePlan();
    case Platform::Answer::No: return true;
    case Platform::Answer::Cancel: break;
    }
    return false;
}

void MainWindow::openPlan()
{
    if (!mayLeavePlan()) return;
    const QString path = platform_.askOpenPath(this, QStringLiteral("Открыть план"), kPlanFilter);
    if (!path.isEmpty()) openPlanFile(path);
}

bool MainWindow::openPlanFile(const QString& path)
{
    // Everything is read and checked, and the new form built, before anything
    // in the window changes.
    const PlanRead read = readPlanFile(path);
    if (!read.plan) {
        platform_.tell(this, QStringLiteral("Открыть план"),
                       QStringLiteral("Не удалось открыть план %1.\n%2").arg(shown(path), read.error));
        return false;
    }
    form_ = formFromPlan(*read.plan, layout_, platform_.decimalSeparator().toStdString(), *this);
    diskArrayForm_->restore(read.plan->diskArray.value_or(DiskArraySettings{}));
    planPath_ = path;
    planNotes_ = read.plan->notes;
    // The notes go into the report's box: at once into an open report, else
    // the next time the report opens.
    notesPending_ = true;
    if (report_) {
        report_->setNotes(QString::fromStdString(planNotes_));
        notesPending_ = false;
    }
    planJson_ = currentPlanJson();
    setWindowFilePath(path);
    setWindowTitle(QStringLiteral("%1[*] — Velmora").arg(QFileInfo(path).fileName()));
    refresh();
    setWindowModified(false);
    platform_.planOpened(path);
    return true;
}

bool MainWindow::savePlan()
{
    return planPath_.isEmpty() ? savePlanAs() : writePlan(planPath_);
}

bool MainWindow::savePlanAs()
{
    const QString suggested = planPath_.isEmpty() ? QStringLiteral("план.velmora") : planPath_;
    const QString path =
        platform_.askSavePath(this, QStringLiteral("Сохранить план как"), suggested, kPlanFilter);
    return !path.isEmpty() && writePlan(path);
}

bool MainWindow::writePlan(const QString& path)
{
    const QByteArray bytes = currentPlanJson();
    QString why;
    if (!writeFileWhole(path, bytes, &why)) {
        platform_.tell(this, QStringLiteral("Сохранить план"),
                       QStringLiteral("Не удалось сохранить план в файл %1.\n%2").arg(shown(path), why));
        return false;
    }
    planPath_ = path;
    planJson_ = bytes;
    planNotes_ = currentNotes();
    setWindowFilePath(path);
    setWindowTitle(QStringLiteral("%1[*] — Velmora").arg(QFileInfo(path).fileName()));
    setWindowModified(false);
    platform_.planSaved(path);
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!draggedPlan(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = draggedPlan(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // The question and any message come after the drop has ended, not inside it.
    QTimer::singleShot(0, this, [this, path] {
        if (mayLeavePlan()) openPlanFile(path);
    });
}

void MainWindow::saveReportPdf()
{
    const QString title = QStringLiteral("Сохранить отчёт в PDF");
    const QString path =
        platform_.askSavePath(this, title, QStringLiteral("velmora.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    // The page as the report window prints it, from a report that is never shown.
    ReportWindow page(platform_);
    page.fill(reportInput());
    page.setNotes(QString::fromStdString(currentNotes()));
    QString why;
    if (!page.savePdf(path, &why))
        platform_.tell(this, title,
                       QStringLiteral("Не удалось сохранить отчёт в файл %1.\n%2").arg(shown(path), why));
}

void MainWindow::saveChannelTableCsv()
{
    const QString title = QStringLiteral("Сохранить таблицу каналов");
    const QString path =
        platform_.askSavePath(this, title, QStringLiteral("каналы.csv"), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    const std::string csv = channelTableCsv(*form_);
    QString why;
    if (!writeFileWhole(path, QByteArray::fromStdString(csv), &why))
        platform_.tell(this, title,
                       QStringLiteral("Не удалось сохранить таблицу в файл %1.\n%2").arg(shown(path), why));
}

} // namespace velmora
