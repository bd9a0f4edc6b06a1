// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LineSettings.h"
#include "LowLatency.h"
#include "Transport.h"

#include <QSerialPort>

// A serial device (/dev/ttyUSB0, /dev/serial/by-id/..., a pty). The line
// settings are given to the port before it opens; afterwards the device is
// asked what it really took, because some (ptys) quietly keep their own
// parity and have no DTR line. Low latency is asked for at opening and put
// back at closing.
class SerialTransport : public Transport {
    Q_OBJECT
public:
    explicit SerialTransport(const QString& device, QObject* parent = nullptr,
                             LowLatency::Ioctl ioctl = LowLatency::systemIoctl);
    ~SerialTransport() override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void write(const QByteArray& bytes) override;
    QString errorString() const override;
    qint64 bytesToWrite() const override;
    QStringList setLine(const LineSettings& line) override;
    QStringList refusedAtOpen() const override { return refused_; }

private:
    QStringList notTaken() const;

    QString device_;
    QSerialPort port_;
    LineSettings line_;
    QString refusedAccess_; // what grants access, when the last open lacked it
    QStringList refused_;
    LowLatency lowLatency_;
};
