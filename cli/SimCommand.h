// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc sim [--pty PATH] [--listen HOST:PORT] [--slave N] [--baud N [--hold MS]]: the virtual
// controller on a new pseudo-terminal or a TCP port, until SIGINT or SIGTERM.
// Prints the line to put into def/comports.def (the pty's device path, or
// tcp:HOST:PORT) and logs every frame it handles on standard error.
class SimCommand {
public:
    static const char* usage();
    // Returns the exit status: 0 stopped by a signal, 1 the line could not be made, 2 bad usage.
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
