// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The command line's own words: the help, the errors of a wrong command line,
// and what the modes that need no window print. %1, %2 ...: filled in where
// they show. The measuring program's own lines (velmora --measure) are its
// own, in English, as a script reads them.
namespace velmora::clitexts {

// Before every error line: the program's name.
inline constexpr std::string_view kPrefix = "velmora: ";
// A parameter or argument named in an error, as typed.
inline constexpr std::string_view kQuoted = "«%1»";

// --help: the first lines, the description, the heading of the options and the last line.
inline constexpr std::string_view kUsage = "Запуск: velmora [параметры] [ПЛАН.velmora]\n\n%1\n\nПараметры:\n";
inline constexpr std::string_view kDescription =
    "Velmora — расчёт потока и объёма архива системы видеонаблюдения.";
inline constexpr std::string_view kQtOptions =
    "\nПараметры Qt (-platform, -style и другие) передаются ему без изменений.\n";

// --help: each option's line, and the name of the value it takes.
inline constexpr std::string_view kHelpOption = "Показать эту справку и выйти.";
inline constexpr std::string_view kVersionOption = "Показать версию и выйти.";
inline constexpr std::string_view kMeasureOption =
    "Измерить поток камеры (rtsp://…, rtsps://…, http://…, https://…) "
    "или её запись и напечатать итог одной строкой JSON.";
inline constexpr std::string_view kMeasureValue = "источник";
inline constexpr std::string_view kSecondsOption =
    "Сколько секунд потока измерять с --measure или --audit: от %1 до %2, обычно %3.";
inline constexpr std::string_view kSecondsValue = "N";
inline constexpr std::string_view kExportPdfOption =
    "Сохранить страницу отчёта плана в PDF и выйти (без окна).";
inline constexpr std::string_view kExportCsvOption =
    "Сохранить таблицу каналов плана в CSV и выйти (без окна); "
    "ФАЙЛ «-» — стандартный вывод.";
inline constexpr std::string_view kFileValue = "ФАЙЛ";
inline constexpr std::string_view kDecimalOption =
    "Десятичный разделитель в выгрузке и в итогах --audit: «.» или «,» "
    "(по умолчанию — системный).";
inline constexpr std::string_view kDecimalValue = "C";
inline constexpr std::string_view kAuditOption =
    "Измерить все камеры объекта из списка (строка — адрес или запись, через TAB — имя камеры, "
    "ещё через TAB — регистратор; «-» — стандартный ввод) и записать план в файл --save, без окна.";
inline constexpr std::string_view kAuditValue = "СПИСОК";
inline constexpr std::string_view kSaveOption = "Файл плана, который пишет --audit.";
inline constexpr std::string_view kSaveValue = "ПЛАН.velmora";
inline constexpr std::string_view kJobsOption =
    "Сколько камер --audit измеряет одновременно: от 1 до %1, обычно %2.";
inline constexpr std::string_view kJobsValue = "J";

// A wrong command line (status 2).
inline constexpr std::string_view kUnknownOption = "неизвестный параметр %1";
inline constexpr std::string_view kMissingValue = "у параметра %1 нет значения";
inline constexpr std::string_view kUnexpectedValue = "параметр %1 не принимает значения";
inline constexpr std::string_view kExtraArgument = "лишний аргумент %1";
inline constexpr std::string_view kSecondsAlone =
    "параметр «--seconds» действует только вместе с «--measure», «--audit» или «--check»";
inline constexpr std::string_view kBadDecimal = "десятичный разделитель — «.» или «,», не %1";
inline constexpr std::string_view kNoPlanToExport = "не указан файл плана для выгрузки";
inline constexpr std::string_view kNoExportFile = "не указан файл для выгрузки";
// --audit given with --measure or an export, which it cannot go with.
inline constexpr std::string_view kAuditAlone =
    "«--audit» не сочетается с «--measure», «--export-pdf» и «--export-csv»";
inline constexpr std::string_view kAuditNeedsSave = "для «--audit» нужен файл плана: «--save ПЛАН.velmora»";
// --save without --audit, --jobs without a site to measure.
inline constexpr std::string_view kOnlyWithAudit = "параметр %1 действует только вместе с «--audit»";
inline constexpr std::string_view kJobsAlone =
    "параметр «--jobs» действует только вместе с «--audit» или «--check»";
inline constexpr std::string_view kBadSeconds = "«--seconds» — целое число от %1 до %2, не %3";
inline constexpr std::string_view kBadJobs = "«--jobs» — целое число от 1 до %1, не %2";

// Starting the window without a display (status 1).
inline constexpr std::string_view kNoDisplay =
    "нет дисплея, на котором открыть окно (задайте DISPLAY или запустите под xvfb-run)";

// --measure hands over to the measuring program (whose own output is English),
// and cannot: the address could not be passed on, or the program not started.
inline constexpr std::string_view kAddressNotHanded = "не удалось передать адрес программе измерения";
inline constexpr std::string_view kMeasureNotStarted = "программа измерения %1 не запускается";

// An export or an audit that cannot write or read a file: the file, then the reason.
inline constexpr std::string_view kFileFailed = "%1: %2";

// --audit: a list that cannot be read (status 2), after the list's name.
inline constexpr std::string_view kListNoSuchFile = "такого файла нет";
inline constexpr std::string_view kListNotReadable = "файл не читается: нет доступа или это папка";
inline constexpr std::string_view kListTooLarge = "файл больше %1 Мбайт: это не список камер";
inline constexpr std::string_view kListTooMany = "в списке больше %1 источников (строка %2 — уже %3-й)";
inline constexpr std::string_view kListNoAddress = "в строке %1 есть имя, но нет адреса";
inline constexpr std::string_view kListNotUtf8 = "строка %1 не в кодировке UTF-8: сохраните список в UTF-8";
inline constexpr std::string_view kListEmpty = "в списке нет ни одного источника";
inline constexpr std::string_view kListNameTooLong = "в строке %1 имя камеры длиннее %2 знаков";
inline constexpr std::string_view kListRecorderNameTooLong = "в строке %1 имя регистратора длиннее %2 знаков";
inline constexpr std::string_view kListRecorderFull =
    "у регистратора «%1» больше %2 камер (строка %3 — уже %4-я)";
inline constexpr std::string_view kListTooManyRecorders =
    "в списке больше %1 регистраторов (строка %2 — уже %3-й)";

// --audit: the table on standard output. The heading's columns, a measured
// source's frame ("1920x1080, 25 к/с") and what stands for a figure not known.
inline constexpr std::string_view kTableNumber = "№";
inline constexpr std::string_view kTableName = "Камера";
// The column of a site's recorders, where the list names more than one.
inline constexpr std::string_view kTableRecorder = "Регистратор";
inline constexpr std::string_view kTableCodec = "Кодек";
inline constexpr std::string_view kTableFrame = "Кадр";
inline constexpr std::string_view kTableKbps = "кбит/с";
inline constexpr std::string_view kTableApplied = "В канал, Кбит/с";
inline constexpr std::string_view kTableSize = "%1x%2";
inline constexpr std::string_view kTableFps = "%1 к/с";
inline constexpr std::string_view kUnknown = "?";
// In place of the figures of a source not measured: the cause.
inline constexpr std::string_view kTableFailed = "не измерен: %1";
// The last line: sources measured of those listed, and their channels' sum in the program's Мбит/с.
inline constexpr std::string_view kTableTotal = "Измерено %1 из %2; поток каналов %3 Мбит/с";

// --audit: a source not measured, one line on standard error: its number in
// the list, the address without credentials, the cause.
inline constexpr std::string_view kSourceFailed = "источник %1 %2: %3";
// Why, where the measuring program did not name a cause.
inline constexpr std::string_view kAuditNotStarted = "программа измерения velmora-measure не запустилась";
inline constexpr std::string_view kAuditCrashed = "программа измерения завершилась аварийно";
inline constexpr std::string_view kAuditSilent = "программа измерения молчала %1 с и остановлена";
inline constexpr std::string_view kAuditCancelled = "измерение прервано";
// The program was stopped from outside (kill, Ctrl+C) while measuring.
inline constexpr std::string_view kAuditInterrupted = "измерение прервано сигналом; план не записан";
// Not one source measured: no plan.
inline constexpr std::string_view kNothingMeasured = "не измерен ни один источник; план не записан";

// --check: the options.
inline constexpr std::string_view kCheckOption =
    "Проверить объект по плану: измерить камеры списка --list, как --audit, и сравнить с каналами "
    "плана и его глубиной архива, без окна; план не меняется.";
inline constexpr std::string_view kCheckValue = "ПЛАН.velmora";
inline constexpr std::string_view kListOption = "Список камер, который проверяет --check (как у --audit).";
inline constexpr std::string_view kListValue = "СПИСОК";
inline constexpr std::string_view kToleranceOption =
    "На сколько процентов поток камеры может вырасти против плана, прежде чем --check сочтёт это "
    "нарушением: от 0 до %1, обычно %2.";
inline constexpr std::string_view kToleranceValue = "P";
inline constexpr std::string_view kJsonOption = "--check печатает один объект JSON вместо таблицы.";
// --check: a wrong command line (status 2).
inline constexpr std::string_view kCheckAlone =
    "«--check» не сочетается с «--audit», «--measure», «--save», «--export-pdf» и «--export-csv»";
inline constexpr std::string_view kCheckNeedsList = "для «--check» нужен список камер: «--list СПИСОК»";
inline constexpr std::string_view kBadTolerance = "«--tolerance» — число от 0 до %1, не %2";
// --list, --tolerance or --json without --check.
inline constexpr std::string_view kOnlyWithCheck = "параметр %1 действует только вместе с «--check»";
// --check: the table's columns past the number and the name.
inline constexpr std::string_view kCheckChannel = "Канал";
inline constexpr std::string_view kCheckPlanned = "По плану, Кбит/с";
inline constexpr std::string_view kCheckNow = "Сейчас, Кбит/с";
inline constexpr std::string_view kCheckChange = "Изменение";
inline constexpr std::string_view kCheckWhen = "Измерено";
// After the time measured now, the time the plan's rate was measured.
inline constexpr std::string_view kCheckPlannedAt = " (по плану %1)";
inline constexpr std::string_view kCheckNotMeasured = "не измерена";
// The recorder's line: the depth planned, the depth now and, where the plan sets them, the days wanted.
inline constexpr std::string_view kCheckDepth = "Глубина архива: по плану %1, сейчас %2";
inline constexpr std::string_view kCheckWanted = ", нужно %1";
// A depth the plan's disk does not give (no disk size).
inline constexpr std::string_view kCheckNoDepth = "не рассчитана";
// What falls short, one to a line: a camera by its number and quoted name, then why.
inline constexpr std::string_view kCheckCamera = "камера %1 %2";
inline constexpr std::string_view kCheckNotMeasuredBecause = ": не измерена: %1";
inline constexpr std::string_view kCheckNotInPlan = ": в плане нет такого канала";
inline constexpr std::string_view kCheckSharedName = ": в плане несколько каналов с этим именем";
inline constexpr std::string_view kCheckListedTwice = ": указана в списке не один раз";
inline constexpr std::string_view kCheckChannelTaken = ": её канал уже сопоставлен другой камере списка";
inline constexpr std::string_view kCheckGrew = ": поток вырос на %1, больше допуска %2 %";
inline constexpr std::string_view kCheckUnmatched = "канал %1 %2: ни одна камера списка ему не соответствует";
inline constexpr std::string_view kCheckDepthShort = "глубина архива сейчас %1 — меньше нужных %2";
// The same for each recorder of a site of several.
inline constexpr std::string_view kCheckRecorderDepth =
    "Регистратор %1 — глубина архива: по плану %2, сейчас %3";
inline constexpr std::string_view kCheckUnmatchedOf =
    "канал %1 %2 регистратора %3: ни одна камера списка ему не соответствует";
inline constexpr std::string_view kCheckRecorderDepthShort =
    "регистратор %1: глубина архива сейчас %2 — меньше нужных %3";
// The last line.
inline constexpr std::string_view kCheckPassed = "Итог: план соблюдается.";
inline constexpr std::string_view kCheckFailed = "Итог: план не соблюдается.";

} // namespace velmora::clitexts
