// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextStream;

// The program folder an obelc command works on: the one given with -C, else
// the one Obel itself would use.
class ProgramFolderOption {
public:
    // The folder's absolute path, or an empty string after telling err why
    // there is none.
    static QString resolve(const QString& given, QTextStream& err);
};
