// SPDX-License-Identifier: GPL-3.0-or-later
// The trend window's cost while the tracer polls, as the counter
// "cpu_percent": the share of one core the process takes with the tracer
// polling the virtual controller at 20 polls a second, first without the
// trend window (Arg 0), then with it shown drawing 16 traces over its
// 10-minute window (Arg 1). Before the second, the trend is filled with
// 12,000 polls, the 430 points a trace 10 minutes at 20 polls a second
// give. OBEL_TREND_BENCH_SECONDS=N measures for N seconds (default 10).

#include "Link.h"
#include "QtBenchmarkMain.h"
#include "Tracer.h"
#include "TrendWindow.h"
#include "VirtualTransport.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <ctime>

#include <benchmark/benchmark.h>

namespace {

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Eight bytes and eight bits, spread over the blocks that carry cells.
void pickSixteen(Trend& trend) {
    for (int i = 0; i < 8; ++i) {
        trend.add({16 * i + 1});
        trend.add({16 * i + 5, i});
    }
    trend.setWindowMs(Trend::MaxWindowMs);
}

// 12,000 polls as fast as the virtual controller answers them.
void fill(Tracer& tracer, QTimer& clock) {
    clock.stop();
    for (int i = 0; i < 12'000; ++i) {
        tracer.tick();
        QCoreApplication::processEvents();
    }
    clock.start();
}

void TracingWithTrend(benchmark::State& state) {
    VirtualTransport line;
    line.open();
    Link link;
    link.setTransport(&line);
    QTimer clock;
    Tracer tracer(link, clock);
    tracer.toggleTracing();
    TrendWindow window(tracer);
    if (state.range(0)) {
        pickSixteen(window.trend());
        fill(tracer, clock);
        window.show();
    }
    runFor(500);
    const int seconds = qEnvironmentVariableIntValue("OBEL_TREND_BENCH_SECONDS");
    const int ms = 1000 * (seconds > 0 ? seconds : 10);
    double cpu = 0, wall = 0;
    const int pollsBefore = tracer.counters().polls;
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer elapsed;
        elapsed.start();
        runFor(ms);
        cpu += processCpuSeconds() - cpuBefore;
        wall += double(elapsed.nsecsElapsed()) / 1e9;
    }
    state.counters["cpu_percent"] = 100 * cpu / wall;
    state.counters["polls_per_s"] = (tracer.counters().polls - pollsBefore) / wall;
    state.counters["traces"] = double(window.trend().traces().size());
    state.counters["points_per_trace"] =
        double(window.trend()
                   .log()
                   .points({1}, window.trend().viewStart(), window.trend().viewEnd())
                   .size());
}
BENCHMARK(TracingWithTrend)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    return runQtBenchmarks<QApplication>(argc, argv);
}
