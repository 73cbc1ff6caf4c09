// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasureDialog.h"

#include "Causes.h"
#include "MeasureTexts.h"
#include "NumberRules.h"
#include "PlanSession.h"
#include "Platform.h"
#include "Protocol.h"
#include "RateChart.h"
#include "ShownNumber.h"
#include "Source.h"
#include "WindowBuilder.h"
#include "WindowKit.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace velmora {

namespace {

namespace text = measure::text;

// After "Отмена" times out, or the window closes, the program gets this long
// to stop by itself, then it is killed.
constexpr int kStopGraceMs = 300;

QString russianCause(measure::Cause cause)
{
    return qtText(measure::causeText(cause).russian);
}

// The dialog's controls, in the order they are seen (top to bottom, left to
// right), which is also the order of the Tab key; the window's layout places them.
enum Row : std::size_t {
    kAddressCaption,
    kAddress,
    kChooseFile,
    kNameCaption,
    kName,
    kPasswordCaption,
    kPassword,
    kDurationCaption,
    kDuration,
    kFpsCaption,
    kFps,
    kProgress,
    kStart,
    kCancel,
    kStatus,
    kChart,
    kSource,
    kFigures,
    kComparison,
    kApply,
    kClose,
    kRowCount
};

// A caption beside its field, on one line.
constexpr ControlRow caption(std::string_view text, bool hidden = false)
{
    return {.caption = text, .align = Align::MiddleLeft, .hidden = hidden, .wraps = false};
}

constexpr ControlRow field(std::string_view name, bool hidden = false)
{
    return {.name = name, .kind = ControlKind::TextBox, .hidden = hidden};
}

constexpr ControlRow button(std::string_view name, std::string_view text, bool disabled = false)
{
    return {.name = name, .kind = ControlKind::Button, .caption = text, .disabled = disabled};
}

// A line of what the measurement says; `wraps` where it may run long.
constexpr ControlRow line(std::string_view name, bool wraps)
{
    return {.name = name, .align = Align::MiddleLeft, .wraps = wraps};
}

constexpr ControlRow kControls[] = {
    caption(text::kAddressLabel),
    field("address"),
    button("chooseFile", text::kChooseFile),
    caption(text::kNameLabel),
    field("name"),
    caption(text::kPasswordLabel),
    field("password"),
    caption(text::kDurationLabel),
    {.name = "duration", .kind = ControlKind::List},
    caption(text::kFpsLabel, true),
    field("fps", true),
    {.name = "progress", .kind = ControlKind::ProgressBar},
    button("start", text::kStart),
    button("cancel", text::kCancel, true),
    line("status", true),
    {.name = "chart", .kind = ControlKind::Picture},
    line("source", false),
    line("figures", true),
    line("comparison", true),
    button("apply", text::kApply, true),
    button("close", text::kClose),
};
static_assert(std::size(kControls) == kRowCount);

// The chart is a widget of its own; the builder makes the rest.
QWidget* ownControl(const ControlRow& row, QWidget& window)
{
    return row.kind == ControlKind::Picture ? new RateChart(&window) : nullptr;
}

} // namespace

