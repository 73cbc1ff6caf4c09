// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Platform.h"

#include <QPdfWriter>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <vector>

namespace velmora {

// Records what the windows ask of the system; the "printer" is a PDF file.
class FakePlatform : public Platform {
public:
    struct Question {
        QString title;
        QString text;
    };

    int height = 1080;
    QString decimal = QStringLiteral(".");
    QString printerFile; // empty: no printer
    bool answer = false;
    QString pdfPath;                   // the answer to askPdfPath
    QString savePath;                  // the answer to askSavePath
    QString measurer;                  // the measuring program; empty: none may run
    QString videoPath;                 // the answer to askVideoPath
    std::vector<Question> saveDialogs; // title and suggested name of each save dialog

    std::vector<Question> questions;
    std::vector<Question> notices;
    std::vector<QUrl> opened;
    int printed = 0;
    int pdfPathAsked = 0;
    std::function<void()> onPrinterAsked; // runs when the window asks for the printer

    int screenHeight() override { return height; }
    QString decimalSeparator() override { return decimal; }
    bool askYesNo(QWidget*, const QString& title, const QString& text) override
    {
        questions.push_back({title, text});
        return answer;
    }
    void tell(QWidget*, const QString& title, const QString& text) override
    {
        notices.push_back({title, text});
    }
    void openUrl(const QUrl& url) override { opened.push_back(url); }
    std::unique_ptr<QPagedPaintDevice> defaultPrinter(const QString&) override
    {
        if (onPrinterAsked) onPrinterAsked();
        if (printerFile.isEmpty()) return nullptr;
        return std::make_unique<QPdfWriter>(printerFile);
    }
    void pagePrinted() override { ++printed; }
    QString askPdfPath(QWidget*) override
    {
        ++pdfPathAsked;
        return pdfPath;
    }
    QString openPath;                       // the answer to askOpenPath
    Answer threeWayAnswer = Answer::Cancel; // the answer to askYesNoCancel
    std::vector<Question> threeWayQuestions;
    std::vector<QString> saved, openedPlans;
    QString askOpenPath(QWidget*, const QString&, const QString&) override { return openPath; }
    Answer askYesNoCancel(QWidget*, const QString& title, const QString& text) override
    {
        threeWayQuestions.push_back({title, text});
        return threeWayAnswer;
    }
    void planSaved(const QString& path) override { saved.push_back(path); }
    void planOpened(const QString& path) override { openedPlans.push_back(path); }
    QString askSavePath(QWidget*, const QString& title, const QString& suggested, const QString&) override
    {
        saveDialogs.push_back({title, suggested});
        return savePath;
    }
    QString measureProgram() override { return measurer; }
    QString askVideoPath(QWidget*) override { return videoPath; }
};

} // namespace velmora
