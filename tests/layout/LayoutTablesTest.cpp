// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace velmora;

namespace {

enum class Layout { Tall, Compact };

const WindowDef& layout(Layout which)
{
    return which == Layout::Tall ? tallLayout() : compactLayout();
}

const char* layoutName(Layout which)
{
    return which == Layout::Tall ? "tall" : "compact";
}

const ControlRow* find(const WindowDef& window, Ctl id)
{
    for (const ControlRow& entry : window.controls)
        if (layoutId(entry) == id) return &entry;
    return nullptr;
}

const LineDef* findLine(const WindowDef& window, std::string_view name)
{
    for (const LineDef& line : window.lines)
        if (line.name == name) return &line;
    return nullptr;
}

bool sameRgb(Rgb a, Rgb b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

std::string rgbText(Rgb c)
{
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

constexpr Layout kBoth[] = {Layout::Tall, Layout::Compact};

} // namespace

TEST(LayoutTables, WindowAttributes)
{
    const WindowDef& tall = tallLayout();
    EXPECT_EQ(tall.title, "Velmora");
    EXPECT_EQ(tall.clientWidth, 8805);
    EXPECT_EQ(tall.clientHeight, 10245);
    EXPECT_EQ(tall.windowFont.family, "Verdana");
    EXPECT_DOUBLE_EQ(tall.windowFont.points, 9.0);
    EXPECT_TRUE(tall.windowFont.bold);
    EXPECT_FALSE(tall.windowFont.underline);
    EXPECT_EQ(tall.controls.size(), 66u);
    EXPECT_EQ(tall.lines.size(), 19u);

    const WindowDef& compact = compactLayout();
    EXPECT_EQ(compact.title, "Velmora");
    EXPECT_EQ(compact.clientWidth, 10500);
    EXPECT_EQ(compact.clientHeight, 7890);
    EXPECT_EQ(compact.windowFont.family, "Arial");
    EXPECT_DOUBLE_EQ(compact.windowFont.points, 9.0);
    EXPECT_TRUE(compact.windowFont.bold);
    EXPECT_FALSE(compact.windowFont.underline);
    EXPECT_EQ(compact.controls.size(), 60u);
    EXPECT_EQ(compact.lines.size(), 15u);

    // In pixels: 587 x 683 and 700 x 526.
    EXPECT_EQ(twipsToPixels(tall.clientWidth), 587);
    EXPECT_EQ(twipsToPixels(tall.clientHeight), 683);
    EXPECT_EQ(twipsToPixels(compact.clientWidth), 700);
    EXPECT_EQ(twipsToPixels(compact.clientHeight), 526);
}

// Strictly increasing Ctl values: every control at most once, in window order.
TEST(LayoutTables, ControlsAppearOnceInWindowOrder)
{
    for (Layout which : kBoth) {
        SCOPED_TRACE(layoutName(which));
        std::optional<int> previous;
        for (const ControlRow& entry : layout(which).controls) {
            const int id = static_cast<int>(layoutId(entry));
            ASSERT_GE(id, 0);
            ASSERT_LT(id, kControlCount);
            if (previous) {
                EXPECT_GT(id, *previous) << controlName(layoutId(entry)) << " out of order or repeated";
            }
            previous = id;
        }
    }
}

TEST(LayoutTables, CompactLacksExactlyThePerMinuteAndPerHourRows)
{
    int tallOnly = 0;
    for (int i = 0; i < kControlCount; ++i) {
        const Ctl id = static_cast<Ctl>(i);
        SCOPED_TRACE(std::string(controlName(id)));
        EXPECT_NE(find(tallLayout(), id), nullptr);
        EXPECT_EQ(find(compactLayout(), id) == nullptr, onlyInTallLayout(id));
        tallOnly += onlyInTallLayout(id) ? 1 : 0;
    }
    EXPECT_EQ(tallOnly, 6); // caption, figure and unit of the minute and the hour
}

// The driver and the dump find controls by name: each name belongs to one
// control, and every control says what it shows.
TEST(ControlTable, NamesAreUniqueAndFindTheirControl)
{
    for (int i = 0; i < kControlCount; ++i) {
        const Ctl id = static_cast<Ctl>(i);
        SCOPED_TRACE(std::string(controlName(id)));
        EXPECT_EQ(controlByName(controlName(id)), id);
        EXPECT_FALSE(controlMeaning(id).empty());
    }
    EXPECT_FALSE(controlByName("Label99"));
}

// Everything shared by both layouts starts the same way.
TEST(LayoutTables, SharedControlsStartAlike)
{
    for (const ControlRow& compact : compactLayout().controls) {
        const ControlRow* tall = find(tallLayout(), layoutId(compact));
        ASSERT_NE(tall, nullptr);
        SCOPED_TRACE(std::string(controlName(layoutId(compact))));
        EXPECT_EQ(tall->caption, compact.caption);
        EXPECT_EQ(tall->hidden, compact.hidden);
        EXPECT_EQ(tall->disabled, compact.disabled);
    }
}

TEST(LayoutTables, GeometryInPixels)
{
    struct Case {
        Layout which;
        Ctl id;
        int left, top, width, height; // pixels
    };
    const Case cases[] = {
        {Layout::Tall, Ctl::Text1, 160, 248, 50, 22},
        {Layout::Compact, Ctl::Text1, 144, 192, 50, 22},
        {Layout::Tall, Ctl::Label37, 24, 16, 145, 17},
        {Layout::Compact, Ctl::Label46, 144, 16, 33, 17},
        {Layout::Tall, Ctl::cabac, 472, 64, 65, 73},
        {Layout::Compact, Ctl::cabac, 456, 16, 65, 73},
        {Layout::Tall, Ctl::Combo4, 288, 80, 177, 22},
        {Layout::Tall, Ctl::Combo6, 96, 48, 129, 23},
        {Layout::Compact, Ctl::Combo6, 80, 40, 105, 22},
        {Layout::Compact, Ctl::Check1, 336, 104, 201, 41},
        {Layout::Compact, Ctl::Label18, 592, 16, 97, 25},
        {Layout::Tall, Ctl::Label11, 160, 280, 81, 25},
        {Layout::Tall, Ctl::Label7, 224, 312, 57, 25},
        {Layout::Tall, Ctl::Label8, 225, 344, 57, 25},
        {Layout::Tall, Ctl::Combo1, 48, 344, 57, 23},
        {Layout::Compact, Ctl::Combo1, 48, 224, 49, 22},
        {Layout::Tall, Ctl::Command1, 296, 392, 49, 41},
        {Layout::Tall, Ctl::Command2, 144, 392, 41, 41},
        {Layout::Tall, Ctl::Label23, 256, 403, 25, 17},
        {Layout::Compact, Ctl::Label22, 208, 291, 57, 25},
        {Layout::Tall, Ctl::Image2, 360, 360, 174, 105},
        {Layout::Compact, Ctl::Image2, 520, 224, 174, 105},
        {Layout::Compact, Ctl::Label13, 576, 336, 97, 17},
        {Layout::Tall, Ctl::Command5, 392, 576, 121, 33},
        {Layout::Compact, Ctl::Command5, 552, 392, 121, 33},
        {Layout::Compact, Ctl::Text3, 168, 440, 33, 21},
        {Layout::Tall, Ctl::Combo5, 216, 632, 65, 23},
        {Layout::Compact, Ctl::Combo5, 216, 480, 65, 22},
        {Layout::Tall, Ctl::Label36, 88, 656, 145, 17},
        {Layout::Compact, Ctl::Label36, 96, 504, 145, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(layoutName(c.which)) + " " + std::string(controlName(c.id)));
        const ControlRow* entry = find(layout(c.which), c.id);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(twipsToPixels(entry->place.left), c.left);
        EXPECT_EQ(twipsToPixels(entry->place.top), c.top);
        EXPECT_EQ(twipsToPixels(entry->place.width), c.width);
        EXPECT_EQ(twipsToPixels(entry->place.height), c.height);
    }
}

TEST(LayoutTables, EveryControlLiesInsideTheClientArea)
{
    for (Layout which : kBoth) {
        const WindowDef& window = layout(which);
        const int clientWidth = twipsToPixels(window.clientWidth);
        const int clientHeight = twipsToPixels(window.clientHeight);
        for (const ControlRow& entry : window.controls) {
            SCOPED_TRACE(std::string(layoutName(which)) + " " + std::string(controlName(layoutId(entry))));
            const int left = twipsToPixels(entry.place.left);
            const int top = twipsToPixels(entry.place.top);
            const int width = twipsToPixels(entry.place.width);
            const int height = twipsToPixels(entry.place.height);
            EXPECT_GE(left, 0);
            EXPECT_GE(top, 0);
            EXPECT_GT(width, 0);
            EXPECT_GT(height, 0);
            EXPECT_LE(left + width, clientWidth);
            EXPECT_LE(top + height, clientHeight);
        }
        for (const LineDef& line : window.lines) {
            SCOPED_TRACE(std::string(layoutName(which)) + " " + std::string(line.name));
            for (int x : {line.x1, line.x2}) {
                EXPECT_GE(x, 0);
                EXPECT_LT(twipsToPixels(x), clientWidth);
            }
            for (int y : {line.y1, line.y2}) {
                EXPECT_GE(y, 0);
                EXPECT_LT(twipsToPixels(y), clientHeight);
            }
        }
    }
}

TEST(LayoutTables, Captions)
{
    const std::string dayCaption = "За" + std::string(24, ' ') + "день:";
    struct Case {
        Ctl id;
        std::string caption;
    };
    const Case cases[] = {
        {Ctl::Label4, dayCaption},
        {Ctl::Label16, "  Разрешение:"},
        {Ctl::Label17, "  ~"},
        {Ctl::Check1, " Много движения, либо есть помехи на изображении"},
        {Ctl::Check2, " Звук"},
        {Ctl::Label14, "Профиль H264:"},
        {Ctl::Label38, "Результаты рассчёта:"},
        {Ctl::Label1, "Рассчёт относительно установленного битрейта:"},
        {Ctl::Command5, "Печать.."},
        {Ctl::Label47, ":"},
        {Ctl::Text1, "0"},
        {Ctl::Text2, "1"},
        {Ctl::Text3, "30"},
        {Ctl::Label23, "1"},
        {Ctl::Label24, "1"},
        {Ctl::Label46, "1"},
        {Ctl::Label34, "0"},
        {Ctl::Label41, "дня:"},
        {Ctl::cabac, "CABAC=1"},
        {Ctl::Label36, "Число должно быть целым"},
        {Ctl::Label39, "Число должно быть целым"},
        {Ctl::Command6, "Копировать настройки во все каналы"},
        {Ctl::Label18, ""},
        {Ctl::Label43, ""},
        {Ctl::Combo4, ""},
        {Ctl::Command1, ""},
        {Ctl::Command2, ""},
        {Ctl::Image2, ""},
    };
    for (Layout which : kBoth) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(layoutName(which)) + " " + std::string(controlName(c.id)));
            const ControlRow* entry = find(layout(which), c.id);
            ASSERT_NE(entry, nullptr);
            EXPECT_EQ(entry->caption, c.caption);
        }
    }
    EXPECT_EQ(find(tallLayout(), Ctl::Label12)->caption, "В минуту:");
    EXPECT_EQ(find(tallLayout(), Ctl::Label3)->caption, "В час:");
    EXPECT_EQ(find(tallLayout(), Ctl::Label5)->caption, "");
}

