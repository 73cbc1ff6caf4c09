// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace velmora {

// The maker's web site: the About window's link opens it, and its last text
// ends with the host name taken from it.
inline constexpr std::string_view kMakerUrl = "https://www.keldar.example/";

// The host part of an address: without the scheme and the trailing slash.
constexpr std::string_view hostOf(std::string_view url)
{
    if (const auto scheme = url.find("://"); scheme != std::string_view::npos) url.remove_prefix(scheme + 3);
    if (const auto path = url.find('/'); path != std::string_view::npos) url = url.substr(0, path);
    return url;
}

inline constexpr std::string_view kMakerHost = hostOf(kMakerUrl);
static_assert(kMakerHost == "www.keldar.example");

} // namespace velmora
