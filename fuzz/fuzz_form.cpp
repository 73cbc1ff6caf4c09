// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the main window's behaviour: the input is decoded into a sequence of
// user actions on a started form, and every invariant of FormChecks.h, with
// the rules on what each action may change, is checked after each action. A
// broken one aborts with the actions so far.
//
// Input: the first byte picks the layout (bit 0: compact) and the decimal
// separator (bit 1: comma). Then one action per opcode byte, its operands
// following:
//   0 list pos     select position pos - 1 in one of the seven lists
//   1 box v        set a check box (Check1 or Check2 by bit 0 of box) to v % 3
//   2 f lo hi ...  type the next (lo + 256 hi) bytes of the input into Text1/2/3
//   3 f k          type the k-th of the nasty texts
//   4 f r n ...    type the next n % 17 bytes repeated 1 << (r % 13) times
//   5 b            click a button, the picture or a field
//   6 f            leave a field
//   7 / 8          the mouse moves over the picture / over the bare window
//   9 a            the answer to the copy question: Yes when a is odd

#include "FormChecks.h"
#include "Startup.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace velmora;
using namespace velmora::checks;

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;

    bool more() const { return pos < size; }
    std::uint8_t byte() { return pos < size ? data[pos++] : 0; }
    std::string bytes(std::size_t n)
    {
        n = std::min(n, size - pos);
        std::string s(reinterpret_cast<const char*>(data + pos), n);
        pos += n;
        return s;
    }
};

Action decode(Reader& in)
{
    Action a;
    switch (in.byte() % 10) {
    case 0:
        a.op = Op::Select;
        a.target = kLists[in.byte() % kLists.size()];
        a.number = static_cast<int>(in.byte() % 28) - 1;
        break;
    case 1: {
        a.op = Op::SetCheck;
        const std::uint8_t b = in.byte();
        a.target = kBoxes[b % 2];
        a.number = in.byte() % 3;
        break;
    }
    case 2: {
        a.op = Op::Edit;
        a.target = kFields[in.byte() % 3];
        const std::size_t lo = in.byte();
        const std::size_t hi = in.byte();
        a.text = in.bytes(lo + 256 * hi);
        break;
    }
    case 3:
        a.op = Op::Edit;
        a.target = kFields[in.byte() % 3];
        a.text = std::string(kNastyTexts[in.byte() % kNastyTexts.size()]);
        break;
    case 4: {
        a.op = Op::Edit;
        a.target = kFields[in.byte() % 3];
        const std::size_t repeats = std::size_t{1} << (in.byte() % 13);
        const std::string piece = in.bytes(in.byte() % 17);
        a.text.reserve(piece.size() * repeats);
        for (std::size_t i = 0; i < repeats; ++i) a.text += piece;
        break;
    }
    case 5:
        a.op = Op::Click;
        a.target = kClickables[in.byte() % kClickables.size()];
        break;
    case 6:
        a.op = Op::Leave;
        a.target = kFields[in.byte() % 3];
        break;
    case 7: a.op = Op::HoverPicture; break;
    case 8: a.op = Op::HoverForm; break;
    default:
        a.op = Op::Answer;
        a.number = in.byte() & 1;
        break;
    }
    return a;
}

[[noreturn]] void broken(const std::string& why, const std::vector<Action>& done, bool compact,
                         const std::string& decimal)
{
    std::fprintf(stderr, "invariant broken: %s\nlayout %s, separator \"%s\", after %zu actions:\n",
                 why.c_str(), compact ? "compact" : "tall", decimal.c_str(), done.size());
    for (std::size_t i = 0; i < done.size(); ++i)
        std::fprintf(stderr, "  %3zu: %s\n", i + 1, describe(done[i]).c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    Reader in{data, size};
    const std::uint8_t setup = in.byte();
    const bool compact = setup & 1;
    const std::string decimal = (setup & 2) ? "," : ".";

    AnsweringHost host;
    const auto form = createMainForm(compact ? Layout::Compact : Layout::Tall, decimal, host);
    std::vector<Action> done;
    if (const std::string why = violation(*form); !why.empty()) broken(why, done, compact, decimal);
    while (in.more()) {
        done.push_back(decode(in));
        const Snapshot before(*form, host);
        const bool taken = apply(*form, host, done.back());
        if (const std::string why = violation(*form); !why.empty()) broken(why, done, compact, decimal);
        if (const std::string why = transitionViolation(before, *form, host, done.back(), taken);
            !why.empty())
            broken(why, done, compact, decimal);
    }
    return 0;
}