TEST(LayoutTables, OnlyTheNamedControlsStartHiddenOrDisabled)
{
    const std::set<Ctl> hidden{Ctl::Label1, Ctl::Label13, Ctl::Label36, Ctl::Label39};
    const std::set<Ctl> disabled{Ctl::Label44, Ctl::Combo9, Ctl::Command4};
    for (Layout which : kBoth) {
        for (const ControlRow& entry : layout(which).controls) {
            SCOPED_TRACE(std::string(layoutName(which)) + " " + std::string(controlName(layoutId(entry))));
            EXPECT_EQ(entry.hidden, hidden.count(layoutId(entry)) == 1);
            EXPECT_EQ(entry.disabled, disabled.count(layoutId(entry)) == 1);
        }
    }
}

TEST(LayoutTables, Colours)
{
    const std::set<Ctl> darkRed{Ctl::Label1, Ctl::Label37, Ctl::Label38, Ctl::Label46, Ctl::Label47};
    for (const ControlRow& entry : tallLayout().controls) {
        SCOPED_TRACE(std::string(controlName(layoutId(entry))));
        const Rgb expected = darkRed.count(layoutId(entry)) ? kDarkRed : kBlack;
        EXPECT_TRUE(sameRgb(entry.colour, expected)) << rgbText(entry.colour);
    }

    struct Case {
        Ctl id;
        Rgb colour;
    };
    const Case compactCases[] = {
        {Ctl::Label20, kBlack},    {Ctl::Label36, kBlack},   {Ctl::Label39, kBlack},
        {Ctl::Label2, kDarkBlue},  {Ctl::Label4, kDarkBlue}, {Ctl::cabac, kDarkBlue},
        {Ctl::Label13, kDarkBlue}, {Ctl::Text1, kDarkBlue},  {Ctl::Text3, kDarkBlue},
        {Ctl::Combo4, kDarkBlue},  {Ctl::Combo9, kDarkBlue}, {Ctl::Check1, kDarkBlue},
        {Ctl::Check2, kDarkBlue},  {Ctl::Label37, kDarkRed}, {Ctl::Label38, kDarkRed},
        {Ctl::Label46, kDarkRed},  {Ctl::Label47, kDarkRed}, {Ctl::Label1, kDarkRed},
        {Ctl::Command1, kBlack},   {Ctl::Command4, kBlack},  {Ctl::Command5, kBlack},
        {Ctl::Command6, kBlack},
    };
    for (const Case& c : compactCases) {
        SCOPED_TRACE(std::string(controlName(c.id)));
        const ControlRow* entry = find(compactLayout(), c.id);
        ASSERT_NE(entry, nullptr);
        EXPECT_TRUE(sameRgb(entry->colour, c.colour)) << rgbText(entry->colour);
    }

    // The compact rule as a whole: text of labels, lists, text boxes and check
    // boxes is dark blue apart from the headings and the three black hints;
    // buttons and the picture keep black.
    const std::set<Ctl> compactBlack{Ctl::Label20, Ctl::Label36, Ctl::Label39};
    for (const ControlRow& entry : compactLayout().controls) {
        SCOPED_TRACE(std::string(controlName(layoutId(entry))));
        const Kind kind = controlKind(layoutId(entry));
        Rgb expected = kDarkBlue;
        if (darkRed.count(layoutId(entry)))
            expected = kDarkRed;
        else if (compactBlack.count(layoutId(entry)) || kind == Kind::Button || kind == Kind::Picture)
            expected = kBlack;
        EXPECT_TRUE(sameRgb(entry.colour, expected)) << rgbText(entry.colour);
    }

    // Only three colours are in use: no stray values from a typo.
    for (Layout which : kBoth) {
        for (const ControlRow& entry : layout(which).controls) {
            EXPECT_TRUE(sameRgb(entry.colour, kBlack) || sameRgb(entry.colour, kDarkBlue) ||
                        sameRgb(entry.colour, kDarkRed))
                << layoutName(which) << " " << controlName(layoutId(entry));
        }
    }
}

