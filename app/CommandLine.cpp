// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

#ifndef VELMORA_VERSION
#error "VELMORA_VERSION is set by the build"
#endif

namespace velmora {

namespace {

// Options QGuiApplication and QApplication read and remove from the arguments
// themselves; the parser only has to let them through.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowtitle", true},
    {"qwindowicon", true},
    {"geometry", true},
    {"title", true},
    {"icon", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"visual", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"testability", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
};

QString quoted(const QString& text)
{
    return QStringLiteral("«%1»").arg(text);
}

// The parser's own error in the program's words. Its messages are fixed
// English sentences naming the option in single quotes.
QString errorLine(const QCommandLineParser& parser, const QStringList& arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        // Named as typed, with its dashes and without a value after "=".
        for (const QString& argument : arguments) {
            const QString option = argument.section(QLatin1Char('='), 0, 0);
            if (option.startsWith(QLatin1Char('-')) &&
                QStringView(option).mid(option.startsWith(QLatin1String("--")) ? 2 : 1) == unknown.first())
                return QStringLiteral("неизвестный параметр %1").arg(quoted(option));
        }
        return QStringLiteral("неизвестный параметр %1").arg(quoted(unknown.first()));
    }
    const QString text = parser.errorText();
    static const QRegularExpression after(QStringLiteral("^(Missing|Unexpected) value after '(.*)'\\.$"));
    if (const auto match = after.match(text); match.hasMatch()) {
        return match.captured(1) == QLatin1String("Missing")
                   ? QStringLiteral("у параметра %1 нет значения").arg(quoted(match.captured(2)))
                   : QStringLiteral("параметр %1 не принимает значения").arg(quoted(match.captured(2)));
    }
    return text;
}

const QString kDescription =
    QStringLiteral("Velmora — расчёт потока и объёма архива системы видеонаблюдения.");

// The program's own options, as --help lists them.
QList<QCommandLineOption> programOptions()
{
    return {
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                           QStringLiteral("Показать эту справку и выйти.")),
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                           QStringLiteral("Показать версию и выйти.")),
        QCommandLineOption(QStringLiteral("measure"),
                           QStringLiteral("Измерить поток камеры (rtsp://…, rtsps://…, http://…, https://…) "
                                          "или её запись и напечатать итог одной строкой JSON."),
                           QStringLiteral("источник")),
        QCommandLineOption(
            QStringLiteral("seconds"),
            QStringLiteral("Сколько секунд потока измерять с --measure: от 3 до 3600, обычно 10."),
            QStringLiteral("N")),
        QCommandLineOption(QStringLiteral("export-pdf"),
                           QStringLiteral("Сохранить страницу отчёта плана в PDF и выйти (без окна)."),
                           QStringLiteral("ФАЙЛ")),
        QCommandLineOption(QStringLiteral("export-csv"),
                           QStringLiteral("Сохранить таблицу каналов плана в CSV и выйти (без окна); "
                                          "ФАЙЛ «-» — стандартный вывод."),
                           QStringLiteral("ФАЙЛ")),
        QCommandLineOption(QStringLiteral("decimal"),
                           QStringLiteral("Десятичный разделитель в выгрузке: «.» или «,» "
                                          "(по умолчанию — системный)."),
                           QStringLiteral("C")),
    };
}

} // namespace

void defineOptions(QCommandLineParser& parser)
{
    // "-platform" is one option, as Qt reads it, not the letters p, l, a...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(kDescription);
    parser.addOptions(programOptions());
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    defineOptions(parser);
    CommandLine command;
    if (!parser.parse(arguments)) {
        command.mode = Mode::Error;
        command.error = QStringLiteral("velmora: ") + errorLine(parser, arguments.mid(1));
        return command;
    }
    command.platformChosen = parser.isSet(QStringLiteral("platform"));
    if (parser.isSet(QStringLiteral("help"))) {
        command.mode = Mode::Help;
    } else if (parser.isSet(QStringLiteral("version"))) {
        command.mode = Mode::Version;
    } else if (parser.positionalArguments().size() > 1) {
        command.mode = Mode::Error;
        command.error =
            QStringLiteral("velmora: лишний аргумент %1").arg(quoted(parser.positionalArguments().at(1)));
    } else if (parser.isSet(QStringLiteral("measure")) && !parser.positionalArguments().isEmpty()) {
        command.mode = Mode::Error;
        command.error =
            QStringLiteral("velmora: лишний аргумент %1").arg(quoted(parser.positionalArguments().first()));
    } else if (parser.isSet(QStringLiteral("measure"))) {
        command.mode = Mode::Measure;
        command.measureSource = parser.value(QStringLiteral("measure"));
        command.measureSeconds = parser.value(QStringLiteral("seconds"));
    } else if (parser.isSet(QStringLiteral("seconds"))) {
        command.mode = Mode::Error;
        command.error = QStringLiteral("velmora: параметр «--seconds» действует только вместе с «--measure»");
    } else {
        if (!parser.positionalArguments().isEmpty()) command.plan = parser.positionalArguments().first();
        command.pdfOut = parser.value(QStringLiteral("export-pdf"));
        command.csvOut = parser.value(QStringLiteral("export-csv"));
        command.decimal = parser.value(QStringLiteral("decimal"));
        const bool exporting =
            parser.isSet(QStringLiteral("export-pdf")) || parser.isSet(QStringLiteral("export-csv"));
        if (exporting) command.mode = Mode::Export;
        if (parser.isSet(QStringLiteral("decimal")) && command.decimal != QLatin1String(".") &&
            command.decimal != QLatin1String(",")) {
            command.mode = Mode::Error;
            command.error = QStringLiteral("velmora: десятичный разделитель — «.» или «,», не %1")
                                .arg(quoted(command.decimal));
        } else if (exporting && command.plan.isEmpty()) {
            command.mode = Mode::Error;
            command.error = QStringLiteral("velmora: не указан файл плана для выгрузки");
        } else if (exporting && ((parser.isSet(QStringLiteral("export-pdf")) && command.pdfOut.isEmpty()) ||
                                 (parser.isSet(QStringLiteral("export-csv")) && command.csvOut.isEmpty()))) {
            command.mode = Mode::Error;
            command.error = QStringLiteral("velmora: не указан файл для выгрузки");
        }
    }
    return command;
}

QStringList argumentList(int argc, char* argv[])
{
    QStringList list;
    list.reserve(argc);
    for (int i = 0; i < argc; ++i) list.append(QString::fromLocal8Bit(argv[i]));
    if (list.isEmpty()) list.append(QStringLiteral("velmora"));
    return list;
}

QString helpText()
{
    // Written out here rather than by QCommandLineParser::helpText(), which
    // needs an application object and speaks English.
    QString text =
        QStringLiteral("Запуск: velmora [параметры] [ПЛАН.velmora]\n\n%1\n\nПараметры:\n").arg(kDescription);
    struct Row {
        QString names;
        QString description;
    };
    std::vector<Row> rows;
    qsizetype width = 0;
    for (const QCommandLineOption& option : programOptions()) {
        QStringList names;
        for (const QString& name : option.names())
            names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        QString shown = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) shown += QLatin1Char(' ') + option.valueName();
        width = std::max(width, shown.size());
        rows.push_back({shown, option.description()});
    }
    for (const Row& row : rows)
        text += QStringLiteral("  %1  %2\n").arg(row.names.leftJustified(width), row.description);
    text += QStringLiteral("\nПараметры Qt (-platform, -style и другие) передаются ему без изменений.\n");
    return text;
}

QString versionText()
{
    return QStringLiteral("velmora " VELMORA_VERSION "\n");
}

} // namespace velmora
