// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "CommandLineTexts.h"
#include "Protocol.h"
#include "SiteCheck.h"
#include "SourceList.h"
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

// The program's own options, one row each, in the order --help lists them.
enum class Opt {
    Help,
    Version,
    Measure,
    Audit,
    Save,
    Check,
    List,
    Tolerance,
    Json,
    Seconds,
    Jobs,
    ExportPdf,
    ExportCsv,
    Decimal
};
struct OptionRow {
    Opt id;
    std::string_view name;   // without its dashes
    std::string_view letter; // a one-letter name as well, or none
    std::string_view description;
    std::string_view value; // the value's name; none: a switch
};
constexpr OptionRow kOptions[] = {
    {Opt::Help, "help", "h", t::kHelpOption, {}},
    {Opt::Version, "version", "v", t::kVersionOption, {}},
    {Opt::Measure, "measure", {}, t::kMeasureOption, t::kMeasureValue},
    {Opt::Audit, "audit", {}, t::kAuditOption, t::kAuditValue},
    {Opt::Save, "save", {}, t::kSaveOption, t::kSaveValue},
    {Opt::Check, "check", {}, t::kCheckOption, t::kCheckValue},
    {Opt::List, "list", {}, t::kListOption, t::kListValue},
    {Opt::Tolerance, "tolerance", {}, t::kToleranceOption, t::kToleranceValue},
    {Opt::Json, "json", {}, t::kJsonOption, {}},
    {Opt::Seconds, "seconds", {}, t::kSecondsOption, t::kSecondsValue},
    {Opt::Jobs, "jobs", {}, t::kJobsOption, t::kJobsValue},
    {Opt::ExportPdf, "export-pdf", {}, t::kExportPdfOption, t::kFileValue},
    {Opt::ExportCsv, "export-csv", {}, t::kExportCsvOption, t::kFileValue},
    {Opt::Decimal, "decimal", {}, t::kDecimalOption, t::kDecimalValue},
};

const OptionRow& row(Opt id)
{
    for (const OptionRow& r : kOptions)
        if (r.id == id) return r;
    return kOptions[0];
}

QString nameOf(Opt id)
{
    return QString::fromLatin1(row(id).name.data(), static_cast<qsizetype>(row(id).name.size()));
}

// As the user types it: "--seconds".
QString typed(Opt id)
{
    return QStringLiteral("--") + nameOf(id);
}

// The description, with the limits it states filled in from where they are defined.
QString description(const OptionRow& r)
{
    const QString text = qtText(r.description);
    switch (r.id) {
    case Opt::Seconds:
        return text.arg(measure::kMinSeconds).arg(measure::kMaxSeconds).arg(measure::kDefaultSeconds);
    case Opt::Jobs: return text.arg(measure::kMaxJobs).arg(measure::kDefaultJobs);
    case Opt::Tolerance: return text.arg(kMostTolerancePercent).arg(kDefaultTolerancePercent);
    default: return text;
    }
}

QList<QCommandLineOption> programOptions()
{
    QList<QCommandLineOption> options;
    for (const OptionRow& r : kOptions) {
        QStringList names;
        if (!r.letter.empty())
            names << QString::fromLatin1(r.letter.data(), static_cast<qsizetype>(r.letter.size()));
        names << nameOf(r.id);
        options << (r.value.empty() ? QCommandLineOption(names, description(r))
                                    : QCommandLineOption(names, description(r), qtText(r.value)));
    }
    return options;
}

// The parsed arguments, asked by option.
class Given {
public:
    explicit Given(const QCommandLineParser& parser) : parser_(parser) {}
    bool has(Opt id) const { return parser_.isSet(nameOf(id)); }
    QString value(Opt id) const { return parser_.value(nameOf(id)); }
    const QStringList& positional() const { return positional_; }

private:
    const QCommandLineParser& parser_;
    QStringList positional_ = parser_.positionalArguments();
};

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

// --decimal takes a period or a comma; the error line for anything else.
std::optional<QString> badDecimal(const Given& given)
{
    const QString decimal = given.value(Opt::Decimal);
    if (!given.has(Opt::Decimal) || decimal == QLatin1String(".") || decimal == QLatin1String(","))
        return std::nullopt;
    return error(t::kBadDecimal).arg(quoted(decimal));
}

// The seconds of each source and the sources measured at once, for --audit
// and --check alike: the error line for a number out of range, else none
// with both in `command` (the defaults where not given).
std::optional<QString> badMeasuring(const Given& given, CommandLine& command)
{
    const auto seconds = wholeNumber(given.value(Opt::Seconds), measure::kMinSeconds, measure::kMaxSeconds);
    if (given.has(Opt::Seconds) && !seconds)
        return error(t::kBadSeconds)
            .arg(measure::kMinSeconds)
            .arg(measure::kMaxSeconds)
            .arg(quoted(given.value(Opt::Seconds)));
    const auto jobs = wholeNumber(given.value(Opt::Jobs), 1, measure::kMaxJobs);
    if (given.has(Opt::Jobs) && !jobs)
        return error(t::kBadJobs).arg(measure::kMaxJobs).arg(quoted(given.value(Opt::Jobs)));
    command.auditSeconds = seconds.value_or(measure::kDefaultSeconds);
    command.auditJobs = jobs.value_or(measure::kDefaultJobs);
    return std::nullopt;
}

