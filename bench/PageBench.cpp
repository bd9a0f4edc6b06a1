// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up until the main window is shown, the page display, and what an
// idle main window costs (its 10 ms timer runs on), on the pristine program
// folder the build assembles (read, never written). Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/obel_bench
// OBEL_IDLE_BENCH_SECONDS=N measures the idle window for N seconds (5).

#include "Form1.h"
#include "GridView.h"
#include "MapEditor.h"
#include "ProgramFolder.h"
#include "Prompter.h"
#include "QtBenchmarkMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <ctime>

#include <benchmark/benchmark.h>

namespace {

class QuietPrompter : public Prompter {
public:
    bool confirm(const QString&, const QString&) override { return true; }
    void inform(const QString&, const QString&) override {}
    std::optional<QString> ask(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    int choose(const QString&, const QString&, const QStringList&) override { return -1; }
    void beep() override {}
};

const ProgramFolder folder(QStringLiteral(OBEL_PROGRAM_DIR));

void StartUpUntilShown(benchmark::State& state) {
    for (auto _ : state) {
        QuietPrompter prompter;
        MapEditor editor(folder, prompter);
        Form1 window(editor);
        window.start();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
        QApplication::processEvents();
    }
}
BENCHMARK(StartUpUntilShown)->Unit(benchmark::kMillisecond);

// The main window after its start-up, shown.
struct ShownWindow {
    ShownWindow() {
        window.start();
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }
    QuietPrompter prompter;
    MapEditor editor{folder, prompter};
    Form1 window{editor};
};

// A full page of elements with labels, shown and painted.
void ShowPage(benchmark::State& state) {
    ShownWindow shown;
    MapEditor& editor = shown.editor;
    editor.map().setPagesInUse(2); // the map only: the page count file stays
    for (int page = 0; page < 2; ++page)
        for (int cell = 0; cell < 143; ++cell)
            editor.map().cell(page, cell) = {cell % 2 ? "no.bmp" : "out.bmp", "X0.1", "1", ""};
    int page = 0;
    for (auto _ : state) {
        editor.view().showPage(page ^= 1);
        shown.window.grid()->repaint();
    }
}
BENCHMARK(ShowPage)->Unit(benchmark::kMicrosecond);

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The share of one core an idle main window takes, as the counter
// "cpu_percent": with nothing selected, and with a palette slot and a cell
// marked (both blink).
void IdleWindow(benchmark::State& state) {
    ShownWindow shown;
    MapEditor& editor = shown.editor;
    if (state.range(0)) {
        editor.grid().selectSlot(1);
        editor.view().setMarkedCell(20);
    }
    // The program's own event loop: QTest::qWait would sleep in between.
    const auto idleFor = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    idleFor(500); // start-up's own work settles
    const int seconds = qEnvironmentVariableIntValue("OBEL_IDLE_BENCH_SECONDS");
    const int ms = 1000 * (seconds > 0 ? seconds : 5);
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        idleFor(ms);
        cpu += processCpuSeconds() - cpuBefore;
        wall += double(clock.nsecsElapsed()) / 1e9;
    }
    state.counters["cpu_percent"] = 100 * cpu / wall;
}
BENCHMARK(IdleWindow)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    return runQtBenchmarks<QApplication>(argc, argv);
}
