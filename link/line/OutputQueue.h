// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// What the kernel still holds of what was written to a descriptor: on a
// serial device the characters not yet on the wire, on a TCP connection the
// bytes the peer has not yet acknowledged. 0 when the descriptor cannot say.
class OutputQueue {
public:
    static qint64 unsent(qintptr descriptor);
};
