// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialTransport.h"

#include "DeviceAccess.h"
#include "OutputQueue.h"

#include <termios.h>
#include <unistd.h>

SerialTransport::SerialTransport(const QString& device, QObject* parent, LowLatency::Ioctl ioctl)
    : Transport(parent), device_(device), port_(device), lowLatency_(std::move(ioctl)) {
    port_.setReadBufferSize(Held);
    connect(&port_, &QSerialPort::readyRead, this, [this] { handOn(port_); });
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // A device unplugged while open; the rest are answered where they happen.
        if (e == QSerialPort::ResourceError) {
            close();
            emit failed(port_.errorString());
        }
    });
}

bool SerialTransport::open() {
    port_.setBaudRate(line_.baud());
    port_.setParity(line_.parity());
    port_.setDataBits(line_.dataBits());
    port_.setStopBits(line_.stopBits());
    port_.setFlowControl(QSerialPort::NoFlowControl);
    refused_.clear();
    refusedAccess_.clear();
    if (!port_.open(QIODevice::ReadWrite)) {
        // Also the answer to a device another program has locked; that one
        // this user may open.
        if (port_.error() == QSerialPort::PermissionError && !DeviceAccess::mayOpen(device_))
            refusedAccess_ = DeviceAccess::advice(device_);
        return false;
    }
    refused_ = notTaken();
    if (!port_.setDataTerminalReady(true)) refused_ << QStringLiteral("DTR");
    if (!lowLatency_.request(port_.handle())) refused_ << QStringLiteral("low latency");
    // Bytes left on the line from before (answers to a program that has gone)
    // are not the answer to anything this link sends.
    port_.clear(QSerialPort::AllDirections);
    port_.clearError();
    return true;
}

QString SerialTransport::errorString() const {
    return refusedAccess_.isEmpty() ? port_.errorString() : refusedAccess_;
}

SerialTransport::~SerialTransport() {
    close();
}

void SerialTransport::close() {
    if (port_.isOpen()) lowLatency_.restore(port_.handle());
    port_.close();
}

// Out now, not on the event loop's next turn: the answer comes sooner. While
// the port's own buffer is empty the frame goes straight to the device: the
// port's buffered write would turn a write notifier on and off again, two
// more turns of the event loop for every frame. What the device does not
// take at once, and any error, is left to the port.
void SerialTransport::write(const QByteArray& bytes) {
    if (!port_.isOpen()) return;
    qsizetype done = 0;
    if (port_.bytesToWrite() == 0)
        done =
            std::max<ssize_t>(0, ::write(port_.handle(), bytes.constData(), size_t(bytes.size())));
    if (done == bytes.size()) return;
    port_.write(bytes.constData() + done, bytes.size() - done);
    port_.flush();
}

qint64 SerialTransport::bytesToWrite() const {
    if (!port_.isOpen()) return 0;
    return port_.bytesToWrite() + OutputQueue::unsent(port_.handle());
}

// The settings the device's terminal attributes do not show.
QStringList SerialTransport::notTaken() const {
    termios attributes{};
    if (tcgetattr(port_.handle(), &attributes) != 0) return {};
    QStringList missing;
    const bool parity = attributes.c_cflag & PARENB;
    if (parity != (line_.parity() != QSerialPort::NoParity))
        missing << LineSettings::parityName(line_.parity());
    static constexpr tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    if ((attributes.c_cflag & CSIZE) != sizes[line_.dataBits() - QSerialPort::Data5])
        missing << QStringLiteral("%1 data bits").arg(int(line_.dataBits()));
    if (bool(attributes.c_cflag & CSTOPB) != (line_.stopBits() != QSerialPort::OneStop))
        missing << QStringLiteral("the stop bits");
    return missing;
}

QStringList SerialTransport::setLine(const LineSettings& line) {
    const LineSettings before = line_;
    line_ = line;
    if (!port_.isOpen()) return {};
    QStringList refused;
    if (line.baud() != before.baud() && !port_.setBaudRate(line.baud()))
        refused << QStringLiteral("%1 baud").arg(line.baud());
    if (line.parity() != before.parity() && !port_.setParity(line.parity()))
        refused << LineSettings::parityName(line.parity());
    if (line.dataBits() != before.dataBits() && !port_.setDataBits(line.dataBits()))
        refused << QStringLiteral("%1 data bits").arg(int(line.dataBits()));
    if (line.stopBits() != before.stopBits() && !port_.setStopBits(line.stopBits()))
        refused << QStringLiteral("the stop bits");
    port_.clearError();
    return refused;
}
