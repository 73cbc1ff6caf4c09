// SPDX-License-Identifier: GPL-3.0-or-later
// Randomized, seeded action sequences on the main window. After every single
// action the invariants of fuzz/FormChecks.h must hold: channel numbers and
// the slots above the count, every channel's day volume against its bitrate
// and hours, the shown totals against the table, the depth against the disk
// size, the controls against the current channel, nothing NaN or infinite;
// and the action may have changed only what it is allowed to change.
//
// The sequences are repeatable: sequence k uses seed base + k, where the base
// is fixed unless VELMORA_PROPERTY_SEED gives another one.
// VELMORA_PROPERTY_SEQUENCES changes how many sequences run. A failure prints
// the seed and the shortest failing sequence of actions found from it.

#include "FormFixture.h"

#include "../../fuzz/FormChecks.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::testing {
namespace {

using checks::Action;
using checks::Op;

constexpr std::uint32_t kDefaultBaseSeed = 20240611;
constexpr int kActionsPerSequence = 200;
// The sanitizer build runs the same sequences; there they take under half a minute.
constexpr int kDefaultSequences = 2000;

std::uint32_t envNumber(const char* name, std::uint32_t fallback)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return fallback;
    return static_cast<std::uint32_t>(std::strtoul(value, nullptr, 0));
}

// Draws with rng() % n rather than the standard distributions, whose results
// differ between standard libraries; a seed then means the same sequence
// everywhere.
class Generator {
public:
    explicit Generator(std::uint32_t seed) : rng_(seed)
    {
        // A quarter of the sequences mostly add channels, to reach the 32 limit.
        growing_ = pick(4) == 0;
    }

    std::uint32_t pick(std::uint32_t n) { return static_cast<std::uint32_t>(rng_() % n); }
    bool chance(std::uint32_t percent) { return pick(100) < percent; }

    Action next()
    {
        Action a;
        const std::uint32_t roll = pick(100);
        const std::uint32_t clicks = growing_ ? 45 : 28;
        if (roll < 30) {
            a.op = Op::Select;
            a.target = checks::kLists[pick(checks::kLists.size())];
            const int size = listSize(a.target);
            // Now and then a position no list has: the form must refuse it.
            a.number = chance(3) ? (chance(50) ? -1 : size)
                                 : static_cast<int>(pick(static_cast<std::uint32_t>(size)));
        } else if (roll < 38) {
            a.op = Op::SetCheck;
            a.target = checks::kBoxes[pick(2)];
            a.number = static_cast<int>(pick(3));
        } else if (roll < 100 - clicks - 8) {
            a.op = Op::Edit;
            const std::uint32_t field = pick(100);
            a.target = field < 55 ? Ctl::Text1 : field < 80 ? Ctl::Text2 : Ctl::Text3;
            a.text = text(a.target);
        } else if (roll < 92) {
            a.op = Op::Click;
            a.target = click();
        } else {
            switch (pick(4)) {
            case 0:
                a.op = Op::Leave;
                a.target = checks::kFields[pick(3)];
                break;
            case 1: a.op = Op::HoverPicture; break;
            case 2: a.op = Op::HoverForm; break;
            default:
                a.op = Op::Answer;
                a.number = chance(70) ? 1 : 0;
                break;
            }
        }
        return a;
    }

private:
    static int listSize(Ctl list)
    {
        switch (list) {
        case Ctl::Combo1: return 24;
        case Ctl::Combo3: return 25;
        case Ctl::Combo4: return 7;
        case Ctl::Combo5: return 2;
        case Ctl::Combo6: return 9;
        default: return 3; // profile, codec
        }
    }

