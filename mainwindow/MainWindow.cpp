// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "ChildWindows.h"
#include "ControlWidgets.h"
#include "MenuTexts.h"
#include "Pictures.h"
#include "Platform.h"
#include "ReportWindow.h"
#include "ScreenReaders.h"
#include "WindowBuilder.h"
#include "WindowKit.h"
#include "WrappingWidgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace velmora {

MainWindow::MainWindow(Layout layout, Platform& platform, QWidget* parent)
    : MainWindow(layout, platform, parent, ControlsLater{})
{
    // The whole initialisation runs before the window is first shown.
    buildControls();
}

MainWindow::MainWindow(Layout layout, Platform& platform, ControlsLater later)
    : MainWindow(layout, platform, nullptr, later)
{
}

MainWindow::MainWindow(Layout layout, Platform& platform, QWidget* parent, ControlsLater)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      layout_(layout), platform_(platform)
{
    const std::string decimal = platform_.decimalSeparator().toStdString();
    session_ = std::make_unique<PlanSession>(sessionFor(layout_, decimal, *this));
    plans_ = new PlanCommands(*this, platform_, *session_, [this] { sessionShown(); });
    recorders_ = new RecorderCommands(
        *this, platform_, *session_,
        [this] {
            // An open report shows the page of the recorder now shown.
            if (report_) report_->fill(reportInputOf(form()));
            sessionShown();
            announceRecorder(*this,
                             QString::fromStdString(session_->recorderName(session_->recorderShown())));
        },
        [this] { showSiteSummary(); });
    const WindowDef& table = layoutTable(layout_);
    setObjectName("Main");
    setUpFixedWindow(*this, qtText(table.title), table.clientWidth, table.clientHeight);
    plans_->setStartTitle(qtText(table.title));
    setMouseTracking(true);
}

MainWindow::~MainWindow()
{
    // The dialog works on a form of this window: it goes first.
    delete diskArray_.data();
    // The children outlive the form by a moment: keep their last events away from it.
    for (QWidget* w : widgets_) {
        if (!w) continue;
        w->removeEventFilter(this);
        w->blockSignals(true);
    }
}

void MainWindow::buildControls()
{
    if (listStyle_) return; // made already
    const WindowDef& table = layoutTable(layout_);
    // The fonts are worked out here, after the window is shown at start-up:
    // the first font look-up reads the whole font configuration. The icon
    // comes after the first paint (giveIcon()).
    setFont(qtFont(table.windowFont));
    setAcceptDrops(true); // a plan file dropped from a file manager opens (PlanCommands)
    listStyle_ = new NarrowListStyle;
    listStyle_->setParent(this);
    readFiguresAsFigures();

    const std::vector<QWidget*> made =
        velmora::buildControls(*this, table.controls, [this](const ControlRow& row, QWidget&) {
            return makeControlWidget(layoutId(row), qtText(row.caption), *this, listStyle_);
        });
    for (std::size_t i = 0; i < made.size(); ++i) {
        const Ctl id = layoutId(table.controls[i]);
        widgets_[static_cast<std::size_t>(id)] = made[i];
        wire(id, made[i]);
    }
    nameForScreenReaders([this](Ctl id) { return widget(id); });
    orderFocus();
    menu_ = new WindowMenu(*this, menuEntries());
    refresh();
    // A window that is never painted (one started minimised) still gets its icon.
    QTimer::singleShot(kIconAtTheLatest, this, [this] { giveIcon(); });
}

void MainWindow::giveIcon()
{
    if (iconGiven_) return;
    iconGiven_ = true;
    // Every window of the program carries the drawn camera. The window
    // system is handed it drawn at each size the desktop offers, which takes
    // longer than the window's own first paint: it goes once the controls
    // are on the screen.
    setWindowIcon(domeCameraIcon());
#ifdef __GLIBC__
    // What start-up held for a moment (the font configuration's lists, the
    // icon's sizes on their way to the window system) goes back to the system.
    malloc_trim(0);
#endif
}

