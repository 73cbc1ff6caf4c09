// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::measure {

enum class SourceKind { File, Rtsp, Rtsps, Http, Https, Unsupported };

// What the user gave, split into what FFmpeg opens and what may be shown.
struct Source {
    SourceKind kind = SourceKind::Unsupported;
    // Handed to FFmpeg only: a network address with its credentials, or a
    // local path behind "file:" so that no part of it reads as a protocol.
    std::string open;
    // The address without a name, a password or a password-like query value;
    // the only form that ever reaches output, messages or the window.
    std::string shown;
    bool hasCredentials = false;
};

// Reads an address or a path. A leading "scheme://" picks a network kind
// (rtsp, rtsps, http, https; "file://" is a local path); any other scheme is
// Unsupported. Blanks around the text are dropped.
Source parseSource(std::string_view text);

// The address without credentials: the "name:password@" part of the
// authority and the values of query parameters named like a password or a
// user name are removed. Text that is no "scheme://" address comes back as given.
std::string withoutCredentials(std::string_view address);

// An address taken apart into the address without its credentials and the
// name and password in it (percent escapes decoded), as the dialog shows
// them in fields of their own. None when the address carries no credentials.
struct SplitAddress {
    std::string address;
    std::string name;
    std::string password;
};
std::optional<SplitAddress> splitCredentials(std::string_view address);

// The address with the name and password put in (percent-escaped), in place
// of any it held; as given when both are empty or it is no "scheme://" address.
std::string withCredentials(std::string_view address, std::string_view name, std::string_view password);

} // namespace velmora::measure
