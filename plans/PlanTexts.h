// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The plan feature's own words: the reasons a plan file is refused, and the
// window's titles, questions and messages around plans and exports. %1, %2:
// filled in where they show.
namespace velmora::plantexts {

// Why a plan file is not read: the second line of "Не удалось открыть план".
inline constexpr std::string_view kTooLarge = "Файл больше %1 Мбайт.";                  // over the size limit
inline constexpr std::string_view kNotJson = "Это не файл JSON (ошибка в позиции %1)."; // a JSON syntax error
inline constexpr std::string_view kNotAPlan = "Это не план Velmora."; // JSON, but not our format
inline constexpr std::string_view kNoVersion = "В плане нет понятного номера версии формата.";
// A plan of a newer major version.
inline constexpr std::string_view kNewerVersion =
    "План записан в более новой версии формата (%1); эта программа читает версию %2.";
inline constexpr std::string_view kChannelsNotAList = "«channels» не список.";
inline constexpr std::string_view kChannelCount = "Каналов должно быть от 1 до %1, в плане %2.";
inline constexpr std::string_view kCountMismatch = "«channelCount» не совпадает с числом каналов в списке.";
inline constexpr std::string_view kInPart = "В «%1»: ";      // before a refused member of a part of the plan
inline constexpr std::string_view kInChannel = "Канал %1: "; // before a refused member of a channel
inline constexpr std::string_view kInRecorder =
    "Регистратор %1: "; // before anything refused in a site's recorder
inline constexpr std::string_view kRecordersNotAList = "«recorders» не список.";
inline constexpr std::string_view kRecorderCount = "Регистраторов должно быть от 1 до %1, в плане %2.";
// After a member's quoted name: what is wrong with it.
inline constexpr std::string_view kMissing = "нет в файле";
inline constexpr std::string_view kNotWhole = "не целое число";
inline constexpr std::string_view kOutsideList = "вне списка (от %1 до %2)";
inline constexpr std::string_view kNotChannelNumber = "не номер канала плана";
inline constexpr std::string_view kNotNumber = "не число";
inline constexpr std::string_view kOutOfRange = "вне допустимых значений";
inline constexpr std::string_view kNotBoolean = "не true и не false";
inline constexpr std::string_view kNotString = "не строка";
inline constexpr std::string_view kNotObject = "не объект";
inline constexpr std::string_view kLongerThan = "длиннее %1 знаков";
inline constexpr std::string_view kNotRecorderNumber = "не номер регистратора объекта";
// What keeps a text from naming a recorder: in a plan after the member's
// name, in the window's rename on its own.
inline constexpr std::string_view kRecorderNameEmpty = "пустое имя";
inline constexpr std::string_view kRecorderNameControl = "с управляющими символами";
inline constexpr std::string_view kRecorderNameEndBlank = "с пробелом в начале или в конце";
inline constexpr std::string_view kRecorderNameTaken = "«%1» уже есть в объекте";
// A file that cannot be read or written.
inline constexpr std::string_view kIsFolder = "Это папка, а не файл.";
inline constexpr std::string_view kNoSuchFile = "Такого файла нет.";
inline constexpr std::string_view kNoSuchFolder = "Такой папки нет.";
inline constexpr std::string_view kCannotRead = "Нет прав на чтение файла.";
inline constexpr std::string_view kCannotWrite = "Нет прав на запись.";

// The window's plan commands: dialog titles, the file filter and the suggested names.
inline constexpr std::string_view kOpenTitle = "Открыть план";
inline constexpr std::string_view kSaveTitle = "Сохранить план";
inline constexpr std::string_view kSaveAsTitle = "Сохранить план как";
inline constexpr std::string_view kPlanFilter = "План Velmora (*.velmora)";
inline constexpr std::string_view kSuggestedPlan = "план.velmora";
// The title bar while a plan is in use: the file's name.
inline constexpr std::string_view kWindowTitle = "%1[*] — Velmora";
// The same while the plan is a site of several recorders: the file's name and the recorder shown.
inline constexpr std::string_view kWindowTitleWithRecorder = "%1[*] — %2 — Velmora";
// Before leaving a plan with changes: the plan's name.
inline constexpr std::string_view kQuestionTitle = "Velmora";
inline constexpr std::string_view kSaveChanges = "Сохранить изменения в плане «%1»?";
// The same for a plan not yet in a file (channels filled from a site's measurement).
inline constexpr std::string_view kSaveNewPlan = "Сохранить новый план?";
// A file named in a message: its name in quotes.
inline constexpr std::string_view kFileShown = "«%1»";
// When opening or saving fails: the file shown, then the reason.
inline constexpr std::string_view kOpenFailed = "Не удалось открыть план %1.\n%2";
inline constexpr std::string_view kSaveFailed = "Не удалось сохранить план в файл %1.\n%2";

// The exports from the window's context menu.
inline constexpr std::string_view kPdfTitle = "Сохранить отчёт в PDF";
inline constexpr std::string_view kPdfSuggested = "velmora.pdf";
inline constexpr std::string_view kPdfFilter = "PDF (*.pdf)";
inline constexpr std::string_view kPdfFailed = "Не удалось сохранить отчёт в файл %1.\n%2";
inline constexpr std::string_view kCsvTitle = "Сохранить таблицу каналов";
inline constexpr std::string_view kCsvSuggested = "каналы.csv";
inline constexpr std::string_view kCsvFilter = "CSV (*.csv)";
inline constexpr std::string_view kCsvFailed = "Не удалось сохранить таблицу в файл %1.\n%2";
// The command line's export to standard output, when it cannot be written.
inline constexpr std::string_view kStdoutFailed = "не удалось записать в стандартный вывод";

} // namespace velmora::plantexts
