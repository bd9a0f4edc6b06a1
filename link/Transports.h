#pragma once

#include <QString>

#include <memory>

class Transport;

// The line a port target names: "sim", "tcp:HOST:PORT" or a device path.
class Transports {
public:
    // Nothing when the target is "tcp:" without a host and a port 1-65535.
    static std::unique_ptr<Transport> make(const QString& target);
};
