// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <unistd.h>

// Everything that has arrived on a non-blocking pty end so far.
inline QByteArray drain(int fd) {
    QByteArray all;
    char buffer[256];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        all.append(buffer, n);
    return all;
}
