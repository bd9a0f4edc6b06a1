#include "ByteWriteSeries.h"

#include "Frames.h"

#include <QPointer>

ByteWriteSeries::ByteWriteSeries(Link& link, QObject* parent) : QObject(parent), link_(link) {}

ByteWriteSeries::~ByteWriteSeries() = default;

bool ByteWriteSeries::start(QList<Byte> bytes) {
    if (running()) return false;
    hold_ = link_.hold();
    if (!hold_) return false;
    bytes_ = std::move(bytes);
    written_ = 0;
    stopWanted_ = false;
    hold_->send(&Frames::halt);
    emit halted();
    next();
    return true;
}

void ByteWriteSeries::stop() {
    if (running()) stopWanted_ = true;
}

void ByteWriteSeries::next() {
    if (stopWanted_) return end(Outcome::Stopped);
    if (written_ == bytes_.size()) {
        emit allWritten();
        hold_->send(&Frames::start);
        return end(Outcome::Done);
    }
    emit writing(written_);
    if (stopWanted_) return end(Outcome::Stopped);
    const Byte byte = bytes_[written_];
    // The link outlives a series whose owner goes in the middle.
    hold_->exchange([byte](ShortBytes& f) { Frames::byteWrite(f, byte.address, byte.data); },
                    Link::Flag::Ack, 1,
                    [self = QPointer(this)](bool acknowledged) {
                        if (!self) return;
                        if (!acknowledged) return self->end(Outcome::NotAcknowledged);
                        ++self->written_;
                        self->next();
                    });
}

void ByteWriteSeries::end(Outcome outcome) {
    hold_.reset();
    emit finished(outcome);
}
