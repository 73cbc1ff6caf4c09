// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace velmora::measure {

// Why a measurement gave no figures. The window reads the code from the
// measuring program's output and shows the Russian text; the command line
// prints the English one.
enum class Cause {
    NoSuchFile,        // a local path that does not exist
    NotReadable,       // a local file without read permission, or a folder
    NotVideo,          // the bytes are no container or stream FFmpeg knows
    NoVideo,           // the source answers but carries no video stream
    HostUnknown,       // the host name does not resolve
    HostUnreachable,   // no route to the host or its network
    ConnectionRefused, // nothing listens on that port
    NoAnswer,          // nothing came back within the connection time-out
    NeedsPassword,     // 401 and the address carries no name and password
    WrongPassword,     // 401 although the address carries a name and password
    Forbidden,         // 403
    NotFound,          // 404: the host answers, the path is not a stream
    Stalled,           // packets came, then none for the packet time-out
    EndedEarly,        // the stream ended before its first video packet
    TooShort,          // the stream ended before two video packets had come
    NoClock,           // a live stream whose time stands still far longer than asked
    NoTiming,          // a file without frame times, and no frame rate given for it
    NoData,            // a local source that gives no data for 5 s (a pipe nobody writes to)
    Cancelled,         // the user stopped it
    BadAddress,        // a scheme the program does not measure
    Failed,            // anything else FFmpeg refuses
    Count
};

struct CauseText {
    std::string_view code;    // one word for the program's own output
    std::string_view english; // for the command line
    std::string_view russian; // for the window
};

inline constexpr std::array<CauseText, static_cast<std::size_t>(Cause::Count)> kCauseTexts{{
    {"no-such-file", "no such file", "Файл не найден."},
    {"not-readable", "the file cannot be read", "Файл не читается: нет доступа или это папка."},
    {"not-video", "not a video file or stream", "Это не видеофайл и не видеопоток."},
    {"no-video", "the source answers but has no video", "Источник отвечает, но видео в нём нет."},
    {"host-unknown", "no such host", "Нет такого узла: имя не найдено."},
    {"host-unreachable", "host unreachable", "Узел недоступен."},
    {"connection-refused", "connection refused", "Соединение отвергнуто: на этом порту никто не принимает."},
    {"no-answer", "no answer within 5 s", "Нет ответа за 5 с."},
    {"needs-password", "the camera asks for a name and password (401)", "Камера требует имя и пароль (401)."},
    {"wrong-password", "the name or password was not accepted (401)", "Имя или пароль не подошли (401)."},
    {"forbidden", "access forbidden (403)", "Доступ запрещён (403)."},
    {"not-found", "no stream at this address (404)", "По этому адресу нет потока (404)."},
    {"stalled", "the stream stopped: no packet for 5 s", "Поток остановился: 5 с без пакетов."},
    {"ended-early", "the stream ended before any video packet",
     "Поток закончился раньше первого видеопакета."},
    {"too-short", "the stream ended before it could be measured",
     "Поток закончился раньше, чем его удалось измерить."},
    {"no-clock", "the stream's time does not advance", "Время в потоке не идёт: измерить нельзя."},
    {"no-timing", "the file carries no frame timing: give its frame rate with --fps N",
     "В файле нет времени кадров: укажите частоту кадров записи."},
    {"no-data", "the file gives no data for 5 s", "Файл 5 с не отдаёт данных."},
    {"cancelled", "cancelled", "Измерение отменено."},
    {"bad-address", "unsupported address: give a file, rtsp://, rtsps://, http:// or https://",
     "Такой адрес не поддерживается: нужен файл, rtsp://, rtsps://, http:// или https://."},
    {"failed", "the stream could not be read", "Поток не удалось прочитать."},
}};

inline const CauseText& causeText(Cause cause)
{
    const auto i = static_cast<std::size_t>(cause);
    return kCauseTexts[i < kCauseTexts.size() ? i : static_cast<std::size_t>(Cause::Failed)];
}

// The cause for a code word; Failed for a word the program does not know.
inline Cause causeFromCode(std::string_view code)
{
    for (std::size_t i = 0; i < kCauseTexts.size(); ++i)
        if (kCauseTexts[i].code == code) return static_cast<Cause>(i);
    return Cause::Failed;
}

} // namespace velmora::measure
