// SPDX-License-Identifier: GPL-3.0-or-later
#include "Export.h"

#include "CommandLineTexts.h"
#include "PlanSession.h"
#include "ReportExport.h"
#include "Startup.h"
#include "TextDoor.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>

namespace velmora {

namespace {

int failed(const QString& file, const QString& why)
{
    const QString line =
        qtText(clitexts::kPrefix) + qtText(clitexts::kFileFailed).arg(file, why) + QLatin1Char('\n');
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return kExportFailed;
}

} // namespace

int runExport(const CommandLine& command, int argc, char* argv[])
{
    const std::string decimal =
        (command.decimal.isEmpty() ? QLocale::system().decimalPoint() : command.decimal).toStdString();
    // The plan opened as the window opens it, into the tall window's form.
    QuietHost host;
    PlanSession session = sessionFor(Layout::Tall, decimal, host);
    std::string why;
    if (!session.open(command.plan.toStdString(), &why)) return failed(command.plan, qtText(why));
    QString failure;

    if (!command.csvOut.isEmpty() && !exportChannelTableCsv(session, command.csvOut, &failure))
        return failed(command.csvOut, failure);

    if (!command.pdfOut.isEmpty()) {
        // The report window's own page painting, on a screen that needs no display.
        if (!command.platformChosen) qputenv("QT_QPA_PLATFORM", "offscreen");
        QTemporaryDir runtime;
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
            qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        // Qt's notices about the offscreen screen are not for the user of an export.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fputs(
                    (qtText(clitexts::kPrefix) + message + QLatin1Char('\n')).toLocal8Bit().constData(),
                    stderr);
        });
        QApplication app(argc, argv);
        if (!exportReportPdf(session, command.pdfOut, &failure)) return failed(command.pdfOut, failure);
    }
    return 0;
}

} // namespace velmora
