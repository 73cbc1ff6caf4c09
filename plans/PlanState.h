#pragma once

#include "FormHost.h"
#include "MainForm.h"
#include "Plan.h"
#include "Startup.h"

#include <memory>
#include <string>

namespace velmora {

// The plan the form holds; `notes` are the report's notes to keep with it.
Plan capturePlan(const MainForm& form, std::string notes);

// A form in its start state for `layout`, with the plan loaded into it the way
// the window shows a channel: every figure comes from the form's own
// handlers. The plan must have passed readPlan()'s checks.
std::unique_ptr<MainForm> formFromPlan(const Plan& plan, Layout layout, std::string decimal, FormHost& host);

// A host for a form that is never shown: no question is ever answered Yes,
// no window opens.
class QuietHost : public FormHost {
public:
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    void showReport() override {}
    void showAbout() override {}
};

} // namespace velmora
