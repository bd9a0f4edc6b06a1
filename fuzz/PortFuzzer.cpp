// SPDX-License-Identifier: GPL-3.0-or-later
// The port's files and texts: def/rs232.def (piece 1) read as the window
// loads it, the line-settings text (piece 2) and def/comports.def (piece 3).

#include "FuzzInput.h"
#include "LineSettings.h"
#include "PortMap.h"
#include "PortSettings.h"
#include "TextCodec.h"
#include "Transport.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::application();
    const auto p = fuzz::pieces(data, size, 3);
    fuzz::Scratch& scratch = fuzz::Scratch::get();
    scratch.write("def/rs232.def", p[0]);
    scratch.write("def/comports.def", p[2]);
    PortSettings port(scratch.folder(), [](const QString&) { return nullptr; });
    port.readFile();
    if (port.commPort() < 1 || port.commPort() > PortSettings::MaxPort) std::abort();
    if (!LineSettings::parse(port.settings())) std::abort();
    if (const auto line = LineSettings::parse(TextCodec::decode(p[1])))
        if (!LineSettings::parse(line->text())) std::abort();
    const PortMap map = PortMap::read(scratch.folder());
    for (int com = 1; com <= 5; ++com)
        if (map.target(com).isEmpty()) std::abort();
    return 0;
}
