// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "Estimate.h"
#include "NumberRules.h"
#include "Single.h"
#include "SiteAuditTexts.h"
#include "Texts.h"

#include "AboutWindow.h"
#include "AccessibleNames.h"
#include "HelpWindow.h"
#include "Limits.h"
#include "MenuTexts.h"
#include "Options.h"
#include "Pictures.h"
#include "Platform.h"
#include "ReportWindow.h"
#include "WindowBuilder.h"
#include "WindowKit.h"
#include "WrappingWidgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace velmora {

namespace {

// Entries a dropped-down list shows before it scrolls: every frame rate.
constexpr int kListRows = 25;
// The arrow buttons' triangles, in pixels.
constexpr int kArrowIconSize = 50;

constexpr char kUnitProperty[] = "velmoraFigureUnit";

// A label showing a figure, as a screen reader reads it: what the figure
// means (its name), the text shown (its value) and the unit shown beside it
// (its description).
class FigureAccessible : public QAccessibleWidget {
public:
    explicit FigureAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<const QLabel*>(widget());
        if (t == QAccessible::Value) return label->text();
        const auto* unit = qobject_cast<const QLabel*>(label->property(kUnitProperty).value<QObject*>());
        const QString unitText = unit ? unit->text().trimmed() : QString();
        if (t == QAccessible::Description) return unitText;
        if (t == QAccessible::Name) {
            // The meaning, the figure and its unit: what a screen reader that reads names says.
            QString name = QAccessibleWidget::text(t) + QStringLiteral(": ") + label->text();
            if (!unitText.isEmpty()) name += QLatin1Char(' ') + unitText;
            return name;
        }
        return QAccessibleWidget::text(t);
    }
};

bool isFigure(Ctl id)
{
    for (const AccessibleDef& def : accessibleNames())
        if (def.id == id) return def.figure;
    return false;
}

QAccessibleInterface* figureFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(FigureLabel::staticMetaObject.className()))
        return new FigureAccessible(static_cast<FigureLabel*>(object));
    return nullptr;
}

void setPictureBorder(QLabel* picture, bool flat)
{
    picture->setFrameStyle(flat ? (QFrame::Box | QFrame::Plain) : (QFrame::Panel | QFrame::Sunken));
    picture->setLineWidth(2);
}

} // namespace

