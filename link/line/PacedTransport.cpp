// SPDX-License-Identifier: GPL-3.0-or-later
#include "PacedTransport.h"

#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

PacedTransport::PacedTransport(std::unique_ptr<Transport> line, int baud,
                               std::chrono::milliseconds hold, QObject* parent)
    : Transport(parent), line_(std::move(line)), baud_(baud), hold_(hold),
      timer_(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    connect(line_.get(), &Transport::bytesArrived, this, &PacedTransport::arrived);
    connect(line_.get(), &Transport::failed, this, &Transport::failed);
    if (timer_ < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(timer_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &PacedTransport::hand);
}

PacedTransport::~PacedTransport() {
    notifier_.reset();
    if (timer_ >= 0) ::close(timer_);
}

std::chrono::nanoseconds PacedTransport::wireTime(qsizetype count, int baud) {
    return std::chrono::nanoseconds(std::chrono::seconds(1)) * BitsPerCharacter * count / baud;
}

bool PacedTransport::open() {
    return timer_ >= 0 && line_->open();
}

void PacedTransport::close() {
    line_->close();
    incoming_.clear();
    incomingBytes_ = 0;
    outgoing_.clear();
    inFree_ = outFree_ = {};
    arm();
}

void PacedTransport::write(const QByteArray& bytes) {
    if (isOpen()) queue(outgoing_, outFree_, bytes, hold_);
}

void PacedTransport::arrived(const QByteArray& bytes) {
    if (incomingBytes_ + bytes.size() > Held) return;
    incomingBytes_ += bytes.size();
    queue(incoming_, inFree_, bytes);
}

// The bytes take the wire once it is free, one character after the other;
// a hold after the wire keeps the wire free and, being the same for all,
// the order.
void PacedTransport::queue(Queue& q, Clock::time_point& lineFree, const QByteArray& bytes,
                           Clock::duration hold) {
    lineFree = std::max(lineFree, handing_.value_or(Clock::now())) + wireTime(bytes.size(), baud_);
    q.push_back({lineFree + hold, bytes});
    arm();
}

void PacedTransport::hand() {
    quint64 expirations = 0;
    [[maybe_unused]] const ssize_t n = ::read(timer_, &expirations, sizeof expirations);
    const Clock::time_point now = Clock::now();
    while (!incoming_.empty() && incoming_.front().due <= now) {
        const QByteArray bytes = std::move(incoming_.front().bytes);
        handing_ = incoming_.front().due;
        incoming_.pop_front();
        incomingBytes_ -= bytes.size();
        emit bytesArrived(bytes);
        handing_.reset();
    }
    while (!outgoing_.empty() && outgoing_.front().due <= now) {
        const QByteArray bytes = std::move(outgoing_.front().bytes);
        outgoing_.pop_front();
        line_->write(bytes);
    }
    arm();
}

// Sets the timer to the next thing due, or stops it when nothing is.
void PacedTransport::arm() {
    if (timer_ < 0) return;
    itimerspec when{};
    Clock::time_point next = Clock::time_point::max();
    if (!incoming_.empty()) next = incoming_.front().due;
    if (!outgoing_.empty()) next = std::min(next, outgoing_.front().due);
    if (next != Clock::time_point::max()) {
        const auto since = next.time_since_epoch();
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
        when.it_value.tv_sec = seconds.count();
        // Never 0 and 0, which would stop the timer instead.
        when.it_value.tv_nsec = std::max<long>(1, (since - seconds).count());
    }
    ::timerfd_settime(timer_, TFD_TIMER_ABSTIME, &when, nullptr);
}

qint64 PacedTransport::bytesToWrite() const {
    qint64 held = line_->bytesToWrite();
    for (const Pending& p : outgoing_)
        held += p.bytes.size();
    return held;
}
