// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The receive dump of the second model's download window: " - " and the byte
// in hexadecimal for each byte; after the first byte of every three a tab,
// and of every twelve a line break before that tab; six 0xAA bytes in a row
// (the loader's own burst coming back) clear it.
class DownloadDump {
public:
    void add(quint8 byte);
    const QString& text() const { return text_; }

    // The byte counter; the link check of the program download sets it to 1.
    int byteCount() const { return byteCount_; }
    void setByteCount(int n) { byteCount_ = n; }
    int aaRun() const { return aaRun_; }

private:
    QString text_;
    int byteCount_ = 0;
    int aaRun_ = 0;
};
