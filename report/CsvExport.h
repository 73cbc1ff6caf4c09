// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainForm.h"

#include <string>
#include <vector>

namespace velmora {

// The channel table as CSV: UTF-8 with a byte order mark, ';' between fields,
// CRLF line ends, quoting as RFC 4180 has it. A header row, a row per channel
// in use, then the totals; every row has the same number of fields. Numbers
// are written as the window shows them, with the form's decimal separator.
std::string channelTableCsv(const MainForm& form);

// A site's channel tables as one: the recorder's name first in every row
// ("Регистратор"), then each recorder's table as channelTableCsv() has it.
struct RecorderTable {
    std::string name;
    const MainForm* form = nullptr;
};
std::string siteChannelTableCsv(const std::vector<RecorderTable>& recorders);

} // namespace velmora