MeasureDialog::MeasureDialog(Platform& platform, PlanSession& session, QWidget* parent)
    : QDialog(parent), platform_(platform), session_(session)
{
    setObjectName(QStringLiteral("MeasureDialog"));
    setWindowTitle(qtText(text::kTitle));
    setModal(false);

    const std::vector<QWidget*> made = buildControls(*this, kControls, ownControl, Face::Desktop);
    const auto at = [&made](Row row) { return made[row]; };
    address_ = static_cast<QLineEdit*>(at(kAddress));
    address_->setPlaceholderText(qtText(text::kAddressHint));
    address_->setMinimumWidth(420);
    name_ = static_cast<QLineEdit*>(at(kName));
    password_ = static_cast<QLineEdit*>(at(kPassword));
    password_->setEchoMode(QLineEdit::Password);
    chooseFile_ = static_cast<QPushButton*>(at(kChooseFile));
    duration_ = static_cast<QComboBox*>(at(kDuration));
    for (const std::string_view entry : text::kDurations) duration_->addItem(qtText(entry));
    fpsLabel_ = static_cast<QLabel*>(at(kFpsCaption));
    fps_ = static_cast<QLineEdit*>(at(kFps));
    fps_->setMaximumWidth(80);
    // Each caption names the field or list in the row after it.
    for (Row named : {kAddressCaption, kNameCaption, kPasswordCaption, kDurationCaption, kFpsCaption})
        static_cast<QLabel*>(at(named))->setBuddy(at(static_cast<Row>(named + 1)));
    start_ = static_cast<QPushButton*>(at(kStart));
    start_->setDefault(true);
    cancel_ = static_cast<QPushButton*>(at(kCancel));
    progress_ = static_cast<QProgressBar*>(at(kProgress));
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    progress_->setFormat(QString());
    progress_->setTextVisible(true);
    status_ = static_cast<QLabel*>(at(kStatus));
    chart_ = static_cast<RateChart*>(at(kChart));
    chart_->setNumberText([this](double kbps) { return shownNumber(kbps, 0, platform_); });
    source_ = static_cast<QLabel*>(at(kSource));
    source_->setMinimumWidth(1); // elided to the width it gets, never widening the window
    figures_ = static_cast<QLabel*>(at(kFigures));
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    comparison_ = static_cast<QLabel*>(at(kComparison));
    apply_ = static_cast<QPushButton*>(at(kApply));
    close_ = static_cast<QPushButton*>(at(kClose));

    // Room for the whole result from the start: the dialog does not jump
    // when the figures come.
    const int line = fontMetrics().lineSpacing();
    figures_->setMinimumHeight(line * 9 + 2);
    comparison_->setMinimumHeight(line * 2 + 2);
    status_->setMinimumHeight(line + 2);
    setMinimumWidth(680);

    auto* grid = new QGridLayout;
    grid->addWidget(at(kAddressCaption), 0, 0, 1, 4);
    grid->addWidget(address_, 1, 0, 1, 3);
    grid->addWidget(chooseFile_, 1, 3);
    auto* credentials = new QHBoxLayout;
    credentials->addWidget(at(kNameCaption));
    credentials->addWidget(name_, 1);
    credentials->addWidget(at(kPasswordCaption));
    credentials->addWidget(password_, 1);
    grid->addLayout(credentials, 2, 0, 1, 4);
    auto* how = new QHBoxLayout;
    how->addWidget(at(kDurationCaption));
    how->addWidget(duration_);
    how->addSpacing(16);
    how->addWidget(fpsLabel_);
    how->addWidget(fps_);
    how->addStretch(1);
    grid->addLayout(how, 3, 0, 1, 4);
    auto* run = new QHBoxLayout;
    run->addWidget(progress_, 1);
    run->addWidget(start_);
    run->addWidget(cancel_);
    auto* end = new QHBoxLayout;
    end->addWidget(apply_);
    end->addStretch(1);
    end->addWidget(close_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(run);
    column->addWidget(status_);
    column->addWidget(chart_, 1);
    column->addWidget(source_);
    column->addWidget(figures_);
    column->addWidget(comparison_);
    column->addLayout(end);

    watchdog_ = new QTimer(this);
    watchdog_->setSingleShot(true);
    watchdog_->setInterval(measure::kSilenceLimitMs);
    connect(watchdog_, &QTimer::timeout, this, [this] {
        const bool wasStopping = stopping_;
        stopProcess(false);
        result_.reset();
        setRunning(false);
        if (wasStopping)
            setStatus(russianCause(measure::Cause::Cancelled));
        else
            setStatus(qtText(text::kSilent), true);
        showResult();
    });
    connect(start_, &QPushButton::clicked, this, &MeasureDialog::start);
    connect(address_, &QLineEdit::returnPressed, this, &MeasureDialog::start);
    connect(address_, &QLineEdit::editingFinished, this, &MeasureDialog::takeCredentials);
    connect(cancel_, &QPushButton::clicked, this, &MeasureDialog::cancel);
    connect(apply_, &QPushButton::clicked, this, &MeasureDialog::apply);
    connect(chooseFile_, &QPushButton::clicked, this, &MeasureDialog::chooseFile);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    planChanged();
}

MeasureDialog::~MeasureDialog()
{
    stopProcess(true);
}

bool MeasureDialog::running() const
{
    return process_ != nullptr;
}

int MeasureDialog::askedSeconds() const
{
    const int i =
        std::clamp(duration_->currentIndex(), 0, static_cast<int>(text::kDurationSeconds.size()) - 1);
    return text::kDurationSeconds[static_cast<std::size_t>(i)];
}

void MeasureDialog::setStatus(const QString& message, bool error)
{
    status_->setText(message);
    // A failure in red that reads on the desktop's face; otherwise its own text colour.
    status_->setPalette(QPalette());
    if (error) setLegibleTextColour(*status_, kDarkRed);
}

void MeasureDialog::setRunning(bool running)
{
    start_->setEnabled(!running);
    cancel_->setEnabled(running && !stopping_);
    for (QWidget* w :
         std::initializer_list<QWidget*>{address_, name_, password_, chooseFile_, duration_, fps_})
        w->setEnabled(!running);
    apply_->setEnabled(!running && result_.has_value());
    if (!running) {
        watchdog_->stop();
        stopping_ = false;
    }
}

// A name and password typed into the address move into their own fields,
// the password hidden; the address keeps the rest.
void MeasureDialog::takeCredentials()
{
    const auto split = measure::splitCredentials(address_->text().toStdString());
    if (!split) return;
    address_->setText(QString::fromStdString(split->address));
    name_->setText(QString::fromStdString(split->name));
    password_->setText(QString::fromStdString(split->password));
}

void MeasureDialog::start()
{
    if (running()) return;
    takeCredentials();
    const QString address = address_->text().trimmed();
    // Nothing to measure: nothing starts.
    if (address.isEmpty()) {
        setStatus(qtText(text::kNoAddress));
        return;
    }
    QStringList arguments{QString::fromLatin1(measure::kSourceStdinOption.data()),
                          QString::fromLatin1(measure::kProgressOption.data()),
                          QString::fromLatin1(measure::kSecondsOption.data()),
                          QString::number(askedSeconds())};
    if (fps_->isVisible() && !fps_->text().trimmed().isEmpty()) {
        QString rate = fps_->text().trimmed();
        rate.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double value = rate.toDouble(&ok);
        if (!ok || !(value >= measure::kLowestFps && value <= measure::kHighestFps)) {
            setStatus(qtText(text::kBadFps), true);
            return;
        }
        arguments << QString::fromLatin1(measure::kFpsOption.data())
                  << QString::fromStdString(decimalText(value, 3));
    }
    const QString program = platform_.measureProgram();
    if (program.isEmpty() || !QFileInfo(program).isExecutable()) {
        setStatus(qtText(text::kNoProgram), true);
        return;
    }
    result_.reset();
    failureCode_.clear();
    pending_.clear();
    stopping_ = false;
    showResult();
    const int seconds = askedSeconds();
    chart_->restart(seconds);
    progress_->setRange(0, seconds * 100);
    progress_->setValue(0);
    progress_->setFormat(qtText(text::kBar).arg(0).arg(seconds));
    const bool local = measure::parseSource(address.toStdString()).kind == measure::SourceKind::File;
    setStatus(qtText(local ? text::kReading : text::kConnecting));

    process_ = new QProcess(this);
    process_->setProgram(program);
    // The address goes through standard input: a password in it never shows
    // in the system's list of processes. The input stays open for "stop".
    process_->setArguments(arguments);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    process_->setStandardErrorFile(QProcess::nullDevice());
    connect(process_, &QProcess::readyReadStandardOutput, this, &MeasureDialog::readOutput);
    connect(process_, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { processEnded(code, static_cast<int>(status)); });
    connect(process_, &QProcess::errorOccurred, this,
            [this](QProcess::ProcessError error) { processFailed(static_cast<int>(error)); });
    setRunning(true);
    watchdog_->setInterval(measure::kSilenceLimitMs);
    watchdog_->start();
    process_->start();
    if (process_) {
        const std::string full = measure::withCredentials(address.toStdString(), name_->text().toStdString(),
                                                          password_->text().toStdString());
        process_->write(QByteArray::fromStdString(full) + '\n');
    }
}

void MeasureDialog::readOutput()
{
    if (!process_) return;
    pending_ += process_->readAllStandardOutput();
    watchdog_->start();
    int end = 0;
    while ((end = pending_.indexOf('\n')) >= 0) {
        const QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        const measure::OutputLine read =
            measure::readOutputLine(std::string_view(line.constData(), line.size()));
        if (const auto* p = std::get_if<measure::ProgressLine>(&read)) {
            const double done = std::clamp(p->seconds, 0.0, double{measure::kMaxSeconds});
            progress_->setValue(static_cast<int>(std::lround(done * 100)));
            progress_->setFormat(qtText(text::kBar).arg(shownNumber(done, 1, platform_)).arg(askedSeconds()));
            if (!stopping_)
                setStatus(qtText(text::kRunning)
                              .arg(shownNumber(done, 1, platform_))
                              .arg(askedSeconds())
                              .arg(shownNumber(p->kbps, 1, platform_)));
        } else if (const auto* s = std::get_if<measure::SecondLine>(&read)) {
            chart_->addSecond(s->second, s->kbps);
        } else if (const auto* f = std::get_if<measure::FailureLine>(&read)) {
            failureCode_ = QString::fromLatin1(measure::causeText(f->cause).code.data());
        } else if (const auto* r = std::get_if<measure::ResultLine>(&read)) {
            result_ = parseMeasuredStream(QByteArray::fromStdString(r->json));
        }
    }
}

void MeasureDialog::processEnded(int exitCode, int exitStatus)
{
    if (!process_) return;
    readOutput();
    process_->deleteLater();
    process_ = nullptr;
    const bool stopped = stopping_;
    if (exitStatus == QProcess::CrashExit) {
        result_.reset();
        setStatus(qtText(text::kCrashed), true);
    } else if (exitCode == 0 && result_) {
        // Full once the measurement ended as it should; where "Отмена" stopped it.
        progress_->setValue(
            stopped ? static_cast<int>(std::lround(std::min(result_->seconds, 1.0 * askedSeconds()) * 100))
                    : progress_->maximum());
        progress_->setFormat(
            qtText(text::kBar).arg(shownNumber(result_->seconds, 1, platform_)).arg(askedSeconds()));
        if (stopped)
            setStatus(
                qtText(text::kStopped).arg(shownNumber(result_->seconds, 1, platform_)).arg(askedSeconds()));
        else if (result_->seconds + 0.05 < askedSeconds())
            setStatus(qtText(text::kEndedEarly).arg(shownNumber(result_->seconds, 1, platform_)));
        else
            setStatus(qtText(text::kDone));
        for (std::size_t i = 0; i < result_->perSecondKbps.size(); ++i)
            chart_->addSecond(static_cast<int>(i), result_->perSecondKbps[i]);
        chart_->setAverage(result_->videoKbps);
    } else if (!failureCode_.isEmpty()) {
        result_.reset();
        const measure::Cause cause = measure::causeFromCode(failureCode_.toStdString());
        setStatus(russianCause(cause), cause != measure::Cause::Cancelled);
        if (cause == measure::Cause::NoTiming) {
            // The dialog asks for what the file does not tell.
            fpsLabel_->show();
            fps_->show();
        }
    } else {
        result_.reset();
        setStatus(qtText(text::kFailed), true);
    }
    setRunning(false);
    showResult();
    const std::string_view noTiming = measure::causeText(measure::Cause::NoTiming).code;
    if (fps_->isVisible() &&
        failureCode_ == QLatin1String(noTiming.data(), static_cast<qsizetype>(noTiming.size())))
        fps_->setFocus();
}

void MeasureDialog::processFailed(int error)
{
    if (!process_ || error != QProcess::FailedToStart) return; // the rest ends in processEnded
    process_->deleteLater();
    process_ = nullptr;
    setRunning(false);
    setStatus(qtText(text::kNotStarted), true);
}

void MeasureDialog::stopProcess(bool wait)
{
    if (!process_) return;
    QProcess* p = process_;
    process_ = nullptr;
    p->disconnect(this);
    watchdog_->stop();
    if (wait) {
        // The dialog goes away: nothing of the measurement outlives it.
        p->kill();
        p->waitForFinished(1000);
        delete p;
        return;
    }
    // Asked first (the program says goodbye to the camera), killed if it lingers.
    p->setParent(nullptr);
    QObject::connect(p, &QProcess::finished, p, &QObject::deleteLater);
    QObject::connect(p, &QProcess::errorOccurred, p, &QObject::deleteLater);
    if (p->state() == QProcess::NotRunning) {
        p->deleteLater();
        return;
    }
    p->terminate();
    QTimer::singleShot(kStopGraceMs, p, [p] {
        if (p->state() != QProcess::NotRunning) p->kill();
    });
}

// "Отмена" keeps what was measured: the program is asked to stop and hand
// over its figures; one that does not within measure::kStopLimitMs is stopped.
void MeasureDialog::cancel()
{
    if (!running() || stopping_) return;
    stopping_ = true;
    process_->write(QByteArray(measure::kStopLine.data(), static_cast<int>(measure::kStopLine.size())) +
                    '\n');
    process_->closeWriteChannel();
    cancel_->setEnabled(false);
    setStatus(qtText(text::kStopping));
    watchdog_->setInterval(measure::kStopLimitMs);
    watchdog_->start();
}

// The close box and Escape both end here.
void MeasureDialog::reject()
{
    if (running()) {
        // Closing ends the measurement without keeping it.
        stopProcess(false);
        result_.reset();
        setRunning(false);
        progress_->setValue(0);
        progress_->setFormat(QString());
        setStatus(russianCause(measure::Cause::Cancelled));
        showResult();
    }
    QDialog::reject();
}

void MeasureDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // A long path loses its middle, never its end (the file name).
    source_->setText(source_->fontMetrics().elidedText(shownSource_, Qt::ElideMiddle, source_->width()));
}