    Ctl click()
    {
        struct Weighted {
            Ctl id;
            std::uint32_t normal;
            std::uint32_t growing;
        };
        static constexpr Weighted kWeights[] = {
            {Ctl::Command1, 5, 3}, {Ctl::Command2, 5, 3}, {Ctl::Command3, 6, 24},
            {Ctl::Command4, 6, 3}, {Ctl::Command6, 3, 2}, {Ctl::Command5, 1, 1},
            {Ctl::Image2, 1, 1},   {Ctl::Text2, 1, 1},    {Ctl::Text3, 1, 1}};
        std::uint32_t total = 0;
        for (const auto& w : kWeights) total += growing_ ? w.growing : w.normal;
        std::uint32_t r = pick(total);
        for (const auto& w : kWeights) {
            const std::uint32_t weight = growing_ ? w.growing : w.normal;
            if (r < weight) return w.id;
            r -= weight;
        }
        return Ctl::Command1;
    }

    std::string digits(std::size_t n, bool allZero = false)
    {
        std::string s;
        s.reserve(n);
        for (std::size_t i = 0; i < n; ++i) s += allZero ? '0' : static_cast<char>('0' + pick(10));
        return s;
    }

    // A number as a user might type it, often near a limit of its field.
    std::string number(Ctl field)
    {
        switch (pick(6)) {
        case 0: { // plain, of any size
            std::string s = chance(25) ? "-" : "";
            s += digits(1 + pick(9));
            if (chance(40)) s += "." + digits(1 + pick(4));
            return s;
        }
        case 1: { // with an exponent, E or D, any case
            std::string s = chance(30) ? "-" : "";
            s += digits(1 + pick(3));
            if (chance(30)) s += "." + digits(pick(3));
            s += "EeDd"[pick(4)];
            if (chance(50)) s += "+-"[pick(2)];
            s += std::to_string(pick(chance(80) ? 50 : 500));
            return s;
        }
        case 2: { // hexadecimal or octal
            std::string s = chance(50) ? "&H" : "&o";
            const std::size_t n = 1 + pick(chance(80) ? 8 : 20);
            for (std::size_t i = 0; i < n; ++i) s += "0123456789ABCDEFabcdef"[pick(22)];
            return s;
        }
        case 3: { // just below, at or just above a limit
            static constexpr const char* kNear[] = {
                "9999998",      "9999998.5",     "9999998.99",    "9999999",     "10000000",
                "99998",        "99998.4",       "99998.5",       "99999",       "32767.4",
                "32767.5",      "-32768.5",      "-32767.5",      "-32769",      "3.4028234E38",
                "3.4028236E38", "-3.4028234E38", "-3.4028236E38", "1.17549E-38", "-1E-40"};
            return kNear[pick(sizeof kNear / sizeof kNear[0])];
        }
        case 4: { // a number the field would take in normal use
            if (field == Ctl::Text1) return std::to_string(pick(20000)) + (chance(50) ? ".5" : "");
            if (field == Ctl::Text2) return std::to_string(pick(100)) + (chance(30) ? ".25" : "");
            return std::to_string(pick(800));
        }
        default: { // blanks inside, a comma, trailing garbage
            std::string s = digits(1 + pick(4));
            const std::size_t at = pick(static_cast<std::uint32_t>(s.size()) + 1);
            s.insert(at, std::string(1, " \t\n,"[pick(4)]));
            if (chance(50)) s += "abc";
            return s;
        }
        }
    }

    std::string garbage()
    {
        static constexpr std::string_view kBytes[] = {
            "0",    "1",       "9", ".",   ",",   "-",  "+",   "E",  "e",  "D",
            "d",    "&",       "H", "O",   "x",   " ",  "\t",  "\n", "\r", std::string_view("\0", 1),
            "\xff", "Перебор", "ы", "inf", "nan", "%n", "\x80"};
        std::string s;
        const std::size_t n = pick(24);
        for (std::size_t i = 0; i < n; ++i) s += kBytes[pick(sizeof kBytes / sizeof kBytes[0])];
        return s;
    }

