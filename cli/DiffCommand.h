// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc diff [-C PROGRAM_DIR] [--json] OLD.MAP NEW.MAP: the cells added,
// removed and changed, by page, row and column. Its exit status is diff's:
// 0 the maps are equal, 1 they differ, 2 trouble (bad usage, a map that
// cannot be read).
class DiffCommand {
public:
    static const char* usage();
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
