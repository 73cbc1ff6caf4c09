// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleNames.h"

namespace velmora {

namespace {

constexpr AccessibleDef kNames[] = {
    // Lists, fields, check boxes and buttons.
    {Ctl::Combo6, "Качество", false, Ctl::Count, Ctl::Label40},
    {Ctl::Combo2, "Профиль H264", false, Ctl::Count, Ctl::Label14},
    {Ctl::Combo3, "Кадров в секунду", false, Ctl::Count, Ctl::Label15},
    {Ctl::Combo4, "Разрешение", false, Ctl::Count, Ctl::Label16},
    {Ctl::Check1, "Много движения, либо есть помехи на изображении"},
    {Ctl::Check2, "Звук"},
    {Ctl::Combo9, "Кодер звука", false, Ctl::Count, Ctl::Label44},
    {Ctl::Text1, "Скорость потока, Кбит/с", false, Ctl::Count, Ctl::Label2},
    {Ctl::Combo1, "Часов записи в день", false, Ctl::Count, Ctl::Label4},
    {Ctl::Command6, "Копировать настройки во все каналы"},
    {Ctl::Command4, "Удалить канал"},
    {Ctl::Command3, "Добавить канал с такими же настройками"},
    {Ctl::Command2, "Предыдущий канал"},
    {Ctl::Command1, "Следующий канал"},
    {Ctl::Image2, "О программе"},
    {Ctl::Text3, "Общий объём архива за число дней", false, Ctl::Count, Ctl::Label27},
    {Ctl::Command5, "Печать"},
    {Ctl::Text2, "HDD объёмом", false, Ctl::Count, Ctl::Label31},
    {Ctl::Combo5, "Единица объёма HDD"},
    // Figures.
    {Ctl::Label46, "Настройки канала", true},
    {Ctl::cabac, "Сведения о профиле H264", true},
    {Ctl::Label18, "Бит на пиксел", true},
    {Ctl::Label11, "Объём архива канала в минуту", true, Ctl::Label10},
    {Ctl::Label5, "Объём архива канала в час", true, Ctl::Label7},
    {Ctl::Label6, "Объём архива канала за день", true, Ctl::Label8},
    {Ctl::Label23, "Текущий канал", true},
    {Ctl::Label24, "Всего каналов", true},
    {Ctl::Label43, "Суммарная скорость потока", true, Ctl::Label45},
    {Ctl::Label26, "Общий объём архива за день", true, Ctl::Label28},
    {Ctl::Label29, "Общий объём архива за период", true, Ctl::Label30},
    {Ctl::Label34, "HDD хватит на", true, Ctl::Label35},
};

} // namespace

std::span<const AccessibleDef> accessibleNames()
{
    return kNames;
}

} // namespace velmora
