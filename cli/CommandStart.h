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
    // The arguments parsed into options by parse (which sets help for -h or
    // --help and returns the first usage error), then afterParse.
    template <class Options>
    static std::optional<int> parse(const char* command, const char* usage, const QStringList& args,
                                    Options& options,
                                    QString (*parse)(const QStringList&, Options&, bool&),
                                    QTextStream& out, QTextStream& err) {
        bool help = false;
        const QString usageError = parse(args, options, help);
        return afterParse(command, usageError, help, usage, out, err);
    }

    // The status to end with, or nothing when the command goes on.
    static std::optional<int> afterParse(const char* command, const QString& error, bool help,
                                         const char* usage, QTextStream& out, QTextStream& err);
    // An empty argument is no value (--port "" would otherwise mean the
    // default line): status 2 after saying where it stands.
    static std::optional<int> refuseEmpty(const QString& command, const QStringList& args,
                                          QTextStream& err);
};
