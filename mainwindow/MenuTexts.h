// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The main window's context menu (a right click on the bare surface, the Menu
// key or Shift+F10), top to bottom; "&" marks the entry's letter. And the
// windows it opens that have no texts file of their own.
namespace velmora::menutexts {

inline constexpr std::string_view kOpenPlan = "&Открыть план…";
inline constexpr std::string_view kSavePlan = "Сохранить &план";
inline constexpr std::string_view kSavePlanAs = "Сохранить план &как…";
// A submenu of the last plans opened or saved, newest first.
inline constexpr std::string_view kRecentPlans = "&Недавние планы";
// In that submenu while it has no plan.
inline constexpr std::string_view kNoRecentPlans = "(пусто)";
// When a plan of the list has gone: its path.
inline constexpr std::string_view kRecentGoneTitle = "Недавние планы";
inline constexpr std::string_view kRecentGone = "Плана «%1» больше нет; он убран из списка.";
inline constexpr std::string_view kSavePdf = "Сохранить отчёт в P&DF…";
inline constexpr std::string_view kSaveCsv = "Сохранить &таблицу каналов (CSV)…";
inline constexpr std::string_view kDiskArray = "&Дисковый массив…";
inline constexpr std::string_view kMeasure = "&Измерить поток камеры…";
inline constexpr std::string_view kSiteAudit = "Измерить камеры о&бъекта…";
// A submenu of the site's recorders: each of them ("&1 Склад", the one shown
// marked), then what is done with them.
inline constexpr std::string_view kRecorders = "Ре&гистраторы";
inline constexpr std::string_view kAddRecorder = "&Добавить регистратор";
inline constexpr std::string_view kRenameRecorder = "&Переименовать регистратор…";
inline constexpr std::string_view kRemoveRecorder = "&Удалить регистратор";
inline constexpr std::string_view kSiteSummary = "&Сводка объекта…";
// Renaming: the question, and why a name is not taken.
inline constexpr std::string_view kRenameTitle = "Переименовать регистратор";
inline constexpr std::string_view kRenameLabel = "Имя регистратора:";
inline constexpr std::string_view kNameEmpty = "Имя регистратора не может быть пустым.";
inline constexpr std::string_view kNameTooLong = "Имя регистратора длиннее %1 знаков.";
inline constexpr std::string_view kNameControl = "В имени регистратора не должно быть управляющих символов.";
inline constexpr std::string_view kNameTaken = "Регистратор «%1» в объекте уже есть.";
// Removing a recorder with channels set up.
inline constexpr std::string_view kRemoveTitle = "Удалить регистратор";
inline constexpr std::string_view kRemoveQuestion = "Удалить регистратор «%1» вместе с его каналами?";
// The title bar while the site has several recorders: the window's title or
// the plan's, then the recorder shown.
inline constexpr std::string_view kTitleWithRecorder = "%1 — %2";
inline constexpr std::string_view kHelp = "&Справка";
inline constexpr std::string_view kAbout = "О п&рограмме";

// The help window's title (F1).
inline constexpr std::string_view kHelpTitle = "Velmora: справка";
// Where the manual cannot be found (a damaged installation).
inline constexpr std::string_view kHelpMissing = "Справка не найдена.";

// The answers of a question with a way back (leaving a modified plan).
inline constexpr std::string_view kAnswerYes = "Да";
inline constexpr std::string_view kAnswerNo = "Нет";
inline constexpr std::string_view kAnswerCancel = "Отмена";
// The file dialog of "Печать" saving the page instead of printing it.
inline constexpr std::string_view kSavePageTitle = "Сохранить страницу как PDF";
// The file dialog of the measuring dialog's "Выбрать файл…": its title and its filter.
inline constexpr std::string_view kRecordingTitle = "Запись камеры";
inline constexpr std::string_view kRecordingFilter =
    "Видео (*.mp4 *.mkv *.avi *.mov *.ts *.m2ts *.mts *.h264 *.264 *.h265 *.265 *.hevc *.mjpeg);;"
    "Все файлы (*)";

} // namespace velmora::menutexts
