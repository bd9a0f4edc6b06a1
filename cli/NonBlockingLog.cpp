// SPDX-License-Identifier: GPL-3.0-or-later
#include "NonBlockingLog.h"

#include <QDeadlineTimer>
#include <QSocketNotifier>

#include <cerrno>
#include <climits>
#include <poll.h>
#include <unistd.h>

NonBlockingLog::NonBlockingLog(int fd, qsizetype bound)
    : fd_(fd), bound_(bound),
      writable_(std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write)) {
    writable_->setEnabled(false);
    QObject::connect(writable_.get(), &QSocketNotifier::activated, [this] { drain(); });
}

NonBlockingLog::~NonBlockingLog() = default;

// Told before the next line that is kept, or at the end.
QByteArray NonBlockingLog::untold() const {
    if (dropped_ == told_) return {};
    return QStringLiteral("(%1 log lines dropped: nobody read them)\n")
        .arg(dropped_ - told_)
        .toUtf8();
}

void NonBlockingLog::line(const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    tellDropped(bytes.size());
    if (broken_ || kept_.size() + bytes.size() > bound_) {
        ++dropped_;
        return;
    }
    kept_ += bytes;
    drain();
}

// The count goes in before the next line, or as soon as there is room.
bool NonBlockingLog::tellDropped(qsizetype room) {
    const QByteArray told = untold();
    if (told.isEmpty() || kept_.size() + told.size() + room > bound_) return false;
    kept_ += told;
    told_ = dropped_;
    return true;
}

void NonBlockingLog::drain() {
    bool done = writeSome(QDeadlineTimer(0));
    if (done && tellDropped(0)) done = writeSome(QDeadlineTimer(0));
    writable_->setEnabled(!done && !broken_);
}

// A pipe that polls writable takes PIPE_BUF bytes without blocking; a
// terminal or a file takes what it is given.
bool NonBlockingLog::writeSome(QDeadlineTimer deadline) {
    while (!kept_.isEmpty() && !broken_) {
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, int(deadline.remainingTime())) <= 0 || !(p.revents & POLLOUT)) {
            broken_ = p.revents & (POLLERR | POLLHUP | POLLNVAL);
            return false;
        }
        const ssize_t n =
            ::write(fd_, kept_.constData(), std::min<qsizetype>(kept_.size(), PIPE_BUF));
        if (n > 0) {
            kept_.remove(0, n);
        } else if (errno != EINTR && errno != EAGAIN) {
            broken_ = true; // the reader is gone (EPIPE): nothing will be read again
        }
    }
    return kept_.isEmpty();
}

bool NonBlockingLog::finish(int ms) {
    writable_->setEnabled(false);
    kept_ += untold();
    told_ = dropped_;
    return writeSome(QDeadlineTimer(ms));
}
