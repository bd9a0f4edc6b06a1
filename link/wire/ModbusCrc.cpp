// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModbusCrc.h"

quint16 ModbusCrc::of(QByteArrayView bytes) {
    quint8 hi = 0xFF, lo = 0xFF;
    for (const char c : bytes) {
        const quint8 i = static_cast<quint8>(c) ^ lo;
        lo = hi ^ GetCRCLo(i);
        hi = GetCRCHi(i);
    }
    return static_cast<quint16>(lo | hi << 8);
}

bool ModbusCrc::closes(QByteArrayView frame) {
    if (frame.size() < 3) return false;
    const quint16 crc = of(frame.first(frame.size() - 2));
    return static_cast<quint8>(frame[frame.size() - 2]) == (crc & 0xFF) &&
           static_cast<quint8>(frame[frame.size() - 1]) == crc >> 8;
}

void ModbusCrc::close(quint8* frame, std::size_t size) {
    const quint16 crc = of(QByteArrayView(frame, static_cast<qsizetype>(size - 2)));
    frame[size - 2] = crc & 0xFF;
    frame[size - 1] = crc >> 8;
}
