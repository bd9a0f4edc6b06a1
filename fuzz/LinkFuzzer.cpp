// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual controller's side of the line: arbitrary bytes, cut where the
// input says, through the frame splitter (and the quiet that ends what is
// left) and through the controller's request handling. Nothing may crash or
// hang, and the splitter must hand on every byte exactly once.

#include "FrameSplitter.h"
#include "FuzzInput.h"
#include "VirtualController.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::application();
    if (size == 0) return 0;
    // The first byte says where the line cuts the rest.
    const qsizetype piece = 1 + data[0] % 32;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    FrameSplitter splitter;
    QByteArray taken;
    const FrameSplitter::Take take = [&taken](const FrameSplitter::Frame& f) {
        if (f.bytes.isEmpty() || f.bytes.size() > 264) std::abort();
        taken += f.bytes;
    };
    VirtualController controller;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        splitter.feed(bytes.mid(at, piece), take);
        controller.receive(bytes.mid(at, piece));
    }
    splitter.flush(take);
    if (taken != bytes || splitter.pending()) std::abort();
    return 0;
}
