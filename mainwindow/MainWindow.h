// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AboutWindow.h"
#include "DiskArrayForm.h"
#include "DiskArrayWindow.h"
#include "FormHost.h"
#include "MeasureDialog.h"
#include "PlanSession.h"
#include "ReportWindow.h"
#include "SiteAuditDialog.h"
#include "Startup.h"

#include <QByteArray>
#include <QKeySequence>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMenu;

namespace velmora {
// How many plans "Недавние планы" lists.
inline constexpr int kRecentPlanCount = 5;
} // namespace velmora

namespace velmora {

class Platform;

// The main window in either layout: widgets built from the layout's table,
// each user action handed to the form, and the form's control model copied
// back into the widgets afterwards with their signals blocked.
class MainWindow : public QWidget, public FormHost, private MeasureTarget, private SiteAuditTarget {
    Q_OBJECT

public:
    MainWindow(Layout layout, Platform& platform, QWidget* parent = nullptr);
    // The window without its controls yet: the start-up shows it first, so
    // that it is on the screen while buildControls() makes the controls,
    // before anything is painted.
    struct ControlsLater {};
    MainWindow(Layout layout, Platform& platform, ControlsLater);
    ~MainWindow() override;

    // Makes the controls of a window created with ControlsLater; once only.
    void buildControls();

    Layout layout() const { return layout_; }
    MainForm& form() { return session_->form(); }
    const MainForm& form() const { return session_->form(); }
    // The plan being edited, which the window shows.
    PlanSession& session() { return *session_; }
    // The widget of a control, or null where the layout lacks it.
    QWidget* widget(Ctl id) const { return widgets_[static_cast<std::size_t>(id)]; }
    ReportWindow* reportWindow() const { return report_; }
    AboutWindow* aboutWindow() const { return about_; }
    MeasureDialog* measureDialog() const { return measure_; }
    SiteAuditDialog* siteAuditDialog() const { return siteAudit_; }
    DiskArrayWindow* diskArrayWindow() const { return diskArray_; }
    // What the user typed into the disk-array dialog, kept while the dialog is closed.
    DiskArrayForm& diskArrayForm() { return session_->diskArray(); }

    // Copies the form's whole control model into the widgets.
    void refresh();

    bool askYesNo(std::string_view title, std::string_view text) override;
    void showReport() override;
    void showAbout() override;
    // "Дисковый массив…": shows the dialog, or brings an open one to the front.
    void showDiskArray();
    // "Измерить поток камеры…" (Ctrl+M): the one measuring dialog, shown.
    void showMeasure();
    void showSiteAudit();
    // The dialog's "Применить": the size goes into the disk-size field as if
    // typed there, and the unit becomes "Тбайт".
    void applyDiskSize(const QString& size);

    // One entry of the main window's context menu: its words, its keys (the
    // keys work with the menu closed too) and what it does. An entry without
    // words is a separator.
    struct MenuEntry {
        QString text;
        QKeySequence keys;
        std::function<void()> run;
        std::function<void(QMenu*)> fill = {}; // a submenu: fills it as it opens
    };
    // The context menu, made when it is first needed.
    QMenu* contextMenu();

    // "Справка" (F1): the program's manual in a window of its own.
    void showHelp();
    // The plans of "Недавние планы": `path` goes first; five at most.
    void rememberPlan(const QString& path);

    // "Сохранить отчёт в PDF…": the report page of the window's figures, as printed.
    void saveReportPdf();
    // "Сохранить таблицу каналов (CSV)…".
    void saveChannelTableCsv();

    // Plans. "Открыть план…": the question about unsaved changes, then the file dialog.
    void openPlan();
    // Reads the plan in `path` and shows it; a plan that cannot be read is
    // refused with a message and the window stays as it was.
    bool openPlanFile(const QString& path);
    // "Сохранить план": into the plan in use, or as "Сохранить план как…" before there is one.
    bool savePlan();
    bool savePlanAs();
    // The plan in use, empty before any plan was saved or opened.
    QString planPath() const { return QString::fromStdString(session_->path()); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeSession();
    void buildWindow();
    // Names every control and figure for screen readers (AccessibleNames).
    void nameForScreenReaders();
    // buildControls() makes, places and orders the widgets of the layout table.
    QWidget* makeWidget(Ctl id, const QString& caption);
    void orderFocus();
    std::vector<MenuEntry> menuEntries();
    void buildMenu();
    void fillRecentPlans(QMenu* menu);
    // A plan of "Недавние планы": opened, or dropped from the list when it is gone.
    void openRecentPlan(const QString& path);
    void wire(Ctl id, QWidget* w);
    // Runs one user action on the form, then brings the widgets up to date:
    // the control the user worked (Ctl::Count: none) and every control whose
    // model changed since it was last copied.
    template <typename Action>
    void userAction(Ctl touched, Action action);
    void refreshChanged(Ctl touched);
    void refreshControl(Ctl id);
    void refreshDiskArray();
    ReportInput reportInput() const;
    int shownChannel() const override;
    float shownBitrate() const override;
    bool shownHandTyped() const override;
    void typeBitrate(const QString& text) override;
    // The site-measuring dialog's: the depth at its cameras' rates, and its channels put in.
    QString depthAt(const std::vector<double>& appliedKbps) override;
    bool replaceChannels(const std::vector<MeasuredCamera>& cameras) override;
    bool writePlan(const QString& path);
    // The title bar names the plan in use.
    void showPlanName();
    // Marks the title while the window differs from the plan in use.
    void updateModified();
    // Before the plan in use is left: asks about unsaved changes; false to stay.
    bool mayLeavePlan();

    Layout layout_;
    Platform& platform_;
    std::unique_ptr<PlanSession> session_;
    std::array<QWidget*, kControlCount> widgets_{};
    std::array<std::uint32_t, kControlCount> shown_{}; // each control's revision last copied
    QPointer<ReportWindow> report_;
    QPointer<AboutWindow> about_;
    QPointer<MeasureDialog> measure_;
    QPointer<SiteAuditDialog> siteAudit_;
    QPointer<QWidget> help_;
    QPointer<DiskArrayWindow> diskArray_;
    QStyle* listStyle_ = nullptr;
    std::vector<QAction*> menuActions_; // null: a separator
    QMenu* menu_ = nullptr;
};

} // namespace velmora
