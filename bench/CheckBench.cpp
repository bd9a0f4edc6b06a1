// SPDX-License-Identifier: GPL-3.0-or-later
// The program check of 22 full pages beside the conversion of the same map
// (the conversion covers the first 21; the check warns of the 143 elements
// of page 22): 3,146 elements with labels on the shipped catalogue, contacts
// and boxes in turn and a coil of its own at the end of every row.

#include "DefinitionFiles.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "LadderToText.h"
#include "MapCheck.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct FullMap {
    FullMap() : folder(OBEL_PROGRAM_DIR) {
        const DefinitionFiles files(folder);
        files.loadTemplates(catalogue);
        files.loadPaletteBitmaps(catalogue);
        map.setPagesInUse(LadderMap::Pages);
        for (int page = 0; page < LadderMap::Pages; ++page)
            for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell) {
                const int row = page * LadderMap::Rows + LadderMap::rowOf(cell);
                map.cell(page, cell) =
                    LadderMap::columnOf(cell) == LadderMap::Columns - 1
                        ? CellRecord{"out.bmp", QString("%1,%2").arg(row / 64 % 8).arg(row % 64),
                                     "1", ""}
                        : CellRecord{cell % 2 ? "mgr.bmp" : "no.bmp",
                                     QString("%1,%2").arg(cell % 8).arg(cell % 60), "1", ""};
            }
    }
    ProgramFolder folder;
    ElementCatalogue catalogue;
    LadderMap map;
};

void CheckTwentyTwoPages(benchmark::State& state) {
    const FullMap full;
    qsizetype findings = 0;
    for (auto _ : state) {
        findings = MapCheck::run(full.map, full.catalogue, full.folder).size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = double(findings);
}
BENCHMARK(CheckTwentyTwoPages)->Unit(benchmark::kMillisecond);

// The same map converted, the ".hrim" file into a scratch plc folder.
void ConvertTwentyTwoPages(benchmark::State& state) {
    FullMap full;
    QTemporaryDir scratch;
    QDir().mkpath(scratch.filePath("def"));
    QFile::copy(full.folder.path("def\\ps.def"), scratch.filePath("def/ps.def"));
    const ProgramFolder output(scratch.path());
    qsizetype chars = 0;
    for (auto _ : state) {
        chars = LadderToText::text_prs(full.map, full.catalogue, "BENCH.MAP", output).text.size();
        benchmark::DoNotOptimize(chars);
    }
    state.counters["chars"] = double(chars);
}
BENCHMARK(ConvertTwentyTwoPages)->Unit(benchmark::kMillisecond);

} // namespace
