// SPDX-License-Identifier: GPL-3.0-or-later
// One user action through the real widgets of the main window on Qt's
// offscreen platform: a list selection, a check box, a typed bitrate, and
// "next channel" with 32 channels that all differ. Each action runs as the
// widget delivers it: the widget's signal, the form's handlers, and the
// window's refresh of its widgets. The "_painted" variants also process the
// events that follow (the repaint of what changed) inside the timing.
//
//   build/bench/velmora_widget_bench [--benchmark_filter=REGEX]

#include "BenchChannels.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "Platform.h"
#include "Program.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

using namespace velmora;

// A press and a release of the left button in the middle of the widget.
void click(QWidget* w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// The program's own start-up on the offscreen screen, shown and painted once.
std::unique_ptr<MainWindow> startWindow(FakePlatform& platform)
{
    std::unique_ptr<MainWindow> window(startProgram(platform));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->activateWindow();
    QApplication::processEvents();
    return window;
}

// Times `act` once per iteration. Without `painted` the events it leaves
// behind (the repaint) are processed outside the timing, which is why those
// run on a shorter timed minimum: the untimed repaints would stretch the run.
void measure(benchmark::State& state, bool painted, const std::function<void(MainWindow&)>& prepare,
             const std::function<void(MainWindow&, int)>& act)
{
    FakePlatform platform;
    const auto window = startWindow(platform);
    if (prepare) {
        prepare(*window);
        QApplication::processEvents();
    }
    int turn = 0;
    for (auto _ : state) {
        act(*window, turn++);
        if (painted) {
            QApplication::processEvents();
        } else {
            state.PauseTiming();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
}

void selectList(benchmark::State& state, bool painted)
{
    measure(
        state, painted, [](MainWindow& w) { w.widget(Ctl::Combo4)->setFocus(); },
        [](MainWindow& w, int turn) {
            static_cast<QComboBox*>(w.widget(Ctl::Combo4))->setCurrentIndex(turn % 2 ? 3 : 2);
        });
}
BENCHMARK_CAPTURE(selectList, resolution, false)->MinTime(0.1);
BENCHMARK_CAPTURE(selectList, resolution_painted, true);

void checkBox(benchmark::State& state, bool painted)
{
    measure(state, painted, nullptr, [](MainWindow& w, int) { click(w.widget(Ctl::Check1)); });
}
BENCHMARK_CAPTURE(checkBox, motion, false)->MinTime(0.1);
BENCHMARK_CAPTURE(checkBox, motion_painted, true);

void typeBitrate(benchmark::State& state, bool painted)
{
    measure(
        state, painted, [](MainWindow& w) { w.widget(Ctl::Text1)->setFocus(); },
        [](MainWindow& w, int turn) {
            auto* edit = static_cast<QLineEdit*>(w.widget(Ctl::Text1));
            edit->selectAll();
            edit->insert(turn % 2 ? QStringLiteral("2500") : QStringLiteral("2000"));
        });
}
BENCHMARK_CAPTURE(typeBitrate, whole_text, false)->MinTime(0.1);
BENCHMARK_CAPTURE(typeBitrate, whole_text_painted, true);

void nextChannel(benchmark::State& state, bool painted)
{
    measure(
        state, painted,
        [](MainWindow& w) {
            fillDifferingChannels([&](auto&& action) {
                action(w.form());
                w.refresh();
            });
        },
        [](MainWindow& w, int) { click(w.widget(Ctl::Command1)); });
}
BENCHMARK_CAPTURE(nextChannel, of_32_differing, false)->MinTime(0.1);
BENCHMARK_CAPTURE(nextChannel, of_32_differing_painted, true);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
