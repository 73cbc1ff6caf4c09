// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelTable.h"

namespace velmora {

void ChannelTable::copyChannel(int from, int to)
{
    copySettings(from, to);
    chmotion.at(to) = chmotion.at(from);
    chaudio.at(to) = chaudio.at(from);
    chcodec.at(to) = chcodec.at(from);
}

void ChannelTable::copySettings(int from, int to)
{
    chfpsindex.at(to) = chfpsindex.at(from);
    chresindex.at(to) = chresindex.at(from);
    chhoursindex.at(to) = chhoursindex.at(from);
    chqualityindex.at(to) = chqualityindex.at(from);
    chprofile.at(to) = chprofile.at(from);
    chbitrate.at(to) = chbitrate.at(from);
    chdaily.at(to) = chdaily.at(from);
    chdailygb.at(to) = chdailygb.at(from);
    chmanual.at(to) = chmanual.at(from);
}

} // namespace velmora
