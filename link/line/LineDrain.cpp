// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineDrain.h"

#include "Transport.h"

#include <QtGlobal>

LineDrain::LineDrain(Transport& line, std::chrono::milliseconds stall, QObject* parent)
    : QObject(parent), line_(line), stall_(stall) {
    poll_.setInterval(PollInterval);
    connect(&poll_, &QTimer::timeout, this, &LineDrain::check);
}

void LineDrain::start() {
    last_ = -1;
    sinceProgress_.start();
    poll_.start();
    // Most lines are empty at once; that needs no wait for the first poll.
    QTimer::singleShot(0, this, &LineDrain::check);
}

void LineDrain::check() {
    if (!poll_.isActive()) return;
    // A line that closed has lost what it still held.
    if (!line_.isOpen()) return finish(qMax(last_, line_.bytesToWrite()));
    const qint64 left = line_.bytesToWrite();
    if (left == 0) return finish(0);
    if (last_ < 0 || left < last_) {
        last_ = left;
        sinceProgress_.start();
    } else if (sinceProgress_.elapsed() >= stall_.count()) {
        finish(left);
    }
}

void LineDrain::finish(qint64 unsent) {
    poll_.stop();
    emit finished(unsent);
}