void MainWindow::orderFocus()
{
    QWidget* previous = nullptr;
    for (Ctl id : focusOrder()) {
        QWidget* w = widget(id);
        if (!w) continue;
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
    if (QWidget* first = widget(Ctl::Text1)) first->setFocus();
}

std::vector<MenuEntry> MainWindow::menuEntries()
{
    // The context menu from top to bottom. A feature adds its command with
    // one line here; `{}` draws a separator; an entry with `fill` is a
    // submenu, filled each time it opens.
    using namespace menutexts;
    return {
        {qtText(kOpenPlan), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { plans_->openPlan(); }},
        {qtText(kSavePlan), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { plans_->savePlan(); }},
        {qtText(kSavePlanAs), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         [this] { plans_->savePlanAs(); }},
        {qtText(kRecentPlans), {}, {}, [this](QMenu* menu) { plans_->fillRecentPlans(menu); }},
        {},
        {qtText(kSavePdf), {}, [this] { plans_->saveReportPdf(); }},
        {qtText(kSaveCsv), {}, [this] { plans_->saveChannelTableCsv(); }},
        {},
        {qtText(kDiskArray), {}, [this] { showDiskArray(); }},
        {qtText(kMeasure), QKeySequence(Qt::CTRL | Qt::Key_M), [this] { showMeasure(); }},
        {qtText(kSiteAudit), {}, [this] { showSiteAudit(); }},
        {qtText(kRecorders), {}, {}, [this](QMenu* menu) { recorders_->fillMenu(menu); }},
        {},
        {qtText(kHelp), QKeySequence(QKeySequence::HelpContents), [this] { showHelp(); }},
        {qtText(kAbout), {}, [this] { showAbout(); }},
    };
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (menu_)
        menu_->request(event);
    else
        event->ignore();
}

void MainWindow::showHelp()
{
    if (!help_) help_ = makeHelpWindow(*this);
    bringToFront(*help_);
}

template <typename Action>
void MainWindow::userAction(Ctl touched, Action action)
{
    action(session_->form());
    refreshChanged(touched);
}

void MainWindow::wire(Ctl id, QWidget* w)
{
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, id](int position) {
            userAction(id, [&](MainForm& f) { f.userSelect(id, position); });
        });
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
        connect(box, &QCheckBox::toggled, this, [this, id](bool on) {
            userAction(id, [&](MainForm& f) { f.userSetCheck(id, on ? 1 : 0); });
        });
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
            userAction(id, [&](MainForm& f) { f.userEdit(id, text.toStdString()); });
        });
        edit->installEventFilter(this);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        connect(button, &QPushButton::clicked, this,
                [this, id] { userAction(id, [&](MainForm& f) { f.userClick(id); }); });
    } else if (id == Ctl::Image2) {
        w->installEventFilter(this);
    }
}

void MainWindow::refresh()
{
    for (int i = 0; i < kControlCount; ++i) refreshControl(static_cast<Ctl>(i));
    refreshDialogs();
}

void MainWindow::refreshChanged(Ctl touched)
{
    for (int i = 0; i < kControlCount; ++i) {
        const Ctl id = static_cast<Ctl>(i);
        if (id == touched || form().control(id).revision != shown_[static_cast<std::size_t>(i)])
            refreshControl(id);
    }
    refreshDialogs();
}

void MainWindow::refreshControl(Ctl id)
{
    const auto i = static_cast<std::size_t>(id);
    if (!widgets_[i]) return;
    const Control& c = form().control(id);
    shown_[i] = c.revision;
    showControl(*widgets_[i], id, c);
}

void MainWindow::sessionShown()
{
    // The notes go into an open report's box at once; a report opened
    // later takes them from the session.
    if (report_) report_->setNotes(QString::fromStdString(session_->notes()));
    refresh();
    plans_->showTitle();
    plans_->updateModified();
}

