// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc run|stop [-C DIR] [--port PORT] [--baud N]: the start or the halt
// frame, as the assembler window's run/stop button sends it; no answer is
// awaited.
class RunStopCommand {
public:
    enum class Frame { Start, Halt };
    // Its obelc command: run or stop.
    static const char* name(Frame frame);
    static QString usage(Frame frame);
    // Returns 0 when the frame went out, 2 on bad usage, 5 when the port
    // cannot be opened, 1 without a program folder.
    static int run(Frame frame, const QStringList& args, QTextStream& out, QTextStream& err);
};
