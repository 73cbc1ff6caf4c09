// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QVariantMap>

#include <memory>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace velmora {

// What the program needs of the system it runs on. The real program uses
// QtPlatform; tests and velmora-drive put their own in place.
class Platform {
public:
    virtual ~Platform() = default;

    // Height in logical (device-independent) pixels of the screen the main
    // window opens on, read once at start.
    virtual int screenHeight() = 0;
    // The regional decimal separator used when numbers become text.
    virtual QString decimalSeparator() = 0;
    // A modal Yes/No question with Yes as the default and no icon; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // A modal notice with a single OK button.
    virtual void tell(QWidget* parent, const QString& title, const QString& text) = 0;
    // Asks the shell to open a web address; the result is not examined.
    virtual void openUrl(const QUrl& url) = 0;
    // The default printer, ready to paint one page on as a job named
    // `jobName`, or null when there is none.
    virtual std::unique_ptr<QPagedPaintDevice> defaultPrinter(const QString& jobName) = 0;
    // Called after a page went to the default printer.
    virtual void pagePrinted() {}
    // Where to save a page as PDF when it could not be printed; empty when the user cancels.
    virtual QString askPdfPath(QWidget* parent) = 0;
    // A save dialog: the file to write, empty when the user cancels. `suggested`
    // is the file name offered first, `filter` the dialog's name filter.
    virtual QString askSavePath(QWidget* parent, const QString& title, const QString& suggested,
                                const QString& filter) = 0;
    // The measuring program (velmora-measure); empty where none may run,
    // as in tests, so that no input can start network work.
    virtual QString measureProgram() { return {}; }
    // A video file to measure; empty when the user cancels.
    virtual QString askVideoPath(QWidget*) { return {}; }
    // An open dialog: the file to read, empty when the user cancels.
    virtual QString askOpenPath(QWidget* parent, const QString& title, const QString& filter) = 0;
    enum class Answer { Yes, No, Cancel };
    // A modal question with Да, Нет and Отмена, Да the default and no icon.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    // A modal question for one line of text, offered with `text` in it: the
    // text given, or none when the user cancels.
    virtual std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                           const QString& text)
    {
        Q_UNUSED(parent);
        Q_UNUSED(title);
        Q_UNUSED(label);
        Q_UNUSED(text);
        return std::nullopt;
    }
    // Called after a plan was written into `path` completely.
    virtual void planSaved(const QString& path) { Q_UNUSED(path); }
    // Called after the plan in `path` was read and is shown.
    virtual void planOpened(const QString& path) { Q_UNUSED(path); }
    // A value kept between runs (Settings names them all), or an invalid
    // one where none is kept; here kept only while the program runs.
    virtual QVariant setting(QLatin1StringView key) { return settings_.value(key); }
    virtual void keepSetting(QLatin1StringView key, const QVariant& value) { settings_.insert(key, value); }

private:
    QVariantMap settings_;
};

} // namespace velmora
