// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskArray.h"

#include "Limits.h"

namespace velmora {

namespace {

// A marked terabyte is 10^12 bytes; the program's terabyte is 2^40 bytes.
constexpr double kMarkedToProgramTb = 1e12 / 1099511627776.0;

ArrayRule brokenRule(ArrayLevel level, int d)
{
    if (d < 0) return ArrayRule::SparesExceed;
    if (d == 0) return ArrayRule::NoDisks;
    if (d < leastArrayDisks(level)) return ArrayRule::TooFew;
    if (level == ArrayLevel::Raid10 && d % 2 != 0) return ArrayRule::Raid10Pairs;
    return ArrayRule::Holds;
}

int dataDisks(ArrayLevel level, int d)
{
    switch (level) {
    case ArrayLevel::Jbod:
    case ArrayLevel::Raid0: return d;
    case ArrayLevel::Raid1: return 1;
    case ArrayLevel::Raid10: return d / 2;
    case ArrayLevel::Raid5: return d - 1;
    case ArrayLevel::Raid6: return d - 2;
    }
    return 0;
}

} // namespace

int leastArrayDisks(ArrayLevel level)
{
    switch (level) {
    case ArrayLevel::Jbod:
    case ArrayLevel::Raid0: return 1;
    case ArrayLevel::Raid1: return 2;
    case ArrayLevel::Raid5: return 3;
    case ArrayLevel::Raid6:
    case ArrayLevel::Raid10: return 4;
    }
    return 1;
}

ArrayCapacity arrayCapacity(const ArrayPlan& plan)
{
    ArrayCapacity c;
    c.arrayDisks = plan.disks - plan.spares;
    c.rawTb = plan.disks * plan.diskTb;
    c.rule = brokenRule(plan.level, c.arrayDisks);
    if (c.rule != ArrayRule::Holds) return c;
    c.dataDisks = dataDisks(plan.level, c.arrayDisks);
    c.usableTb = c.dataDisks * plan.diskTb * kMarkedToProgramTb * (1.0 - plan.reservePercent / 100.0);
    return c;
}

double programTb(double markedTb)
{
    return markedTb * kMarkedToProgramTb;
}

std::optional<double> archiveDepthDays(double usableTb, double dayTotalGb)
{
    if (dayTotalGb == 0) return std::nullopt;
    return usableTb * kUnitStep / dayTotalGb;
}

double decimalMbit(double programMbit)
{
    constexpr double kBitsPerProgramMbit = 1048576.0;
    constexpr double kBitsPerDecimalMbit = 1e6;
    return programMbit * kBitsPerProgramMbit / kBitsPerDecimalMbit;
}

InputLoad inputLoad(double totalMbit, double limitMbit, double headroomPercent)
{
    InputLoad load;
    load.loadPercent = totalMbit / limitMbit * 100.0;
    load.allowedMbit = limitMbit * (1.0 - headroomPercent / 100.0);
    load.over = totalMbit > load.allowedMbit;
    return load;
}

} // namespace velmora
