// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion of 21 full pages: 3,003 elements with labels, a contact
// and a two-operand box in turn, the output file included.

#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "LadderToText.h"
#include "ProgramFolder.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void ConvertTwentyOnePages(benchmark::State& state) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    ElementCatalogue catalogue;
    catalogue.setPaletteBitmap(11, "no.bmp");
    catalogue.setTemplate(11, "\r\nX,");
    catalogue.setPaletteBitmap(28, "mgr.bmp");
    catalogue.setTemplate(28, "\r\n*MGR,#1,#2");
    LadderMap map;
    map.setPagesInUse(22);
    for (int page = 0; page < 21; ++page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell)
            map.cell(page, cell) = {cell % 2 ? "mgr.bmp" : "no.bmp",
                                    QString("%1,%2").arg(cell % 8).arg(cell % 60), "1", ""};
    qint64 bytes = 0;
    for (auto _ : state) {
        const auto result = LadderToText::text_prs(map, catalogue, "BENCH.MAP", folder);
        bytes = result.text.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["chars"] = double(bytes);
}
BENCHMARK(ConvertTwentyOnePages)->Unit(benchmark::kMillisecond);

} // namespace
