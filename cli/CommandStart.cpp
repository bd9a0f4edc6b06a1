// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandStart.h"

#include <QTextStream>

std::optional<int> CommandStart::afterParse(const char* command, const QString& error, bool help,
                                            const char* usage, QTextStream& out, QTextStream& err) {
    if (!error.isEmpty()) {
        err << "obelc " << command << ": " << error << "\n" << usage;
        return 2;
    }
    if (help) {
        out << usage;
        return 0;
    }
    return std::nullopt;
}

std::optional<int> CommandStart::refuseEmpty(const QString& command, const QStringList& args,
                                             QTextStream& err) {
    const qsizetype empty = args.indexOf(QString());
    if (empty < 0) return std::nullopt;
    err << "obelc " << command << ": an empty argument"
        << (empty > 0 ? QStringLiteral(" after ") + args[empty - 1] : QString())
        << " is no value\n";
    return 2;
}
