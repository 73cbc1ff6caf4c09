// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's plan commands and exports: open, save, save as, the
// question about unsaved changes, dropping a plan file, the report page as PDF
// and the channel table as CSV. The plan itself is the session's.

#include "MainWindow.h"

#include "CsvExport.h"
#include "PlanFile.h"
#include "PlanTexts.h"
#include "Platform.h"
#include "ReportWindow.h"
#include "TextDoor.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace velmora {

namespace {

// A file as messages name it: by its name, in quotes.
QString shown(const QString& path)
{
    return qtText(plantexts::kFileShown).arg(QFileInfo(path).fileName());
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

void MainWindow::updateModified()
{
    setWindowModified(session_->isModified());
}

bool MainWindow::mayLeavePlan()
{
    // Before any plan was saved or opened nothing is asked, as always.
    const std::optional<std::string> question = session_->leaveQuestion();
    if (!question) return true;
    switch (platform_.askYesNoCancel(this, qtText(plantexts::kQuestionTitle), qtText(*question))) {
    case Platform::Answer::Yes: return savePlan();
    case Platform::Answer::No: return true;
    case Platform::Answer::Cancel: break;
    }
    return false;
}

void MainWindow::openPlan()
{
    if (!mayLeavePlan()) return;
    const QString path =
        platform_.askOpenPath(this, qtText(plantexts::kOpenTitle), qtText(plantexts::kPlanFilter));
    if (!path.isEmpty()) openPlanFile(path);
}

bool MainWindow::openPlanFile(const QString& path)
{
    // The session reads and checks everything, and builds the new form,
    // before anything in the window changes.
    std::string why;
    if (!session_->open(path.toStdString(), &why)) {
        platform_.tell(this, qtText(plantexts::kOpenTitle),
                       qtText(plantexts::kOpenFailed).arg(shown(path), qtText(why)));
        return false;
    }
    // The notes go into an open report's box at once; a report opened later
    // takes them from the session.
    if (report_) report_->setNotes(QString::fromStdString(session_->notes()));
    showPlanName();
    refresh();
    rememberPlan(path);
    platform_.planOpened(path);
    return true;
}

bool MainWindow::savePlan()
{
    return session_->path().empty() ? savePlanAs() : writePlan(planPath());
}

bool MainWindow::savePlanAs()
{
    const QString suggested = session_->path().empty() ? qtText(plantexts::kSuggestedPlan) : planPath();
    const QString path = platform_.askSavePath(this, qtText(plantexts::kSaveAsTitle), suggested,
                                               qtText(plantexts::kPlanFilter));
    return !path.isEmpty() && writePlan(path);
}

bool MainWindow::writePlan(const QString& path)
{
    std::string why;
    if (!session_->saveAs(path.toStdString(), &why)) {
        platform_.tell(this, qtText(plantexts::kSaveTitle),
                       qtText(plantexts::kSaveFailed).arg(shown(path), qtText(why)));
        return false;
    }
    showPlanName();
    setWindowModified(false);
    rememberPlan(path);
    platform_.planSaved(path);
    return true;
}

void MainWindow::showPlanName()
{
    const QString path = planPath();
    setWindowFilePath(path);
    setWindowTitle(qtText(plantexts::kWindowTitle).arg(QFileInfo(path).fileName()));
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
    const QString title = qtText(plantexts::kPdfTitle);
    const QString path =
        platform_.askSavePath(this, title, qtText(plantexts::kPdfSuggested), qtText(plantexts::kPdfFilter));
    if (path.isEmpty()) return;
    // The page as the report window prints it, from a report that is never shown.
    ReportWindow page(platform_);
    page.fill(reportInput());
    page.setNotes(QString::fromStdString(session_->notes()));
    QString why;
    if (!page.savePdf(path, &why))
        platform_.tell(this, title, qtText(plantexts::kPdfFailed).arg(shown(path), why));
}

void MainWindow::saveChannelTableCsv()
{
    const QString title = qtText(plantexts::kCsvTitle);
    const QString path =
        platform_.askSavePath(this, title, qtText(plantexts::kCsvSuggested), qtText(plantexts::kCsvFilter));
    if (path.isEmpty()) return;
    const std::string csv = channelTableCsv(form());
    QString why;
    if (!writeFileWhole(path, QByteArray::fromStdString(csv), &why))
        platform_.tell(this, title, qtText(plantexts::kCsvFailed).arg(shown(path), why));
}

} // namespace velmora
