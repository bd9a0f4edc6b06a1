// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendCsv.h"

#include "TraceRecording.h"
#include "Tracer.h"

#include <QDateTime>
#include <QFile>

namespace {

// One row's fields: quoted ones may hold commas and doubled quotes.
QStringList fieldsOf(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    return fields << field;
}

// The bytes of a row's block: its cells from firstCell on, up to the first
// one left empty. Nothing, with why, when a cell holds no byte.
std::optional<QByteArray> blockBytes(const QStringList& fields, int firstCell, QString* error) {
    QByteArray data;
    for (int cell = qMax(firstCell, 0); cell < firstCell + 2 * Tracer::BlockRegisters; ++cell) {
        const qsizetype column = 2 + cell;
        if (column >= fields.size() || fields[column].isEmpty()) break;
        bool ok = false;
        const int value = fields[column].toInt(&ok);
        if (!ok || value < 0 || value > 255) {
            *error =
                QStringLiteral("cell %1 holds \"%2\", not a byte").arg(cell).arg(fields[column]);
            return std::nullopt;
        }
        data.append(char(value));
    }
    return data;
}

// One poll's row into the log; false, with why, when it is no such row.
bool readRow(const QStringList& fields, TrendLog& log, QString* error) {
    const QDateTime time =
        QDateTime::fromString(fields[0], QString::fromLatin1(TrendCsv::TimeFormat));
    if (!time.isValid()) {
        *error = QStringLiteral("\"%1\" is no time like 2026-12-08 21:30:00.000").arg(fields[0]);
        return false;
    }
    bool ok = false;
    const int firstRegister = fields.value(1).toInt(&ok);
    if (!ok || firstRegister < Tracer::FirstRegister || firstRegister > 0xFFFF) {
        *error = QStringLiteral("\"%1\" is no register the tracer reads").arg(fields.value(1));
        return false;
    }
    const auto data = blockBytes(fields, TrendLog::firstCell(firstRegister), error);
    if (!data) return false;
    if (data->isEmpty())
        log.addGap(time.toMSecsSinceEpoch(), firstRegister);
    else
        log.addAnswer(time.toMSecsSinceEpoch(), firstRegister, *data);
    return true;
}

} // namespace

bool TrendCsv::write(const QString& path, const TrendLog& log, const QStringList& cellNames,
                     QString* error) {
    TraceRecording out;
    if (!out.start(path, cellNames, error)) return false;
    for (const TrendLog::Poll& poll : log.polls())
        if (!out.add(QDateTime::fromMSecsSinceEpoch(poll.ms), poll.firstRegister,
                     TrendLog::firstCell(poll.firstRegister), poll.data)) {
            if (error) *error = out.error();
            return false;
        }
    out.stop();
    return true;
}

std::optional<TrendCsv::Recording> TrendCsv::read(const QString& path, QString* error) {
    QString why;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    Recording recording;
    for (int line = 1; !file.atEnd(); ++line) {
        const QString text = QString::fromUtf8(file.readLine()).remove(u'\r').remove(u'\n');
        if (text.isEmpty()) continue;
        const QStringList fields = fieldsOf(text);
        if (line == 1) {
            if (fields.size() < 3 || fields[0] != u"time" || fields[1] != u"register") {
                why = QStringLiteral("its first line is not the tracer's header "
                                     "(time,register,cell names)");
            } else {
                recording.cellNames = fields.mid(2);
            }
        } else {
            readRow(fields, recording.log, &why);
        }
        if (!why.isEmpty()) {
            if (error) *error = QStringLiteral("%1, line %2: %3").arg(path).arg(line).arg(why);
            return std::nullopt;
        }
    }
    if (recording.cellNames.isEmpty()) {
        if (error) *error = QStringLiteral("%1 is empty, not a tracer recording").arg(path);
        return std::nullopt;
    }
    return recording;
}
