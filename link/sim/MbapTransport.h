// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Transport.h"

#include <memory>

// Modbus TCP served on a line that carries the controller's RTU frames:
// each request comes as an MBAP header (transaction, protocol 0, length,
// unit) and its PDU, and is handed on as the RTU frame the controller
// takes (unit, PDU, CRC); the controller's RTU answer, made while that
// frame is handed on, goes back as the request's header and the PDU. A
// header that is no Modbus TCP (another protocol, a length of no PDU)
// drops what is held: a stream cannot be resynchronised past it.
class MbapTransport : public Transport {
    Q_OBJECT
public:
    static constexpr int HeaderBytes = 7; // up to and with the unit
    static constexpr int MaxLength = 254; // unit and PDU

    explicit MbapTransport(std::unique_ptr<Transport> line, QObject* parent = nullptr);

    bool open() override { return line_->open(); }
    void close() override;
    bool isOpen() const override { return line_->isOpen(); }
    void write(const QByteArray& rtu) override;
    QString errorString() const override { return line_->errorString(); }
    qint64 bytesToWrite() const override { return line_->bytesToWrite(); }

    Transport& line() { return *line_; }

private:
    void arrived(const QByteArray& bytes);

    std::unique_ptr<Transport> line_;
    QByteArray held_;
    QByteArray transaction_; // of the request being handed on; empty: none
};
