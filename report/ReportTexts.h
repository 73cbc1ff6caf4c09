// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The report's words beyond its layout table: a hand-typed row, the channel
// table as CSV, saving the page as a PDF, the print job, and what a screen
// reader hears of the notes.
namespace velmora::reporttexts {

// A hand-typed (CBR) row has these words where profile, quality and frame
// rate stand, on the page and in the CSV.
inline constexpr std::string_view kCbrProfile = "CBR";
inline constexpr std::string_view kCbrQuality = "битрейт";
inline constexpr std::string_view kCbrUnit = "Кбит/сек";

// The CSV's column headings; "Камера" comes second once a channel has a camera's name.
inline constexpr std::array<std::string_view, 9> kCsvHeadings = {
    "Канал",         "Профиль",           "Качество",      "Разрешение", "Кадров в секунду",
    "Часов в сутки", "Битрейт, Кбит/сек", "Объём в сутки", "Единица"};
inline constexpr std::string_view kCsvCamera = "Камера";
inline constexpr std::string_view kCsvRecorder = "Регистратор"; // first, in the table of a site
// The first column of the CSV's totals, and the unit of the total stream.
inline constexpr std::string_view kCsvDayTotal = "Всего в сутки";
inline constexpr std::string_view kCsvPeriod = "За период";
inline constexpr std::string_view kCsvDisk = "Объём диска";
inline constexpr std::string_view kCsvDepth = "Глубина архива";
inline constexpr std::string_view kCsvTotalBitrate = "Суммарный битрейт";
inline constexpr std::string_view kCsvMegabits = "Мбит/с";

// The report window's context menu, and the title of the dialog it opens.
inline constexpr std::string_view kSavePdfEntry = "Сохранить отчёт в PDF…";
inline constexpr std::string_view kSavePdfTitle = "Сохранить отчёт в PDF";
// "Печать" finds no printer: the offer to save the page instead.
inline constexpr std::string_view kNoPrinter = "Принтер недоступен. Сохранить страницу в файл PDF?";
// The page could not be saved: the file, then the reason on a line of its own.
inline constexpr std::string_view kNotSaved = "Не удалось сохранить страницу в файл %1.";
// The reason when the page could not be drawn into the file.
inline constexpr std::string_view kNotPainted = "Страница не нарисована.";
// The saved PDF's title, as a PDF viewer shows it.
inline constexpr std::string_view kPdfTitle = "Отчёт Velmora";
// The print job's name in the print queue.
inline constexpr std::string_view kPrintJob = "Velmora: отчёт";
// The notes box's accessible name.
inline constexpr std::string_view kNotesName = "Примечания к расчёту";

} // namespace velmora::reporttexts
