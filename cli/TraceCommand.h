// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc trace [-C DIR] [--port PORT] [--baud N] [--slave N] [--interval MS]
// [--count N] [--csv FILE]: the tracer without its window. It polls the
// controller's memory as the tracer does and prints every good answer, or
// records it into a CSV file.
class TraceCommand {
public:
    static const char* usage();
    // Returns the exit status that usage() lists.
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
