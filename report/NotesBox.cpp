// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotesBox.h"

#include <QMimeData>
#include <QTextCursor>

namespace velmora {

namespace {

// The plain text a clipboard or drag holds; empty when it holds none.
QString plainTextOf(const QMimeData* source)
{
    if (!source || !source->hasText()) return {};
    return source->text();
}

} // namespace

NotesBox::NotesBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool NotesBox::canInsertFromMimeData(const QMimeData* source) const
{
    return !plainTextOf(source).isEmpty();
}

void NotesBox::insertFromMimeData(const QMimeData* source)
{
    const QString text = plainTextOf(source);
    if (text.isEmpty()) return;
    QTextCursor cursor = textCursor();
    const qsizetype kept =
        document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    const qsizetype room = kMaxPasted - kept;
    if (room <= 0) return;
    cursor.insertText(text.left(room));
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace velmora
