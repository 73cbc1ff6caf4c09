// SPDX-License-Identifier: GPL-3.0-or-later
#include "SiteSummaryDialog.h"

#include "PlanSession.h"
#include "SiteSummary.h"
#include "SiteSummaryTexts.h"
#include "TextDoor.h"
#include "WindowKit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

namespace text = summarytexts;

constexpr std::size_t kDepthColumn = 6;
constexpr std::size_t kReachedColumn = 8;

// A figure under the table: its words, then the value and unit, which a
// screen reader hears after the words as the main window's figures read.
QLabel* totalLine(QFormLayout& form, std::string_view words, const char* name)
{
    auto* value = new QLabel;
    value->setObjectName(QLatin1String(name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* caption = new QLabel(qtText(words));
    caption->setBuddy(value);
    value->setAccessibleName(qtText(words).remove(QLatin1Char(':')));
    form.addRow(caption, value);
    return value;
}

void showTotal(QLabel* label, const std::string& value, std::string_view unit)
{
    const QString shown = value.empty()  ? qtText(text::kNotAsked)
                          : unit.empty() ? QString::fromStdString(value)
                                         : QString::fromStdString(value) + QLatin1Char(' ') + qtText(unit);
    label->setText(shown);
    // Meaning, value and unit.
    label->setAccessibleDescription(shown);
}

} // namespace

SiteSummaryDialog::SiteSummaryDialog(const PlanSession& session, QWidget* parent)
    : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(qtText(text::kTitle));
    setModal(false);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setAccessibleName(qtText(text::kTableName));
    QStringList headings;
    for (const std::string_view h : text::kColumns) headings << qtText(h);
    table_->setColumnCount(static_cast<int>(text::kColumns.size()));
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    // Every column as wide as its words and figures; the window is made as
    // wide as the table when it opens.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    connect(table_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { emit recorderChosen(row); });

    auto* totals = new QFormLayout;
    cameras_ = totalLine(*totals, text::kCameras, "cameras");
    network_ = totalLine(*totals, text::kNetwork, "network");
    dayTotal_ = totalLine(*totals, text::kDayTotal, "dayTotal");
    disksNeeded_ = totalLine(*totals, text::kDisksNeeded, "disksNeeded");

    show_ = new QPushButton(qtText(text::kShow), this);
    show_->setObjectName(QStringLiteral("show"));
    show_->setAutoDefault(false);
    connect(show_, &QPushButton::clicked, this, &SiteSummaryDialog::chooseSelected);
    auto* close = new QPushButton(qtText(text::kClose), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* end = new QHBoxLayout;
    end->addWidget(show_);
    end->addStretch(1);
    end->addWidget(close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(table_, 1);
    column->addLayout(totals);
    column->addLayout(end);
    const int line = fontMetrics().lineSpacing();
    table_->setMinimumHeight(line * 8);
    refresh();
    // Wide enough for every column, tall enough for the rows of a large site
    // (more scroll), within the screen.
    const int frame = 2 * table_->frameWidth();
    const int wide =
        table_->horizontalHeader()->length() + frame + table_->verticalScrollBar()->sizeHint().width();
    const int rows = std::min(table_->rowCount(), 12);
    const int tall =
        table_->horizontalHeader()->height() + rows * table_->verticalHeader()->defaultSectionSize() + frame;
    table_->setMinimumSize(std::min(wide, line * 90), std::max(tall, line * 8));
    adjustSize();
    table_->setMinimumSize(line * 30, line * 8);
}

void SiteSummaryDialog::refresh()
{
    const SiteSummary summary = summarizeSite(session_);
    const int selected = table_->currentRow();
    table_->setRowCount(static_cast<int>(summary.recorders.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const RecorderSummary& s = summary.recorders[static_cast<std::size_t>(r)];
        const std::string reached = !s.reached   ? std::string(text::kNotAsked)
                                    : *s.reached ? std::string(text::kReached)
                                                 : std::string(text::kShort);
        const std::array<std::string, text::kColumns.size()> cells = {
            s.name,     s.channels,
            s.stream,   s.networkStream,
            s.dayTotal, s.disk,
            s.depth,    s.daysWanted.empty() ? std::string(text::kNotAsked) : s.daysWanted,
            reached,    s.disksNeeded.empty() ? std::string(text::kNotAsked) : s.disksNeeded};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const QString shown = QString::fromStdString(cells[c]);
            auto* item = new QTableWidgetItem(shown);
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            // Meaning, value and unit, as the main window's figures read.
            QString heard = qtText(text::kCellMeanings[c]) + QStringLiteral(": ") + shown;
            if (!text::kCellUnits[c].empty() && cells[c] != text::kNotAsked)
                heard += QLatin1Char(' ') + qtText(text::kCellUnits[c]);
            item->setData(Qt::AccessibleTextRole, heard);
            // A depth short of the days wanted is marked, as the dialogs mark a problem.
            if (s.reached && !*s.reached && (c == kDepthColumn || c == kReachedColumn))
                item->setForeground(legibleOn(kDarkRed, table_->palette().color(QPalette::Base)));
            table_->setItem(r, static_cast<int>(c), item);
        }
    }
    const int shown = session_.recorderShown();
    table_->setCurrentCell(selected >= 0 && selected < table_->rowCount() ? selected : shown, 0);
    showTotal(cameras_, summary.cameras, {});
    showTotal(network_, summary.networkStream, text::kNetworkUnit);
    showTotal(dayTotal_, summary.dayTotal, text::kDayTotalUnit);
    showTotal(disksNeeded_, summary.disksNeeded, {});
}

void SiteSummaryDialog::chooseSelected()
{
    if (table_->currentRow() >= 0) emit recorderChosen(table_->currentRow());
}

void SiteSummaryDialog::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && table_->hasFocus()) {
        chooseSelected();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace velmora
