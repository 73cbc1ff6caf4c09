// SPDX-License-Identifier: GPL-3.0-or-later
#include "Export.h"

#include "CommandLineTexts.h"
#include "CsvExport.h"
#include "PlanFile.h"
#include "PlanSession.h"
#include "PlanTexts.h"
#include "QtPlatform.h"
#include "ReportWindow.h"
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
    const MainForm& form = session.form();

    if (!command.csvOut.isEmpty()) {
        const std::string csv = channelTableCsv(form);
        if (command.csvOut == QLatin1String("-")) {
            if (std::fwrite(csv.data(), 1, csv.size(), stdout) != csv.size() || std::fflush(stdout) != 0)
                return failed(QStringLiteral("-"), qtText(plantexts::kStdoutFailed));
        } else {
            QString why;
            if (!writeFileWhole(command.csvOut, QByteArray::fromStdString(csv), &why))
                return failed(command.csvOut, why);
        }
    }

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
        QtPlatform platform;
        ReportWindow page(platform);
        page.fill(reportInputOf(form));
        page.setNotes(QString::fromStdString(session.notes()));
        QString why;
        if (!page.savePdf(command.pdfOut, &why)) return failed(command.pdfOut, why);
    }
    return 0;
}

} // namespace velmora
