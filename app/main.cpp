#include "CommandLine.h"
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

int print(std::FILE* stream, const QString& text, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

int runWindow(const velmora::CommandLine& command, int argc, char* argv[])
{
    if (!command.platformChosen && !haveDisplay()) {
        std::fputs("velmora: no display to open the window on (set DISPLAY, or run it under xvfb-run)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
#ifdef VELMORA_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
#endif
    velmora::QtPlatform platform;
    velmora::startProgram(platform);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    const velmora::CommandLine command = velmora::readCommandLine(velmora::argumentList(argc, argv));
    switch (command.mode) {
    case velmora::Mode::Help: return print(stdout, velmora::helpText(), 0);
    case velmora::Mode::Version: return print(stdout, velmora::versionText(), 0);
    case velmora::Mode::Error: return print(stderr, command.error + QLatin1Char('\n'), velmora::kUsageError);
    case velmora::Mode::Window: break;
    }
    return runWindow(command, argc, argv);
}