    // Long pastes: digit runs (beyond a double), zeros before a digit, blanks.
    std::string huge()
    {
        const std::size_t n = 300 + pick(4000);
        switch (pick(5)) {
        case 0: return digits(n);
        case 1: return "-" + digits(n);
        case 2: return digits(n, true) + std::to_string(1 + pick(9));
        case 3: return "0." + digits(n, true) + "1E" + std::to_string(n);
        default: return std::string(n, ' ') + "7" + std::string(n, 'x');
        }
    }

    std::string text(Ctl field)
    {
        const std::uint32_t r = pick(100);
        if (r < 35) return std::string(checks::kNastyTexts[pick(checks::kNastyTexts.size())]);
        if (r < 80) return number(field);
        if (r < 95) return garbage();
        return huge();
    }

    std::mt19937 rng_;
    bool growing_ = false;
};

struct Sequence {
    Layout layout = Layout::Tall;
    std::string decimal = ".";
    std::vector<Action> actions;
};

Sequence generate(std::uint32_t seed)
{
    Generator g(seed);
    Sequence s;
    s.layout = g.chance(50) ? Layout::Compact : Layout::Tall;
    s.decimal = g.chance(50) ? "," : ".";
    s.actions.reserve(kActionsPerSequence);
    for (int i = 0; i < kActionsPerSequence; ++i) s.actions.push_back(g.next());
    return s;
}

// What a run reached, so the test can tell that it explored the corners.
struct Reached {
    bool allChannels = false;
    bool refusedBitrate = false;
    bool refusedDisk = false;
    bool infinity = false;
    bool copiedToAll = false;
    bool gigabytesADay = false;
};

struct Failure {
    std::size_t after = 0; // actions applied when an invariant broke (0: at start)
    std::string why;
};

std::optional<Failure> run(const Sequence& s, std::size_t count, Reached* reached = nullptr)
{
    checks::AnsweringHost host;
    const auto form = createMainForm(s.layout, s.decimal, host);
    if (std::string why = checks::violation(*form); !why.empty()) return Failure{0, std::move(why)};
    for (std::size_t i = 0; i < count; ++i) {
        const checks::Snapshot before(*form, host);
        const bool taken = checks::apply(*form, host, s.actions[i]);
        if (std::string why = checks::violation(*form); !why.empty()) return Failure{i + 1, std::move(why)};
        if (std::string why = checks::transitionViolation(before, *form, host, s.actions[i], taken);
            !why.empty())
            return Failure{i + 1, std::move(why)};
        if (reached) {
            const MainForm& f = *form;
            reached->allChannels |= f.channelcount == kMaxChannels;
            reached->refusedBitrate |= f.control(Ctl::Label6).text == texts::kTooMuch;
            reached->refusedDisk |= f.control(Ctl::Label34).text == texts::kTooMuchDisk;
            reached->infinity |= f.control(Ctl::Label34).text == texts::kInfinity;
            reached->copiedToAll |= host.questions > before.questions && host.answer && f.channelcount > 1;
            reached->gigabytesADay |= f.ch.chdailygb[static_cast<std::size_t>(f.curchannel)] == kTrue;
        }
    }
    return std::nullopt;
}

using Runner = std::function<std::optional<Failure>(const Sequence&)>;

std::optional<Failure> runAll(const Sequence& s)
{
    return run(s, s.actions.size());
}

// Cuts a failing sequence down: first to the prefix that ends at the first
// broken invariant, then drops every action whose removal keeps it failing,
// until no single action can go.
Sequence shortestFailing(Sequence s, const Failure& first, const Runner& runner)
{
    s.actions.resize(first.after);
    bool shrunk = true;
    while (shrunk) {
        shrunk = false;
        for (std::size_t i = s.actions.size(); i-- > 0;) {
            if (i >= s.actions.size()) continue;
            Sequence without = s;
            without.actions.erase(without.actions.begin() + static_cast<std::ptrdiff_t>(i));
            if (const auto f = runner(without)) {
                without.actions.resize(f->after);
                s = std::move(without);
                shrunk = true;
            }
        }
    }
    return s;
}

