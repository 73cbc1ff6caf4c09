// Median times of what the main window does most or with the most input:
// creating and initialising it, one settings change, showing another channel,
// and a one-megabyte paste into each of the three fields (reading the number
// and everything recomputed after it).
//
//   velmora_bench [SCALE]     SCALE multiplies the repetitions (default 1)

#include "Startup.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace velmora;
using Clock = std::chrono::steady_clock;

struct QuietHost : FormHost {
    bool askYesNo(std::string_view, std::string_view) override { return true; }
    void showReport() override {}
    void showAbout() override {}
};

// Runs `prepare` untimed and `body` timed, `reps` times; the median in microseconds.
double median(int reps, const std::function<void()>& prepare, const std::function<void()>& body)
{
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(reps));
    for (int i = 0; i < reps; ++i) {
        prepare();
        const auto start = Clock::now();
        body();
        const auto stop = Clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    auto mid = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), mid, times.end());
    return *mid;
}

void line(const char* what, int reps, double micros)
{
    std::printf("%-58s %8d  %12.3f us\n", what, reps, micros);
}

// 32 channels whose neighbours differ in every setting, so that stepping to
// the next one runs every handler of showchannel.
void fillChannels(MainForm& f)
{
    for (int i = 0; i < 31; ++i) {
        const bool odd = i % 2 == 0;
        f.userSelect(Ctl::Combo3, odd ? 5 : 0);
        f.userSelect(Ctl::Combo4, odd ? 0 : 2);
        f.userSelect(Ctl::Combo1, odd ? 12 : 0);
        f.userSelect(Ctl::Combo6, odd ? 0 : 2);
        f.userSetCheck(Ctl::Check2, odd ? 1 : 0);
        if (odd) f.userSelect(Ctl::Combo9, 1);
        f.userSelect(Ctl::Combo2, odd ? 2 : 1);
        f.userSetCheck(Ctl::Check1, odd ? 1 : 0);
        f.userClick(Ctl::Command3);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int scale = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    QuietHost host;
    std::printf("%-58s %8s  %15s\n", "operation", "reps", "median");

    {
        const int reps = 2000 * scale;
        for (Layout layout : {Layout::Tall, Layout::Compact}) {
            std::unique_ptr<MainForm> form;
            const double t = median(
                reps, [&] { form.reset(); }, [&] { form = createMainForm(layout, ".", host); });
            line(layout == Layout::Tall ? "createMainForm, tall (start-up initialisation)"
                                        : "createMainForm, compact",
                 reps, t);
        }
    }

    {
        const auto form = createMainForm(Layout::Tall, ".", host);
        const int reps = 20000 * scale;
        int position = 2;
        const double t = median(
            reps, [&] { position = position == 2 ? 3 : 2; },
            [&] { form->userSelect(Ctl::Combo4, position); });
        line("one settings change (resolution)", reps, t);
    }

    {
        const auto form = createMainForm(Layout::Tall, ".", host);
        fillChannels(*form);
        const int reps = 20000 * scale;
        const double t = median(
            reps, [] {}, [&] { form->userClick(Ctl::Command1); });
        line("showchannel (next of 32 channels, every setting differs)", reps, t);
    }

    {
        const std::size_t megabyte = 1 << 20;
        struct Paste {
            const char* what;
            Ctl field;
            std::string text;
        };
        const std::string zeros(megabyte - 4, '0');
        std::string digits(megabyte, '0');
        for (std::size_t i = 0; i < digits.size(); ++i) digits[i] = static_cast<char>('1' + i % 9);
        std::string spaced(megabyte, ' ');
        for (std::size_t i = 0; i < spaced.size(); i += 2) spaced[i] = '0';
        const Paste pastes[] = {
            {"1 MB paste into Text1 (zeros, then 1616: accepted)", Ctl::Text1, zeros + "1616"},
            {"1 MB paste into Text1 (digits: refused, too much)", Ctl::Text1, digits},
            {"1 MB paste into Text1 (zeros and blanks taking turns)", Ctl::Text1, spaced},
            {"1 MB paste into Text2 (zeros, then 2)", Ctl::Text2, zeros + "0002"},
            {"1 MB paste into Text3 (zeros, then 30)", Ctl::Text3, zeros + "0030"},
        };
        const int reps = 51 * scale;
        for (const Paste& p : pastes) {
            const auto form = createMainForm(Layout::Tall, ".", host);
            std::string copy;
            const double t = median(
                reps, [&] { copy = p.text; }, [&] { form->userEdit(p.field, std::move(copy)); });
            line(p.what, reps, t);
        }

        // The disk size field is read again by every recomputation of the totals.
        const auto form = createMainForm(Layout::Tall, ".", host);
        form->userEdit(Ctl::Text2, zeros + "0002");
        int position = 2;
        const double t = median(
            reps, [&] { position = position == 2 ? 3 : 2; },
            [&] { form->userSelect(Ctl::Combo4, position); });
        line("one settings change with 1 MB in Text2", reps, t);

        fillChannels(*form);
        const double shown = median(
            reps, [] {}, [&] { form->userClick(Ctl::Command1); });
        line("showchannel with 1 MB in Text2", reps, shown);
    }
    return 0;
}
