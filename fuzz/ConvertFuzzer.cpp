// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion: a map file (piece 1) converted with def/ps.def (piece 2)
// and the templates of slots 1 to 8 (pieces 3 to 10) read from a program
// folder, as obelc convert does.

#include "DefinitionFiles.h"
#include "ElementCatalogue.h"
#include "FuzzInput.h"
#include "LadderMap.h"
#include "LadderToText.h"
#include "MapFile.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto p = fuzz::pieces(data, size, 10);
    fuzz::Scratch& scratch = fuzz::Scratch::get();
    scratch.write("def/mapbk.def",
                  "space.bmp\r\nno.bmp\r\nnc.bmp\r\nout.bmp\r\nline1.bmp\r\nline2.bmp\r\n"
                  "del_s.bmp\r\nmgr.bmp\r\nend.bmp\r\n");
    scratch.write("def/ps.def", p[1]);
    for (int slot = 1; slot <= 8; ++slot)
        scratch.write(QStringLiteral("def/map%1.def").arg(slot), p[1 + slot]);
    const DefinitionFiles files(scratch.folder());
    ElementCatalogue catalogue;
    files.loadTemplates(catalogue);
    files.loadPaletteBitmaps(catalogue);
    LadderMap map;
    map.setPagesInUse(2);
    QBuffer mapFile;
    mapFile.setData(p[0]);
    mapFile.open(QIODevice::ReadOnly);
    MapFile::read(mapFile, map);
    (void)LadderToText::text_prs(map, catalogue, QStringLiteral("FUZZ.MAP"), scratch.folder());
    return 0;
}
