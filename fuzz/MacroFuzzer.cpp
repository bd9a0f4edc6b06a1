// SPDX-License-Identifier: GPL-3.0-or-later
// Macro blocks: the names a source (piece 1) calls, and loading them from
// MACRO/A.HEX and MACRO/B.HEX (pieces 2 and 3) into a code image that the
// program map must still read.

#include "CodeImage.h"
#include "FuzzInput.h"
#include "MacroBlocks.h"
#include "ProgramMap.h"
#include "TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto p = fuzz::pieces(data, size, 3);
    fuzz::Scratch& scratch = fuzz::Scratch::get();
    scratch.write("MACRO/A.HEX", p[1]);
    scratch.write("MACRO/B.HEX", p[2]);
    MacroBlocks macros(scratch.folder());
    CodeImage image;
    if (macros.load(TextCodec::decode(p[0]), {}, image).isEmpty())
        (void)ProgramMap::text(image.text());
    return 0;
}
