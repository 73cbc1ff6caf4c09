// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AboutWindow.h"
#include "DiskArrayWindow.h"
#include "FormHost.h"
#include "MeasureDialog.h"
#include "PlanCommands.h"
#include "PlanSession.h"
#include "RecorderCommands.h"
#include "ReportWindow.h"
#include "SiteAuditDialog.h"
#include "SiteSummaryDialog.h"
#include "Startup.h"
#include "WindowMenu.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <chrono>
#include <memory>
#include <vector>

namespace velmora {

class Platform;

// The main window in either layout: widgets built from the layout's table,
// each user action handed to the form, and the form's control model copied
// back into the widgets afterwards with their signals blocked. The plan is
// the session's; the plan commands ask about files and hand the answers on.
class MainWindow : public QWidget, public FormHost {
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

    // Which of the two layouts the window was built in (QWidget::layout() is its QLayout).
    Layout windowLayout() const { return layout_; }
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
    SiteSummaryDialog* siteSummaryDialog() const { return summary_; }

    // Copies the form's whole control model into the widgets.
    void refresh();

    bool askYesNo(std::string_view title, std::string_view text) override;
    void showReport() override;
    void showAbout() override;
    // "Дисковый массив…": shows the dialog, or brings an open one to the front.
    void showDiskArray();
    // "Измерить поток камеры…" (Ctrl+M): the one measuring dialog, shown.
    void showMeasure();
    // "Измерить камеры объекта…": the one site-measuring dialog, shown.
    void showSiteAudit();
    // "Справка" (F1): the program's manual in a window of its own.
    void showHelp();
    // "Сводка объекта…": the one summary dialog, shown.
    void showSiteSummary();

    // The context menu, made when it is first needed.
    QMenu* contextMenu() { return menu_ ? menu_->menu() : nullptr; }
    // The plan commands of the menu: open, save, the exports.
    PlanCommands& plans() { return *plans_; }
    // "Регистраторы": the site's recorders.
    RecorderCommands& recorders() { return *recorders_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow(Layout layout, Platform& platform, QWidget* parent, ControlsLater);
    void orderFocus();
    std::vector<MenuEntry> menuEntries();
    void wire(Ctl id, QWidget* w);
    // Runs one user action on the form, then brings the widgets up to date:
    // the control the user worked (Ctl::Count: none) and every control whose
    // model changed since it was last copied.
    template <typename Action>
    void userAction(Ctl touched, Action action);
    void refreshChanged(Ctl touched);
    void refreshControl(Ctl id);
    // The open dialogs follow the window's figures.
    void refreshDialogs();
    // Another plan or recorder took the form's place: every control, the
    // open windows, the title and the screen readers follow.
    void sessionShown();
    // The icon, once, after the first paint or at kIconAtTheLatest.
    void giveIcon();
    static constexpr std::chrono::milliseconds kIconAtTheLatest{1000};

    Layout layout_;
    Platform& platform_;
    std::unique_ptr<PlanSession> session_;
    PlanCommands* plans_ = nullptr;
    RecorderCommands* recorders_ = nullptr;
    std::array<QWidget*, kControlCount> widgets_{};
    std::array<std::uint32_t, kControlCount> shown_{}; // each control's revision last copied
    QPointer<ReportWindow> report_;
    QPointer<AboutWindow> about_;
    QPointer<MeasureDialog> measure_;
    QPointer<SiteAuditDialog> siteAudit_;
    QPointer<QWidget> help_;
    QPointer<DiskArrayWindow> diskArray_;
    QPointer<SiteSummaryDialog> summary_;
    QStyle* listStyle_ = nullptr;
    WindowMenu* menu_ = nullptr;
    bool iconGiven_ = false;
};

} // namespace velmora
