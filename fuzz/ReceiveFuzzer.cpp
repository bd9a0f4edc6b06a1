// SPDX-License-Identifier: GPL-3.0-or-later
// The link's receive handler: arrivals of arbitrary bytes with the receive
// log on (its three filters from the input) and the download window's dump
// switched on or off, and the tracer's share while the link is idle.

#include "FuzzInput.h"
#include "Link.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::application();
    if (size < 5) return 0;
    Link link;
    link.receiveLog().setEnabled(data[0] & 1);
    link.setDumpSwitch(data[0] & 2);
    link.setLinkIdle(data[0] & 4);
    for (int i = 0; i < 3; ++i)
        link.receiveLog().setFilter(i, data[1 + i]);
    const qsizetype piece = 1 + data[4] % 64;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 5), qsizetype(size - 5));
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        link.onComm(bytes.mid(at, piece));
    if (link.received().size() > 31) std::abort();
    // Each byte leaves at most a line break, three characters and a blank.
    if (link.receiveLog().text().size() > 5 * bytes.size()) std::abort();
    return 0;
}
