// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportWindow.h"

#include "Platform.h"
#include "ReportLayout.h"
#include "ReportTexts.h"
#include "WindowBuilder.h"
#include "WindowKit.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScopeGuard>

#include <algorithm>

namespace velmora {

namespace {

// The two printer settings, taken as the page image's offset from the
// printable area's top-left corner, in twips.
constexpr int kPrintLeft = 200;
constexpr int kPrintTop = 300;
constexpr double kPixelsPerInch = kTwipsPerInch / kTwipsPerPixel;

QString printTitle()
{
    return qtText("Печать");
}

// The free room right of a box on its line: up to the next label's box or the frame.
int roomTo(const ControlRow& control)
{
    const QRect box = pixelRect(control.place);
    int right = twipsToPixels(kReportClientWidth - kFrameMargin);
    for (const ControlRow& other : reportControls()) {
        if (&other == &control || other.kind != ControlKind::Label) continue;
        const QRect next = pixelRect(other.place);
        if (next.left() > box.left() && next.top() <= box.bottom() && next.bottom() >= box.top())
            right = std::min(right, next.left());
    }
    return std::max(right - box.left(), box.width());
}

// Never narrower than the box; wider, into free room only, where the text
// needs it. What still does not fit is cut at the edge.
void fitText(QLabel* label, const ControlRow& control)
{
    if (!control.growsWithText) return;
    const int box = pixelRect(control.place).width();
    const int wanted = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin();
    label->resize(std::clamp(wanted, box, roomTo(control)), label->height());
}

} // namespace

ReportWindow::ReportWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpFixedWindow(*this, qtText(kReportTitle), kReportClientWidth, kReportClientHeight);
    setFont(qtFont(kReportWindowFont));

    const auto controls = reportControls();
    controls_ = buildControls(*this, controls);
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].kind == ControlKind::Label) fitText(static_cast<QLabel*>(controls_[i]), controls[i]);

    printButton_ = static_cast<QPushButton*>(controls_[reportIndex(ReportCtl::Command1)]);
    connect(printButton_, &QPushButton::clicked, this, &ReportWindow::Command1_Click);
    notesBox_ = static_cast<QPlainTextEdit*>(controls_[reportIndex(ReportCtl::Text1)]);
    notesBox_->setAccessibleName(qtText(reporttexts::kNotesName));
    notesBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    menu_ = new QMenu(this);
    menu_->addAction(qtText(reporttexts::kSavePdfEntry), this, &ReportWindow::savePdfAs);
}

QString ReportWindow::notes() const
{
    return notesBox_->toPlainText();
}

void ReportWindow::setNotes(const QString& text)
{
    notesBox_->setPlainText(text);
}

void ReportWindow::fill(const ReportInput& in)
{
    content_.fill(in);
    showContent();
}

void ReportWindow::showContent()
{
    const auto controls = reportControls();
    const auto& states = content_.states();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind != ControlKind::Label) continue;
        auto* label = static_cast<QLabel*>(controls_[i]);
        label->setText(qtText(states[i].text));
        label->setVisible(states[i].visible);
        fitText(label, controls[i]);
    }
}

void ReportWindow::Command1_Click()
{
    // The button is not part of the page, and comes back however printing ends.
    printButton_->hide();
    const auto showButton = qScopeGuard([this] { printButton_->show(); });

    bool printed = false;
    // Under the name the print queue shows for the job.
    if (auto printer = platform_.defaultPrinter(qtText(reporttexts::kPrintJob)))
        printed = paintPage(*printer);
    if (printed)
        platform_.pagePrinted();
    else
        savePdfInstead();
}

bool ReportWindow::paintPage(QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device)) return false;
    paintOnto(painter, device);
    return painter.end();
}

