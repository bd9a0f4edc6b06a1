// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Failing expectations show texts as texts, line ends visible.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << QString(text).replace("\r", "\\r").replace("\n", "\\n").toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << "{ ";
    for (const QString& text : list) {
        PrintTo(text, os);
        *os << ' ';
    }
    *os << '}';
}