void MainWindow::refreshDialogs()
{
    // An open disk-array dialog follows the window's day total and total
    // bitrate, the measuring dialogs the channel shown and the disk.
    if (diskArray_) {
        session_->updateDiskArray();
        diskArray_->refresh();
    }
    if (measure_) measure_->planChanged();
    if (siteAudit_) siteAudit_->planChanged();
    if (summary_) summary_->refresh();
    plans_->updateModified();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    const Ctl id = watched == widget(Ctl::Image2)  ? Ctl::Image2
                   : watched == widget(Ctl::Text2) ? Ctl::Text2
                   : watched == widget(Ctl::Text3) ? Ctl::Text3
                                                   : Ctl::Count;
    if (id == Ctl::Count) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        if (id == Ctl::Image2) userAction(Ctl::Count, [](MainForm& f) { f.Image2_MouseMove(); });
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && id != Ctl::Image2)
            userAction(id, [id](MainForm& f) { f.userClick(id); }); // clicking into a field
        break;
    case QEvent::MouseButtonRelease: {
        // A click on the picture is a left-button release over it.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && id == Ctl::Image2 &&
            widget(Ctl::Image2)->rect().contains(mouse->position().toPoint()))
            userAction(Ctl::Count, [](MainForm& f) { f.userClick(Ctl::Image2); });
        break;
    }
    case QEvent::FocusOut: {
        // Only focus that moves to another control of this window counts; a
        // window switch or a list's popup leaves the field where it was.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (id != Ctl::Image2 && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            userAction(id, [id](MainForm& f) { f.userLeave(id); });
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    // Only the bare surface counts: moves over a label or other control that
    // reach the window are not the window's own. The drawn lines are bare surface.
    if (!childAt(event->position().toPoint()))
        userAction(Ctl::Count, [](MainForm& f) { f.Form_MouseMove(); });
    QWidget::mouseMoveEvent(event);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    drawLines(painter, layoutTable(layout_).lines);
    // The children are painted and the whole put on the screen after this;
    // the icon waits for the event loop.
    if (!iconGiven_ && listStyle_)
        QMetaObject::invokeMethod(
            this, [this] { giveIcon(); }, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!plans_->mayLeavePlan()) {
        event->ignore(); // "Отмена": the window stays with everything in it
        return;
    }
    // The disk-array dialog works on this window: it never outlives it.
    if (diskArray_) diskArray_->close();
    if (layout_ == Layout::Compact) {
        // Closing the compact window ends the program at once, with every window.
        delete report_.data();
        delete about_.data();
        QCoreApplication::quit();
    }
    // The tall window goes alone; an open report or About window stays open.
    QWidget::closeEvent(event);
}

bool MainWindow::askYesNo(std::string_view title, std::string_view text)
{
    return platform_.askYesNo(this, qtText(title), qtText(text));
}

void MainWindow::showReport()
{
    if (!report_)
        report_ = makeReportWindow(*this, platform_, *session_, [this] { plans_->updateModified(); });
    report_->fill(reportInputOf(form()));
    bringToFront(*report_);
}

void MainWindow::showAbout()
{
    // An open About window is discarded; the user always gets a fresh one.
    delete about_.data();
    about_ = makeAboutWindow(*this, platform_);
    bringToFront(*about_);
}

void MainWindow::showDiskArray()
{
    session_->updateDiskArray();
    if (!diskArray_)
        diskArray_ = makeDiskArrayWindow(*this, *session_, [this] { refreshChanged(Ctl::Count); });
    diskArray_->refresh();
    bringToFront(*diskArray_);
}

void MainWindow::showMeasure()
{
    if (!measure_)
        measure_ = makeMeasureDialog(*this, platform_, *session_, [this] { refreshChanged(Ctl::Text1); });
    bringToFront(*measure_);
}

void MainWindow::showSiteSummary()
{
    if (!summary_) {
        summary_ = new SiteSummaryDialog(*session_, this);
        summary_->setWindowIcon(domeCameraIcon());
        connect(summary_, &SiteSummaryDialog::recorderChosen, this,
                [this](int index) { recorders_->show(index); });
    }
    summary_->refresh();
    bringToFront(*summary_);
}

void MainWindow::showSiteAudit()
{
    if (!siteAudit_)
        siteAudit_ = makeSiteAuditDialog(*this, platform_, *session_, [this] { sessionShown(); });
    bringToFront(*siteAudit_);
}

} // namespace velmora