TEST(LayoutTables, Fonts)
{
    struct Case {
        Layout which;
        Ctl id;
        std::string_view family;
        double points;
        bool bold;
        bool underline;
    };
    const Case cases[] = {
        {Layout::Tall, Ctl::Label37, "Arial", 11.25, true, true},
        {Layout::Compact, Ctl::Label37, "Arial", 9.0, true, true},
        {Layout::Tall, Ctl::Label46, "Arial", 9.75, true, true},
        {Layout::Tall, Ctl::Label47, "Arial", 9.75, true, false},
        {Layout::Compact, Ctl::Label17, "Arial", 9.0, true, false},
        {Layout::Tall, Ctl::Combo4, "Verdana", 9.0, true, false},
        {Layout::Compact, Ctl::Combo4, "Arial", 8.25, true, false},
        {Layout::Tall, Ctl::cabac, "Arial", 8.25, false, false},
        {Layout::Compact, Ctl::cabac, "Arial", 8.25, false, false},
        {Layout::Tall, Ctl::Label20, "Arial", 9.0, false, false},
        {Layout::Compact, Ctl::Label20, "Arial", 8.25, false, false},
        {Layout::Tall, Ctl::Command3, "Arial", 9.0, false, false},
        {Layout::Compact, Ctl::Command3, "Arial", 8.25, false, false},
        {Layout::Tall, Ctl::Command5, "Arial", 9.0, true, false},
        {Layout::Compact, Ctl::Command5, "Arial", 9.0, true, false},
        {Layout::Compact, Ctl::Label39, "Arial", 8.25, false, false},
        {Layout::Tall, Ctl::Label12, "Arial", 9.0, true, false},
        {Layout::Tall, Ctl::Label1, "Arial", 11.25, true, true},
        {Layout::Compact, Ctl::Label1, "Arial", 9.0, true, true},
        {Layout::Tall, Ctl::Label22, "Arial", 9.75, true, false},
        {Layout::Compact, Ctl::Text1, "Arial", 8.25, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(layoutName(c.which)) + " " + std::string(controlName(c.id)));
        const ControlRow* entry = find(layout(c.which), c.id);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->font.family, c.family);
        EXPECT_DOUBLE_EQ(entry->font.points, c.points);
        EXPECT_EQ(entry->font.bold, c.bold);
        EXPECT_EQ(entry->font.underline, c.underline);
    }

    // The arrow buttons and the picture have no font of their own and carry the
    // window font; every entry names a family the view knows.
    for (Layout which : kBoth) {
        const WindowDef& window = layout(which);
        for (Ctl id : {Ctl::Command1, Ctl::Command2, Ctl::Image2}) {
            SCOPED_TRACE(std::string(layoutName(which)) + " " + std::string(controlName(id)));
            const FontDef& font = find(window, id)->font;
            EXPECT_EQ(font.family, window.windowFont.family);
            EXPECT_DOUBLE_EQ(font.points, window.windowFont.points);
            EXPECT_EQ(font.bold, window.windowFont.bold);
            EXPECT_EQ(font.underline, window.windowFont.underline);
        }
        for (const ControlRow& entry : window.controls) {
            EXPECT_TRUE(entry.font.family == "Arial" || entry.font.family == "Verdana")
                << layoutName(which) << " " << controlName(layoutId(entry));
            EXPECT_GE(entry.font.points, 8.0);
            EXPECT_LE(entry.font.points, 11.25);
        }
    }
}

