// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutTable.h"

#include "Texts.h"

#include <array>

// The main window's two layouts as plain data. Places are twips from the
// top-left corner of the client area; controls are listed in the window's
// order (the order of Ctl). Controls without a font of their own (the two
// arrow buttons and the camera picture) carry the window font, so the view can
// apply every entry's font without special cases.
namespace velmora {

namespace {

ControlKind widgetKind(Kind kind)
{
    switch (kind) {
    case Kind::List: return ControlKind::List;
    case Kind::CheckBox: return ControlKind::CheckBox;
    case Kind::TextBox: return ControlKind::TextBox;
    case Kind::Button: return ControlKind::Button;
    case Kind::Picture: return ControlKind::Picture;
    case Kind::Label: break;
    }
    return ControlKind::Label;
}

// A row of the main window: its name and kind come from the controls table;
// fields, lists, check boxes and buttons have a white face; the picture
// stands in the middle of its frame.
ControlRow row(Ctl id, std::string_view caption, bool hidden, bool disabled, TwipRect place, FontDef font,
               Rgb colour)
{
    const ControlKind kind = widgetKind(controlKind(id));
    const bool bare = kind == ControlKind::Label || kind == ControlKind::Picture;
    return {.name = controlName(id),
            .kind = kind,
            .caption = caption,
            .place = place,
            .font = font,
            .colour = colour,
            .align = kind == ControlKind::Picture ? Align::Centre : Align::TopLeft,
            .background = bare ? std::nullopt : std::optional<Rgb>(kWhite),
            .hidden = hidden,
            .disabled = disabled,
            .slot = static_cast<int>(id)};
}

constexpr FontDef kTallWindowFont{"Verdana", 9.0, true, false};
constexpr FontDef kCompactWindowFont{"Arial", 9.0, true, false};

// The tables keep two lines per control, one for its identity and one for
// its place and look, so they stay out of the formatter's hands.
// clang-format off
// Tall layout: all text black except the dark-red headings.
const ControlRow kTallControls[] = {
    row(Ctl::Label37, "Настройки канала", false, false,
     {360, 240, 2175, 255}, {"Arial", 11.25, true, true}, kDarkRed),
    row(Ctl::Label46, "1", false, false,
     {2520, 240, 495, 255}, {"Arial", 9.75, true, true}, kDarkRed),
    row(Ctl::Label47, ":", false, false,
     {3120, 240, 375, 255}, {"Arial", 9.75, true, false}, kDarkRed),
    row(Ctl::Label40, "Качество:", false, false,
     {360, 720, 1095, 255}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Combo6, "", false, false,
     {1440, 720, 1935, 345}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label14, "Профиль H264:", false, false,
     {3600, 720, 1695, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Combo2, "", false, false,
     {5280, 720, 1695, 345}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::cabac, "CABAC=1", false, false,
     {7080, 960, 975, 1095}, {"Arial", 8.25, false, false}, kBlack),
    row(Ctl::Label15, "Кад/с:", false, false,
     {360, 1200, 855, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Combo3, "", false, false,
     {1440, 1200, 975, 345}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label16, "  Разрешение:", false, false,
     {2760, 1200, 1695, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Combo4, "", false, false,
     {4320, 1200, 2655, 330}, {"Verdana", 9.0, true, false}, kBlack),
    row(Ctl::Check1, " Много движения, либо есть помехи на изображении", false, false,
     {360, 1680, 3015, 615}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Check2, " Звук", false, false,
     {360, 2400, 975, 495}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label44, "Кодер звука:", false, true,
     {1440, 2520, 1335, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Combo9, "", false, true,
     {2760, 2520, 1695, 345}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label17, "  ~", false, false,
     {4680, 2520, 375, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label18, "", false, false,
     {5040, 2520, 1455, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label19, "Бит/пиксел", false, false,
     {6600, 2520, 1215, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label1, "Рассчёт относительно установленного битрейта:", true, false,
     {360, 3120, 5535, 375}, {"Arial", 11.25, true, true}, kDarkRed),
    row(Ctl::Label20, "Можно установить CBR битрейт вручную", false, false,
     {600, 3480, 5535, 375}, {"Arial", 9.0, false, false}, kBlack),
    row(Ctl::Label2, "Скорость потока:", false, false,
     {360, 3720, 2055, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Text1, "0", false, false,
     {2400, 3720, 750, 330}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label9, "Кбит/с", false, false,
     {3360, 3720, 855, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label12, "В минуту:", false, false,
     {360, 4200, 1095, 375}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label11, "", false, false,
     {2400, 4200, 1215, 375}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label10, "", false, false,
     {3360, 4200, 855, 375}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label3, "В час:", false, false,
     {360, 4680, 735, 375}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label5, "", false, false,
     {2400, 4680, 1215, 375}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label7, "", false, false,
     {3360, 4680, 855, 375}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label4, "За                        день:", false, false,
     {360, 5160, 1935, 375}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Combo1, "", false, false,
     {720, 5160, 855, 345}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label6, "", false, false,
     {2400, 5160, 975, 375}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label8, "", false, false,
     {3375, 5160, 855, 375}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Command6, "Копировать настройки во все каналы", false, false,
     {6600, 3480, 1335, 855}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Command4, "Удалить канал", false, true,
     {6120, 4680, 1815, 495}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Command3, "Добавить канал с такими же настройками", false, false,
     {120, 5640, 1815, 975}, {"Arial", 9.0, false, false}, kBlack),
    row(Ctl::Command2, "", false, false,
     {2160, 5880, 615, 615}, {"Verdana", 9.0, true, false}, kBlack),
    row(Ctl::Label22, "Канал", false, false,
     {3000, 6045, 855, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label23, "1", false, false,
     {3840, 6045, 375, 255}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Command1, "", false, false,
     {4440, 5880, 735, 615}, {"Verdana", 9.0, true, false}, kBlack),
    row(Ctl::Label21, "Всего каналов:", false, false,
     {240, 6840, 1575, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label24, "1", false, false,
     {1920, 6840, 375, 255}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Image2, "", false, false,
     {5400, 5400, 2610, 1575}, {"Verdana", 9.0, true, false}, kBlack),
    row(Ctl::Label13, "О программе", true, false,
     {6360, 7200, 1455, 255}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label38, "Результаты рассчёта:", false, false,
     {480, 7320, 2535, 255}, {"Arial", 11.25, true, true}, kDarkRed),
    row(Ctl::Label42, "Суммарная скорость потока:", false, false,
     {360, 7680, 3135, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label43, "", false, false,
     {3360, 7680, 1275, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label45, "Мбит/с", false, false,
     {4200, 7680, 855, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label25, "Общий объём архива за день:", false, false,
     {360, 8160, 3135, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label26, "", false, false,
     {3480, 8160, 675, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label28, "Гбайт", false, false,
     {4320, 8160, 615, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label27, "Общий объём архива за", false, false,
     {360, 8640, 2535, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Text3, "30", false, false,
     {2880, 8640, 495, 315}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label41, "дня:", false, false,
     {3480, 8640, 615, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label29, "", false, false,
     {4080, 8640, 855, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label30, "Тбайт", false, false,
     {4800, 8640, 615, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label39, texts::kWholeNumberHint, true, false,
     {2160, 9000, 2175, 255}, {"Arial", 8.25, false, false}, kBlack),
    row(Ctl::Command5, "Печать..", false, false,
     {5880, 8640, 1815, 495}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label31, "HDD объёмом", false, false,
     {360, 9480, 1455, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Text2, "1", false, false,
     {1920, 9480, 1095, 315}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Combo5, "", false, false,
     {3240, 9480, 975, 345}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label33, "хватит на", false, false,
     {4320, 9480, 1095, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label34, "0", false, false,
     {5400, 9480, 735, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label35, "дней.", false, false,
     {6120, 9480, 1095, 375}, {"Arial", 9.75, true, false}, kBlack),
    row(Ctl::Label36, texts::kWholeNumberHint, true, false,
     {1320, 9840, 2175, 255}, {"Arial", 8.25, false, false}, kBlack),
};

// Compact layout: no per-minute and per-hour rows; labels, lists, text boxes
// and check boxes in dark blue except the CBR hint and the two "whole number"
// hints, which stay black.
const ControlRow kCompactControls[] = {
    row(Ctl::Label37, "Настройки канала", false, false,
     {360, 240, 2175, 255}, {"Arial", 9.0, true, true}, kDarkRed),
    row(Ctl::Label46, "1", false, false,
     {2160, 240, 495, 255}, {"Arial", 9.0, true, true}, kDarkRed),
    row(Ctl::Label47, ":", false, false,
     {2640, 240, 375, 255}, {"Arial", 9.0, true, false}, kDarkRed),
    row(Ctl::Label40, "Качество:", false, false,
     {360, 720, 1095, 255}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Combo6, "", false, false,
     {1200, 600, 1575, 330}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label14, "Профиль H264:", false, false,
     {3000, 720, 1695, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Combo2, "", false, false,
     {4320, 600, 1695, 330}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::cabac, "CABAC=1", false, false,
     {6840, 240, 975, 1095}, {"Arial", 8.25, false, false}, kDarkBlue),
    row(Ctl::Label15, "Кад/с:", false, false,
     {360, 1200, 855, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Combo3, "", false, false,
     {1200, 1080, 975, 330}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label16, "  Разрешение:", false, false,
     {2640, 1200, 1695, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Combo4, "", false, false,
     {3960, 1080, 2655, 330}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Check1, " Много движения, либо есть помехи на изображении", false, false,
     {5040, 1560, 3015, 615}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Check2, " Звук", false, false,
     {360, 1680, 975, 495}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label44, "Кодер звука:", false, true,
     {1560, 1800, 1335, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Combo9, "", false, true,
     {2760, 1680, 1695, 330}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label17, "  ~", false, false,
     {8280, 240, 375, 375}, {"Arial", 9.0, true, false}, kDarkBlue),
    row(Ctl::Label18, "", false, false,
     {8880, 240, 1455, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label19, "Бит/пиксел", false, false,
     {8760, 600, 1215, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label1, "Рассчёт относительно установленного битрейта:", true, false,
     {240, 2400, 5535, 375}, {"Arial", 9.0, true, true}, kDarkRed),
    row(Ctl::Label20, "Можно установить CBR битрейт вручную", false, false,
     {720, 2640, 5535, 375}, {"Arial", 8.25, false, false}, kBlack),
    row(Ctl::Label2, "Скорость потока:", false, false,
     {360, 2880, 2055, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Text1, "0", false, false,
     {2160, 2880, 750, 330}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label9, "Кбит/с", false, false,
     {3360, 2880, 855, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label4, "За                        день:", false, false,
     {360, 3480, 1935, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Combo1, "", false, false,
     {720, 3360, 735, 330}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label6, "", false, false,
     {2160, 3360, 975, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label8, "", false, false,
     {3240, 3360, 855, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Command6, "Копировать настройки во все каналы", false, false,
     {8640, 1440, 1335, 855}, {"Arial", 8.25, true, false}, kBlack),
    row(Ctl::Command4, "Удалить канал", false, true,
     {8160, 2760, 1815, 495}, {"Arial", 8.25, true, false}, kBlack),
    row(Ctl::Command3, "Добавить канал с такими же настройками", false, false,
     {120, 3960, 1815, 975}, {"Arial", 8.25, false, false}, kBlack),
    row(Ctl::Command2, "", false, false,
     {2160, 4200, 615, 615}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label22, "Канал", false, false,
     {3120, 4365, 855, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label23, "1", false, false,
     {3840, 4365, 375, 255}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Command1, "", false, false,
     {4440, 4200, 735, 615}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label21, "Всего каналов:", false, false,
     {240, 5040, 1575, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label24, "1", false, false,
     {1920, 5040, 375, 255}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Image2, "", false, false,
     {7800, 3360, 2610, 1575}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label13, "О программе", true, false,
     {8640, 5040, 1455, 255}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label38, "Результаты рассчёта:", false, false,
     {480, 5520, 2535, 255}, {"Arial", 9.0, true, true}, kDarkRed),
    row(Ctl::Label42, "Суммарная скорость потока:", false, false,
     {360, 5880, 3135, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label43, "", false, false,
     {3360, 5880, 1275, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label45, "Мбит/с", false, false,
     {4200, 5880, 855, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label25, "Общий объём архива за день:", false, false,
     {360, 6240, 3135, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label26, "", false, false,
     {3480, 6240, 675, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label28, "Гбайт", false, false,
     {4320, 6240, 615, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label27, "Общий объём архива за", false, false,
     {360, 6600, 2535, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Text3, "30", false, false,
     {2520, 6600, 495, 315}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label41, "дня:", false, false,
     {3240, 6600, 615, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label29, "", false, false,
     {3840, 6600, 855, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label30, "Тбайт", false, false,
     {4800, 6600, 615, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label39, texts::kWholeNumberHint, true, false,
     {1800, 6960, 2175, 255}, {"Arial", 8.25, false, false}, kBlack),
    row(Ctl::Command5, "Печать..", false, false,
     {8280, 5880, 1815, 495}, {"Arial", 9.0, true, false}, kBlack),
    row(Ctl::Label31, "HDD объёмом", false, false,
     {360, 7200, 1455, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Text2, "1", false, false,
     {1920, 7200, 1095, 315}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Combo5, "", false, false,
     {3240, 7200, 975, 330}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label33, "хватит на", false, false,
     {4320, 7200, 1095, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label34, "0", false, false,
     {5400, 7200, 735, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label35, "дней.", false, false,
     {6120, 7200, 1095, 375}, {"Arial", 8.25, true, false}, kDarkBlue),
    row(Ctl::Label36, texts::kWholeNumberHint, true, false,
     {1440, 7560, 2175, 255}, {"Arial", 8.25, false, false}, kBlack),
};

constexpr LineDef kTallLines[] = {
    {"Line11", 120, 120, 8040, 120, 1},
    {"Line12", 8040, 120, 8040, 4920, 1},
    {"Line14", 120, 5640, 120, 120, 1},
    {"Line6", 120, 3000, 4560, 3000, 1},
    {"Line13", 4560, 3000, 4560, 2760, 1},
    {"Line20", 4560, 2760, 4920, 2400, 1},
    {"Line19", 4920, 2400, 8040, 2400, 1},
    {"Line7", 120, 5640, 5280, 5640, 1},
    {"Line8", 5280, 5640, 5280, 6720, 1},
    {"Line10", 5280, 6720, 120, 6720, 1},
    {"Line2", 2880, 5880, 4320, 5880, 1},
    {"Line3", 4320, 6480, 4320, 5880, 1},
    {"Line4", 2880, 6480, 4320, 6480, 1},
    {"Line5", 2880, 5880, 2880, 6480, 1},
    {"Line1", 6000, 7200, 120, 7200, 1},
    {"Line15", 120, 7320, 120, 6720, 1},
    {"Line16", 120, 7320, 120, 10080, 1},
    {"Line17", 120, 10080, 8040, 10080, 1},
    {"Line18", 8040, 10080, 8040, 7440, 1},
};

constexpr LineDef kCompactLines[] = {
    {"Line11", 120, 120, 10440, 120, 1},
    {"Line12", 10440, 120, 10440, 4920, 1},
    {"Line14", 120, 3840, 120, 120, 1},
    {"Line6", 120, 2280, 8160, 2280, 1},
    {"Line19", 8160, 120, 8160, 2280, 1},
    {"Line7", 2040, 4920, 7680, 4920, 1},
    {"Line10", 7680, 3960, 2040, 3960, 1},
    {"Line2", 2880, 4200, 4320, 4200, 1},
    {"Line3", 4320, 4800, 4320, 4200, 1},
    {"Line4", 2880, 4800, 4320, 4800, 1},
    {"Line5", 2880, 4200, 2880, 4800, 1},
    {"Line1", 7680, 5400, 120, 5400, 1},
    {"Line15", 120, 7800, 120, 5040, 1},
    {"Line17", 120, 7800, 7800, 7800, 1},
    {"Line18", 7800, 7800, 7800, 5040, 1},
};

constexpr WindowDef kTall{"Velmora", 8805, 10245, kTallWindowFont, kTallControls, kTallLines};
constexpr WindowDef kCompact{"Velmora", 10500, 7890, kCompactWindowFont, kCompactControls,
                              kCompactLines};

// clang-format on

constexpr std::array kFocusOrder{
    Ctl::Text1,    Ctl::Combo1,   Ctl::Combo2,   Ctl::Combo3,   Ctl::Combo4,   Ctl::Command1,
    Ctl::Command2, Ctl::Command3, Ctl::Command4, Ctl::Command5, Ctl::Text2,    Ctl::Combo5,
    Ctl::Text3,    Ctl::Combo6,   Ctl::Check2,   Ctl::Combo9,   Ctl::Command6, Ctl::Check1,
};

} // namespace

const WindowDef& tallLayout()
{
    return kTall;
}

const WindowDef& compactLayout()
{
    return kCompact;
}

std::span<const Ctl> focusOrder()
{
    return kFocusOrder;
}

} // namespace velmora