std::string report(std::uint32_t base, int index, const Sequence& original, const Failure& failure)
{
    std::ostringstream out;
    out << "base seed " << base << ", sequence " << index << " (seed "
        << base + static_cast<std::uint32_t>(index) << "), layout "
        << (original.layout == Layout::Compact ? "compact" : "tall") << ", separator \"" << original.decimal
        << "\"\n"
        << "invariant broken after action " << failure.after << ": " << failure.why << "\n";
    const Sequence shortest = shortestFailing(original, failure, runAll);
    const auto again = runAll(shortest);
    out << "shortest failing sequence (" << shortest.actions.size() << " actions)"
        << (again ? ": " + again->why : std::string()) << "\n";
    for (std::size_t i = 0; i < shortest.actions.size(); ++i)
        out << "  " << i + 1 << ": " << checks::describe(shortest.actions[i]) << "\n";
    out << "re-run just this sequence: VELMORA_PROPERTY_SEED=" << base + static_cast<std::uint32_t>(index)
        << " VELMORA_PROPERTY_SEQUENCES=1";
    return out.str();
}

TEST(Property, RandomActionSequencesKeepTheInvariants)
{
    const std::uint32_t base = envNumber("VELMORA_PROPERTY_SEED", kDefaultBaseSeed);
    const int sequences = static_cast<int>(envNumber("VELMORA_PROPERTY_SEQUENCES", kDefaultSequences));
    Reached reached;
    for (int k = 0; k < sequences; ++k) {
        const Sequence s = generate(base + static_cast<std::uint32_t>(k));
        if (const auto failure = run(s, s.actions.size(), &reached)) {
            ADD_FAILURE() << report(base, k, s, *failure);
            return;
        }
    }
    // A generator that never reached these states would test little.
    if (sequences >= kDefaultSequences) {
        EXPECT_TRUE(reached.allChannels);
        EXPECT_TRUE(reached.refusedBitrate);
        EXPECT_TRUE(reached.refusedDisk);
        EXPECT_TRUE(reached.infinity);
        EXPECT_TRUE(reached.copiedToAll);
        EXPECT_TRUE(reached.gigabytesADay);
    }
}

// The shrinking itself, on a planted fault that the invariants do not know:
// "three channels" needs exactly two adds, whatever else the sequence does.
TEST(Property, ShrinkingKeepsOnlyTheActionsThatMatter)
{
    const Action add{Op::Click, Ctl::Command3, 0, {}};
    const Action remove{Op::Click, Ctl::Command4, 0, {}};
    const Action hover{Op::HoverPicture, Ctl::Count, 0, {}};
    const Action typed{Op::Edit, Ctl::Text1, 0, "2000"};
    const Action later{Op::Select, Ctl::Combo4, 0, {}};
    Sequence s;
    s.actions = {hover, add, typed, remove, hover, add, typed, add, later, add, hover};
    ASSERT_FALSE(runAll(s)); // the real invariants hold throughout

    const Runner planted = [](const Sequence& seq) -> std::optional<Failure> {
        checks::AnsweringHost host;
        const auto form = createMainForm(seq.layout, seq.decimal, host);
        for (std::size_t i = 0; i < seq.actions.size(); ++i) {
            checks::apply(*form, host, seq.actions[i]);
            if (form->channelcount == 3) return Failure{i + 1, "three channels"};
        }
        return std::nullopt;
    };
    const auto failure = planted(s);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->after, 8u); // add, remove, add, add
    const Sequence shortest = shortestFailing(s, *failure, planted);
    ASSERT_EQ(shortest.actions.size(), 2u);
    for (const Action& a : shortest.actions) EXPECT_EQ(checks::describe(a), "click Command3");
}

} // namespace
} // namespace velmora::testing