// --audit and its options: the list, the plan, the seconds and the jobs.
void readAudit(const Given& given, CommandLine& command)
{
    command.mode = Mode::Audit;
    command.auditList = given.value(Opt::Audit);
    command.plan = given.value(Opt::Save);
    const auto fail = [&command](const QString& line) {
        command.mode = Mode::Error;
        command.error = line;
    };
    if (given.has(Opt::Measure) || given.has(Opt::ExportPdf) || given.has(Opt::ExportCsv)) {
        fail(error(t::kAuditAlone));
    } else if (given.has(Opt::List) || given.has(Opt::Tolerance) || given.has(Opt::Json)) {
        fail(error(t::kOnlyWithCheck)
                 .arg(quoted(typed(given.has(Opt::List)        ? Opt::List
                                   : given.has(Opt::Tolerance) ? Opt::Tolerance
                                                               : Opt::Json))));
    } else if (!given.positional().isEmpty()) {
        fail(error(t::kExtraArgument).arg(quoted(given.positional().first())));
    } else if (command.plan.isEmpty()) {
        fail(error(t::kAuditNeedsSave));
    } else if (const auto bad = badMeasuring(given, command)) {
        fail(*bad);
    } else if (const auto badPoint = badDecimal(given)) {
        fail(*badPoint);
    } else {
        command.decimal = given.value(Opt::Decimal);
    }
}

// --check and its options: the plan, the list, the seconds, the jobs, the tolerance.
void readCheck(const Given& given, CommandLine& command)
{
    command.mode = Mode::Check;
    command.plan = given.value(Opt::Check);
    command.auditList = given.value(Opt::List);
    command.json = given.has(Opt::Json);
    const auto fail = [&command](const QString& line) {
        command.mode = Mode::Error;
        command.error = line;
    };
    bool toleranceRead = false;
    const double tolerance =
        given.value(Opt::Tolerance).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&toleranceRead);
    if (given.has(Opt::Audit) || given.has(Opt::Measure) || given.has(Opt::Save) ||
        given.has(Opt::ExportPdf) || given.has(Opt::ExportCsv)) {
        fail(error(t::kCheckAlone));
    } else if (!given.positional().isEmpty()) {
        fail(error(t::kExtraArgument).arg(quoted(given.positional().first())));
    } else if (command.auditList.isEmpty()) {
        fail(error(t::kCheckNeedsList));
    } else if (const auto bad = badMeasuring(given, command)) {
        fail(*bad);
    } else if (given.has(Opt::Tolerance) &&
               !(toleranceRead && tolerance >= 0 && tolerance <= kMostTolerancePercent)) {
        fail(error(t::kBadTolerance).arg(kMostTolerancePercent).arg(quoted(given.value(Opt::Tolerance))));
    } else if (const auto bad = badDecimal(given)) {
        fail(*bad);
    } else {
        command.tolerance = given.has(Opt::Tolerance) ? tolerance : kDefaultTolerancePercent;
        command.decimal = given.value(Opt::Decimal);
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
    const Given given(parser);
    const auto fail = [&command](const QString& line) {
        command.mode = Mode::Error;
        command.error = line;
    };
    if (given.has(Opt::Help)) {
        command.mode = Mode::Help;
    } else if (given.has(Opt::Version)) {
        command.mode = Mode::Version;
    } else if (given.has(Opt::Check)) {
        readCheck(given, command);
    } else if (given.has(Opt::Audit)) {
        readAudit(given, command);
    } else if (given.has(Opt::List) || given.has(Opt::Tolerance) || given.has(Opt::Json)) {
        fail(error(t::kOnlyWithCheck)
                 .arg(quoted(typed(given.has(Opt::List)        ? Opt::List
                                   : given.has(Opt::Tolerance) ? Opt::Tolerance
                                                               : Opt::Json))));
    } else if (given.has(Opt::Save)) {
        fail(error(t::kOnlyWithAudit).arg(quoted(typed(Opt::Save))));
    } else if (given.has(Opt::Jobs)) {
        fail(error(t::kJobsAlone));
    } else if (given.positional().size() > 1) {
        fail(error(t::kExtraArgument).arg(quoted(given.positional().at(1))));
    } else if (given.has(Opt::Measure) && !given.positional().isEmpty()) {
        fail(error(t::kExtraArgument).arg(quoted(given.positional().first())));
    } else if (given.has(Opt::Measure)) {
        command.mode = Mode::Measure;
        command.measureSource = given.value(Opt::Measure);
        command.measureSeconds = given.value(Opt::Seconds);
    } else if (given.has(Opt::Seconds)) {
        fail(error(t::kSecondsAlone));
    } else {
        if (!given.positional().isEmpty()) command.plan = given.positional().first();
        command.pdfOut = given.value(Opt::ExportPdf);
        command.csvOut = given.value(Opt::ExportCsv);
        command.decimal = given.value(Opt::Decimal);
        const bool exporting = given.has(Opt::ExportPdf) || given.has(Opt::ExportCsv);
        if (exporting) command.mode = Mode::Export;
        if (const auto bad = badDecimal(given)) {
            fail(*bad);
        } else if (exporting && command.plan.isEmpty()) {
            fail(error(t::kNoPlanToExport));
        } else if (exporting && ((given.has(Opt::ExportPdf) && command.pdfOut.isEmpty()) ||
                                 (given.has(Opt::ExportCsv) && command.csvOut.isEmpty()))) {
            fail(error(t::kNoExportFile));
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
