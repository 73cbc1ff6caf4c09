// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReportFill.h"

#include <QWidget>

#include <functional>
#include <vector>

class QContextMenuEvent;
class QMenu;
class QPagedPaintDevice;
class QPainter;
class QPaintEvent;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class Platform;

// The one-page report: a row per channel and the totals, with a notes box the
// user may type into and a button that prints the window as it stands.
class ReportWindow : public QWidget {
    Q_OBJECT

public:
    explicit ReportWindow(Platform& platform, QWidget* parent = nullptr);

    // Writes the main window's figures into the report; the notes box keeps its text.
    void fill(const ReportInput& in);

    // The print button: the client area as one page on the default printer,
    // without the button itself. Without a printer the user may save the page
    // as a PDF file instead.
    void Command1_Click();

    // The page as printed, written whole or not at all into a PDF file at
    // `path` (the text stays text). On failure `why` gets the reason.
    bool savePdf(const QString& path, QString* why = nullptr);
    // The page as printed, painted by `painter` onto the page `device` is at
    // (a document of several pages paints each one so).
    void paintOnto(QPainter& painter, const QPagedPaintDevice& device);
    // A PDF of `pages` A4 pages, written whole or not at all; `paint` paints
    // each (its number from 0) onto the device's page.
    using PagePainter = std::function<void(int page, QPainter& painter, QPagedPaintDevice& device)>;
    static bool savePdfPages(const QString& path, int pages, const PagePainter& paint, QString* why);
    // The context menu's "Сохранить отчёт в PDF…": asks where, then saves.
    void savePdfAs();

    QString notes() const;
    void setNotes(const QString& text);
    QPlainTextEdit* notesBox() const { return notesBox_; }
    QMenu* contextMenu() const { return menu_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool paintPage(QPagedPaintDevice& device);
    void savePdfInstead();
    void tellNotSaved(const QString& path, const QString& why);
    void showContent();

    Platform& platform_;
    ReportFill content_;
    std::vector<QWidget*> controls_; // parallel to reportControls()
    QPushButton* printButton_ = nullptr;
    QPlainTextEdit* notesBox_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace velmora
