// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// What every obelc command does with its parsed arguments before its work:
// a usage error ends it with the usage text on stderr and status 2, --help
// with the usage text on stdout and status 0.
class CommandStart {
public:
    // The status to end with, or nothing when the command goes on.
    static std::optional<int> afterParse(const char* command, const QString& error, bool help,
                                         const char* usage, QTextStream& out, QTextStream& err);
    // An empty argument is no value (--port "" would otherwise mean the
    // default line): status 2 after saying where it stands.
    static std::optional<int> refuseEmpty(const QString& command, const QStringList& args,
                                          QTextStream& err);
};
