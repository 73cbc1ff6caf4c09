// SPDX-License-Identifier: GPL-3.0-or-later
#include "Source.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace velmora::measure {

namespace {

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Length of a "scheme://" prefix without the "://", or 0 when there is none.
std::size_t schemeLength(std::string_view text)
{
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return 0;
    std::size_t i = 1;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!(std::isalnum(c) || c == '+' || c == '-' || c == '.')) break;
        ++i;
    }
    return text.substr(i).starts_with("://") ? i : 0;
}

// Query parameters whose values are credentials on cameras' web and RTSP
// addresses: these names, and any name holding one of the words (loginpas,
// loginuse, PassWord, user_name, ...), in any case.
bool secretParameter(std::string_view name)
{
    static constexpr std::array<std::string_view, 6> kNames{"u", "p", "pw", "usr", "key", "code"};
    static constexpr std::array<std::string_view, 9> kWords{"pass", "pwd",   "psw",    "user", "login",
                                                            "auth", "token", "secret", "cred"};
    const std::string n = lower(name);
    if (std::find(kNames.begin(), kNames.end(), n) != kNames.end()) return true;
    return std::any_of(kWords.begin(), kWords.end(),
                       [&n](std::string_view word) { return n.find(word) != std::string::npos; });
}

std::string withoutSecretParameters(std::string_view query, bool& removed)
{
    std::string out;
    std::size_t start = 0;
    while (start <= query.size()) {
        std::size_t end = query.find('&', start);
        if (end == std::string_view::npos) end = query.size();
        const std::string_view pair = query.substr(start, end - start);
        const std::string_view name = pair.substr(0, pair.find('='));
        if (secretParameter(name)) {
            removed = true;
        } else if (!pair.empty()) {
            if (!out.empty()) out += '&';
            out += pair;
        }
        start = end + 1;
    }
    return out;
}

std::string trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

} // namespace

namespace {

// Where the credentials of an address end: the "@" before its host. People
// type passwords with "/", "?", "#", "@" and "%" in them, unescaped, so the
// credentials run from the scheme to the last "@" before which the text
// reads as "name:password" (a colon before any "/", "?" or "#") or holds none
// of those three; an "@" in a path ("http://cam/a@b") stays path.
// npos when the address carries none.
std::size_t credentialsEnd(std::string_view address, std::size_t authorityStart)
{
    std::size_t found = std::string_view::npos;
    for (std::size_t at = address.find('@', authorityStart); at != std::string_view::npos;
         at = address.find('@', at + 1)) {
        const std::string_view before = address.substr(authorityStart, at - authorityStart);
        const std::size_t delimiter = before.find_first_of("/?#");
        const bool credentials = delimiter == std::string_view::npos ||
                                 before.substr(0, delimiter).find(':') != std::string_view::npos;
        if (credentials) found = at;
    }
    return found;
}

std::string strip(std::string_view address, bool& found)
{
    const std::size_t scheme = schemeLength(address);
    if (scheme == 0) return std::string(address);
    std::size_t authorityStart = scheme + 3;
    if (const std::size_t at = credentialsEnd(address, authorityStart); at != std::string_view::npos) {
        authorityStart = at + 1;
        found = true;
    }
    std::size_t authorityEnd = address.find_first_of("/?#", authorityStart);
    if (authorityEnd == std::string_view::npos) authorityEnd = address.size();

    std::string out(address.substr(0, scheme + 3));
    out += address.substr(authorityStart, authorityEnd - authorityStart);
    std::string_view rest = address.substr(authorityEnd);
    const std::size_t fragment = rest.find('#');
    const std::string_view beforeFragment = rest.substr(0, fragment);
    const std::size_t question = beforeFragment.find('?');
    if (question == std::string_view::npos) {
        out += beforeFragment;
    } else {
        out += beforeFragment.substr(0, question);
        const std::string query = withoutSecretParameters(beforeFragment.substr(question + 1), found);
        if (!query.empty()) out += '?' + query;
    }
    if (fragment != std::string_view::npos) out += rest.substr(fragment);
    return out;
}

// The address as FFmpeg reads it: credentials holding "/", "?" or "#" would
// end its authority early, so those are percent-escaped (FFmpeg decodes the
// name and password before it sends them).
std::string forOpening(std::string_view address, std::size_t scheme)
{
    const std::size_t start = scheme + 3;
    const std::size_t at = credentialsEnd(address, start);
    if (at == std::string_view::npos) return std::string(address);
    std::string out(address.substr(0, start));
    for (const char c : address.substr(start, at - start)) {
        if (c == '/')
            out += "%2F";
        else if (c == '?')
            out += "%3F";
        else if (c == '#')
            out += "%23";
        else
            out += c;
    }
    out += address.substr(at);
    return out;
}

} // namespace

std::string withoutCredentials(std::string_view address)
{
    bool found = false;
    return strip(address, found);
}

namespace {

std::string percentDecoded(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string percentEscaped(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (std::isalnum(b) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

} // namespace

std::optional<SplitAddress> splitCredentials(std::string_view address)
{
    const std::string given = trimmed(address);
    const std::size_t scheme = schemeLength(given);
    if (scheme == 0) return std::nullopt;
    const std::size_t start = scheme + 3;
    const std::size_t at = credentialsEnd(given, start);
    if (at == std::string::npos) return std::nullopt;
    const std::string_view credentials = std::string_view(given).substr(start, at - start);
    const std::size_t colon = credentials.find(':');
    SplitAddress out;
    out.address = given.substr(0, start) + given.substr(at + 1);
    out.name = percentDecoded(credentials.substr(0, colon));
    if (colon != std::string_view::npos) out.password = percentDecoded(credentials.substr(colon + 1));
    return out;
}

std::string withCredentials(std::string_view address, std::string_view name, std::string_view password)
{
    const std::string given = trimmed(address);
    const std::size_t scheme = schemeLength(given);
    if (scheme == 0 || (name.empty() && password.empty())) return given;
    const std::string bare = splitCredentials(given) ? splitCredentials(given)->address : given;
    std::string credentials = percentEscaped(name);
    if (!password.empty()) credentials += ':' + percentEscaped(password);
    return bare.substr(0, scheme + 3) + credentials + '@' + bare.substr(scheme + 3);
}

Source parseSource(std::string_view text)
{
    Source s;
    const std::string given = trimmed(text);
    const std::size_t scheme = schemeLength(given);
    if (scheme == 0) {
        s.kind = given.empty() ? SourceKind::Unsupported : SourceKind::File;
        s.open = "file:" + given;
        s.shown = given;
        return s;
    }
    const std::string name = lower(std::string_view(given).substr(0, scheme));
    if (name == "file") {
        const std::string path = given.substr(scheme + 3);
        s.kind = path.empty() ? SourceKind::Unsupported : SourceKind::File;
        s.open = "file:" + path;
        s.shown = path;
        return s;
    }
    s.kind = name == "rtsp"    ? SourceKind::Rtsp
             : name == "rtsps" ? SourceKind::Rtsps
             : name == "http"  ? SourceKind::Http
             : name == "https" ? SourceKind::Https
                               : SourceKind::Unsupported;
    s.shown = strip(given, s.hasCredentials);
    // FFmpeg picks the protocol by the scheme as written; give it in lower case.
    s.open = name + forOpening(given, scheme).substr(scheme);
    return s;
}

} // namespace velmora::measure
