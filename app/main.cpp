#include "Program.h"
#include "QtPlatform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a long message; say it in one line.
bool haveDisplay()
{
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!haveDisplay()) {
        std::fputs("velmora: no display to open the window on (set DISPLAY, or run it under xvfb-run)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    velmora::QtPlatform platform;
    velmora::startProgram(platform);
    return QApplication::exec();
}
