// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc clock [-C DIR] [--port PORT] [--baud N] [--slave N] [--time TEXT]
// [--read]: sets the controller's clock as "T.Adj" does (to now by default)
// and prints the frame; with --read reads the clock back instead.
class ClockCommand {
public:
    static const char* usage();
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
