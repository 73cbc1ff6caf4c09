#pragma once

#include "ReportFill.h"

#include <QWidget>

#include <vector>

class QPagedPaintDevice;
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool paintPage(QPagedPaintDevice& device);
    void savePdfInstead();
    void showContent();

    Platform& platform_;
    ReportFill content_;
    std::vector<QWidget*> controls_; // parallel to reportControls()
    QPushButton* printButton_ = nullptr;
    QPlainTextEdit* notesBox_ = nullptr;
};

} // namespace velmora
