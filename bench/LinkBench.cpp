// Downloads over a pty into obelc sim, the virtual controller in its own
// process, as a user's download goes to a controller.
//
// The software's own cost: a download of acknowledged byte writes into a
// simulator without a line model, next to as many libmodbus function-6
// register writes into another such simulator. Both sides open the pty as a
// serial port and both talk to the same program, which answers a byte write
// and a register write alike the moment the frame is whole: what differs is
// the master's software alone. The machine's load moves both a lot, so each
// runs seven times, one download or as many writes a run, interleaved with the
// other's runs in random order; main() prints the median rates and their
// ratio.
//
// The wire: the same download into obelc sim --baud N, against the floor of
// 99 bit times a byte write (8 bytes out, 1 acknowledgement back, 11 bits a
// character). The full 8 KiB at 9600 baud takes about 85 s and runs once;
// OBEL_LINK_BENCH_BYTES=N (even) makes every run N bytes instead, for a
// quick run.
//
// The adapter: the same download through a USB serial adapter's hold on
// every answer (obelc sim --hold), 16 ms as FTDI's latency timer holds a
// short answer by default and 1 ms in low-latency mode, at 9600 and 38400
// baud; main() prints them beside the wire floor.

#include "Assmber.h"
#include "HelperProcess.h"
#include "LineSettings.h"
#include "Link.h"
#include "PacedTransport.h"
#include "ProgramDownload.h"
#include "ProgramFolder.h"
#include "SerialTransport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <modbus.h>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace {

// The image's bytes: an even number, as the image is made of 16-bit words.
int imageBytes() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("OBEL_LINK_BENCH_BYTES", &ok) & ~1;
    return ok && n > 0 && n <= 0x10000 ? n : 8192;
}

// obelc sim on a new pty, stopped with the benchmark.
class Simulator {
public:
    explicit Simulator(const QStringList& options)
        : process_(OBELC, QStringList{"sim", "--pty", dir_.filePath("plc")} + options, false),
          device_(process_.firstLine()) {}
    const QString& device() const { return device_; }

private:
    QTemporaryDir dir_;
    HelperProcess process_;
    QString device_;
};

// Items a second of each benchmark's last run, for the ratio.
std::map<std::string, std::vector<double>> rates;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A source whose image is `bytes` bytes (one 16-bit word a line).
QString source(int bytes) {
    QString text;
    for (int i = 0; i < bytes / 2; ++i)
        text += QStringLiteral("            IN,%1,%2\r\n").arg(i % 8).arg(i % 64);
    return text;
}

// One download of the source by ProgramDownload, as "Assm" runs it: the
// seconds of its transfer (halt, the byte writes, start), or nothing when it
// did not end well. The probe before it waits out its DELAYs in full and the
// assembly is not the link's, so neither counts.
std::optional<double> download(ProgramDownload& programDownload, const QString& text) {
    QElapsedTimer clock;
    std::optional<ProgramDownload::Outcome> outcome;
    QEventLoop loop;
    QObject context;
    QObject::connect(&programDownload, &ProgramDownload::phaseChanged, &context, [&](auto phase) {
        if (phase == ProgramDownload::Phase::Transfer) clock.start();
    });
    QObject::connect(&programDownload, &ProgramDownload::finished, &context, [&](auto o) {
        outcome = o;
        loop.quit();
    });
    if (!programDownload.start(text)) return std::nullopt;
    loop.exec();
    if (outcome != ProgramDownload::Outcome::Done) return std::nullopt;
    return clock.nsecsElapsed() / 1e9;
}

// Runs downloads into a simulator with `options` on its line; their seconds
// in all, or nothing (the benchmark skipped) when the line or a byte write
// fails.
std::optional<double> runDownloads(benchmark::State& state, const QStringList& options) {
    Simulator sim(options);
    SerialTransport line(sim.device());
    line.setLine(*LineSettings::parse("38400,n,8,1")); // a pty takes no parity
    if (sim.device().isEmpty() || !line.open()) {
        state.SkipWithError("cannot open the simulator's pty");
        return std::nullopt;
    }
    Link link;
    link.setTransport(&line);
    // Long enough for any acknowledgement, which ends the wait at once; the
    // probe's reply is waited out in full.
    link.setDelayMs(100);
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    Assmber assmber(folder);
    assmber.setWithController(true);
    ProgramDownload programDownload(link, assmber);
    const int bytes = imageBytes();
    const QString text = source(bytes);
    double total = 0;
    for (auto _ : state) {
        const std::optional<double> seconds = download(programDownload, text);
        if (!seconds) {
            state.SkipWithError("the download did not end well");
            return std::nullopt;
        }
        state.SetIterationTime(*seconds);
        total += *seconds;
    }
    state.SetItemsProcessed(state.iterations() * bytes);
    return total;
}

