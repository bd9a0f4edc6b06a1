// SPDX-License-Identifier: GPL-3.0-or-later
#include "PtyTransport.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyTransport::~PtyTransport() {
    close();
}

bool PtyTransport::open() {
    if (isOpen()) return true;
    termios raw{};
    cfmakeraw(&raw);
    char name[256] = {};
    if (openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        master_ = slave_ = -1;
        return false;
    }
    // Nobody may be reading the other end: a write must never wait for room.
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = QString::fromLocal8Bit(name);
    notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &PtyTransport::readable);
    return true;
}

void PtyTransport::close() {
    notifier_.reset();
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
    master_ = slave_ = -1;
}

void PtyTransport::readable() {
    char buffer[4096];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n > 0) emit bytesArrived(QByteArray(buffer, n));
}

// What a full line cannot take is dropped, as a device drops what nobody
// reads: the slave side stays open here, so with no program on it the
// buffer fills and stays full.
void PtyTransport::write(const QByteArray& bytes) {
    for (qsizetype done = 0; master_ >= 0 && done < bytes.size();) {
        const ssize_t n = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            emit failed(error_);
        }
        return;
    }
}
