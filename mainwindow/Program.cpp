// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

#include "MainWindow.h"
#include "Platform.h"
#include "WindowKit.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <mutex>

namespace velmora {

namespace {

// Qt's Russian texts, read from their file the first time Qt asks for one
// (a context menu, a message box, the file dialog) rather than at start-up.
class QtTextsOnFirstUse final : public QTranslator {
public:
    explicit QtTextsOnFirstUse(QObject* parent) : QTranslator(parent) {}

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        std::call_once(read_, [this] { (void)texts_.load(russian(), baseName(), prefix(), directory()); });
        return texts_.translate(context, sourceText, disambiguation, n);
    }

    // Installed with nothing read yet: Qt sends no language change for it.
    bool isEmpty() const override { return true; }

    // Whether the file is there, by the names load() tries for this locale.
    static bool installed()
    {
        const QString dir = directory();
        return QFileInfo::exists(dir + QStringLiteral("/qtbase_ru_RU.qm")) ||
               QFileInfo::exists(dir + QStringLiteral("/qtbase_ru.qm"));
    }

private:
    static QLocale russian() { return QLocale(QLocale::Russian, QLocale::Russia); }
    static QString baseName() { return QStringLiteral("qtbase"); }
    static QString prefix() { return QStringLiteral("_"); }
    static QString directory() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

    mutable std::once_flag read_;
    mutable QTranslator texts_;
};

} // namespace

bool loadQtTranslations()
{
    static const bool loaded = [] {
        if (!QtTextsOnFirstUse::installed()) return false;
        QCoreApplication::installTranslator(new QtTextsOnFirstUse(QCoreApplication::instance()));
        return true;
    }();
    return loaded;
}

MainWindow* startProgram(Platform& platform)
{
    loadQtTranslations();
    const Layout layout = chooseLayout(platform.screenHeight());
    // The bare window goes on the screen first; its controls are made while
    // the screen maps it, and the first paint shows them all.
    auto* window = new MainWindow(layout, platform, MainWindow::ControlsLater{});
    window->setAttribute(Qt::WA_DeleteOnClose);
    placeCentred(*window);
    window->show();
    window->buildControls();
    if (QWidget* field = window->widget(Ctl::Text1)) field->setFocus();
    return window;
}

} // namespace velmora
