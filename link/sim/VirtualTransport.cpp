// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualTransport.h"

#include <QTimer>

VirtualTransport::VirtualTransport(quint8 slave, QObject* parent)
    : Transport(parent), controller_(slave) {
    connect(
        &controller_, &VirtualController::reply, this,
        [this](const QByteArray& bytes) {
            if (open_) emit bytesArrived(bytes);
        },
        Qt::QueuedConnection);
}

bool VirtualTransport::open() {
    open_ = true;
    return true;
}

void VirtualTransport::write(const QByteArray& bytes) {
    if (!open_) return;
    inFlight_ += bytes.size();
    QTimer::singleShot(0, &controller_, [this, bytes] {
        inFlight_ -= bytes.size();
        controller_.receive(bytes);
    });
}