MainWindow::MainWindow(Layout layout, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      layout_(layout), platform_(platform)
{
    // The whole initialisation runs before the window is first shown.
    makeSession();
    buildWindow();
    buildControls();
}

MainWindow::MainWindow(Layout layout, Platform& platform, ControlsLater)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      layout_(layout), platform_(platform)
{
    makeSession();
    buildWindow();
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

void MainWindow::makeSession()
{
    const std::string decimal = platform_.decimalSeparator().toStdString();
    session_ = std::make_unique<PlanSession>(sessionFor(layout_, decimal, *this));
}

void MainWindow::buildWindow()
{
    const WindowDef& table = layoutTable(layout_);
    setObjectName("Main");
    setUpFixedWindow(*this, qtText(table.title), table.clientWidth, table.clientHeight);
    setMouseTracking(true);
}

void MainWindow::buildControls()
{
    if (listStyle_) return; // made already
    const WindowDef& table = layoutTable(layout_);
    // Every window of the program carries the drawn camera. The icon and the
    // fonts are worked out here, after the window is shown at start-up: the
    // icon is drawn at each size the desktop offers, and the first font look-up
    // reads the whole font configuration.
    setWindowIcon(domeCameraIcon());
    setFont(qtFont(table.windowFont));
    setAcceptDrops(true); // a plan file dropped from a file manager opens
    listStyle_ = new NarrowListStyle;
    listStyle_->setParent(this);
    static const bool figuresReadable = (QAccessible::installFactory(figureFactory), true);
    (void)figuresReadable;

    const std::vector<QWidget*> made =
        velmora::buildControls(*this, table.controls, [this](const ControlRow& row, QWidget&) {
            return makeWidget(layoutId(row), qtText(row.caption));
        });
    for (std::size_t i = 0; i < made.size(); ++i) {
        const Ctl id = layoutId(table.controls[i]);
        widgets_[static_cast<std::size_t>(id)] = made[i];
        wire(id, made[i]);
    }
    nameForScreenReaders();
    orderFocus();
    buildMenu();
    refresh();
}

QWidget* MainWindow::makeWidget(Ctl id, const QString& caption)
{
    // The window's own kinds of widget; the builder names, places and dresses them.
    switch (controlKind(id)) {
    case Kind::Label:
        // A figure gets its text once it is a FigureLabel, so that a screen
        // reader that is listening reads it as a figure from the start.
        return isFigure(id) ? new FigureLabel(this) : new TextLabel(this);
    case Kind::List: {
        auto* list = new NarrowList(listStyle_, this);
        list->setMaxVisibleItems(kListRows);
        return list;
    }
    case Kind::CheckBox: return new WrappingCheckBox(caption, this);
    case Kind::TextBox: return nullptr;
    case Kind::Button: {
        auto* button = new WrappingButton(caption, this);
        if (id == Ctl::Command1 || id == Ctl::Command2) {
            button->setIcon(id == Ctl::Command1 ? rightTriangle(devicePixelRatioF())
                                                : leftTriangle(devicePixelRatioF()));
            button->setIconSize(QSize(kArrowIconSize, kArrowIconSize));
        }
        return button;
    }
    case Kind::Picture: break;
    }
    auto* picture = new QLabel(this);
    picture->setPixmap(cameraPicture(devicePixelRatioF()));
    picture->setMouseTracking(true);
    picture->setCursor(Qt::PointingHandCursor);
    setPictureBorder(picture, false);
    return picture;
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

void MainWindow::nameForScreenReaders()
{
    for (const AccessibleDef& def : accessibleNames()) {
        QWidget* w = widget(def.id);
        if (!w) continue;
        w->setAccessibleName(qtText(def.name));
        if (auto* caption = qobject_cast<QLabel*>(def.caption == Ctl::Count ? nullptr : widget(def.caption)))
            caption->setBuddy(w); // "labelled by" for screen readers
        if (!def.figure) continue;
        if (QWidget* unit = def.unit == Ctl::Count ? nullptr : widget(def.unit))
            w->setProperty(kUnitProperty, QVariant::fromValue<QObject*>(unit));
    }
}

std::vector<MainWindow::MenuEntry> MainWindow::menuEntries()
{
    // The context menu from top to bottom. A feature adds its command with
    // one line here; `{}` draws a separator; an entry with `fill` is a
    // submenu, filled each time it opens.
    using namespace menutexts;
    return {
        {qtText(kOpenPlan), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { openPlan(); }},
        {qtText(kSavePlan), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { savePlan(); }},
        {qtText(kSavePlanAs), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { savePlanAs(); }},
        {qtText(kRecentPlans), {}, {}, [this](QMenu* menu) { fillRecentPlans(menu); }},
        {},
        {qtText(kSavePdf), {}, [this] { saveReportPdf(); }},
        {qtText(kSaveCsv), {}, [this] { saveChannelTableCsv(); }},
        {},
        {qtText(kDiskArray), {}, [this] { showDiskArray(); }},
        {qtText(kMeasure), QKeySequence(Qt::CTRL | Qt::Key_M), [this] { showMeasure(); }},
        {qtText(kSiteAudit), {}, [this] { showSiteAudit(); }},
        {},
        {qtText(kHelp), QKeySequence(QKeySequence::HelpContents), [this] { showHelp(); }},
        {qtText(kAbout), {}, [this] { showAbout(); }},
    };
}

void MainWindow::buildMenu()
{
    // The commands and their keys exist from the start; the menu that shows
    // them is made on the first right click.
    for (MenuEntry& entry : menuEntries()) {
        if (entry.text.isEmpty()) {
            menuActions_.push_back(nullptr);
            continue;
        }
        if (entry.fill) {
            auto* submenu = new QMenu(entry.text, this);
            connect(submenu, &QMenu::aboutToShow, this,
                    [submenu, fill = std::move(entry.fill)] { fill(submenu); });
            menuActions_.push_back(submenu->menuAction());
            continue;
        }
        auto* action = new QAction(entry.text, this);
        if (!entry.keys.isEmpty()) {
            action->setShortcut(entry.keys);
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action); // the keys work while the menu is closed
        }
        connect(action, &QAction::triggered, this, std::move(entry.run));
        menuActions_.push_back(action);
    }
    // Shift+F10 is the menu key of keyboards without one: the control with
    // the focus gets the menu request, so a text box opens its own menu and
    // any other control passes it on to the window.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != this) target = this;
        const QPoint centre = target->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, centre, target->mapToGlobal(centre));
        QApplication::sendEvent(target, &request);
    });
}

QMenu* MainWindow::contextMenu()
{
    if (!menu_) {
        menu_ = new QMenu(this);
        for (QAction* action : menuActions_) {
            if (action)
                menu_->addAction(action);
            else
                menu_->addSeparator();
        }
    }
    return menu_;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (menuActions_.empty()) {
        event->ignore();
        return;
    }
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // The Menu key or Shift+F10, from any control but a text box (which
        // keeps its own menu and never passes the request on): the menu opens
        // at the control with the focus.
        QWidget* focus = focusWidget();
        const QWidget* over = focus && focus->window() == this ? focus : this;
        at = over->mapToGlobal(over->rect().center());
    } else {
        // The mouse: the bare surface, a drawn line or a label, the places
        // without a menu of their own. Other controls get nothing new.
        QWidget* child = childAt(event->pos());
        if (child && !qobject_cast<QLabel*>(child)) {
            event->ignore();
            return;
        }
    }
    // A popup, never a nested event loop: nothing waits for the menu to close.
    contextMenu()->popup(at);
    event->accept();
}

