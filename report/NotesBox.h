// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace velmora {

// The report's notes: plain text only. A paste or a drop inserts the plain
// text it carries, if any, and nothing else; clipboard contents without text
// (empty, a picture, only HTML) change nothing. Qt 6.4's own insertion dies on
// an empty clipboard, so it never sees one.
//
// A paste or drop fills the box up to kMaxPasted characters and drops the
// rest: the printed box shows about a thousand, and laying out one unbroken
// line of a megabyte takes Qt minutes.
class NotesBox : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int kMaxPasted = 32000;

    explicit NotesBox(QWidget* parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace velmora
