// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelTable.h"
#include "Recorders.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::measure {

// A site's list of cameras: one source a line (an address or a recording's
// path), optionally a TAB and the camera's name, and optionally another TAB
// and the recorder the camera belongs to, as a spreadsheet of the site
// exports it; blank lines and lines starting with '#' are left out. UTF-8, a
// byte order mark allowed. Cameras without a recorder fill recorders of
// kMaxChannels in the list's order: "Регистратор 1", "Регистратор 2", ...
// (a recorder the list names itself counts what it already has).
inline constexpr int kMaxListedSources = kMaxChannels * kMaxRecorders;
// Larger list files are refused unread: a whole site's addresses fit many times over.
inline constexpr std::size_t kMaxListMegabytes = 1;
inline constexpr std::size_t kMaxListBytes = kMaxListMegabytes * 1024 * 1024;

// How many measuring processes a site audit runs at once: unless told, and at most.
inline constexpr int kDefaultJobs = 4;
inline constexpr int kMaxJobs = 8;

struct ListedSource {
    std::string address;  // as written, credentials and all: for the measuring program only
    std::string name;     // as written, or the address without credentials
    int line = 0;         // 1-based, for messages
    std::string recorder; // as written, or the recorder it fills
};

enum class ListProblem {
    None,
    NoSuchFile,  // the list file does not exist
    NotReadable, // a folder, no permission, or a read that failed
    TooLarge,    // over kMaxListBytes
    TooMany,     // more than kMaxListedSources sources
    NoAddress,   // a line with a name but no address (`line` names it)
    NotUtf8,     // a line that is not UTF-8 text (`line` names it): another encoding, or not text at all
    NameTooLong, // a camera's name over kMaxCameraNameLength characters (`line`)
    RecorderNameTooLong, // a recorder's name over kMaxRecorderNameLength characters (`line`)
    RecorderFull,        // a recorder's kMaxChannels + 1st camera (`line`; `recorder` names it)
    TooManyRecorders,    // the first camera of the kMaxRecorders + 1st recorder (`line`)
    Empty,               // not one source
};

struct SourceList {
    std::vector<ListedSource> sources;
    ListProblem problem = ListProblem::None;
    int line = 0;         // the line of a NoAddress or NotUtf8, or the first source past the limit
    std::string recorder; // the recorder of a RecorderFull

    // The recorders the list names or fills, in the order they first come.
    std::vector<std::string> recorders() const;
};

// The list in `text`.
SourceList readSourceList(std::string_view text);
// The list in the file at `path` (UTF-8 bytes); "-" reads standard input.
SourceList readSourceListFile(const std::string& path);

} // namespace velmora::measure
