// SPDX-License-Identifier: GPL-3.0-or-later
#include "MbapTransport.h"

#include "ModbusCrc.h"

#include <utility>

namespace {
int bigEndian(const QByteArray& bytes, int at) {
    return quint8(bytes[at]) << 8 | quint8(bytes[at + 1]);
}
} // namespace

MbapTransport::MbapTransport(std::unique_ptr<Transport> line, QObject* parent)
    : Transport(parent), line_(std::move(line)) {
    connect(line_.get(), &Transport::bytesArrived, this, &MbapTransport::arrived);
    connect(line_.get(), &Transport::failed, this, &Transport::failed);
}

void MbapTransport::close() {
    held_.clear();
    line_->close();
}

void MbapTransport::arrived(const QByteArray& bytes) {
    held_ += bytes;
    while (held_.size() >= HeaderBytes) {
        const int length = bigEndian(held_, 4);
        if (bigEndian(held_, 2) != 0 || length < 2 || length > MaxLength) {
            held_.clear();
            return;
        }
        if (held_.size() < 6 + length) return;
        QByteArray rtu = held_.mid(6, length);
        transaction_ = held_.first(2);
        held_.remove(0, 6 + length);
        const quint16 crc = ModbusCrc::of(rtu);
        rtu.append(char(crc & 0xFF)).append(char(crc >> 8));
        emit bytesArrived(rtu);
        transaction_.clear();
    }
}

// Only an answer to the request being handed on has a header to go with.
void MbapTransport::write(const QByteArray& rtu) {
    if (transaction_.isEmpty() || rtu.size() < 4) return;
    const QByteArray adu = rtu.chopped(2);
    QByteArray header = transaction_;
    header.append('\0').append('\0');
    header.append(char(adu.size() >> 8)).append(char(adu.size() & 0xFF));
    line_->write(header + adu);
}
