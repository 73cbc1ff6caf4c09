// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a user's clipboard may hold when they paste into the windows: nothing
// at all, a huge text, rich text, HTML or a picture without any plain text,
// and text full of control characters.

#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QString>

#include <array>

namespace velmora::testing {

struct ClipboardContent {
    const char* name;
    QMimeData* (*make)();
    bool hasPlainText; // a paste into the notes box adds this text
};

inline QString controlCharacters()
{
    // NUL, bell, escape, DEL, a lone tab, line and paragraph breaks, a BOM and
    // an unpaired surrogate half.
    QString text = QStringLiteral("1\t2\r\n3\x01\x07\x1b\x7f");
    text += QChar(0);
    text += QChar(0x2028);
    text += QChar(0xfeff);
    text += QChar(0xd800);
    text += QStringLiteral("4");
    return text;
}

inline const std::array<ClipboardContent, 7>& clipboardContents()
{
    static const std::array<ClipboardContent, 7> contents = {{
        {"empty", [] { return new QMimeData; }, false},
        {"one megabyte of digits",
         [] {
             auto* data = new QMimeData;
             data->setText(QString(1 << 20, QLatin1Char('7')));
             return data;
         },
         true},
        {"rich text",
         [] {
             auto* data = new QMimeData;
             data->setHtml(QStringLiteral("<b>12,5</b> <i>Мбит</i><img src=\"x.png\">"));
             data->setText(QStringLiteral("12,5 Мбит"));
             return data;
         },
         true},
        {"html only",
         [] {
             auto* data = new QMimeData;
             data->setHtml(QStringLiteral("<table><tr><td>42</td></tr></table>"));
             return data;
         },
         false},
        {"image only",
         [] {
             auto* data = new QMimeData;
             QImage image(16, 16, QImage::Format_ARGB32);
             image.fill(QColor(200, 30, 30));
             data->setImageData(image);
             return data;
         },
         false},
        {"control characters",
         [] {
             auto* data = new QMimeData;
             data->setText(controlCharacters());
             return data;
         },
         true},
        {"unknown format only",
         [] {
             auto* data = new QMimeData;
             data->setData(QStringLiteral("application/x-velmora-unknown"), QByteArray(64, '\0'));
             return data;
         },
         false},
    }};
    return contents;
}

// Puts one of the contents into the system clipboard (which takes ownership).
inline void setClipboard(const ClipboardContent& content)
{
    QGuiApplication::clipboard()->setMimeData(content.make());
}

} // namespace velmora::testing
