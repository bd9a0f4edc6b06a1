#include "TraceRecording.h"

#include <QDateTime>

bool TraceRecording::start(const QString& path, const QStringList& cellNames, QString* error) {
    stop();
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file_.errorString());
        return false;
    }
    cells_ = int(cellNames.size());
    writeRow(QStringList{QStringLiteral("time"), QStringLiteral("register")} + cellNames);
    return true;
}

void TraceRecording::stop() {
    file_.close();
}

void TraceRecording::add(const QDateTime& time, int firstRegister, int firstCell,
                         const QByteArray& data) {
    if (!active() || firstCell >= cells_) return;
    QStringList row(2 + cells_);
    row[0] = time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    row[1] = QString::number(firstRegister);
    for (int k = 0; k < data.size(); ++k)
        if (const int cell = firstCell + k; cell >= 0 && cell < cells_)
            row[2 + cell] = QString::number(static_cast<quint8>(data[k]));
    writeRow(row);
}

QString TraceRecording::field(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void TraceRecording::writeRow(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted << field(f);
    file_.write((quoted.join(u',') + QStringLiteral("\r\n")).toUtf8());
    file_.flush();
}
