// SPDX-License-Identifier: GPL-3.0-or-later
// The tracer on its clock, as a user meets it.
//
// PollRate: the tracer at its default 50 ms against the virtual controller
// in this process (the shipped COM5) must keep 20 polls a second without
// drift: the polls a second from the first poll to the last, the drift (how
// far the last poll lags the time 20 a second would put it at) and the
// longest gap between two polls. The full minute is
// OBEL_TRACER_BENCH_SECONDS=60; by default it runs 5 seconds.
//
// PollExchangeAt9600: with obelc sim --pty --baud 9600 on the line, the time
// from a read going out to its whole answer being in must stay within the
// interval. The wire's floor is 8 + 21 characters at 11 bits, 33 ms.

#include "HelperProcess.h"
#include "LineSettings.h"
#include "Link.h"
#include "PacedTransport.h"
#include "QtBenchmarkMain.h"
#include "SerialTransport.h"
#include "Tracer.h"
#include "VirtualTransport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int AnswerHexDigits = 2 * 21;

int runSeconds() {
    bool ok = false;
    const int s = qEnvironmentVariableIntValue("OBEL_TRACER_BENCH_SECONDS", &ok);
    return ok && s > 0 ? s : 5;
}

void PollRate(benchmark::State& state) {
    VirtualTransport line;
    line.open();
    Link link;
    link.setTransport(&line);
    QTimer clock;
    Tracer tracer(link, clock);
    for (auto _ : state) {
        QElapsedTimer elapsed;
        qint64 last = 0, longestGap = 0;
        // Connected after the tracer's own tick: one poll a timeout.
        QObject::connect(&clock, &QTimer::timeout, [&] {
            if (!elapsed.isValid()) elapsed.start();
            const qint64 now = elapsed.nsecsElapsed();
            longestGap = std::max(longestGap, now - last);
            last = now;
        });
        tracer.toggleTracing();
        QEventLoop loop;
        QTimer::singleShot(runSeconds() * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        clock.stop();
        const Tracer::Counters& c = tracer.counters();
        const double span = last / 1e9;
        state.SetIterationTime(span);
        state.counters["polls"] = c.polls;
        state.counters["polls_per_s"] = (c.polls - 1) / span;
        state.counters["drift_ms"] = last / 1e6 - (c.polls - 1) * double(Tracer::DefaultIntervalMs);
        state.counters["longest_gap_ms"] = longestGap / 1e6;
        state.counters["not_good"] = c.polls - 1 - c.good;
    }
}
BENCHMARK(PollRate)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

void PollExchangeAt9600(benchmark::State& state) {
    constexpr int Baud = 9600;
    QTemporaryDir dir;
    HelperProcess sim(OBELC, {"sim", "--pty", dir.filePath("plc"), "--baud", QString::number(Baud)},
                      false);
    SerialTransport line(sim.firstLine());
    line.setLine(
        *LineSettings::parse(QStringLiteral("%1,n,8,1").arg(Baud))); // a pty takes no parity
    if (!line.open()) {
        state.SkipWithError("cannot open the simulator's pty");
        return;
    }
    Link link;
    link.setTransport(&line);
    QTimer clock;
    Tracer tracer(link, clock);
    tracer.toggleTracing();
    clock.stop(); // the benchmark ticks
    double longest = 0;
    for (auto _ : state) {
        QEventLoop loop;
        const auto answered = QObject::connect(&tracer, &Tracer::stateChanged, &loop, [&] {
            if (tracer.received().size() == AnswerHexDigits) loop.quit();
        });
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        QElapsedTimer elapsed;
        elapsed.start();
        tracer.tick();
        loop.exec();
        QObject::disconnect(answered);
        const double seconds = elapsed.nsecsElapsed() / 1e9;
        if (tracer.received().size() != AnswerHexDigits) {
            state.SkipWithError("no whole answer within a second");
            return;
        }
        state.SetIterationTime(seconds);
        longest = std::max(longest, seconds);
    }
    tracer.tick(); // judges the last answer
    state.counters["floor_ms"] = PacedTransport::wireTime(8 + 21, Baud).count() / 1e6;
    state.counters["longest_ms"] = longest * 1e3;
    state.counters["interval_ms"] = Tracer::DefaultIntervalMs;
    state.counters["good"] = tracer.counters().good;
}
BENCHMARK(PollExchangeAt9600)->Unit(benchmark::kMillisecond)->Iterations(40)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    return runQtBenchmarks<QCoreApplication>(argc, argv);
}
