// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::testing {

// Answers the copy question and counts the other windows asked for.
struct RecordingHost : FormHost {
    bool answer = true;
    std::vector<std::string> questions;
    int reports = 0;
    int abouts = 0;

    bool askYesNo(std::string_view title, std::string_view text) override
    {
        questions.push_back(std::string(title) + "|" + std::string(text));
        return answer;
    }
    void showReport() override { ++reports; }
    void showAbout() override { ++abouts; }
};

// A started main window of the given layout and decimal separator.
struct Started {
    RecordingHost host;
    std::unique_ptr<MainForm> form;

    explicit Started(Layout layout = Layout::Tall, std::string decimal = ".")
        : form(createMainForm(layout, std::move(decimal), host))
    {
    }
    MainForm& operator*() { return *form; }
    MainForm* operator->() { return form.get(); }
    const std::string& text(Ctl id) const { return form->control(id).text; }
};

} // namespace velmora::testing
