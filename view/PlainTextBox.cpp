// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainTextBox.h"

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

PlainTextBox::PlainTextBox(QWidget* parent) : QPlainTextEdit(parent) {}

bool PlainTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    return !plainTextOf(source).isEmpty();
}

void PlainTextBox::insertFromMimeData(const QMimeData* source)
{
    const QString text = plainTextOf(source);
    if (text.isEmpty()) return;
    QTextCursor cursor = textCursor();
    const qsizetype kept =
        document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    const qsizetype room = pasteLimit_ - kept;
    if (room <= 0) return;
    cursor.insertText(text.left(room));
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace velmora
