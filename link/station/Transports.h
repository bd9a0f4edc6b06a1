// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class Transport;

// The line a port target names: "sim" (any case), "tcp:HOST:PORT" (an IPv6
// host in brackets) or else a device path. An unknown word is taken as a
// device too, as QSerialPort takes a bare name under /dev: "COM1" makes a
// serial line that will not open, and opening it says why.
class Transports {
public:
    // Nothing when the target is "tcp:" without a host and a port 1-65535.
    static std::unique_ptr<Transport> make(const QString& target);
};
