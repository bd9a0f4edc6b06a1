// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the map file reader: it must skip what it cannot
// place, never crash, hang or grow without bound.

#include "LadderMap.h"
#include "MapFile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static LadderMap map;
    QBuffer buffer;
    buffer.setData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    buffer.open(QIODevice::ReadOnly);
    const MapFile::ReadResult result = MapFile::read(buffer, map);
    // Whatever was stored must be writable again.
    if (result.cells > 0) (void)MapFile::write(map, LadderMap::Pages - 1);
    return 0;
}
