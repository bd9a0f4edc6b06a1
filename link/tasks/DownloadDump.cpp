// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadDump.h"

void DownloadDump::add(quint8 byte) {
    text_ += QStringLiteral(" - ") + QString::number(byte, 16).toUpper();
    if (byteCount_ % 3 == 0) {
        if (byteCount_ % 12 == 0) text_ += QStringLiteral("\r\n");
        text_ += u'\t';
    }
    ++byteCount_;
    aaRun_ = byte == 0xAA ? aaRun_ + 1 : 0;
    if (aaRun_ > 5) {
        text_.clear();
        byteCount_ = -1;
    }
}