TEST(LayoutTables, Lines)
{
    struct Case {
        Layout which;
        std::string_view name;
        int x1, y1, x2, y2;
    };
    const Case cases[] = {
        {Layout::Tall, "Line11", 120, 120, 8040, 120},
        {Layout::Tall, "Line20", 4560, 2760, 4920, 2400},
        {Layout::Tall, "Line8", 5280, 5640, 5280, 6720},
        {Layout::Tall, "Line10", 5280, 6720, 120, 6720},
        {Layout::Tall, "Line16", 120, 7320, 120, 10080},
        {Layout::Tall, "Line18", 8040, 10080, 8040, 7440},
        {Layout::Compact, "Line11", 120, 120, 10440, 120},
        {Layout::Compact, "Line19", 8160, 120, 8160, 2280},
        {Layout::Compact, "Line10", 7680, 3960, 2040, 3960},
        {Layout::Compact, "Line15", 120, 7800, 120, 5040},
        {Layout::Compact, "Line18", 7800, 7800, 7800, 5040},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(layoutName(c.which)) + " " + std::string(c.name));
        const LineDef* line = findLine(layout(c.which), c.name);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->x1, c.x1);
        EXPECT_EQ(line->y1, c.y1);
        EXPECT_EQ(line->x2, c.x2);
        EXPECT_EQ(line->y2, c.y2);
    }

    for (std::string_view name : {"Line8", "Line13", "Line16", "Line20"})
        EXPECT_EQ(findLine(compactLayout(), name), nullptr) << name;

    for (Layout which : kBoth) {
        std::set<std::string_view> names;
        for (const LineDef& line : layout(which).lines) {
            SCOPED_TRACE(std::string(layoutName(which)) + " " + std::string(line.name));
            EXPECT_TRUE(names.insert(line.name).second) << "repeated";
            EXPECT_EQ(line.pixels, 1);
            EXPECT_FALSE(line.x1 == line.x2 && line.y1 == line.y2) << "zero length";
            // The frames are upright and level; only the tall bevel slants.
            if (line.name != "Line20" || which != Layout::Tall) {
                EXPECT_TRUE(line.x1 == line.x2 || line.y1 == line.y2);
            }
        }
    }
}

