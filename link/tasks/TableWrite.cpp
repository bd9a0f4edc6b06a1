#include "TableWrite.h"

TableWrite::TableWrite(Link& link, QObject* parent) : QObject(parent), series_(link) {
    connect(&series_, &ByteWriteSeries::halted, this, &TableWrite::halted);
    connect(&series_, &ByteWriteSeries::writing, this, &TableWrite::writing);
    connect(&series_, &ByteWriteSeries::allWritten, this, [this] {
        emit beep();
        setPercent(0);
    });
    connect(&series_, &ByteWriteSeries::finished, this, &TableWrite::written);
}

bool TableWrite::start(const TableFile& table) {
    QList<ByteWriteSeries::Byte> bytes;
    for (int k = 0; k < int(table.items().size()); ++k)
        bytes.append({table.address(k), table.items()[k].value});
    const TableFile previous = std::exchange(table_, table);
    if (series_.start(std::move(bytes))) return true;
    table_ = previous;
    return false;
}

quint16 TableWrite::failedAddress() const {
    return series_.bytes().value(series_.written()).address;
}

void TableWrite::halted() {
    emit started();
    listing_ = table_.header() + QStringLiteral("\r\n");
    emit listingChanged();
    setPercent(-1);
}

void TableWrite::writing(int k) {
    listing_ += QStringLiteral(" %1 - %2\r\n").arg(k).arg(table_.items()[k].text);
    emit listingChanged();
    setPercent(k * 100 / 255);
}

void TableWrite::written(ByteWriteSeries::Outcome outcome) {
    outcome_ = outcome == ByteWriteSeries::Outcome::Done ? Outcome::Done : Outcome::NotAcknowledged;
    emit finished(outcome_);
}

void TableWrite::setPercent(int percent) {
    percent_ = percent;
    emit progress(percent);
}
