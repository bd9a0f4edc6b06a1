#pragma once

#include "ByteWriteSeries.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The code image text as the transfer reads it: consecutive 16-character
// records "AAAA = BB - CC" and CR LF, the address in characters 1-4, the
// even byte in 8-9, the odd byte in 13-14. The code box is editable, so the
// text is checked whole before anything goes to the controller: a record
// that does not read would otherwise send the previous frame's byte.
class ImageRecords {
public:
    static constexpr qsizetype Length = 16;

    struct Fault {
        int number = 0;   // 1-based
        QString text;     // the record without its line end
        int address = -1; // -1 when the address does not read
    };
    // The first record that the transfer could not read, nothing when all read.
    static std::optional<Fault> firstFault(QStringView text);

    // The bytes of the records, two a record, even then odd, with their
    // addresses; the text must have passed the check.
    static QList<ByteWriteSeries::Byte> bytes(QStringView text);
};
