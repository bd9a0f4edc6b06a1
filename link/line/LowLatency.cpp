// SPDX-License-Identifier: GPL-3.0-or-later
#include "LowLatency.h"

#include <cerrno>
#include <cstring>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <utility>

int LowLatency::systemIoctl(int fd, unsigned long request, serial_struct* info) {
    return ::ioctl(fd, request, info);
}

LowLatency::LowLatency(Ioctl ioctl) : ioctl_(std::move(ioctl)) {}

bool LowLatency::read(int fd, serial_struct& info) {
    if (ioctl_(fd, TIOCGSERIAL, &info) == 0) return true;
    reason_ = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool LowLatency::write(int fd, serial_struct& info) {
    if (ioctl_(fd, TIOCSSERIAL, &info) == 0) return true;
    reason_ = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool LowLatency::request(int fd) {
    turnedOn_ = false;
    reason_.clear();
    serial_struct info{};
    if (!read(fd, info)) return false;
    if (info.flags & ASYNC_LOW_LATENCY) return true;
    info.flags |= ASYNC_LOW_LATENCY;
    if (!write(fd, info)) return false;
    // Some drivers take the call and keep nothing of the flag.
    const std::optional<bool> on = state(fd);
    if (!on) return false;
    turnedOn_ = *on;
    if (!turnedOn_) reason_ = QStringLiteral("the driver does not keep it");
    return turnedOn_;
}

void LowLatency::restore(int fd) {
    if (!std::exchange(turnedOn_, false)) return;
    serial_struct info{};
    if (!read(fd, info)) return;
    info.flags &= ~ASYNC_LOW_LATENCY;
    write(fd, info);
}

std::optional<bool> LowLatency::state(int fd) {
    serial_struct info{};
    if (!read(fd, info)) return std::nullopt;
    return (info.flags & ASYNC_LOW_LATENCY) != 0;
}