void MainWindow::showHelp()
{
    if (!help_) {
        help_ = new HelpWindow(this);
        help_->setWindowIcon(windowIcon());
        placeCentred(*help_, this); // later showings keep where the user put it
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::rememberPlan(const QString& path)
{
    QStringList plans = platform_.recentPlans();
    const QString full = QFileInfo(path).absoluteFilePath();
    plans.removeAll(full);
    plans.prepend(full);
    while (plans.size() > kRecentPlanCount) plans.removeLast();
    platform_.keepRecentPlans(plans);
}

void MainWindow::fillRecentPlans(QMenu* menu)
{
    menu->clear();
    const QStringList plans = platform_.recentPlans();
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

void MainWindow::openRecentPlan(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        // Gone since: dropped from the list, with a word, never opened.
        QStringList plans = platform_.recentPlans();
        plans.removeAll(path);
        platform_.keepRecentPlans(plans);
        platform_.tell(this, qtText(menutexts::kRecentGoneTitle), qtText(menutexts::kRecentGone).arg(path));
        return;
    }
    if (mayLeavePlan()) openPlanFile(path);
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
    refreshDiskArray();
    if (measure_) measure_->targetChanged();
    if (siteAudit_) siteAudit_->targetChanged();
    updateModified();
}

void MainWindow::refreshChanged(Ctl touched)
{
    for (int i = 0; i < kControlCount; ++i) {
        const Ctl id = static_cast<Ctl>(i);
        if (id == touched || form().control(id).revision != shown_[static_cast<std::size_t>(i)])
            refreshControl(id);
    }
    refreshDiskArray();
    if (measure_) measure_->targetChanged(); // the channel shown or its bitrate may have changed
    if (siteAudit_) siteAudit_->targetChanged();
    updateModified();
}

void MainWindow::refreshControl(Ctl id)
{
    const auto i = static_cast<std::size_t>(id);
    QWidget* w = widgets_[i];
    if (!w) return;
    const Control& c = form().control(id);
    shown_[i] = c.revision;
    const QSignalBlocker blocker(w);
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    switch (controlKind(id)) {
    case Kind::List: {
        auto* list = static_cast<QComboBox*>(w);
        if (list->count() != static_cast<int>(c.entries.size())) {
            list->clear();
            for (const std::string& entry : c.entries) list->addItem(qtText(entry));
        }
        if (list->currentIndex() != c.index) list->setCurrentIndex(c.index);
        break;
    }
    case Kind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(w);
        if (box->isChecked() != (c.value != 0)) box->setChecked(c.value != 0);
        break;
    }
    case Kind::TextBox: {
        auto* edit = static_cast<QLineEdit*>(w);
        const QString text = qtText(c.text);
        if (edit->text() != text) edit->setText(text);
        break;
    }
    case Kind::Button: {
        auto* button = static_cast<QPushButton*>(w);
        const QString text = qtText(c.text);
        if (button->text() != text) button->setText(text);
        break;
    }
    case Kind::Picture: setPictureBorder(static_cast<QLabel*>(w), c.flat); break;
    case Kind::Label: {
        auto* label = static_cast<QLabel*>(w);
        const QString text = qtText(c.text);
        if (label->text() == text) break;
        label->setText(text);
        if (QAccessible::isActive() && qobject_cast<FigureLabel*>(label)) {
            // The figure is in the label's name too: both change.
            QAccessibleValueChangeEvent changed(label, text);
            QAccessible::updateAccessibility(&changed);
            QAccessibleEvent renamed(label, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
        break;
    }
    }
}

void MainWindow::refreshDiskArray()
{
    // An open disk-array dialog follows the window's day total and total bitrate.
    if (!diskArray_) return;
    diskArrayForm().setWindowFigures(form().totaldaily, form().totalbitrate / kUnitStep);
    diskArray_->refresh();
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
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!mayLeavePlan()) {
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

ReportInput MainWindow::reportInput() const
{
    return reportInputOf(form());
}

void MainWindow::showReport()
{
    if (!report_) {
        report_ = new ReportWindow(platform_);
        report_->setObjectName("Form3");
        report_->setWindowIcon(domeCameraIcon());
        placeCentred(*report_, this); // later showings keep where the user put it
        // The notes live in the session: the box shows them and hands back every change.
        report_->setNotes(QString::fromStdString(session_->notes()));
        connect(report_->notesBox(), &QPlainTextEdit::textChanged, this, [this] {
            session_->setNotes(report_->notes().toStdString());
            updateModified();
        });
    }
    report_->fill(reportInput());
    report_->show();
    report_->raise();
    report_->activateWindow();
}

void MainWindow::showAbout()
{
    // An open About window is discarded; the user always gets a fresh one.
    delete about_.data();
    about_ = new AboutWindow(platform_);
    about_->setObjectName("Form2");
    about_->setWindowIcon(domeCameraIcon());
    placeCentred(*about_, this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::showDiskArray()
{
    diskArrayForm().setWindowFigures(form().totaldaily, form().totalbitrate / kUnitStep);
    if (!diskArray_) {
        diskArray_ = new DiskArrayWindow(diskArrayForm(), this);
        diskArray_->setObjectName("Form4");
        diskArray_->setWindowIcon(domeCameraIcon());
        placeCentred(*diskArray_, this); // later showings keep where the user put it
        connect(diskArray_, &DiskArrayWindow::diskSizeApplied, this, &MainWindow::applyDiskSize);
    }
    diskArray_->refresh();
    diskArray_->show();
    diskArray_->raise();
    diskArray_->activateWindow();
}

void MainWindow::applyDiskSize(const QString& size)
{
    // The same road as the user's own typing and picking, so the depth, its
    // day word and the report follow through the window's handlers.
    userAction(Ctl::Count, [&](MainForm& f) {
        f.userEdit(Ctl::Text2, size.toStdString());
        f.userSelect(Ctl::Combo5, kTerabyteUnit);
    });
}

void MainWindow::showMeasure()
{
    if (!measure_) {
        measure_ = new MeasureDialog(platform_, *this, this);
        measure_->setWindowIcon(windowIcon());
    }
    measure_->show();
    measure_->raise();
    measure_->activateWindow();
}

void MainWindow::showSiteAudit()
{
    if (!siteAudit_) {
        siteAudit_ = new SiteAuditDialog(platform_, *this, this);
        siteAudit_->setWindowIcon(windowIcon());
    }
    siteAudit_->show();
    siteAudit_->raise();
    siteAudit_->activateWindow();
}

QString MainWindow::depthAt(const std::vector<double>& appliedKbps)
{
    // The window's own arithmetic: each camera a 24-hour channel, the day
    // total over them, the depth on the disk size the field reads.
    const MainForm& f = form();
    const double disk = f.control(Ctl::Text2).number;
    if (!(disk > 0) || !fitsSingle(disk) || appliedKbps.empty()) return {};
    ChannelTable table;
    int count = 0;
    for (const double kbps : appliedKbps) {
        if (count == kMaxChannels) break;
        const auto slot = static_cast<std::size_t>(++count);
        const ChannelVolumes v = channelVolumes(single(kbps), 24);
        table.chdaily[slot] = v.daily;
        table.chdailygb[slot] = v.dailyInGigabytes ? kTrue : kFalse;
    }
    const float daily = dayTotal(table, count);
    if (!(daily > 0)) return {};
    const float days = depthDays(single(disk), f.control(Ctl::Combo5).index, daily);
    QString word;
    if (const DayWord w = dayWord(std::trunc(static_cast<double>(days))); w != DayWord::Keep)
        word = qtText(texts::kDepthDayWords[static_cast<std::size_t>(w)]);
    if (word.endsWith(QLatin1Char('.'))) word.chop(1);
    return (QString::fromStdString(floatText(okrug(days), f.decimal())) + QLatin1Char(' ') + word).trimmed();
}

bool MainWindow::replaceChannels(const std::vector<MeasuredCamera>& cameras)
{
    if (cameras.empty()) return false;
    // Asked first where something of the window would be lost.
    if (session_->fillLoses() &&
        !platform_.askYesNo(siteAudit_ ? static_cast<QWidget*>(siteAudit_) : this,
                            qtText(measure::audittext::kQuestionTitle),
                            qtText(measure::audittext::kQuestion).arg(cameras.size())))
        return false;
    session_->fillChannels(cameras);
    refresh();
    updateModified();
    return true;
}

int MainWindow::shownChannel() const
{
    return form().curchannel;
}

float MainWindow::shownBitrate() const
{
    return form().ch.chbitrate[static_cast<std::size_t>(form().curchannel)];
}

bool MainWindow::shownHandTyped() const
{
    return form().ch.chmanual[static_cast<std::size_t>(form().curchannel)] != 0;
}

void MainWindow::typeBitrate(const QString& text)
{
    // The same road as the user's typing: the field's change handler makes
    // the channel hand-typed and every figure follows.
    userAction(Ctl::Text1, [&](MainForm& f) { f.userEdit(Ctl::Text1, text.toStdString()); });
}

} // namespace velmora
