#include "Link.h"

#include "Frames.h"
#include "Transport.h"

#include <utility>

namespace {
template <std::size_t N> QByteArray toBytes(const std::array<quint8, N>& buffer) {
    return QByteArray(reinterpret_cast<const char*>(buffer.data()), N);
}
} // namespace

Link::Link(QObject* parent) : QObject(parent) {
    wait_.setSingleShot(true);
    connect(&wait_, &QTimer::timeout, this, &Link::waited);
}

Link::~Link() = default;

std::unique_ptr<Link::Hold> Link::hold() {
    if (held_ || exchanging()) return nullptr;
    held_ = true;
    return std::unique_ptr<Hold>(new Hold(*this));
}

Link::Hold::~Hold() {
    if (link_) link_->held_ = false;
}

QByteArray Link::Hold::send(const Build<ShortBytes>& build) {
    return link_ ? link_->sendBuilt(link_->shortFrame_, build) : QByteArray();
}

bool Link::Hold::exchange(const Build<ShortBytes>& build, Flag watch, int delays, Done done) {
    return link_ && link_->start(build, watch, delays, std::move(done));
}

void Link::setTransport(Transport* transport) {
    if (transport_) disconnect(transport_, nullptr, this, nullptr);
    transport_ = transport;
    if (transport_) connect(transport_, &Transport::bytesArrived, this, &Link::onComm);
}

QByteArray Link::received() const {
    return QByteArray(reinterpret_cast<const char*>(RxBuf.data()), qsizetype(received_));
}

template <class Bytes> QByteArray Link::sendBuilt(Bytes& buffer, const Build<Bytes>& build) {
    build(buffer);
    QByteArray frame = toBytes(buffer);
    transmit(frame);
    return frame;
}

QByteArray Link::send(const Build<ShortBytes>& build) {
    return held_ ? QByteArray() : sendBuilt(shortFrame_, build);
}

QByteArray Link::send(const Build<LongBytes>& build) {
    return held_ ? QByteArray() : sendBuilt(longFrame_, build);
}

QByteArray Link::send(const Build<TestBytes>& build) {
    return held_ ? QByteArray() : sendBuilt(testFrame_, build);
}

QByteArray Link::send(const Build<FreeBytes>& build) {
    return held_ ? QByteArray() : sendBuilt(freeFrame_, build);
}

bool Link::send(const QByteArray& bytes) {
    if (held_) return false;
    transmit(bytes);
    return true;
}

void Link::transmit(const QByteArray& frame) {
    heardSinceSend_ = 0;
    if (!transport_) return;
    transport_->write(frame);
    emit sent(frame);
}

void Link::setDumpSwitch(bool on) {
    if (on == dumpSwitch_) return;
    dumpSwitch_ = on;
    emit dumpSwitchChanged(on);
}

bool Link::exchange(const Build<ShortBytes>& build, Flag watch, int delays, Done done) {
    return !held_ && start(build, watch, delays, std::move(done));
}

bool Link::start(const Build<ShortBytes>& build, Flag watch, int delays, Done done) {
    if (exchanging()) return false;
    build(shortFrame_);
    // Captured whole: a frame built while the exchange waits must not
    // change what its next attempt sends.
    frame_ = toBytes(shortFrame_);
    watch_ = watch;
    delays_ = delays;
    done_ = std::move(done);
    // A stale acknowledgement would end the first wait at once.
    ackFlag_ = 0;
    if (watch == Flag::Reply) replyFlag_ = 0;
    trace_.clear();
    if (const int drainMs = std::exchange(drainNextMs_, 0); drainMs > 0 && withController_) {
        draining_ = true;
        wait_.start(drainMs);
        return true;
    }
    attempt(1);
    return true;
}

void Link::attempt(int number) {
    tryCount_ = static_cast<qint16>(number);
    trace_ += QStringLiteral(">T%1").arg(number);
    emit traceChanged();
    transmit(frame_);
    DELAY(delays_);
}

// A wall-clock wait that the receive handler ends early once AckFlag is up,
// and nothing else: a reply may come in pieces, and a wait ended on its first
// piece would leave the rest, a 0x5A among it, to answer the next frame.
// Without "WR" there is nothing to wait for: the flags count as raised and
// the wait ends on the next pass of the event loop.
void Link::DELAY(int count) {
    if (!withController_) {
        ackFlag_ = 1;
        replyFlag_ = 1;
    }
    wait_.start(ackFlag_ ? 0 : delayMs_ * count);
}

void Link::waited() {
    if (std::exchange(draining_, false)) {
        attempt(1);
        return;
    }
    if (flag(watch_))
        finish(true);
    else if (tryCount_ < Attempts)
        attempt(tryCount_ + 1);
    else
        finish(false);
}

void Link::finish(bool answered) {
    wait_.stop();
    drainNextMs_ = !answered || tryCount_ > 1 ? tryCount_ * delays_ * delayMs_ : 0;
    const Done done = std::move(done_);
    done_ = nullptr;
    done(answered);
}

void Link::heard(quint8 byte) {
    if (heardSinceSend_ == 0) firstHeardIsAck_ = byte == Frames::Ack;
    if (heardSinceSend_ < 2) ++heardSinceSend_;
}

void Link::onComm(const QByteArray& input) {
    replyFlag_ = 1;
    std::size_t p = 0;
    for (const char c : input) {
        quint8 byte = static_cast<quint8>(c);
        heard(byte);
        // An acknowledgement is shown as 0 in the log and the dump.
        if (byte == Frames::Ack) byte = 0;
        if (p < RxBuf.size()) RxBuf[p++] = byte;
        if (log_.enabled()) log_.add(byte);
    }
    if (log_.enabled() && !input.isEmpty()) emit receiveLogChanged();
    // Noise before the acknowledgement fails the attempt, which is tried
    // again; while draining nothing answers the exchange to come.
    if (!draining_ && heardSinceSend_ == 1 && firstHeardIsAck_) ackFlag_ = 1;

    received_ = p;
    const QByteArray stored = received();
    if (dumpSwitch_) {
        for (const char c : stored)
            dump_.add(static_cast<quint8>(c));
        emit dumpChanged();
    } else if (linkIdle_ == 1) {
        emit tracerReceived(input);
    }
    if (exchanging() && wait_.isActive() && ackFlag_) {
        wait_.stop();
        waited();
    }
}
