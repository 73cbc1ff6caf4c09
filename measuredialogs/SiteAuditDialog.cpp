// SPDX-License-Identifier: GPL-3.0-or-later
#include "SiteAuditDialog.h"

#include "AuditRunner.h"
#include "Causes.h"
#include "ChannelTable.h"
#include "Depth.h"
#include "NumberRules.h"
#include "PlainTextBox.h"
#include "PlanSession.h"
#include "Platform.h"
#include "Protocol.h"
#include "RateChart.h"
#include "Recorders.h"
#include "ShownNumber.h"
#include "SiteAuditTexts.h"
#include "SiteCheck.h"
#include "Source.h"
#include "SourceList.h"
#include "TextDoor.h"
#include "WindowBuilder.h"
#include "WindowKit.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

namespace text = measure::audittext;

// The plan's two columns come last, and only while the plan has channels of
// the list's cameras; the recorder's is shown where the list names several.
enum Column { Number, Name, Recorder, Progress, Codec, Frame, Kbps, Applied, Planned, Change, ColumnCount };

// The measuring program's cause as part of a row: "файл не найден".
QString phrase(std::string_view sentence)
{
    QString t = qtText(sentence);
    if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    if (!t.isEmpty()) t[0] = t[0].toLower();
    return t;
}

// The dialog's controls in the order they are seen, which is the order of the Tab key.
enum Row : std::size_t {
    kListCaption,
    kList,
    kOpenList,
    kSecondsCaption,
    kSeconds,
    kJobsCaption,
    kJobs,
    kStart,
    kCancel,
    kResults,
    kChart,
    kTotalLine,
    kPlanDepth,
    kStatus,
    kFill,
    kClose,
    kRowCount
};

constexpr ControlRow caption(std::string_view words)
{
    return {.caption = words, .align = Align::MiddleLeft, .wraps = false};
}

constexpr ControlRow button(std::string_view name, std::string_view words, bool disabled = false)
{
    return {.name = name, .kind = ControlKind::Button, .caption = words, .disabled = disabled};
}

constexpr ControlRow kControls[] = {
    caption(text::kListLabel),
    {.name = "list", .kind = ControlKind::NotesBox},
    button("openList", text::kOpenList),
    caption(text::kSecondsLabel),
    {.name = "seconds", .kind = ControlKind::TextBox},
    caption(text::kJobsLabel),
    {.name = "jobs", .kind = ControlKind::TextBox},
    button("start", text::kStart),
    button("cancel", text::kCancel, true),
    {.name = "results", .kind = ControlKind::Picture, .slot = 1},
    {.name = "chart", .kind = ControlKind::Picture},
    {.name = "total", .align = Align::MiddleLeft},
    {.name = "planDepth", .align = Align::MiddleLeft},
    {.name = "status", .align = Align::MiddleLeft},
    button("fill", text::kFill, true),
    button("close", text::kClose),
};
static_assert(std::size(kControls) == kRowCount);

// The table and the chart are widgets of their own; the builder makes the rest.
QWidget* ownControl(const ControlRow& row, QWidget& window)
{
    if (row.kind != ControlKind::Picture) return nullptr;
    if (row.slot == 1) return new QTableWidget(&window);
    return new RateChart(&window);
}

QTableWidgetItem* cell(const QString& shown, bool editable = false)
{
    auto* item = new QTableWidgetItem(shown);
    if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// The table of the rows, without the plan's columns.
void setUpResults(QTableWidget& results)
{
    results.setAccessibleName(qtText(text::kResultsName));
    QStringList headings;
    for (const std::string_view h : text::kColumns) headings << qtText(h);
    results.setColumnCount(Planned);
    results.setHorizontalHeaderLabels(headings);
    results.verticalHeader()->hide();
    results.setSelectionBehavior(QAbstractItemView::SelectRows);
    results.setSelectionMode(QAbstractItemView::SingleSelection);
    results.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The name and the progress share the room left: a long cause is cut
    // short (its whole text in the cell's tip), never the camera's name wrapped.
    results.horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);
    results.horizontalHeader()->setSectionResizeMode(Progress, QHeaderView::Stretch);
    results.setWordWrap(false);
    results.setColumnHidden(Recorder, true);
}

