// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskArrayForm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace velmora {
namespace {

// Whatever the user types and whatever the window's figures are, the dialog
// shows finite figures or none, says why when it shows none, and offers to
// apply only a size the disk-size field can take.
TEST(DiskArrayForm, RandomInputKeepsEveryFigureSound)
{
    const std::vector<std::string> pieces = {"",    "0",   "1",    "4",  "64",  "65",  "2.5", "2,5", ".",
                                             ",",   "-",   "1E39", "e",  " ",   "99",  "100", "abc", "нет",
                                             "inf", "nan", "&H1",  "\t", "999", "0.0", "1e3", "+1",  "00"};
    const std::vector<double> figures = {0,
                                         -0.0,
                                         16.64,
                                         1e-30,
                                         -5000,
                                         3.4e38,
                                         std::numeric_limits<double>::infinity(),
                                         std::numeric_limits<double>::quiet_NaN()};
    std::mt19937 random(20261208); // fixed: a failure can be replayed
    for (const char* decimal : {".", ","}) {
        DiskArrayForm form(decimal);
        for (int step = 0; step < 20000; ++step) {
            switch (random() % 4) {
            case 0:
            case 1: {
                std::string text;
                for (unsigned n = random() % 4; n > 0; --n) text += pieces[random() % pieces.size()];
                form.edit(static_cast<ArrayField>(random() % kArrayFieldCount), text);
                break;
            }
            case 2: form.selectLevel(static_cast<int>(random() % 8) - 1); break;
            default:
                form.setWindowFigures(figures[random() % figures.size()], figures[random() % figures.size()]);
            }
            const DiskArrayView& v = form.view();
            const std::string all = v.arrayDisks + v.markedSize + v.usableSize + v.depth + v.load + v.message;
            ASSERT_EQ(all.find("inf"), std::string::npos) << all;
            ASSERT_EQ(all.find("nan"), std::string::npos) << all;
            bool anyBad = false;
            for (bool bad : v.bad) anyBad = anyBad || bad;
            if (anyBad) {
                ASSERT_EQ(v.usableSize + v.load + v.applyText, "");
            }
            if (v.usableSize.empty()) {
                ASSERT_FALSE(v.message.empty());
            }
            if (!v.applyText.empty()) {
                const double size = std::stod(v.applyText);
                ASSERT_TRUE(size > 0 && size < 9999999) << v.applyText;
                ASSERT_EQ(v.applyText.find(','), std::string::npos);
            }
        }
    }
}

} // namespace
} // namespace velmora
