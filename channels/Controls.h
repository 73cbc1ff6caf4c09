#pragma once

#include <optional>
#include <string_view>

namespace velmora {

// Every control of the main window, in the window's order from top to bottom
// (the order in which `dump` lists them). The compact layout lacks the six
// labels of the per-minute and per-hour rows.
enum class Ctl : int {
    Label37,
    Label46,
    Label47,
    Label40,
    Combo6,
    Label14,
    Combo2,
    cabac,
    Label15,
    Combo3,
    Label16,
    Combo4,
    Check1,
    Check2,
    Label44,
    Combo9,
    Label17,
    Label18,
    Label19,
    Label1,
    Label20,
    Label2,
    Text1,
    Label9,
    Label12,
    Label11,
    Label10,
    Label3,
    Label5,
    Label7,
    Label4,
    Combo1,
    Label6,
    Label8,
    Command6,
    Command4,
    Command3,
    Command2,
    Label22,
    Label23,
    Command1,
    Label21,
    Label24,
    Image2,
    Label13,
    Label38,
    Label42,
    Label43,
    Label45,
    Label25,
    Label26,
    Label28,
    Label27,
    Text3,
    Label41,
    Label29,
    Label30,
    Label39,
    Command5,
    Label31,
    Text2,
    Combo5,
    Label33,
    Label34,
    Label35,
    Label36,
    Count
};

constexpr int kControlCount = static_cast<int>(Ctl::Count);

enum class Kind { Label, List, CheckBox, TextBox, Button, Picture };

std::string_view controlName(Ctl id);
std::optional<Ctl> controlByName(std::string_view name);
Kind controlKind(Ctl id);
// The per-minute and per-hour rows, which the compact layout does not have.
bool onlyInTallLayout(Ctl id);

} // namespace velmora
