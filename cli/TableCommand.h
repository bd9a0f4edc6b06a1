// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc table [-C DIR] [--port PORT] [--baud N] [--delay MS] NAME: the table
// TAB/NAME.tab into the controller's memory, as "Write" of the assembler
// window does after "Write TAB OK ?". Prints every frame sent.
class TableCommand {
public:
    static const char* usage();
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
