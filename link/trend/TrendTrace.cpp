// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendTrace.h"

QString TrendTrace::label(const QString& cellName) const {
    return isBit() ? cellName + u'.' + QString::number(bit) : cellName;
}

std::optional<TrendTrace> TrendTrace::parse(const QString& text, const QStringList& cellNames) {
    QString name = text.trimmed();
    TrendTrace trace;
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot > 0) {
        bool ok = false;
        const int bit = name.mid(dot + 1).toInt(&ok);
        if (ok && bit >= 0 && bit <= 7) {
            trace.bit = bit;
            name.truncate(dot);
        }
    }
    for (qsizetype i = 0; i < cellNames.size(); ++i)
        if (cellNames[i].compare(name, Qt::CaseInsensitive) == 0) {
            trace.cell = int(i);
            return trace;
        }
    bool ok = false;
    trace.cell = name.toInt(&ok, 16);
    if (ok && trace.cell >= 0 && trace.cell < cellNames.size()) return trace;
    return std::nullopt;
}
