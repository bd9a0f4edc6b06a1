// SPDX-License-Identifier: GPL-3.0-or-later
#include "TraceRecording.h"

#include <QDateTime>

bool TraceRecording::start(const QString& path, const QStringList& cellNames, QString* error) {
    stop();
    error_.clear();
    file_.setFileName(path);
    cells_ = int(cellNames.size());
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        error_ = QStringLiteral("cannot write %1: %2").arg(path, file_.errorString());
    else
        writeRow(QStringList{QStringLiteral("time"), QStringLiteral("register")} + cellNames);
    if (error) *error = error_;
    return error_.isEmpty();
}

void TraceRecording::stop() {
    file_.close();
}

bool TraceRecording::add(const QDateTime& time, int firstRegister, int firstCell,
                         const QByteArray& data) {
    if (!active() || firstCell >= cells_) return true;
    QStringList row(2 + cells_);
    row[0] = time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    row[1] = QString::number(firstRegister);
    for (int k = 0; k < data.size(); ++k)
        if (const int cell = firstCell + k; cell >= 0 && cell < cells_)
            row[2 + cell] = QString::number(static_cast<quint8>(data[k]));
    return writeRow(row);
}

QString TraceRecording::field(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

bool TraceRecording::writeRow(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted << field(f);
    const QByteArray row = (quoted.join(u',') + QStringLiteral("\r\n")).toUtf8();
    if (file_.write(row) == row.size() && file_.flush()) return true;
    error_ = QStringLiteral("recording stopped, %1 could not be written: %2")
                 .arg(file_.fileName(), file_.errorString());
    file_.close();
    return false;
}
