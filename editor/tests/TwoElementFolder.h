// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestFolder.h"

// A program folder with three pages in use and two elements: slot 1 the
// contact no.bmp (template X), slot 2 the coil out.bmp (template Y).
inline void writeTwoElements(TestFolder& t) {
    t.write("def/mpage.def", " 3\r\n");
    t.write("def/mapbk.def", "space.bmp\r\nno.bmp\r\nout.bmp\r\n");
    t.write("def/map1.def", "X\r\n");
    t.write("def/map2.def", "Y\r\n");
    for (const char* name : {"space.bmp", "no.bmp", "out.bmp"})
        t.write(QString("BMP/") + name, "b");
}
