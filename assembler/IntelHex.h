// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Reads the data records of an Intel HEX text. Every record's checksum is
// checked; data and end-of-file records are taken, any other record type
// and any line that is not a whole record is refused, since a corrupted
// macro would otherwise reach the controller unnoticed.
class IntelHex {
public:
    struct Record {
        int address = 0;
        QByteArray data;
        int line = 0; // 1-based line in the text
    };
    struct Result {
        QList<Record> records; // up to the end-of-file record or the first empty one
        QString error;         // empty when the text is sound
        int errorLine = 0;     // 1-based line of the error
    };

    static Result read(const QString& text);
};
