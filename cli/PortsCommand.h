// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc ports [-C PROGRAM_DIR]: which line each port option means now
// (def/comports.def) and the serial ports this machine has, to fill it in.
class PortsCommand {
public:
    static const char* usage();
    // Returns the exit status: 0 done, 1 no program folder, 2 bad usage.
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
