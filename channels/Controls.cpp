#include "Controls.h"

#include <array>

namespace velmora {

namespace {

constexpr std::array<std::string_view, kControlCount> kNames = {
    "Label37",  "Label46",  "Label47", "Label40", "Combo6",   "Label14", "Combo2",  "cabac",    "Label15",
    "Combo3",   "Label16",  "Combo4",  "Check1",  "Check2",   "Label44", "Combo9",  "Label17",  "Label18",
    "Label19",  "Label1",   "Label20", "Label2",  "Text1",    "Label9",  "Label12", "Label11",  "Label10",
    "Label3",   "Label5",   "Label7",  "Label4",  "Combo1",   "Label6",  "Label8",  "Command6", "Command4",
    "Command3", "Command2", "Label22", "Label23", "Command1", "Label21", "Label24", "Image2",   "Label13",
    "Label38",  "Label42",  "Label43", "Label45", "Label25",  "Label26", "Label28", "Label27",  "Text3",
    "Label41",  "Label29",  "Label30", "Label39", "Command5", "Label31", "Text2",   "Combo5",   "Label33",
    "Label34",  "Label35",  "Label36"};

} // namespace

std::string_view controlName(Ctl id)
{
    return kNames.at(static_cast<std::size_t>(id));
}

std::optional<Ctl> controlByName(std::string_view name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name) return static_cast<Ctl>(i);
    return std::nullopt;
}

Kind controlKind(Ctl id)
{
    const std::string_view name = controlName(id);
    if (name.starts_with("Combo")) return Kind::List;
    if (name.starts_with("Check")) return Kind::CheckBox;
    if (name.starts_with("Text")) return Kind::TextBox;
    if (name.starts_with("Command")) return Kind::Button;
    if (name == "Image2") return Kind::Picture;
    return Kind::Label;
}

bool onlyInTallLayout(Ctl id)
{
    switch (id) {
    case Ctl::Label12:
    case Ctl::Label11:
    case Ctl::Label10:
    case Ctl::Label3:
    case Ctl::Label5:
    case Ctl::Label7: return true;
    default: return false;
    }
}

} // namespace velmora