void MeasureDialog::chooseFile()
{
    const QString path = platform_.askVideoPath(this);
    if (!path.isEmpty()) address_->setText(path);
}

QString MeasureDialog::appliedText() const
{
    if (!result_) return {};
    return shownNumber(result_->appliedKbps, 2, platform_);
}

void MeasureDialog::apply()
{
    if (!result_ || running()) return;
    session_.applyMeasuredRate(result_->appliedKbps);
    emit rateApplied();
    setStatus(qtText(text::kApplied).arg(session_.channelShown().number).arg(appliedText()));
    planChanged();
}

void MeasureDialog::showResult()
{
    if (!result_) {
        shownSource_.clear();
        source_->clear();
        figures_->clear();
        comparison_->clear();
        apply_->setEnabled(false);
        planChanged();
        return;
    }
    const MeasuredStream& m = *result_;
    shownSource_ = qtText(text::kSource) + m.source;
    source_->setText(source_->fontMetrics().elidedText(shownSource_, Qt::ElideMiddle, source_->width()));
    source_->setToolTip(m.source);
    QStringList lines;
    QString codec = m.codec;
    if (!m.profile.isEmpty()) codec += qtText(text::kProfile) + m.profile;
    lines << qtText(text::kCodec) + codec;
    QString frame = m.width > 0 && m.height > 0 ? QStringLiteral("%1x%2").arg(m.width).arg(m.height)
                                                : qtText(text::kSizeUnknown);
    if (m.fps) frame += qtText(text::kFps).arg(shownNumber(*m.fps, 2, platform_));
    if (m.gop) {
        frame += qtText(text::kGop).arg(shownNumber(*m.gop, 1, platform_));
        if (m.gopMin && m.gopMax && *m.gopMin != *m.gopMax)
            frame += qtText(text::kGopRange).arg(*m.gopMin).arg(*m.gopMax);
    } else {
        frame += qtText(text::kNoGop);
    }
    lines << qtText(text::kFrame) + frame;
    QString video = qtText(text::kVideo).arg(shownNumber(m.videoKbps, 1, platform_));
    if (m.peakKbps) video += qtText(text::kPeak).arg(shownNumber(*m.peakKbps, 1, platform_));
    if (m.keyframePercent > 0)
        video += qtText(text::kKeyShare).arg(shownNumber(m.keyframePercent, 0, platform_));
    lines << video;
    if (!m.audioCodec.isEmpty())
        lines << qtText(text::kAudio)
                     .arg(m.audioCodec, m.audioKbps
                                            ? shownNumber(*m.audioKbps, 1, platform_) + qtText(text::kKbps)
                                            : qtText(text::kAudioUnmeasured));
    else
        lines << qtText(text::kNoAudio);
    lines << qtText(text::kTotal)
                 .arg(shownNumber(m.totalKbps(), 1, platform_), shownNumber(m.seconds, 1, platform_));
    lines << qtText(text::kApplied1024).arg(shownNumber(m.appliedKbps, 2, platform_));
    lines << qtText(m.clock == QLatin1String("arrival") ? text::kClockArrival
                    : m.clock == QLatin1String("given") ? text::kClockGiven
                                                        : text::kClockStream);
    if (m.fps && m.gop && *m.gop > 0) {
        const int intervals = static_cast<int>(std::floor(m.seconds * *m.fps / *m.gop + 1e-6));
        lines << qtText(intervals < 3 ? text::kTooFewIntervals : text::kIntervals).arg(intervals);
    }
    figures_->setText(lines.join(QLatin1Char('\n')));
    apply_->setEnabled(!running());
    planChanged();
}

void MeasureDialog::planChanged()
{
    const PlanSession::ChannelShown shown = session_.channelShown();
    const int channel = shown.number;
    apply_->setText(qtText(text::kApply).arg(channel));
    if (!result_) {
        comparison_->clear();
        return;
    }
    // Both in the program's Кбит/с: what the channel holds and what "Применить" would type.
    const double own = shown.bitrate;
    const double measured = result_->appliedKbps;
    QString line = qtText(text::kComparison)
                       .arg(channel)
                       .arg(qtText(shown.handTyped ? text::kHandTyped : text::kEstimate))
                       .arg(shownNumber(own, 2, platform_), shownNumber(measured, 2, platform_));
    if (std::isfinite(own) && own > 0) {
        const double percent = (measured - own) / own * 100;
        line += qtText(text::kDifference)
                    .arg(percent > 0 ? QStringLiteral("+") : QString(), shownNumber(percent, 1, platform_));
    }
    comparison_->setText(line + QLatin1Char('.'));
}

} // namespace velmora
