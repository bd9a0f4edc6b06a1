// SPDX-License-Identifier: GPL-3.0-or-later
// Assembling is one linear pass: a 16,000-line source (goal: under 20 ms on
// the development machine), its source replacement, and loading a 4 KiB
// macro block from Intel HEX. The pass steps through comment and blank
// lines two characters at a time; its time a character must stay the same
// from a line of 1,000 characters to one of 10,000,000 (time_per_char).

#include "AssemblyPass.h"
#include "CodeImage.h"
#include "MacroBlocks.h"
#include "ProgramFolder.h"
#include "SourceReplacement.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Rungs as the conversion writes them: contacts, a coil or a box, the row
// comment after each rung; 16,000 lines in all.
QString sixteenThousandLines() {
    const QString indent(12, u' ');
    QString text = QStringLiteral("\r\n\r\n\r\n");
    for (int rung = 0; rung < 3200; ++rung)
        text += indent + QStringLiteral("IN,%1,%2\r\n").arg(rung % 8).arg(rung % 64) + indent +
                QStringLiteral("/AND,1,%1\r\n").arg(rung % 64) + indent +
                QStringLiteral("OR,2,3\r\n") + indent +
                (rung % 2 ? QStringLiteral(" OUT,1,%1\r\n").arg(rung % 64)
                          : QStringLiteral(" MOVD,%1          ,100\r\n").arg(rung % 200)) +
                QStringLiteral("' %1\r\n").arg(rung % 13 + 2);
    return text + QStringLiteral("       PEND\r\n");
}

void AssembleSixteenThousandLines(benchmark::State& state) {
    const QString work = sixteenThousandLines();
    int instructions = 0;
    for (auto _ : state) {
        const AssemblyPass::Result result = AssemblyPass::run(work, [](int) {});
        instructions = result.instructions;
        benchmark::DoNotOptimize(result.image.text().size());
    }
    state.counters["instructions"] = instructions;
}
BENCHMARK(AssembleSixteenThousandLines)->Unit(benchmark::kMillisecond);

// One comment line (kind 0) or blank line (kind 1) of `length` characters
// between two instructions.
void AssembleALongLine(benchmark::State& state) {
    const qsizetype length = state.range(1);
    const QString indent(12, u' ');
    const QString line = state.range(0) == 0 ? QStringLiteral("' 2") + QString(length - 3, u'x')
                                             : QString(length, u' ');
    const QString work =
        "\r\n" + indent + "NOP\r\n" + line + "\r\n" + indent + "END\r\n       PEND\r\n";
    for (auto _ : state) {
        const AssemblyPass::Result result = AssemblyPass::run(work);
        if (result.instructions != 2) state.SkipWithError("the instructions were not both found");
    }
    state.counters["time_per_char"] =
        benchmark::Counter(double(length) * double(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(AssembleALongLine)
    ->ArgNames({"blank", "chars"})
    ->ArgsProduct({{0, 1}, {1000, 10000, 100000, 1000000, 10000000}})
    ->Unit(benchmark::kMillisecond);

void ReplaceInSixteenThousandLines(benchmark::State& state) {
    const QString source = sixteenThousandLines().toLower();
    const QStringList list{"MEMO [OUT,]", "SYS, [CALL,]", "XW, [MOVM,]"};
    for (auto _ : state)
        benchmark::DoNotOptimize(SourceReplacement::apply(source, list).work.size());
}
BENCHMARK(ReplaceInSixteenThousandLines)->Unit(benchmark::kMillisecond);

// 4,096 bytes at block 0, in records of 16 bytes as most tools write them.
QByteArray fourKibibyteMacro() {
    QByteArray hex;
    for (int address = 0x1000; address < 0x2000; address += 16) {
        QByteArray record;
        record.append(char(16))
            .append(char(address >> 8))
            .append(char(address & 0xFF))
            .append(char(0));
        for (int i = 0; i < 16; ++i)
            record.append(char((address + i) & 0xFF));
        quint8 sum = 0;
        for (char byte : record)
            sum += quint8(byte);
        record.append(char(quint8(-sum)));
        hex += ':' + record.toHex().toUpper() + "\r\n";
    }
    return hex + ":00000001FF\r\n";
}

void LoadFourKibibyteMacro(benchmark::State& state) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("MACRO");
    QFile file(dir.filePath("MACRO/0.HEX"));
    if (!file.open(QIODevice::WriteOnly)) state.SkipWithError("cannot write the macro file");
    file.write(fourKibibyteMacro());
    file.close();
    const ProgramFolder folder(dir.path());
    qsizetype records = 0;
    for (auto _ : state) {
        MacroBlocks macros(folder);
        CodeImage image;
        if (!macros.load(QStringLiteral("MACRO_N,0\r\n"), {}, image).isEmpty())
            state.SkipWithError("the macro did not load");
        records = CodeImage::records(image.text()).size();
    }
    state.counters["records"] = double(records);
}
BENCHMARK(LoadFourKibibyteMacro)->Unit(benchmark::kMicrosecond);

} // namespace
