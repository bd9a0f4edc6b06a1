// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// The code image as text: one 16-character record per 16-bit word,
// "AAAA = BB - CC" and CR LF. A record is written in halves as the bytes
// come: the address and the even byte, then the odd byte and the line end,
// so only words that received their even byte have a record.
class CodeImage {
public:
    struct Record {
        int address = 0;
        quint8 even = 0;
        quint8 odd = 0;
    };

    // Puts a byte at the location counter and moves the counter on.
    void put(quint8 byte);
    // Completes an open word with FF, as before an origin and at the end.
    void completeWord();
    // A whole record, as a macro block brings it.
    void appendRecord(int address, quint8 even, quint8 odd);

    int counter() const { return counter_; }
    void setCounter(int address) { counter_ = address; }
    const QString& text() const { return text_; }
    // The text as the user edited it in the code box.
    void setText(QString text) { text_ = std::move(text); }
    void clear();

    static QString hex2(int byte);
    static QString hex4(int address);
    // The records of an image text in order; lines that are not records are
    // passed over.
    static QList<Record> records(QStringView text);

private:
    QString text_;
    int counter_ = 0;
};
