#pragma once

#include "Platform.h"

#include <QPdfWriter>
#include <QStringList>

namespace velmora::testing {

// A platform that records what the program asks of it and answers as told.
struct TestPlatform : Platform {
    int height = 1080;
    QString decimal = ".";
    bool answer = true;
    QStringList asked;
    QList<QUrl> opened;
    QString printTo; // empty: no printer

    int screenHeight() override { return height; }
    QString decimalSeparator() override { return decimal; }
    bool askYesNo(QWidget*, const QString& title, const QString& text) override
    {
        asked << title + "|" + text;
        return answer;
    }
    void tell(QWidget*, const QString& title, const QString& text) override { asked << title + "|" + text; }
    void openUrl(const QUrl& url) override { opened << url; }
    std::unique_ptr<QPagedPaintDevice> defaultPrinter() override
    {
        if (printTo.isEmpty()) return nullptr;
        return std::make_unique<QPdfWriter>(printTo);
    }
    QString askPdfPath(QWidget*) override { return {}; }
};

} // namespace velmora::testing
