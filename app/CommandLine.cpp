// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "CommandLineTexts.h"
#include "SourceList.h"
#include "Tally.h"
#include "TextDoor.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
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

namespace t = clitexts;

QString quoted(const QString& text)
{
    return qtText(t::kQuoted).arg(text);
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
                return qtText(t::kUnknownOption).arg(quoted(option));
        }
        return qtText(t::kUnknownOption).arg(quoted(unknown.first()));
    }
    const QString text = parser.errorText();
    static const QRegularExpression after(QStringLiteral("^(Missing|Unexpected) value after '(.*)'\\.$"));
    if (const auto match = after.match(text); match.hasMatch()) {
        return match.captured(1) == QLatin1String("Missing")
                   ? qtText(t::kMissingValue).arg(quoted(match.captured(2)))
                   : qtText(t::kUnexpectedValue).arg(quoted(match.captured(2)));
    }
    return text;
}

QCommandLineOption makeOption(const QStringList& names, const QString& description,
                              std::string_view value = {})
{
    return value.empty() ? QCommandLineOption(names, description)
                         : QCommandLineOption(names, description, qtText(value));
}
QCommandLineOption makeOption(const QStringList& names, std::string_view description,
                              std::string_view value = {})
{
    return makeOption(names, qtText(description), value);
}

// The program's own options, as --help lists them.
QList<QCommandLineOption> programOptions()
{
    return {
        makeOption({QStringLiteral("h"), QStringLiteral("help")}, t::kHelpOption),
        makeOption({QStringLiteral("v"), QStringLiteral("version")}, t::kVersionOption),
        makeOption({QStringLiteral("measure")}, t::kMeasureOption, t::kMeasureValue),
        makeOption({QStringLiteral("audit")}, t::kAuditOption, t::kAuditValue),
        makeOption({QStringLiteral("save")}, t::kSaveOption, t::kSaveValue),
        makeOption({QStringLiteral("seconds")},
                   qtText(t::kSecondsOption)
                       .arg(measure::kMinSeconds)
                       .arg(measure::kMaxSeconds)
                       .arg(measure::kDefaultSeconds),
                   t::kSecondsValue),
        makeOption({QStringLiteral("jobs")},
                   qtText(t::kJobsOption).arg(measure::kMaxJobs).arg(measure::kDefaultJobs), t::kJobsValue),
        makeOption({QStringLiteral("export-pdf")}, t::kExportPdfOption, t::kFileValue),
        makeOption({QStringLiteral("export-csv")}, t::kExportCsvOption, t::kFileValue),
        makeOption({QStringLiteral("decimal")}, t::kDecimalOption, t::kDecimalValue),
    };
}

QString error(std::string_view text)
{
    return qtText(t::kPrefix) + qtText(text);
}

