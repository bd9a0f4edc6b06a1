// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Transport.h"
#include "VirtualController.h"

// The virtual controller in the same process, as if on a cable: what is
// written reaches it, and its answers arrive, only once the event loop runs,
// never inside the write.
class VirtualTransport : public Transport {
    Q_OBJECT
public:
    explicit VirtualTransport(quint8 slave = ControllerFacts::DefaultSlave,
                              QObject* parent = nullptr);

    bool open() override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void write(const QByteArray& bytes) override;
    QString errorString() const override { return {}; }
    qint64 bytesToWrite() const override { return inFlight_; }

    VirtualController& controller() { return controller_; }

private:
    VirtualController controller_;
    bool open_ = false;
    qint64 inFlight_ = 0; // written, not yet taken by the controller
};
