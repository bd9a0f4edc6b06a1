// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModbusCrc.h"

#include <QByteArray>

// Frames written the way tests read best: hexadecimal text, blanks allowed.
inline QByteArray hex(const QByteArray& text) {
    return QByteArray::fromHex(text);
}

// The frame with its Modbus check appended.
inline QByteArray checked(const QByteArray& text) {
    QByteArray f = hex(text);
    const quint16 crc = ModbusCrc::of(f);
    return f + char(crc & 0xFF) + char(crc >> 8);
}

template <std::size_t N> QByteArray bytes(const std::array<quint8, N>& buffer) {
    return QByteArray(reinterpret_cast<const char*>(buffer.data()), qsizetype(N));
}
