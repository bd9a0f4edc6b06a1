// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LowLatency.h"

#include <QString>

#include <optional>

// What obelc ports tells of a serial device beside its name, each where the
// machine lets it be read: its driver, whether low latency is on, and an
// FTDI adapter's latency timer. `sysfs` is where sysfs is mounted.
class SerialPortFacts {
public:
    // "driver ftdi_sio, low latency off, latency timer 16 ms".
    static QString describe(const QString& device, const QString& sysfs = QStringLiteral("/sys"),
                            const LowLatency::Ioctl& ioctl = LowLatency::systemIoctl);

    // The driver of the device's hardware; empty when sysfs does not say.
    static QString driver(const QString& device, const QString& sysfs);
    // A USB serial adapter's latency timer in milliseconds.
    static std::optional<int> latencyTimer(const QString& device, const QString& sysfs);
    // "low latency on", "low latency off" or why it cannot be told.
    static QString lowLatency(const QString& device, const LowLatency::Ioctl& ioctl);
};
