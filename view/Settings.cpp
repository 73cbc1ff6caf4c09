// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "Platform.h"

#include <QFileInfo>

namespace velmora {

namespace {

constexpr QLatin1StringView kRecentPlansKey("recentPlans");

} // namespace

QStringList Settings::recentPlans() const
{
    QStringList plans = platform_.setting(kRecentPlansKey).toStringList();
    plans.removeAll(QString());
    plans.removeDuplicates();
    while (plans.size() > kRecentPlanCount) plans.removeLast();
    return plans;
}

void Settings::rememberPlan(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList plans = recentPlans();
    plans.removeAll(full);
    plans.prepend(full);
    keepRecentPlans(std::move(plans));
}

void Settings::forgetPlan(const QString& path)
{
    QStringList plans = recentPlans();
    plans.removeAll(path);
    keepRecentPlans(std::move(plans));
}

void Settings::keepRecentPlans(QStringList plans)
{
    while (plans.size() > kRecentPlanCount) plans.removeLast();
    platform_.keepSetting(kRecentPlansKey, plans);
}

} // namespace velmora