void DownloadByteWrites(benchmark::State& state) {
    if (const auto seconds = runDownloads(state, {}))
        rates["download"].push_back(state.iterations() * imageBytes() / *seconds);
}
BENCHMARK(DownloadByteWrites)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->UseManualTime();

void LibmodbusRegisterWrites(benchmark::State& state) {
    Simulator sim({});
    modbus_t* ctx = modbus_new_rtu(qPrintable(sim.device()), 38400, 'N', 8, 1);
    if (!ctx || modbus_set_slave(ctx, 0xAD) != 0 || modbus_connect(ctx) != 0) {
        state.SkipWithError("libmodbus cannot open the pty");
        if (ctx) modbus_free(ctx);
        return;
    }
    modbus_set_response_timeout(ctx, 1, 0);
    const int writes = imageBytes();
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state)
        for (int i = 0; i < writes; ++i)
            if (modbus_write_register(ctx, 0x20, uint16_t(i)) != 1) {
                state.SkipWithError(modbus_strerror(errno));
                break;
            }
    rates["libmodbus"].push_back(state.iterations() * writes / (clock.nsecsElapsed() / 1e9));
    state.SetItemsProcessed(state.iterations() * writes);
    modbus_close(ctx);
    modbus_free(ctx);
}
BENCHMARK(LibmodbusRegisterWrites)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->UseRealTime();

// Seconds of one download on the wire, by baud rate and the adapter's hold
// (0: none), for the table main() prints.
std::map<std::pair<int, int>, double> onTheWire;

double wireFloor(int baud) {
    return PacedTransport::wireTime(8 + 1, baud).count() / 1e9 * imageBytes();
}

void downloadOnTheWire(benchmark::State& state, int baud, int holdMs) {
    const auto seconds =
        runDownloads(state, {"--baud", QString::number(baud), "--hold", QString::number(holdMs)});
    if (!seconds) return;
    const double once = *seconds / state.iterations();
    onTheWire[{baud, holdMs}] = once;
    state.counters["floor_s"] = wireFloor(baud);
    state.counters["over_floor_pct"] = 100 * (once / wireFloor(baud) - 1);
}

void DownloadOnTheWire(benchmark::State& state) {
    downloadOnTheWire(state, int(state.range(0)), 0);
}
BENCHMARK(DownloadOnTheWire)
    ->Arg(9600)
    ->Arg(38400)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseManualTime();

// A USB serial adapter on the wire that holds every answer for its latency
// timer: 16 ms, FTDI's default, and 1 ms, what its driver sets in low-latency
// mode. Every acknowledged byte write pays the hold once.
void DownloadThroughAnAdapter(benchmark::State& state) {
    downloadOnTheWire(state, int(state.range(0)), int(state.range(1)));
}
BENCHMARK(DownloadThroughAnAdapter)
    ->ArgNames({"baud", "hold_ms"})
    ->ArgsProduct({{9600, 38400}, {16, 1}})
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Interleaved unless the command line says otherwise.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (rates.count("download") && rates.count("libmodbus")) {
        const double ours = median(rates["download"]), theirs = median(rates["libmodbus"]);
        std::printf("median rates: byte writes %.0f/s, libmodbus writes %.0f/s; ratio %.2f\n", ours,
                    theirs, ours / theirs);
    }
    for (const int baud : {9600, 38400}) {
        const auto seconds = [baud](int hold) {
            const auto found = onTheWire.find({baud, hold});
            return found == onTheWire.end() ? QStringLiteral("-")
                                            : QString::number(found->second, 'f', 1) + " s";
        };
        std::printf("%d bytes at %5d baud: wire floor %.1f s, on the wire %s, through an adapter "
                    "holding 16 ms %s, 1 ms %s\n",
                    imageBytes(), baud, wireFloor(baud), qPrintable(seconds(0)),
                    qPrintable(seconds(16)), qPrintable(seconds(1)));
    }
    return 0;
}
