#include "Program.h"

#include "MainWindow.h"
#include "Platform.h"
#include "WindowKit.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {

bool loadQtTranslations()
{
    static const bool loaded = [] {
        auto* translator = new QTranslator(QCoreApplication::instance());
        const bool found =
            translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                             QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (found) QCoreApplication::installTranslator(translator);
        return found;
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