// Why a camera of the list has no channel of the plan.
QString unmatched(CheckMatch match)
{
    switch (match) {
    case CheckMatch::SharedName: return qtText(text::kSharedName);
    case CheckMatch::ListedTwice: return qtText(text::kListedTwice);
    case CheckMatch::ChannelTaken: return qtText(text::kChannelTaken);
    case CheckMatch::None:
    case CheckMatch::Name:
    case CheckMatch::Source: break;
    }
    return qtText(text::kNotInPlan);
}

} // namespace

SiteAuditDialog::SiteAuditDialog(Platform& platform, PlanSession& session, QWidget* parent)
    : QDialog(parent), platform_(platform), session_(session),
      runner_(new AuditRunner(platform.measureProgram(), this))
{
    setObjectName(QStringLiteral("SiteAuditDialog"));
    setWindowTitle(qtText(text::kTitle));
    setModal(false);

    const std::vector<QWidget*> made = buildControls(*this, kControls, ownControl, Face::Desktop);
    const auto at = [&made](Row row) { return made[row]; };
    // Each caption names the field in the row after it.
    for (Row named : {kListCaption, kSecondsCaption, kJobsCaption}) {
        auto* caption = static_cast<QLabel*>(at(named));
        caption->setBuddy(at(static_cast<Row>(named + 1)));
        at(static_cast<Row>(named + 1))->setAccessibleName(caption->text().remove(QLatin1Char('&')));
    }
    QLabel* listLabel = static_cast<QLabel*>(at(kListCaption));
    QLabel* secondsLabel = static_cast<QLabel*>(at(kSecondsCaption));
    QLabel* jobsLabel = static_cast<QLabel*>(at(kJobsCaption));
    list_ = static_cast<PlainTextBox*>(at(kList));
    // A paste takes as much as a list file may hold; what is longer is cut.
    list_->setPasteLimit(static_cast<int>(measure::kMaxListBytes));
    list_->setPlaceholderText(qtText(text::kListHint));
    list_->setTabChangesFocus(true); // a TAB in a name comes with a paste or a list file
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    openList_ = static_cast<QPushButton*>(at(kOpenList));
    seconds_ = static_cast<QLineEdit*>(at(kSeconds));
    seconds_->setText(QString::number(AuditRunner::kDefaultSeconds));
    seconds_->setValidator(new QIntValidator(measure::kMinSeconds, measure::kMaxSeconds, seconds_));
    seconds_->setMaximumWidth(70);
    jobs_ = static_cast<QLineEdit*>(at(kJobs));
    jobs_->setText(QString::number(AuditRunner::kDefaultJobs));
    jobs_->setValidator(new QIntValidator(1, AuditRunner::kMaxJobs, jobs_));
    jobs_->setMaximumWidth(70);
    start_ = static_cast<QPushButton*>(at(kStart));
    cancel_ = static_cast<QPushButton*>(at(kCancel));
    results_ = static_cast<QTableWidget*>(at(kResults));
    setUpResults(*results_);
    chart_ = static_cast<RateChart*>(at(kChart));
    chart_->setAccessibleName(qtText(text::kChartName));
    chart_->setNumberText([this](double kbps) { return shownNumber(kbps, 0, platform_); });
    total_ = static_cast<QLabel*>(at(kTotalLine));
    planDepth_ = static_cast<QLabel*>(at(kPlanDepth));
    planDepth_->hide();
    status_ = static_cast<QLabel*>(at(kStatus));
    fill_ = static_cast<QPushButton*>(at(kFill));
    close_ = static_cast<QPushButton*>(at(kClose));

    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list_, 1);
    listRow->addWidget(openList_, 0, Qt::AlignTop);
    auto* how = new QHBoxLayout;
    how->addWidget(secondsLabel);
    how->addWidget(seconds_);
    how->addSpacing(16);
    how->addWidget(jobsLabel);
    how->addWidget(jobs_);
    how->addStretch(1);
    how->addWidget(start_);
    how->addWidget(cancel_);
    auto* end = new QHBoxLayout;
    end->addWidget(fill_);
    end->addStretch(1);
    end->addWidget(close_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(listLabel);
    column->addLayout(listRow, 1);
    column->addLayout(how);
    column->addWidget(results_, 2);
    column->addWidget(chart_, 1);
    column->addWidget(total_);
    column->addWidget(planDepth_);
    column->addWidget(status_);
    column->addLayout(end);
    const int line = fontMetrics().lineSpacing();
    list_->setMinimumHeight(line * 5);
    results_->setMinimumHeight(line * 9);
    total_->setMinimumHeight(line * 2 + 2);
    status_->setMinimumHeight(line + 2);
    setMinimumWidth(820);

    connect(list_, &QPlainTextEdit::textChanged, this, &SiteAuditDialog::listChanged);
    connect(openList_, &QPushButton::clicked, this, &SiteAuditDialog::openList);
    connect(start_, &QPushButton::clicked, this, &SiteAuditDialog::start);
    connect(cancel_, &QPushButton::clicked, runner_, &AuditRunner::cancel);
    connect(fill_, &QPushButton::clicked, this, &SiteAuditDialog::fill);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(runner_, &AuditRunner::rowChanged, this, &SiteAuditDialog::rowChanged);
    connect(runner_, &AuditRunner::finished, this, &SiteAuditDialog::runEnded);
    connect(results_, &QTableWidget::itemSelectionChanged, this, &SiteAuditDialog::showChart);
    // A name typed in the table may match another channel of the plan.
    connect(results_, &QTableWidget::itemChanged, this, [this](const QTableWidgetItem* item) {
        if (item->column() == Name) showTotal();
    });
    showTotal();
}