void ReportWindow::paintOnto(QPainter& painter, const QPagedPaintDevice& device)
{
    // The button is never part of the page.
    const bool buttonShown = !printButton_->isHidden();
    printButton_->hide();
    const auto showButton = qScopeGuard([this, buttonShown] {
        if (buttonShown) printButton_->show();
    });
    painter.save();
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    const QPointF offset(kPrintLeft * dpiX / kTwipsPerInch, kPrintTop * dpiY / kTwipsPerInch);
    // The window at its size on screen, or smaller where the paper is too small for it.
    const double scaleX = dpiX / kPixelsPerInch;
    const double scaleY = dpiY / kPixelsPerInch;
    const double roomX = std::max(device.width() - offset.x(), 1.0);
    const double roomY = std::max(device.height() - offset.y(), 1.0);
    const double fit = std::min({1.0, roomX / (width() * scaleX), roomY / (height() * scaleY)});

    // The notes go on paper without the text cursor, which they have whenever
    // they hold the focus (hiding the button hands it to them).
    const Qt::TextInteractionFlags interaction = notesBox_->textInteractionFlags();
    notesBox_->setTextInteractionFlags(Qt::NoTextInteraction);
    const auto restoreNotes =
        qScopeGuard([this, interaction] { notesBox_->setTextInteractionFlags(interaction); });

    // Recorded as drawing commands and played onto the page: a widget rendered
    // straight onto a printer goes through a bitmap of the whole page (some
    // 9000 x 8500 pixels at 1200 dpi and hundreds of megabytes), while played
    // back it stays text and lines.
    QPicture page;
    QPainter recorder(&page);
    render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();

    // Playing back scales the picture from its own resolution (the screen's)
    // to the device's; the window's pixels are 1/96 inch on paper.
    painter.translate(offset);
    painter.scale(fit * page.logicalDpiX() / kPixelsPerInch, fit * page.logicalDpiY() / kPixelsPerInch);
    painter.drawPicture(0, 0, page);
    painter.restore();
}

void ReportWindow::savePdfInstead()
{
    if (!platform_.askYesNo(this, printTitle(), qtText(reporttexts::kNoPrinter))) return;
    const QString path = platform_.askPdfPath(this);
    if (path.isEmpty()) return;
    QString why;
    if (!savePdf(path, &why)) tellNotSaved(path, why);
}

void ReportWindow::savePdfAs()
{
    const QString path = platform_.askSavePath(this, qtText(reporttexts::kSavePdfTitle),
                                               QStringLiteral("velmora.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    QString why;
    if (!savePdf(path, &why)) tellNotSaved(path, why);
}

void ReportWindow::tellNotSaved(const QString& path, const QString& why)
{
    QString text = qtText(reporttexts::kNotSaved).arg(QDir::toNativeSeparators(path));
    if (!why.isEmpty()) text += QLatin1Char('\n') + why;
    platform_.tell(this, printTitle(), text);
}

bool ReportWindow::savePdf(const QString& path, QString* why)
{
    return savePdfPages(
        path, 1, [this](int, QPainter& painter, QPagedPaintDevice& device) { paintOnto(painter, device); },
        why);
}

bool ReportWindow::savePdfPages(const QString& path, int pages, const PagePainter& paint, QString* why)
{
    // Written into a temporary file beside the target, which replaces the
    // target only once every page is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (why) *why = file.errorString();
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        // The document's title in a PDF viewer: the program's, not the window's "Печать..".
        writer.setTitle(qtText(reporttexts::kPdfTitle));
        writer.setCreator(QStringLiteral("Velmora"));
        QPainter painter;
        painted = painter.begin(&writer);
        for (int i = 0; painted && i < pages; ++i) {
            if (i > 0) painted = writer.newPage();
            if (painted) paint(i, painter, writer);
        }
        if (painted) painted = painter.end();
    }
    if (!painted) {
        file.cancelWriting();
        if (why) *why = qtText(reporttexts::kNotPainted);
        return false;
    }
    if (!file.commit()) {
        if (why) *why = file.errorString();
        return false;
    }
    return true;
}

void ReportWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // The notes box has its own menu; everywhere else the report's. A popup,
    // never a nested loop: nothing waits for the menu to close.
    menu_->popup(event->globalPos());
    event->accept();
}

void ReportWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawLines(painter, reportLines());
}

} // namespace velmora
