// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControllerClock.h"

namespace {

quint8 bcd(int value) {
    return static_cast<quint8>((value / 10) << 4 | value % 10);
}

// -1 when the byte holds a nibble above 9.
int fromBcd(quint8 byte) {
    if ((byte >> 4) > 9 || (byte & 0x0F) > 9) return -1;
    return (byte >> 4) * 10 + (byte & 0x0F);
}

} // namespace

ControllerClock::ControllerClock(QDateTime now) : time_(std::move(now)) {}

std::array<quint8, 8> ControllerClock::bytes() const {
    const QDate d = time_.date();
    const QTime t = time_.time();
    return {bcd(d.year() % 100), bcd(d.month()), bcd(d.dayOfWeek() % 7 + 1),
            bcd(d.day()),        bcd(t.hour()),  bcd(t.minute()),
            bcd(t.second()),     marker_};
}

quint16 ControllerClock::reg(int index) const {
    const auto b = bytes();
    return static_cast<quint16>(b[2 * index] << 8 | b[2 * index + 1]);
}

bool ControllerClock::set(QByteArrayView bytes) {
    if (bytes.size() != 8) return false;
    int v[7];
    for (int i = 0; i < 7; ++i)
        if ((v[i] = fromBcd(quint8(bytes[i]))) < 0) return false;
    // The weekday is the date's own; the one sent is not kept apart from it.
    const QDate date(2000 + v[0], v[1], v[3]);
    const QTime time(v[4], v[5], v[6]);
    if (!date.isValid() || !time.isValid()) return false;
    time_ = QDateTime(date, time);
    marker_ = quint8(bytes[7]);
    return true;
}
