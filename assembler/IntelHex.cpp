// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntelHex.h"

#include "CodeImage.h"
#include "LineReader.h"

namespace {

enum RecordType { Data = 0x00, EndOfFile = 0x01 };

// The bytes of a record line after its ":", or an error text.
QByteArray bytesOf(QStringView hex, QString& error) {
    if (hex.size() % 2 != 0) {
        error = QStringLiteral("odd number of hexadecimal digits");
        return {};
    }
    QByteArray bytes;
    bytes.reserve(hex.size() / 2);
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        bool ok = false;
        const int byte = hex.mid(i, 2).toInt(&ok, 16);
        if (!ok || hex[i] == u'+' || hex[i] == u'-') {
            error = QStringLiteral("\"%1\" is not a hexadecimal byte").arg(hex.mid(i, 2));
            return {};
        }
        bytes.append(char(byte));
    }
    return bytes;
}

QString checkRecord(const QByteArray& bytes) {
    if (bytes.size() < 5) return QStringLiteral("record too short");
    const int count = quint8(bytes[0]);
    if (bytes.size() != count + 5)
        return QStringLiteral("byte count %1 but %2 data bytes").arg(count).arg(bytes.size() - 5);
    quint8 sum = 0;
    for (char byte : bytes)
        sum += quint8(byte);
    if (sum != 0) {
        const quint8 expected = quint8(quint8(bytes.back()) - sum);
        return QStringLiteral("checksum %1, expected %2")
            .arg(CodeImage::hex2(quint8(bytes.back())), CodeImage::hex2(expected));
    }
    const int type = quint8(bytes[3]);
    if (type != Data && type != EndOfFile)
        return QStringLiteral("record type %1 is not taken (data and end of file only)")
            .arg(CodeImage::hex2(type));
    return {};
}

} // namespace

IntelHex::Result IntelHex::read(const QString& text) {
    Result result;
    const QStringList lines = LineReader::lines(text);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QStringView line = QStringView(lines[n]).trimmed();
        if (line.isEmpty()) continue;
        QString error;
        const QByteArray bytes = line.startsWith(u':') ? bytesOf(line.mid(1), error) : QByteArray();
        if (!line.startsWith(u':')) error = QStringLiteral("not a record (no \":\")");
        if (error.isEmpty()) error = checkRecord(bytes);
        if (!error.isEmpty()) {
            result.error = error;
            result.errorLine = int(n + 1);
            return result;
        }
        const int count = quint8(bytes[0]);
        if (count == 0 || bytes[3] == EndOfFile) break;
        result.records.append(
            {(quint8(bytes[1]) << 8) | quint8(bytes[2]), bytes.mid(4, count), int(n + 1)});
    }
    return result;
}
