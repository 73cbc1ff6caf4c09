// SPDX-License-Identifier: GPL-3.0-or-later
#include "Audit.h"
#include "Check.h"
#include "CommandLine.h"
#include "CommandLineTexts.h"
#include "Export.h"
#include "MainWindow.h"
#include "Program.h"
#include "QtPlatform.h"
#include "TextDoor.h"

#include <QApplication>

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

// One line on standard error, after the program's name.
void complain(const QString& line)
{
    print(stderr, velmora::qtText(velmora::clitexts::kPrefix) + line + QLatin1Char('\n'), 0);
}

// --measure: velmora-measure, installed beside this program, takes over the
// process. FFmpeg is never loaded into velmora itself. The address goes to it
// on standard input, not among its arguments: a password in it never shows in
// the system's list of processes for the measuring process.
int runMeasure(const velmora::CommandLine& command)
{
    char self[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string program = length > 0 ? std::string(self, static_cast<std::size_t>(length)) : std::string();
    program = program.substr(0, program.rfind('/') + 1) + "velmora-measure";
    std::vector<std::string> arguments{program};
    if (!command.measureSeconds.isEmpty()) {
        arguments.emplace_back("--seconds");
        arguments.push_back(command.measureSeconds.toStdString());
    }
    arguments.emplace_back("--source-stdin");
    const std::string source = command.measureSource.toLocal8Bit().toStdString() + "\n";
    // The pipe holds the line until the measuring program reads it; a line
    // longer than the pipe could hold is no address.
    int channel[2];
    if (source.size() > 4096 || source.find('\n') + 1 != source.size() || pipe(channel) != 0) {
        complain(velmora::qtText(velmora::clitexts::kAddressNotHanded));
        return 1;
    }
    const bool written =
        write(channel[1], source.data(), source.size()) == static_cast<ssize_t>(source.size());
    close(channel[1]);
    if (!written || dup2(channel[0], STDIN_FILENO) < 0) {
        complain(velmora::qtText(velmora::clitexts::kAddressNotHanded));
        return 1;
    }
    close(channel[0]);
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    complain(
        velmora::qtText(velmora::clitexts::kMeasureNotStarted).arg(QString::fromLocal8Bit(program.c_str())));
    return 1;
}

int runWindow(const velmora::CommandLine& command, int argc, char* argv[])
{
    if (!command.platformChosen && !haveDisplay()) {
        complain(velmora::qtText(velmora::clitexts::kNoDisplay));
        return 1;
    }
    QApplication app(argc, argv);
#ifdef VELMORA_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
#endif
    velmora::QtPlatform platform;
    velmora::MainWindow* window = velmora::startProgram(platform);
    // A plan named on the command line (as a file manager starts the program) opens at once.
    if (!command.plan.isEmpty()) window->plans().openPlanFile(command.plan);
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
    case velmora::Mode::Measure: return runMeasure(command);
    case velmora::Mode::Export: return velmora::runExport(command, argc, argv);
    case velmora::Mode::Audit: return velmora::runAudit(command, argc, argv);
    case velmora::Mode::Check: return velmora::runCheck(command, argc, argv);
    case velmora::Mode::Window: break;
    }
    return runWindow(command, argc, argv);
}
