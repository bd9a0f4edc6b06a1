// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>

#include <array>

// The controller's real-time clock as its four registers from 0x50 show it:
// eight packed-BCD bytes, year (two digits), month, weekday (1 Sunday to 7
// Saturday), day, hours, minutes, seconds, and a marker byte (0x5A).
class ControllerClock {
public:
    explicit ControllerClock(QDateTime now = QDateTime::currentDateTime());

    const QDateTime& time() const { return time_; }
    quint16 reg(int index) const;
    // The eight bytes of a clock write; false, and the clock unchanged, when
    // they are not a valid date and time.
    bool set(QByteArrayView bytes);
    void advance(int seconds) { time_ = time_.addSecs(seconds); }

private:
    std::array<quint8, 8> bytes() const;

    QDateTime time_;
    quint8 marker_ = 0x5A;
};
