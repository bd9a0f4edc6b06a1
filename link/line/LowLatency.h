// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>

struct serial_struct;

// Low latency on a serial device (the ASYNC_LOW_LATENCY flag). A USB serial
// adapter otherwise holds what it receives for its latency timer (16 ms on
// FTDI's) before passing it on, and every acknowledged byte of a download
// waits for that; asked for low latency, FTDI's driver drops the timer to
// 1 ms. The flag is put back when the line closes, so other programs find
// the port as they left it. Every call on the device goes through one ioctl
// function, so a test can watch them.
class LowLatency {
public:
    // ioctl(fd, TIOCGSERIAL or TIOCSSERIAL, info): 0, or -1 with errno set.
    using Ioctl = std::function<int(int fd, unsigned long request, serial_struct* info)>;
    static int systemIoctl(int fd, unsigned long request, serial_struct* info);

    explicit LowLatency(Ioctl ioctl = systemIoctl);

    // Turns the flag on for the open device `fd`; false when the device does
    // not take it (a pty, a driver without the flag, no permission), and
    // reason() says why.
    bool request(int fd);
    // Turns the flag off again when request() turned it on.
    void restore(int fd);
    const QString& reason() const { return reason_; }

    // Whether the flag is on; nothing when the device cannot say (reason() then says why).
    std::optional<bool> state(int fd);

private:
    bool read(int fd, serial_struct& info);
    bool write(int fd, serial_struct& info);

    Ioctl ioctl_;
    bool turnedOn_ = false;
    QString reason_;
};
