// SPDX-License-Identifier: GPL-3.0-or-later
// The assembler's source replacement: def/Replace.def (piece 1) applied to a
// source (piece 2), then the pass over the result.

#include "AssemblyPass.h"
#include "FuzzInput.h"
#include "LineReader.h"
#include "SourceReplacement.h"
#include "TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto p = fuzz::pieces(data, size, 2);
    const QStringList list = LineReader::lines(TextCodec::decode(p[0]));
    const SourceReplacement::Result result =
        SourceReplacement::apply(TextCodec::decode(p[1]), list);
    (void)AssemblyPass::run(result.work);
    return 0;
}