SiteAuditDialog::~SiteAuditDialog() = default;

bool SiteAuditDialog::running() const
{
    return runner_->running();
}

void SiteAuditDialog::setStatus(const QString& shown, bool error)
{
    status_->setText(shown);
    // A warning in red that reads on the desktop's face; otherwise its own text colour.
    status_->setPalette(QPalette());
    if (error) setLegibleTextColour(*status_, kDarkRed);
}

// The rows follow the list as it is typed; what was measured for an earlier list goes.
void SiteAuditDialog::listChanged()
{
    if (running()) return;
    const measure::SourceList list = measure::readSourceList(list_->toPlainText().toStdString());
    runner_->clear();
    {
        // The rows made here are not names typed.
        const QSignalBlocker quiet(results_);
        results_->setRowCount(0);
        addresses_.clear();
        for (const measure::ListedSource& source : list.sources) {
            const int row = results_->rowCount();
            results_->insertRow(row);
            results_->setItem(row, Number, cell(QString::number(row + 1)));
            results_->setItem(row, Name, cell(QString::fromStdString(source.name), true));
            results_->setItem(row, Recorder, cell(QString::fromStdString(source.recorder)));
            for (int c = Progress; c < results_->columnCount(); ++c)
                results_->setItem(row, c, cell(QString()));
            addresses_ << QString::fromStdString(source.address);
        }
        results_->setColumnHidden(Recorder, list.recorders().size() <= 1);
    }
    switch (list.problem) {
    case measure::ListProblem::TooMany:
        setStatus(qtText(text::kTooMany).arg(measure::kMaxListedSources).arg(list.line), true);
        break;
    case measure::ListProblem::NoAddress: setStatus(qtText(text::kNoAddress).arg(list.line), true); break;
    case measure::ListProblem::NameTooLong:
        setStatus(qtText(text::kNameTooLong).arg(list.line).arg(kMaxCameraNameLength), true);
        break;
    case measure::ListProblem::RecorderNameTooLong:
        setStatus(qtText(text::kRecorderNameTooLong).arg(list.line).arg(kMaxRecorderNameLength), true);
        break;
    case measure::ListProblem::RecorderFull:
        setStatus(qtText(text::kRecorderFull)
                      .arg(QString::fromStdString(list.recorder))
                      .arg(kMaxChannels)
                      .arg(list.line),
                  true);
        break;
    case measure::ListProblem::TooManyRecorders:
        setStatus(qtText(text::kTooManyRecorders).arg(kMaxRecorders).arg(list.line), true);
        break;
    default: setStatus(QString(), false); break;
    }
    fill_->setEnabled(false);
    chart_->restart(askedSeconds_);
    showTotal();
}

