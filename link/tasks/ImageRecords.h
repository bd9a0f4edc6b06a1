#pragma once

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

    // The even or odd byte of the record that starts at `at`, and its address;
    // the text must have passed the check.
    struct Byte {
        quint16 address;
        quint8 data;
    };
    static Byte byteAt(QStringView text, qsizetype at, bool odd);
};
