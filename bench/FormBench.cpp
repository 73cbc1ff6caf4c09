// SPDX-License-Identifier: GPL-3.0-or-later
// The form's own work, without any toolkit: creating and initialising it, one
// settings change, showing another channel, and a one-megabyte paste into
// each of the three fields (reading the number and everything recomputed
// after it).
//
//   build/bench/velmora_form_bench [--benchmark_filter=REGEX]

#include "BenchChannels.h"
#include "Startup.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace velmora;

struct QuietHost : FormHost {
    bool askYesNo(std::string_view, std::string_view) override { return true; }
    void showReport() override {}
    void showAbout() override {}
};

QuietHost host;

void createForm(benchmark::State& state, Layout layout)
{
    for (auto _ : state) {
        auto form = createMainForm(layout, ".", host);
        benchmark::DoNotOptimize(form.get());
    }
}
BENCHMARK_CAPTURE(createForm, tall, Layout::Tall);
BENCHMARK_CAPTURE(createForm, compact, Layout::Compact);

// One settings change: the resolution list taking turns between two entries.
void settingsChange(benchmark::State& state)
{
    const auto form = createMainForm(Layout::Tall, ".", host);
    int position = 2;
    for (auto _ : state) {
        position = position == 2 ? 3 : 2;
        form->userSelect(Ctl::Combo4, position);
    }
}
BENCHMARK(settingsChange);

// "Next channel" through 32 channels whose neighbours differ in every setting.
void nextChannel(benchmark::State& state)
{
    const auto form = createMainForm(Layout::Tall, ".", host);
    fillDifferingChannels([&](auto&& action) { action(*form); });
    for (auto _ : state) form->userClick(Ctl::Command1);
}
BENCHMARK(nextChannel);

const std::size_t kMegabyte = 1 << 20;

std::string zerosThen(std::string_view tail)
{
    return std::string(kMegabyte - tail.size(), '0') + std::string(tail);
}

std::string digits()
{
    std::string text(kMegabyte, '0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('1' + i % 9);
    return text;
}

std::string zerosAndBlanks()
{
    std::string text(kMegabyte, ' ');
    for (std::size_t i = 0; i < text.size(); i += 2) text[i] = '0';
    return text;
}

void paste(benchmark::State& state, Ctl field, const std::string& text)
{
    const auto form = createMainForm(Layout::Tall, ".", host);
    for (auto _ : state) {
        state.PauseTiming();
        form->userEdit(field, "1"); // the paste replaces another text
        std::string copy = text;
        state.ResumeTiming();
        form->userEdit(field, std::move(copy));
    }
}
BENCHMARK_CAPTURE(paste, bitrate_zeros_then_1616, Ctl::Text1, zerosThen("1616"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paste, bitrate_digits_refused, Ctl::Text1, digits())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paste, bitrate_zeros_and_blanks, Ctl::Text1, zerosAndBlanks())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paste, disk_zeros_then_2, Ctl::Text2, zerosThen("2"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paste, period_zeros_then_30, Ctl::Text3, zerosThen("30"))->Unit(benchmark::kMillisecond);

// A megabyte left in the disk size field, which every recomputation of the totals reads.
void settingsChangeWithMegabyteDisk(benchmark::State& state)
{
    const auto form = createMainForm(Layout::Tall, ".", host);
    form->userEdit(Ctl::Text2, zerosThen("2"));
    int position = 2;
    for (auto _ : state) {
        position = position == 2 ? 3 : 2;
        form->userSelect(Ctl::Combo4, position);
    }
}
BENCHMARK(settingsChangeWithMegabyteDisk);

void nextChannelWithMegabyteDisk(benchmark::State& state)
{
    const auto form = createMainForm(Layout::Tall, ".", host);
    form->userEdit(Ctl::Text2, zerosThen("2"));
    fillDifferingChannels([&](auto&& action) { action(*form); });
    for (auto _ : state) form->userClick(Ctl::Command1);
}
BENCHMARK(nextChannelWithMegabyteDisk);

} // namespace

BENCHMARK_MAIN();
