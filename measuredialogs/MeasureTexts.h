// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The measuring dialog's Russian texts, each with when it shows; they reach
// the widgets through qtText. The causes of a failed measurement are in
// Causes.h. Rates a camera states (kbit/s of 1000 bits) are "кбит/с", the
// program's own (1024 bits) "Кбит/с", as in the main window.
namespace velmora::measure::text {

// The window's title.
inline constexpr std::string_view kTitle = "Измерение потока камеры";
// Above the address field.
inline constexpr std::string_view kAddressLabel = "Адрес камеры (rtsp://…) или файл её записи:";
// In the empty address field.
inline constexpr std::string_view kAddressHint = "rtsp://192.168.1.64:554/stream1";
// Beside the name and password fields; a name and password typed into the
// address move there when the address field is left.
inline constexpr std::string_view kNameLabel = "Имя:";
inline constexpr std::string_view kPasswordLabel = "Пароль:";
// The button that asks for a recording.
inline constexpr std::string_view kChooseFile = "Выбрать файл…";
// Beside the list of durations, and its entries (10 s, 1 min, 10 min, 1 h).
inline constexpr std::string_view kDurationLabel = "Сколько измерять:";
inline constexpr std::array<std::string_view, 4> kDurations{"10 с", "1 мин", "10 мин", "1 ч"};
inline constexpr std::array<int, 4> kDurationSeconds{10, 60, 600, 3600};
// Beside the frame-rate field, shown once a file without frame times was refused.
inline constexpr std::string_view kFpsLabel = "Кадров в секунду в записи:";
// The buttons.
inline constexpr std::string_view kStart = "Измерить";
inline constexpr std::string_view kCancel = "Отмена";
inline constexpr std::string_view kApply = "Применить к каналу %1";
inline constexpr std::string_view kClose = "Закрыть";

// Status line. Nothing to measure was given.
inline constexpr std::string_view kNoAddress = "Укажите адрес камеры или файл.";
// The frame-rate field does not hold a rate from 0.1 to 1000.
inline constexpr std::string_view kBadFps = "Укажите частоту кадров записи: число от 0,1 до 1000.";
// The measuring program is not installed beside the window's.
inline constexpr std::string_view kNoProgram =
    "Программа измерения velmora-measure не найдена рядом с программой.";
// The measuring program could not be started.
inline constexpr std::string_view kNotStarted = "Не удалось запустить программу измерения velmora-measure.";
// Until the first figures: a camera is being reached, a file opened.
inline constexpr std::string_view kConnecting = "Соединение…";
inline constexpr std::string_view kReading = "Чтение…";
// While measuring: seconds done, seconds asked, the running rate.
inline constexpr std::string_view kRunning = "Измерено %1 с из %2, сейчас %3 кбит/с";
// On the bar: seconds done of seconds asked.
inline constexpr std::string_view kBar = "%1 из %2 с";
// After "Отмена", until the program has handed over what it measured.
inline constexpr std::string_view kStopping = "Остановка…";
// The measurement ended as asked; a recording ended first; "Отмена" kept what was measured.
inline constexpr std::string_view kDone = "Готово.";
inline constexpr std::string_view kEndedEarly = "Готово: поток закончился раньше, измерено %1 с.";
inline constexpr std::string_view kStopped = "Остановлено: измерено %1 с из %2.";
// The program went silent, crashed, or failed without naming a cause.
inline constexpr std::string_view kSilent =
    "Программа измерения не отвечает и остановлена. Канал не изменён.";
inline constexpr std::string_view kCrashed = "Программа измерения завершилась аварийно. Канал не изменён.";
inline constexpr std::string_view kFailed = "Программа измерения завершилась с ошибкой. Канал не изменён.";
// After "Применить": the channel and the figure typed into it.
inline constexpr std::string_view kApplied = "Записано в канал %1: %2 Кбит/с.";

// The figures, one line each.
inline constexpr std::string_view kSource = "Источник: ";
inline constexpr std::string_view kCodec = "Кодек: ";
inline constexpr std::string_view kProfile = ", профиль ";
inline constexpr std::string_view kFrame = "Кадр: ";
inline constexpr std::string_view kSizeUnknown = "размер неизвестен";
inline constexpr std::string_view kFps = ", %1 кадр/с";
inline constexpr std::string_view kGop = ", ключевой кадр через %1 кадр.";
// The shortest and the longest interval, where they differ (a smart codec stretches them).
inline constexpr std::string_view kGopRange = " (от %1 до %2)";
inline constexpr std::string_view kNoGop = ", ключевой кадр реже, чем за время измерения";
inline constexpr std::string_view kVideo = "Видео: в среднем %1 кбит/с";
inline constexpr std::string_view kPeak = ", пик за секунду %1 кбит/с";
inline constexpr std::string_view kKeyShare = ", ключевые кадры %1 % байт";
inline constexpr std::string_view kAudio = "Звук: %1, %2";
inline constexpr std::string_view kKbps = " кбит/с";
inline constexpr std::string_view kAudioUnmeasured = "поток не измерен";
inline constexpr std::string_view kNoAudio = "Звук: нет";
inline constexpr std::string_view kTotal = "Всего: %1 кбит/с за %2 с потока";
// What "Применить" types: the same total in the program's unit.
inline constexpr std::string_view kApplied1024 =
    "В канал: %1 Кбит/с (1 Кбит = 1024 бит, как в программе; камеры считают 1 кбит = 1000 бит)";
// Which clock the seconds were counted on.
inline constexpr std::string_view kClockStream = "Время: по меткам потока";
inline constexpr std::string_view kClockArrival = "Время: по приходу кадров (в потоке нет меток времени)";
inline constexpr std::string_view kClockGiven = "Время: по указанной частоте кадров";
// For a stream of a known frame rate: key-frame intervals the run covered.
inline constexpr std::string_view kIntervals = "Измерение охватило интервалов между ключевыми кадрами: %1.";
inline constexpr std::string_view kTooFewIntervals =
    "Измерение охватило интервалов между ключевыми кадрами: %1, меньше трёх: среднее ещё не показательно, "
    "измерьте дольше.";
// Beside the channel's own bitrate: entered by hand or the program's estimate.
inline constexpr std::string_view kComparison = "Канал %1: %2 %3 Кбит/с, измерено %4 Кбит/с";
inline constexpr std::string_view kHandTyped = "введено вручную";
inline constexpr std::string_view kEstimate = "оценка программы";
inline constexpr std::string_view kDifference = ", разница %1%2 %";

// The chart: its marks for the lowest, the average and the fullest second,
// and its empty state.
inline constexpr std::string_view kChartMin = "мин %1";
inline constexpr std::string_view kChartAverage = "сред %1";
inline constexpr std::string_view kChartPeak = "пик %1";
inline constexpr std::string_view kChartUnit = "кбит/с по секундам";
inline constexpr std::string_view kChartEmpty = "Здесь появится скорость по секундам.";
// The chart as a screen reader names it.
inline constexpr std::string_view kChartName = "Скорость видео по секундам";

} // namespace velmora::measure::text
