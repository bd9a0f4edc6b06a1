#include "TableWrite.h"

#include "Frames.h"
#include "Link.h"

TableWrite::TableWrite(Link& link, QObject* parent) : QObject(parent), link_(link) {}

bool TableWrite::start(const TableFile& table) {
    if (running_ || link_.exchanging()) return false;
    running_ = true;
    table_ = table;
    k_ = 0;
    // The halt frame also leaves 0xAA in byte 5, which every byte write after it carries.
    Frames::halt(link_.ShortFrame);
    link_.send(Link::Buffer::Short);
    emit started();
    listing_ = table_.header() + QStringLiteral("\r\n");
    emit listingChanged();
    setPercent(-1);
    next();
    return true;
}

void TableWrite::next() {
    const auto& items = table_.items();
    if (k_ == int(items.size())) {
        running_ = false;
        emit beep();
        setPercent(0);
        Frames::start(link_.ShortFrame);
        link_.send(Link::Buffer::Short);
        outcome_ = Outcome::Done;
        emit finished(outcome_);
        return;
    }
    const TableFile::Item& item = items[k_];
    listing_ += QStringLiteral(" %1 - %2\r\n").arg(k_).arg(item.text);
    emit listingChanged();
    Frames::byteWrite(link_.ShortFrame, table_.address(k_), item.value);
    setPercent(k_ * 100 / 255);
    link_.exchange(Link::Buffer::Short, Link::Flag::Ack, 1,
                   [this](bool acknowledged) { written(acknowledged); });
}

void TableWrite::written(bool acknowledged) {
    if (!acknowledged) {
        running_ = false;
        failedAddress_ = table_.address(k_);
        outcome_ = Outcome::NotAcknowledged;
        emit finished(outcome_);
        return;
    }
    ++k_;
    next();
}

void TableWrite::setPercent(int percent) {
    percent_ = percent;
    emit progress(percent);
}
