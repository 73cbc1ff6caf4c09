// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceList.h"

#include "ChannelCamera.h"
#include "Protocol.h"
#include "Source.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>

namespace velmora::measure {

namespace {

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\f\v";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

SourceList problem(ListProblem what, int line = 0)
{
    SourceList list;
    list.problem = what;
    list.line = line;
    return list;
}

} // namespace

namespace {

// Reads to the end, or one byte past the limit.
SourceList readSourceStream(std::FILE* file)
{
    std::string bytes;
    char buffer[65536];
    while (bytes.size() <= kMaxListBytes) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        bytes.append(buffer, got);
        if (got < sizeof buffer) break;
    }
    if (std::ferror(file)) return problem(ListProblem::NotReadable);
    if (bytes.size() > kMaxListBytes) return problem(ListProblem::TooLarge);
    return readSourceList(bytes);
}

// Cameras the list gives no recorder fill the numbered recorders in turn,
// each up to kMaxChannels with the cameras the list gives it by name.
void fillRecorders(std::vector<ListedSource>& sources)
{
    std::map<std::string, int> count;
    for (const ListedSource& s : sources)
        if (!s.recorder.empty()) ++count[s.recorder];
    int number = 1;
    for (ListedSource& s : sources) {
        if (!s.recorder.empty()) continue;
        while (count[numberedRecorderName(number)] >= kMaxChannels) ++number;
        s.recorder = numberedRecorderName(number);
        ++count[s.recorder];
    }
}

// The first camera past a recorder's kMaxChannels, or of a recorder past kMaxRecorders.
SourceList overfull(SourceList list)
{
    std::map<std::string, int> count;
    for (const ListedSource& s : list.sources) {
        const int had = count[s.recorder]++;
        if (had == 0 && static_cast<int>(count.size()) > kMaxRecorders)
            return problem(ListProblem::TooManyRecorders, s.line);
        if (had == kMaxChannels) {
            SourceList full = problem(ListProblem::RecorderFull, s.line);
            full.recorder = s.recorder;
            return full;
        }
    }
    return list;
}

} // namespace

std::vector<std::string> SourceList::recorders() const
{
    std::vector<std::string> names;
    for (const ListedSource& s : sources)
        if (std::find(names.begin(), names.end(), s.recorder) == names.end()) names.push_back(s.recorder);
    return names;
}

SourceList readSourceList(std::string_view text)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    SourceList list;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        // A list saved in another encoding would give names of question marks.
        if (!validUtf8(raw)) return problem(ListProblem::NotUtf8, number);
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == '#') continue;
        // The address ends at the first TAB, the name at the next; the recorder is the rest.
        const auto tab = raw.find('\t');
        const std::string_view address = trimmed(raw.substr(0, tab));
        const std::string_view rest =
            tab == std::string_view::npos ? std::string_view() : raw.substr(tab + 1);
        const auto nextTab = rest.find('\t');
        const std::string_view name = trimmed(rest.substr(0, nextTab));
        const std::string_view recorder =
            nextTab == std::string_view::npos ? std::string_view() : trimmed(rest.substr(nextTab + 1));
        if (address.empty()) return problem(ListProblem::NoAddress, number);
        if (static_cast<int>(list.sources.size()) == kMaxListedSources)
            return problem(ListProblem::TooMany, number);
        // A name is one line of text: further TABs and other control
        // characters in it become blanks.
        std::string shown = oneLineName(name.empty() ? withoutCredentials(address) : std::string(name));
        if (nameLength(shown) > kMaxCameraNameLength) return problem(ListProblem::NameTooLong, number);
        std::string own = std::string(trimmed(oneLineName(std::string(recorder))));
        if (nameLength(own) > kMaxRecorderNameLength)
            return problem(ListProblem::RecorderNameTooLong, number);
        list.sources.push_back({std::string(address), std::move(shown), number, std::move(own)});
    }
    if (list.sources.empty()) return problem(ListProblem::Empty);
    fillRecorders(list.sources);
    return overfull(std::move(list));
}

SourceList readSourceListFile(const std::string& path)
{
    if (path == "-") return readSourceStream(stdin);
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return problem(errno == ENOENT || errno == ENOTDIR ? ListProblem::NoSuchFile
                                                           : ListProblem::NotReadable);
    if (S_ISDIR(info.st_mode)) return problem(ListProblem::NotReadable);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return problem(ListProblem::NotReadable);
    SourceList list = readSourceStream(file);
    std::fclose(file);
    return list;
}

} // namespace velmora::measure
