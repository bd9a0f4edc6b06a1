// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the assembly pass and to the Intel HEX reader:
// neither may crash or hang, and what the pass produces must be a sound
// code image that the program map can read.

#include "AssemblyPass.h"
#include "CodeImage.h"
#include "IntelHex.h"
#include "ProgramMap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    const AssemblyPass::Result result = AssemblyPass::run(text);
    if (result.ok) {
        // Every word of a finished image is a whole record.
        const qsizetype records = CodeImage::records(result.image.text()).size();
        if (records * 16 != result.image.text().size()) std::abort();
        (void)ProgramMap::text(result.image.text());
    }
    (void)IntelHex::read(text);
    return 0;
}
