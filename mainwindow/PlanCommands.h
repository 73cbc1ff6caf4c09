// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Settings.h"

#include <QObject>
#include <QString>

#include <functional>

class QMenu;
class QMimeData;
class QWidget;

namespace velmora {

class PlanSession;
class Platform;

// The main window's plan commands: open, save, save as, "Недавние планы",
// the question before the plan in use is left, a plan file dropped on the
// window, and the report and channel table written out. They ask the user
// through the platform and hand the answers to the session, which does the
// work; the window's title names the plan in use.
class PlanCommands : public QObject {
public:
    // `shown` runs after another plan took the session's place: the window
    // shows it.
    PlanCommands(QWidget& window, Platform& platform, PlanSession& session, std::function<void()> shown);

    // "Открыть план…": the question about unsaved changes, then the file dialog.
    void openPlan();
    // Reads the plan in `path` and shows it; a plan that cannot be read is
    // refused with a message and the window stays as it was.
    bool openPlanFile(const QString& path);
    // "Сохранить план": into the plan in use, or as "Сохранить план как…" before there is one.
    bool savePlan();
    bool savePlanAs();
    // Before the plan in use is left: asks about unsaved changes; false to stay.
    bool mayLeavePlan();
    // Marks the title while the window differs from the plan in use.
    void updateModified();
    // The title bar: the window's own title until a plan is in use, then the
    // plan's name; with the recorder shown while the site has several.
    void showTitle();
    void setStartTitle(const QString& title) { startTitle_ = title; }
    // Fills "Недавние планы" as it opens.
    void fillRecentPlans(QMenu* menu);

    // A plan file dropped on the window from a file manager opens, once the
    // drop has ended (once the window takes drops).
    bool eventFilter(QObject* watched, QEvent* event) override;

    // "Сохранить отчёт в PDF…": the report page of the window's figures, as printed.
    void saveReportPdf();
    // "Сохранить таблицу каналов (CSV)…".
    void saveChannelTableCsv();

private:
    // The one plan file a drag carries, or empty.
    static QString draggedPlan(const QMimeData* data);
    bool writePlan(const QString& path);
    // A plan of "Недавние планы": opened, or dropped from the list when it is gone.
    void openRecentPlan(const QString& path);
    // Asks where to write an export, writes it, and says so when it fails.
    template <typename Write>
    void exportTo(std::string_view title, std::string_view suggested, std::string_view filter,
                  std::string_view failed, Write write);

    QWidget& window_;
    Platform& platform_;
    PlanSession& session_;
    std::function<void()> shown_;
    Settings settings_;
    QString startTitle_;
};

} // namespace velmora
