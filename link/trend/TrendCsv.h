// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TrendLog.h"

#include <QString>
#include <QStringList>

#include <optional>

// The trend's polls as the tracer's recording writes them (TraceRecording):
// a header of time, register and the cells' names, then a row a poll. A poll
// that brought no good answer is a row with its time and register and no
// cell filled, which a spreadsheet's chart shows as a gap too. Reading takes
// a recording and such an export alike.
class TrendCsv {
public:
    struct Recording {
        QStringList cellNames;
        TrendLog log;
    };

    // False, with why, when the file could not be written whole.
    static bool write(const QString& path, const TrendLog& log, const QStringList& cellNames,
                      QString* error);
    // Nothing, with why (and the line), when the file cannot be read or is
    // not such a recording.
    static std::optional<Recording> read(const QString& path, QString* error);

    static constexpr const char* TimeFormat = "yyyy-MM-dd hh:mm:ss.zzz";
};