void SiteAuditDialog::openList()
{
    const QString path = platform_.askOpenPath(this, qtText(text::kOpenListTitle), qtText(text::kListFilter));
    if (path.isEmpty()) return;
    const measure::SourceList read = measure::readSourceListFile(path.toLocal8Bit().toStdString());
    if (read.problem == measure::ListProblem::NotUtf8) {
        setStatus(qtText(text::kListNotUtf8).arg(path).arg(read.line), true);
        return;
    }
    if (read.problem == measure::ListProblem::NoSuchFile ||
        read.problem == measure::ListProblem::NotReadable || read.problem == measure::ListProblem::TooLarge) {
        setStatus(qtText(text::kListUnreadable).arg(path).arg(measure::kMaxListMegabytes), true);
        return;
    }
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) list_->setPlainText(QString::fromUtf8(file.readAll()));
}

void SiteAuditDialog::start()
{
    if (running()) return;
    listChanged();
    const measure::SourceList list = measure::readSourceList(list_->toPlainText().toStdString());
    if (list.problem == measure::ListProblem::Empty) {
        setStatus(qtText(text::kEmpty), true);
        return;
    }
    if (list.problem != measure::ListProblem::None) return; // said by listChanged()
    bool ok = false;
    const int seconds = seconds_->text().toInt(&ok);
    if (!ok || seconds < measure::kMinSeconds || seconds > measure::kMaxSeconds) {
        setStatus(qtText(text::kBadSeconds).arg(measure::kMinSeconds).arg(measure::kMaxSeconds), true);
        return;
    }
    const int jobs = jobs_->text().toInt(&ok);
    if (!ok || jobs < 1 || jobs > AuditRunner::kMaxJobs) {
        setStatus(qtText(text::kBadJobs).arg(AuditRunner::kMaxJobs), true);
        return;
    }
    askedSeconds_ = seconds;
    chart_->restart(seconds);
    setStatus(QString(), false);
    setRunning(true);
    runner_->start(addresses_, seconds, jobs);
    for (int row = 0; row < results_->rowCount(); ++row) rowChanged(row);
}

void SiteAuditDialog::setRunning(bool running)
{
    list_->setReadOnly(running);
    for (QWidget* w : std::initializer_list<QWidget*>{openList_, seconds_, jobs_, start_})
        w->setEnabled(!running);
    cancel_->setEnabled(running);
    fill_->setEnabled(!running && !site().cameras().empty());
}

void SiteAuditDialog::rowChanged(int row)
{
    if (row < 0 || row >= results_->rowCount() || static_cast<std::size_t>(row) >= runner_->rows().size())
        return;
    const AuditRow& r = runner_->rows()[static_cast<std::size_t>(row)];
    QString progress;
    switch (r.state) {
    case AuditState::Waiting: progress = qtText(text::kWaiting); break;
    case AuditState::Running:
        progress = qtText(text::kRunning)
                       .arg(shownNumber(r.secondsDone, 1, platform_))
                       .arg(askedSeconds_)
                       .arg(shownNumber(r.runningKbps, 1, platform_));
        break;
    case AuditState::Measured:
        progress = r.result && r.result->seconds + 0.05 < askedSeconds_
                       ? qtText(text::kStopped).arg(shownNumber(r.result->seconds, 1, platform_))
                       : qtText(text::kDone);
        break;
    case AuditState::Failed:
        switch (r.trouble) {
        case AuditTrouble::Cause: progress = phrase(measure::causeText(r.cause).russian); break;
        case AuditTrouble::NotStarted: progress = qtText(text::kNotStarted); break;
        case AuditTrouble::Silent: progress = qtText(text::kSilent).arg(measure::kSilenceLimitSeconds); break;
        case AuditTrouble::Cancelled: progress = qtText(text::kCancelled); break;
        case AuditTrouble::Crashed:
        case AuditTrouble::None: progress = qtText(text::kCrashed); break;
        }
        break;
    }
    results_->item(row, Progress)->setText(progress);
    results_->item(row, Progress)->setToolTip(progress);
    const bool measured = r.state == AuditState::Measured && r.result;
    QString frame;
    if (measured) {
        const MeasuredStream& m = *r.result;
        frame = m.width > 0 && m.height > 0 ? qtText(text::kSize).arg(m.width).arg(m.height)
                                            : QStringLiteral("?");
        if (m.fps) frame += qtText(text::kFps).arg(shownNumber(*m.fps, 2, platform_));
    }
    results_->item(row, Codec)->setText(measured ? r.result->codec : QString());
    results_->item(row, Frame)->setText(frame);
    results_->item(row, Kbps)->setText(measured ? shownNumber(r.result->totalKbps(), 1, platform_)
                                                : QString());
    results_->item(row, Applied)
        ->setText(measured ? shownNumber(r.result->appliedKbps, 2, platform_) : QString());
    if (results_->currentRow() == row) showChart();
    showTotal();
}

