#include "Source.h"

#include <algorithm>
#include <array>
#include <cctype>

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

// Query parameters whose values are credentials on cameras' web and RTSP addresses.
bool secretParameter(std::string_view name)
{
    static constexpr std::array<std::string_view, 11> kNames{
        "user", "username", "usr", "login", "pass", "password", "passwd", "pwd", "auth", "token", "key"};
    const std::string n = lower(name);
    return std::find(kNames.begin(), kNames.end(), n) != kNames.end();
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

std::string strip(std::string_view address, bool& found)
{
    const std::size_t scheme = schemeLength(address);
    if (scheme == 0) return std::string(address);
    const std::size_t authorityStart = scheme + 3;
    std::size_t authorityEnd = address.find_first_of("/?#", authorityStart);
    if (authorityEnd == std::string_view::npos) authorityEnd = address.size();
    std::string_view authority = address.substr(authorityStart, authorityEnd - authorityStart);
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        authority.remove_prefix(at + 1);
        found = true;
    }

    std::string out(address.substr(0, authorityStart));
    out += authority;
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

} // namespace

std::string withoutCredentials(std::string_view address)
{
    bool found = false;
    return strip(address, found);
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
    s.open = name + given.substr(scheme);
    return s;
}

} // namespace velmora::measure
