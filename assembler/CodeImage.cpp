// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodeImage.h"

namespace {

const char digits[] = "0123456789ABCDEF";

void appendHex(QString& text, int value, int width) {
    for (int shift = 4 * (width - 1); shift >= 0; shift -= 4)
        text.append(QLatin1Char(digits[(value >> shift) & 0xF]));
}

int hexValue(QStringView text, bool* ok) {
    return text.toInt(ok, 16);
}

} // namespace

void CodeImage::put(quint8 byte) {
    if (counter_ % 2 == 0) {
        appendHex(text_, counter_, 4);
        text_.append(u" = ");
    } else {
        text_.append(u" - ");
    }
    appendHex(text_, byte, 2);
    if (counter_ % 2 != 0) text_.append(u"\r\n");
    ++counter_;
}

void CodeImage::completeWord() {
    if (counter_ % 2 != 0) put(0xFF);
}

void CodeImage::appendRecord(int address, quint8 even, quint8 odd) {
    appendHex(text_, address, 4);
    text_.append(u" = ");
    appendHex(text_, even, 2);
    text_.append(u" - ");
    appendHex(text_, odd, 2);
    text_.append(u"\r\n");
}

void CodeImage::clear() {
    text_.clear();
    counter_ = 0;
}

QString CodeImage::hex2(int byte) {
    QString text;
    appendHex(text, byte, 2);
    return text;
}

QString CodeImage::hex4(int address) {
    QString text;
    appendHex(text, address, 4);
    return text;
}

QList<CodeImage::Record> CodeImage::records(QStringView text) {
    QList<Record> records;
    for (QStringView line : text.split(u"\r\n")) {
        // "AAAA = BB - CC"
        if (line.size() != 14 || line.mid(4, 3) != u" = " || line.mid(9, 3) != u" - ") continue;
        bool okAddress = false, okEven = false, okOdd = false;
        const Record record{hexValue(line.left(4), &okAddress),
                            quint8(hexValue(line.mid(7, 2), &okEven)),
                            quint8(hexValue(line.mid(12, 2), &okOdd))};
        if (okAddress && okEven && okOdd) records.append(record);
    }
    return records;
}
