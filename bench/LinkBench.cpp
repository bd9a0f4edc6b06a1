// Round trips over a pty against obelc sim, the virtual controller in its
// own process: our acknowledged byte writes (the download's exchange) next to
// libmodbus's function-6 register writes, on the same kind of line.

#include "HelperProcess.h"
#include "LineSettings.h"
#include "Link.h"
#include "LinkRun.h"
#include "SerialTransport.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <modbus.h>

namespace {

QString device;

void ByteWriteExchanges(benchmark::State& state) {
    SerialTransport line(device);
    // A pty takes no parity.
    line.setLine(*LineSettings::parse("38400,n,8,1"));
    if (!line.open()) {
        state.SkipWithError("cannot open the pty");
        return;
    }
    Link link;
    link.setTransport(&line);
    link.setDelayMs(1000);
    quint16 address = 0;
    for (auto _ : state) {
        Frames::byteWrite(link.ShortFrame, address, quint8(address));
        ++address;
        if (runExchange(link, Link::Buffer::Short, Link::Flag::Ack) != true) {
            state.SkipWithError("a byte write was not acknowledged");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ByteWriteExchanges)->Unit(benchmark::kMicrosecond)->MinTime(2.0)->UseRealTime();

void LibmodbusRegisterWrites(benchmark::State& state) {
    modbus_t* ctx = modbus_new_rtu(qPrintable(device), 38400, 'N', 8, 1);
    if (!ctx || modbus_set_slave(ctx, 0xAD) != 0 || modbus_connect(ctx) != 0) {
        state.SkipWithError("libmodbus cannot open the pty");
        if (ctx) modbus_free(ctx);
        return;
    }
    modbus_set_response_timeout(ctx, 1, 0);
    uint16_t value = 0;
    for (auto _ : state)
        if (modbus_write_register(ctx, 0x20, value++) != 1) {
            state.SkipWithError(modbus_strerror(errno));
            break;
        }
    state.SetItemsProcessed(state.iterations());
    modbus_close(ctx);
    modbus_free(ctx);
}
BENCHMARK(LibmodbusRegisterWrites)->Unit(benchmark::kMicrosecond)->MinTime(2.0)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    HelperProcess sim(OBELC, {"sim", "--pty", dir.filePath("plc")}, false);
    device = sim.firstLine();
    if (device.isEmpty()) {
        fprintf(stderr, "obelc sim did not start\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
