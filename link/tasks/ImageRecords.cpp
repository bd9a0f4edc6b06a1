#include "ImageRecords.h"

namespace {

bool isHex(QStringView digits) {
    for (const QChar q : digits) {
        const char16_t c = q.unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f')))
            return false;
    }
    return true;
}

int hexValue(QStringView digits) {
    return digits.toInt(nullptr, 16);
}

// A record reads when its fields are hexadecimal and its address is even:
// the odd byte goes to the address plus one in the low byte alone.
bool reads(QStringView record) {
    return record.size() == ImageRecords::Length && isHex(record.mid(0, 4)) &&
           record.mid(4, 3) == u" = " && isHex(record.mid(7, 2)) && record.mid(9, 3) == u" - " &&
           isHex(record.mid(12, 2)) && record.mid(14, 2) == u"\r\n" &&
           hexValue(record.mid(0, 4)) % 2 == 0;
}

} // namespace

std::optional<ImageRecords::Fault> ImageRecords::firstFault(QStringView text) {
    for (qsizetype at = 0; at < text.size(); at += Length) {
        const QStringView record = text.mid(at, Length);
        if (reads(record)) continue;
        const QStringView address = record.left(4);
        return Fault{int(at / Length) + 1, record.toString().remove(u'\r').remove(u'\n'),
                     address.size() == 4 && isHex(address) ? hexValue(address) : -1};
    }
    return std::nullopt;
}

QList<ByteWriteSeries::Byte> ImageRecords::bytes(QStringView text) {
    QList<ByteWriteSeries::Byte> bytes;
    for (qsizetype at = 0; at < text.size(); at += Length) {
        const int address = hexValue(text.mid(at, 4));
        bytes.append({quint16(address), quint8(hexValue(text.mid(at + 7, 2)))});
        bytes.append({quint16(address + 1), quint8(hexValue(text.mid(at + 12, 2)))});
    }
    return bytes;
}