void SiteAuditDialog::runEnded()
{
    for (int row = 0; row < results_->rowCount(); ++row) rowChanged(row);
    setRunning(false);
}

void SiteAuditDialog::showChart()
{
    const int row = results_->currentRow();
    chart_->restart(askedSeconds_);
    if (row < 0 || static_cast<std::size_t>(row) >= runner_->rows().size()) return;
    const AuditRow& r = runner_->rows()[static_cast<std::size_t>(row)];
    for (std::size_t i = 0; i < r.perSecond.size(); ++i)
        chart_->addSecond(static_cast<int>(i), r.perSecond[i]);
    if (r.result) chart_->setAverage(r.result->videoKbps);
}

SiteAudit SiteAuditDialog::site() const
{
    std::vector<measure::ListedSource> sources;
    for (qsizetype i = 0; i < addresses_.size() && i < results_->rowCount(); ++i)
        sources.push_back({.address = addresses_.at(i).toStdString(),
                           .name = results_->item(static_cast<int>(i), Name)->text().trimmed().toStdString(),
                           .line = static_cast<int>(i) + 1,
                           .recorder = results_->item(static_cast<int>(i), Recorder)->text().toStdString()});
    return siteAudit(sources, runner_->rows());
}

// A depth inside a line: the window's figure and day word, two decimals,
// without the final period.
QString SiteAuditDialog::depthShown(std::optional<float> days) const
{
    QString depth = qtText(depthText(okrug(days.value_or(0)), session_.form().decimal(),
                                     session_.form().control(Ctl::Label35).text));
    if (depth.endsWith(QLatin1Char('.'))) depth.chop(1);
    return depth.trimmed();
}

// What has come in so far, and the days the plan's disk holds at it: the
// window's own depth, without the final period, inside the line.
void SiteAuditDialog::showTotal()
{
    const SiteAudit audit = site();
    const std::vector<MeasuredCamera> cameras = audit.cameras();
    QString line = qtText(text::kTotal)
                       .arg(cameras.size())
                       .arg(results_->rowCount())
                       .arg(shownNumber(audit.appliedSum(), 2, platform_),
                            shownNumber(audit.appliedSumMbit(), 2, platform_));
    // The window's disk holds the cameras of one recorder; a site's each
    // recorder's depth is under the table, once its channels are filled.
    const std::optional<float> days =
        PlanSession::recordersOf(cameras).size() > 1 ? std::nullopt : session_.depthWith(cameras);
    if (days) line += qtText(text::kDepth).arg(depthShown(days)); // two decimals, as the sum beside it
    total_->setText(line + QLatin1Char('.'));
    showPlanCheck(audit);
}

void SiteAuditDialog::setPlanShown(bool shown)
{
    if ((results_->columnCount() > Planned) == shown) return;
    results_->setColumnCount(shown ? ColumnCount : Planned);
    planDepth_->setVisible(shown);
    if (!shown) return;
    for (int c = Planned; c < ColumnCount; ++c) {
        results_->setHorizontalHeaderItem(c, new QTableWidgetItem(qtText(text::kPlanColumns[c - Planned])));
        for (int row = 0; row < results_->rowCount(); ++row) results_->setItem(row, c, cell(QString()));
    }
}