// Every control that can take the focus is in the order once, nothing else is.
TEST(LayoutTables, FocusOrder)
{
    const std::vector<Ctl> expected{Ctl::Text1,    Ctl::Combo1,   Ctl::Combo2,   Ctl::Combo3,   Ctl::Combo4,
                                    Ctl::Command1, Ctl::Command2, Ctl::Command3, Ctl::Command4, Ctl::Command5,
                                    Ctl::Text2,    Ctl::Combo5,   Ctl::Text3,    Ctl::Combo6,   Ctl::Check2,
                                    Ctl::Combo9,   Ctl::Command6, Ctl::Check1};
    const std::span<const Ctl> order = focusOrder();
    EXPECT_TRUE(std::equal(order.begin(), order.end(), expected.begin(), expected.end()));

    std::set<Ctl> inOrder(order.begin(), order.end());
    EXPECT_EQ(inOrder.size(), order.size());
    for (int i = 0; i < kControlCount; ++i) {
        const Ctl id = static_cast<Ctl>(i);
        const Kind kind = controlKind(id);
        const bool focusable = kind != Kind::Label && kind != Kind::Picture;
        EXPECT_EQ(inOrder.count(id) == 1, focusable) << controlName(id);
        if (focusable) {
            EXPECT_NE(find(compactLayout(), id), nullptr) << controlName(id);
        }
    }
}
