// SPDX-License-Identifier: GPL-3.0-or-later
// The definition files the start-up reads (def/mapbk.def, def/NAME.TXT,
// def/label.def, def/mpage.def) and the caption file fun_name1.txt, each
// from its piece of the input; then everything read is written back.

#include "CaptionFile.h"
#include "DefinitionFiles.h"
#include "ElementCatalogue.h"
#include "FuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto p = fuzz::pieces(data, size, 5);
    fuzz::Scratch& scratch = fuzz::Scratch::get();
    scratch.write("def/mapbk.def", p[0]);
    scratch.write("def/NAME.TXT", p[1]);
    scratch.write("def/label.def", p[2]);
    scratch.write("def/mpage.def", p[3]);
    scratch.write("fun_name1.txt", p[4]);
    const DefinitionFiles files(scratch.folder());
    ElementCatalogue catalogue;
    if (files.loadPaletteBitmaps(catalogue) > ElementCatalogue::Slots) std::abort();
    files.loadNames(catalogue);
    const QStringList labels = files.loadLabels();
    (void)files.readPageCount();
    if (CaptionFile::load(scratch.folder()).size() != CaptionFile::AllCaptions) std::abort();
    QString error;
    files.writePaletteBitmaps(catalogue, &error);
    files.writeNames(catalogue, &error);
    files.writeLabels(labels.join(QStringLiteral("\r\n")), &error);
    return 0;
}