// Where the window's plan has channels of the list's cameras: each row's
// planned rate and its change, and the depth the plan gives against the
// depth at the rates measured so far. Nothing of the plan changes.
void SiteAuditDialog::showPlanCheck(const SiteAudit& audit)
{
    const std::vector<RecorderCheck> checks =
        checkRecorders(session_.recordersToCheck(), audit, kDefaultTolerancePercent);
    const bool matched = std::any_of(checks.begin(), checks.end(), [](const RecorderCheck& r) {
        return std::any_of(r.check.cameras.begin(), r.check.cameras.end(),
                           [](const CheckedCamera& c) { return c.channel > 0; });
    });
    const QSignalBlocker quiet(results_); // the cells written here are not names typed
    setPlanShown(matched);
    if (!matched) return;
    const QColor grown = legibleOn(kDarkRed, results_->palette().color(QPalette::Base));
    for (const RecorderCheck& r : checks)
        for (const CheckedCamera& c : r.check.cameras) {
            const int row = c.row;
            if (row < 0 || row >= results_->rowCount()) continue;
            QTableWidgetItem* planned = results_->item(row, Planned);
            planned->setText(c.plannedKbps ? shownNumber(okrug(*c.plannedKbps), 2, platform_)
                                           : unmatched(c.match));
            planned->setToolTip(planned->text());
            QString change;
            if (c.changePercent) {
                const QString shown = shownNumber(*c.changePercent, 1, platform_);
                const bool up = *c.changePercent > 0 && shown != QLatin1String("0");
                change = qtText(text::kChange).arg((up ? QStringLiteral("+") : QString()) + shown);
            }
            QTableWidgetItem* changed = results_->item(row, Change);
            changed->setText(change);
            changed->setData(Qt::ForegroundRole, c.grew ? QVariant(grown) : QVariant());
            changed->setToolTip(
                c.grew ? qtText(text::kGrew).arg(shownNumber(kDefaultTolerancePercent, 1, platform_))
                       : QString());
        }
    const auto depth = [this](std::optional<float> days) {
        return days ? depthShown(days) : qtText(text::kPlanNoDepth);
    };
    // Before a camera of a recorder is measured its depth now is the plan's own.
    QStringList lines;
    bool shortOf = false;
    for (const RecorderCheck& r : checks) {
        const SiteCheck& check = r.check;
        const bool measured = std::any_of(check.cameras.begin(), check.cameras.end(),
                                          [](const CheckedCamera& c) { return c.channel > 0 && c.nowKbps; });
        QString line = qtText(text::kPlanDepth).arg(depth(check.plannedDays));
        if (measured) line += qtText(text::kPlanNow).arg(depth(check.daysNow));
        if (check.daysWanted)
            line += qtText(text::kPlanWanted).arg(depth(static_cast<float>(*check.daysWanted)));
        if (check.depthShort()) line += qtText(text::kPlanShort);
        shortOf = shortOf || check.depthShort();
        if (checks.size() > 1) {
            line[0] = line[0].toLower();
            line.prepend(qtText(text::kPlanRecorder).arg(QString::fromStdString(r.name)));
        }
        lines << line + QLatin1Char('.');
    }
    planDepth_->setText(lines.join(QLatin1Char('\n')));
    planDepth_->setPalette(QPalette());
    if (shortOf) setLegibleTextColour(*planDepth_, kDarkRed);
}

void SiteAuditDialog::planChanged()
{
    showTotal();
}

void SiteAuditDialog::fill()
{
    if (running()) return;
    const std::vector<MeasuredCamera> cameras = site().cameras();
    if (cameras.empty()) return;
    const std::size_t recorders = PlanSession::recordersOf(cameras).size();
    // Asked first where something of the plan would be lost.
    const QString question = recorders > 1 ? qtText(text::kSiteQuestion).arg(cameras.size()).arg(recorders)
                                           : qtText(text::kQuestion).arg(cameras.size());
    if (session_.fillSiteLoses(cameras) && !platform_.askYesNo(this, qtText(text::kQuestionTitle), question))
        return;
    if (!session_.fillSite(cameras)) {
        setStatus(qtText(text::kSiteFull).arg(kMaxRecorders), true);
        return;
    }
    emit channelsFilled();
    setStatus(recorders > 1 ? qtText(text::kSiteFilled).arg(cameras.size()).arg(recorders)
                            : qtText(text::kFilled).arg(cameras.size()),
              false);
}

// The close box and Escape both end here: closing ends every measurement at once.
void SiteAuditDialog::reject()
{
    if (running()) runner_->abort();
    QDialog::reject();
}

} // namespace velmora
