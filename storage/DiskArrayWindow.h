// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DiskArrayForm.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

// "Дисковый массив": the array and the recorder's input, worked out as the
// user types. Not modal: the main window stays usable, and its figures follow
// into the dialog. The form it shows belongs to the main window, so that what
// the user typed outlives the dialog.
class DiskArrayWindow : public QWidget {
    Q_OBJECT

public:
    explicit DiskArrayWindow(DiskArrayForm& form, QWidget* parent = nullptr);

    // Copies the form's texts and marks into the widgets.
    void refresh();

    // "Применить": hands the usable size to the main window, as the disk-size field reads it.
    void apply();

signals:
    void diskSizeApplied(const QString& diskSize);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    void makeRoomForMessage();

    DiskArrayForm& form_;
    std::array<QLineEdit*, kArrayFieldCount> fields_{};
    QComboBox* level_ = nullptr;
    static constexpr std::size_t kResultCount =
        6; // arrayDisks, markedSize, usableSize, depth, load, disksNeeded
    std::array<QLabel*, kResultCount> results_{};
    QLabel* message_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace velmora
