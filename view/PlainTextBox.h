// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace velmora {

// A box of plain text (the report's notes, the site's list of cameras): a
// paste or a drop inserts the plain text it carries, if any, and nothing
// else; clipboard contents without text (empty, a picture, only HTML) change
// nothing. Qt 6.4's own insertion dies on an empty clipboard, so it never
// sees one. The builder makes one for every notes-box row.
//
// A paste or drop fills the box up to pasteLimit() characters and drops the
// rest: the printed notes show about a thousand, and laying out one unbroken
// line of a megabyte takes Qt minutes.
class PlainTextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int kMaxPasted = 32000;

    explicit PlainTextBox(QWidget* parent = nullptr);

    int pasteLimit() const { return pasteLimit_; }
    void setPasteLimit(int characters) { pasteLimit_ = characters; }

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int pasteLimit_ = kMaxPasted;
};

} // namespace velmora
