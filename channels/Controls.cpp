// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controls.h"

#include <array>

namespace velmora {

namespace {

enum class Where { Both, TallOnly };

struct ControlIdentity {
    std::string_view name;
    Kind kind;
    Where where;
    std::string_view shows;
};

constexpr std::array<ControlIdentity, kControlCount> kIdentities = {{
#define VELMORA_CONTROL_ROW(name, kind, where, shows) {#name, Kind::kind, Where::where, shows},
    VELMORA_CONTROLS(VELMORA_CONTROL_ROW)
#undef VELMORA_CONTROL_ROW
}};

const ControlIdentity& identity(Ctl id)
{
    return kIdentities.at(static_cast<std::size_t>(id));
}

} // namespace

std::string_view controlName(Ctl id)
{
    return identity(id).name;
}

std::optional<Ctl> controlByName(std::string_view name)
{
    for (std::size_t i = 0; i < kIdentities.size(); ++i)
        if (kIdentities[i].name == name) return static_cast<Ctl>(i);
    return std::nullopt;
}

Kind controlKind(Ctl id)
{
    return identity(id).kind;
}

std::string_view controlMeaning(Ctl id)
{
    return identity(id).shows;
}

bool onlyInTallLayout(Ctl id)
{
    return identity(id).where == Where::TallOnly;
}

} // namespace velmora
