// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The report window's words beyond its page: saving the page as a PDF, the
// print job, and what a screen reader hears of the notes.
namespace velmora::reporttexts {

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
