// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc check [-C PROGRAM_DIR] [--strict] [--json] MAPFILE: the program
// check of a map, one compiler-style line a finding.
class CheckCommand {
public:
    static const char* usage();
    // 0 nothing or only warnings found, 1 an error (--strict: or a warning),
    // 2 bad usage or a map or program folder that cannot be read.
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
