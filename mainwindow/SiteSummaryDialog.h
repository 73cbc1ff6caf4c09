// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {

class PlanSession;

// "Сводка объекта…" (Form7): a row per recorder with its figures, the site's
// totals under them (summarizeSite()). It follows the session's figures while
// open; a double click, Enter or "Показать" on a row shows that recorder.
class SiteSummaryDialog : public QDialog {
    Q_OBJECT

public:
    SiteSummaryDialog(const PlanSession& session, QWidget* parent = nullptr);

    // Brings the table and the totals up to date with the session.
    void refresh();

signals:
    void recorderChosen(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chooseSelected();

    const PlanSession& session_;
    QTableWidget* table_ = nullptr;
    QLabel* cameras_ = nullptr;
    QLabel* network_ = nullptr;
    QLabel* dayTotal_ = nullptr;
    QLabel* disksNeeded_ = nullptr;
    QPushButton* show_ = nullptr;
};

} // namespace velmora
