// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

class Platform;

// What the program keeps between runs, declared here once: each setting's
// key, its default and its limits. The platform keeps the values (the user's
// settings file in the program, memory in the tests and the driver); what is
// read back is held to the limits, whatever the file says.
class Settings {
public:
    // How many plans "Недавние планы" lists.
    static constexpr int kRecentPlanCount = 5;

    explicit Settings(Platform& platform) : platform_(platform) {}

    // The plans of "Недавние планы", full paths, newest first; none at first.
    QStringList recentPlans() const;
    // `path` goes first; the oldest beyond kRecentPlanCount falls off.
    void rememberPlan(const QString& path);
    // A plan gone since leaves the list.
    void forgetPlan(const QString& path);

private:
    void keepRecentPlans(QStringList plans);

    Platform& platform_;
};

} // namespace velmora
