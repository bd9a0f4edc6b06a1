// SPDX-License-Identifier: GPL-3.0-or-later
// The load log PLC/List.txt (piece 2) as the history box shows it, and a
// double click in it at the place piece 1 gives.

#include "DefinitionFiles.h"
#include "EditHistory.h"
#include "ElementCatalogue.h"
#include "FakePrompter.h"
#include "FuzzInput.h"
#include "LadderMap.h"
#include "MapFiles.h"
#include "PageView.h"
#include "Pictures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::application();
    const auto p = fuzz::pieces(data, size, 2);
    fuzz::Scratch& scratch = fuzz::Scratch::get();
    scratch.write("PLC/List.txt", p[1]);
    static LadderMap map;
    static ElementCatalogue catalogue;
    static Pictures pictures(scratch.folder());
    static PageView view(map, catalogue, pictures);
    static FakePrompter prompter;
    static const QString table;
    static EditHistory history(map, scratch.folder().path(QStringLiteral("def")));
    MapFiles files(scratch.folder(), map, view, history, table, prompter);
    const QString log = files.history();
    const qsizetype caret = p[0].isEmpty() ? 0 : qsizetype(quint8(p[0][0])) * 64 % (log.size() + 1);
    files.pickFromHistory(log, caret);
    return 0;
}