// A whole number from `low` to `high`, as typed; none for anything else.
std::optional<int> wholeNumber(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

// --audit and its options: the list, the plan, the seconds and the jobs.
void readAudit(const QCommandLineParser& parser, CommandLine& command)
{
    command.mode = Mode::Audit;
    command.auditList = parser.value(QStringLiteral("audit"));
    command.plan = parser.value(QStringLiteral("save"));
    const auto fail = [&command](const QString& line) {
        command.mode = Mode::Error;
        command.error = line;
    };
    if (parser.isSet(QStringLiteral("measure")) || parser.isSet(QStringLiteral("export-pdf")) ||
        parser.isSet(QStringLiteral("export-csv"))) {
        fail(error(t::kAuditAlone));
    } else if (!parser.positionalArguments().isEmpty()) {
        fail(error(t::kExtraArgument).arg(quoted(parser.positionalArguments().first())));
    } else if (command.plan.isEmpty()) {
        fail(error(t::kAuditNeedsSave));
    } else if (parser.isSet(QStringLiteral("seconds")) &&
               !wholeNumber(parser.value(QStringLiteral("seconds")), measure::kMinSeconds,
                            measure::kMaxSeconds)) {
        fail(error(t::kBadSeconds)
                 .arg(measure::kMinSeconds)
                 .arg(measure::kMaxSeconds)
                 .arg(quoted(parser.value(QStringLiteral("seconds")))));
    } else if (parser.isSet(QStringLiteral("jobs")) &&
               !wholeNumber(parser.value(QStringLiteral("jobs")), 1, measure::kMaxJobs)) {
        fail(error(t::kBadJobs).arg(measure::kMaxJobs).arg(quoted(parser.value(QStringLiteral("jobs")))));
    } else if (parser.isSet(QStringLiteral("decimal")) &&
               parser.value(QStringLiteral("decimal")) != QLatin1String(".") &&
               parser.value(QStringLiteral("decimal")) != QLatin1String(",")) {
        fail(error(t::kBadDecimal).arg(quoted(parser.value(QStringLiteral("decimal")))));
    } else {
        command.auditSeconds =
            wholeNumber(parser.value(QStringLiteral("seconds")), measure::kMinSeconds, measure::kMaxSeconds)
                .value_or(measure::kDefaultSeconds);
        command.auditJobs = wholeNumber(parser.value(QStringLiteral("jobs")), 1, measure::kMaxJobs)
                                .value_or(measure::kDefaultJobs);
        command.decimal = parser.value(QStringLiteral("decimal"));
    }
}

} // namespace

void defineOptions(QCommandLineParser& parser)
{
    // "-platform" is one option, as Qt reads it, not the letters p, l, a...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(qtText(t::kDescription));
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
        command.error = qtText(t::kPrefix) + errorLine(parser, arguments.mid(1));
        return command;
    }
    command.platformChosen = parser.isSet(QStringLiteral("platform"));
    if (parser.isSet(QStringLiteral("help"))) {
        command.mode = Mode::Help;
    } else if (parser.isSet(QStringLiteral("version"))) {
        command.mode = Mode::Version;
    } else if (parser.isSet(QStringLiteral("audit"))) {
        readAudit(parser, command);
    } else if (parser.isSet(QStringLiteral("save")) || parser.isSet(QStringLiteral("jobs"))) {
        command.mode = Mode::Error;
        command.error = error(t::kOnlyWithAudit)
                            .arg(quoted(parser.isSet(QStringLiteral("save")) ? QStringLiteral("--save")
                                                                             : QStringLiteral("--jobs")));
    } else if (parser.positionalArguments().size() > 1) {
        command.mode = Mode::Error;
        command.error = error(t::kExtraArgument).arg(quoted(parser.positionalArguments().at(1)));
    } else if (parser.isSet(QStringLiteral("measure")) && !parser.positionalArguments().isEmpty()) {
        command.mode = Mode::Error;
        command.error = error(t::kExtraArgument).arg(quoted(parser.positionalArguments().first()));
    } else if (parser.isSet(QStringLiteral("measure"))) {
        command.mode = Mode::Measure;
        command.measureSource = parser.value(QStringLiteral("measure"));
        command.measureSeconds = parser.value(QStringLiteral("seconds"));
    } else if (parser.isSet(QStringLiteral("seconds"))) {
        command.mode = Mode::Error;
        command.error = error(t::kSecondsAlone);
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
            command.error = error(t::kBadDecimal).arg(quoted(command.decimal));
        } else if (exporting && command.plan.isEmpty()) {
            command.mode = Mode::Error;
            command.error = error(t::kNoPlanToExport);
        } else if (exporting && ((parser.isSet(QStringLiteral("export-pdf")) && command.pdfOut.isEmpty()) ||
                                 (parser.isSet(QStringLiteral("export-csv")) && command.csvOut.isEmpty()))) {
            command.mode = Mode::Error;
            command.error = error(t::kNoExportFile);
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
    QString text = qtText(t::kUsage).arg(qtText(t::kDescription));
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
    text += qtText(t::kQtOptions);
    return text;
}

QString versionText()
{
    return QStringLiteral("velmora " VELMORA_VERSION "\n");
}

} // namespace velmora
