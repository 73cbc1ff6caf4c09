// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanCommands.h"

#include "MenuTexts.h"
#include "PlanFile.h"
#include "PlanSession.h"
#include "PlanTexts.h"
#include "Platform.h"
#include "ReportExport.h"
#include "TextDoor.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace velmora {

namespace {

// A file as messages name it: by its name, in quotes.
QString shownName(const QString& path)
{
    return qtText(plantexts::kFileShown).arg(QFileInfo(path).fileName());
}

} // namespace

PlanCommands::PlanCommands(QWidget& window, Platform& platform, PlanSession& session,
                           std::function<void()> shown)
    : QObject(&window), window_(window), platform_(platform), session_(session), shown_(std::move(shown)),
      settings_(platform)
{
    window.installEventFilter(this);
}

void PlanCommands::updateModified()
{
    window_.setWindowModified(session_.isModified());
}

bool PlanCommands::mayLeavePlan()
{
    // Before any plan was saved or opened nothing is asked, as always.
    const std::optional<std::string> question = session_.leaveQuestion();
    if (!question) return true;
    switch (platform_.askYesNoCancel(&window_, qtText(plantexts::kQuestionTitle), qtText(*question))) {
    case Platform::Answer::Yes: return savePlan();
    case Platform::Answer::No: return true;
    case Platform::Answer::Cancel: break;
    }
    return false;
}

void PlanCommands::openPlan()
{
    if (!mayLeavePlan()) return;
    const QString path =
        platform_.askOpenPath(&window_, qtText(plantexts::kOpenTitle), qtText(plantexts::kPlanFilter));
    if (!path.isEmpty()) openPlanFile(path);
}

bool PlanCommands::openPlanFile(const QString& path)
{
    // The session reads and checks everything, and builds the new form,
    // before anything in the window changes.
    std::string why;
    if (!session_.open(path.toStdString(), &why)) {
        platform_.tell(&window_, qtText(plantexts::kOpenTitle),
                       qtText(plantexts::kOpenFailed).arg(shownName(path), qtText(why)));
        return false;
    }
    showTitle();
    shown_();
    settings_.rememberPlan(path);
    platform_.planOpened(path);
    return true;
}

bool PlanCommands::savePlan()
{
    return session_.path().empty() ? savePlanAs() : writePlan(QString::fromStdString(session_.path()));
}

bool PlanCommands::savePlanAs()
{
    const QString suggested =
        session_.path().empty() ? qtText(plantexts::kSuggestedPlan) : QString::fromStdString(session_.path());
    const QString path = platform_.askSavePath(&window_, qtText(plantexts::kSaveAsTitle), suggested,
                                               qtText(plantexts::kPlanFilter));
    return !path.isEmpty() && writePlan(path);
}

bool PlanCommands::writePlan(const QString& path)
{
    std::string why;
    if (!session_.saveAs(path.toStdString(), &why)) {
        platform_.tell(&window_, qtText(plantexts::kSaveTitle),
                       qtText(plantexts::kSaveFailed).arg(shownName(path), qtText(why)));
        return false;
    }
    showTitle();
    window_.setWindowModified(false);
    settings_.rememberPlan(path);
    platform_.planSaved(path);
    return true;
}

void PlanCommands::showTitle()
{
    const QString path = QString::fromStdString(session_.path());
    const QString recorder = QString::fromStdString(session_.recorderName(session_.recorderShown()));
    const bool several = session_.recorderCount() > 1;
    QString title;
    if (path.isEmpty())
        title = several ? qtText(menutexts::kTitleWithRecorder).arg(startTitle_, recorder) : startTitle_;
    else if (several)
        title = qtText(plantexts::kWindowTitleWithRecorder).arg(QFileInfo(path).fileName(), recorder);
    else
        title = qtText(plantexts::kWindowTitle).arg(QFileInfo(path).fileName());
    window_.setWindowFilePath(path);
    window_.setWindowTitle(title);
}

void PlanCommands::fillRecentPlans(QMenu* menu)
{
    menu->clear();
    const QStringList plans = settings_.recentPlans();
    if (plans.isEmpty()) menu->addAction(qtText(menutexts::kNoRecentPlans))->setEnabled(false);
    for (int i = 0; i < plans.size(); ++i) {
        const QString& path = plans.at(i);
        // "&1 план.velmora": the number is the entry's key; an "&" of the
        // file's name is shown as it is, not taken for a key.
        const QString name = QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openRecentPlan(path); });
    }
}

void PlanCommands::openRecentPlan(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        // Gone since: dropped from the list, with a word, never opened.
        settings_.forgetPlan(path);
        platform_.tell(&window_, qtText(menutexts::kRecentGoneTitle),
                       qtText(menutexts::kRecentGone).arg(path));
        return;
    }
    if (mayLeavePlan()) openPlanFile(path);
}

QString PlanCommands::draggedPlan(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return QFileInfo(path).suffix().compare(QLatin1String(kPlanSuffix), Qt::CaseInsensitive) == 0 ? path
                                                                                                  : QString();
}

bool PlanCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_ || (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop))
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event); // a drag's entering is a QDropEvent too
    const QString path = draggedPlan(drop->mimeData());
    if (path.isEmpty()) return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        // The question and any message come after the drop has ended, not inside it.
        QTimer::singleShot(0, this, [this, path] {
            if (mayLeavePlan()) openPlanFile(path);
        });
    }
    return true;
}

template <typename Write>
void PlanCommands::exportTo(std::string_view title, std::string_view suggested, std::string_view filter,
                            std::string_view failed, Write write)
{
    const QString path = platform_.askSavePath(&window_, qtText(title), qtText(suggested), qtText(filter));
    if (path.isEmpty()) return;
    QString why;
    if (!write(path, &why)) platform_.tell(&window_, qtText(title), qtText(failed).arg(shownName(path), why));
}

void PlanCommands::saveReportPdf()
{
    using namespace plantexts;
    exportTo(kPdfTitle, kPdfSuggested, kPdfFilter, kPdfFailed,
             [this](const QString& path, QString* why) { return exportReportPdf(session_, path, why); });
}

void PlanCommands::saveChannelTableCsv()
{
    using namespace plantexts;
    exportTo(kCsvTitle, kCsvSuggested, kCsvFilter, kCsvFailed, [this](const QString& path, QString* why) {
        return exportChannelTableCsv(session_, path, why);
    });
}

} // namespace velmora
