#include "Tracer.h"

#include "ByteField.h"
#include "Frames.h"
#include "HexText.h"
#include "Link.h"
#include "MapTab.h"
#include "NumericText.h"
#include "ReadAnswer.h"

#include <QDateTime>
#include <QTimer>

#include <bit>
#include <utility>

namespace {

// An answer is 21 bytes; a line that chatters on while tracing is paused
// must not grow the gathered bytes without end.
constexpr qsizetype MaxGathered = 256;

} // namespace

Tracer::Tracer(Link& link, QTimer& clock, QObject* parent)
    : QObject(parent), link_(link), clock_(clock) {
    clock_.setInterval(DefaultIntervalMs);
    connect(&clock_, &QTimer::timeout, this, &Tracer::tick);
    connect(&link_, &Link::tracerReceived, this, &Tracer::arrived);
    connect(&link_, &Link::dumpSwitchChanged, this, &Tracer::stateChanged);
}

void Tracer::loadNames(const ProgramFolder& folder) {
    const QStringList named = MapTab::items(folder, NamedCells);
    for (int i = 0; i < Cells; ++i)
        items_[i] = i < named.size() ? named[i] : QString();
    emit stateChanged();
}

QString Tracer::name(int cell) const {
    return MapTab::caption(items_.at(cell));
}

QString Tracer::switchCaption() const {
    return tracing_ ? QStringLiteral("TR") : QStringLiteral("STOP");
}

void Tracer::toggleTracing() {
    tracing_ = !tracing_;
    if (tracing_ && !clock_.isActive()) clock_.start();
    emit stateChanged();
}

void Tracer::pause() {
    tracing_ = false;
    emit stateChanged();
}

void Tracer::setSlave(const QString& text) {
    // A text that is no slave address leaves the address as it was: no wrong
    // byte goes out, and no request the line would take for a command.
    if (const auto address = ByteField::decimal(text);
        address && ControllerFacts::isSlaveAddress(*address))
        slave_ = *address;
}

void Tracer::setInterval(const QString& text) {
    if (const int ms = NumericText::floorInt(NumericText::value(text)); ms > 0)
        clock_.setInterval(qMin(ms, MaxIntervalMs));
}

bool Tracer::answersWithheld() const {
    return link_.dumpSwitch() || link_.LinkIdle() != 1;
}

QString Tracer::healthText() const {
    const Counters& n = counters_;
    QString text = QStringLiteral("polls %1   good %2   missing %3   bad %4")
                       .arg(n.polls)
                       .arg(n.good)
                       .arg(n.missing)
                       .arg(n.bad);
    if (n.withheld) text += QStringLiteral("   withheld %1").arg(n.withheld);
    if (n.pending()) text += QStringLiteral("   awaited %1").arg(n.pending());
    if (link_.dumpSwitch())
        text += QStringLiteral("   (answers go to the download window: its RCV switch is on)");
    else if (link_.LinkIdle() != 1)
        text += QStringLiteral("   (answers held while a download runs)");
    if (!n.lastBad.isEmpty()) text += QStringLiteral("   (last bad: %1)").arg(n.lastBad);
    return text;
}

void Tracer::tick() {
    const bool judged = judgeOutstanding();
    if (holdOff_ > 0) {
        --holdOff_;
    } else if (!tracing_ && marker_ == Marker::Pending) {
        writePending();
    } else if (tracing_) {
        poll();
    } else if (!judged) {
        return;
    }
    emit stateChanged();
}

// The read of the tick before, judged on what has arrived since. Its answer
// is shown only while tracing runs and no changed cell waits: it may
// predate the write and would put the old value back in the cell.
bool Tracer::judgeOutstanding() {
    if (!outstanding_) return false;
    takeAnswer(*std::exchange(outstanding_, std::nullopt), tracing_ && marker_ != Marker::Pending);
    return true;
}

// The register that holds the pending cell, its even cell the high byte.
// A pair of cells that is no register value goes nowhere.
void Tracer::writePending() {
    const int even = pendingCell_ & ~1;
    const auto high = cellValue(even), low = cellValue(even + 1);
    if (high && low) {
        arrived_.clear();
        received_.clear();
        const auto reg = quint8(pendingCell_ / 2 + FirstRegister);
        const auto value = quint16(*high << 8 | *low);
        // A transfer holding the line refuses it: the cell waits for the next tick.
        if (link_.send([&](ShortBytes& f) { Frames::registerWrite(f, quint8(slave_), reg, value); })
                .isEmpty())
            return;
    }
    marker_ = high && low ? Marker::Sent : Marker::Idle;
    tracing_ = true;
}

void Tracer::poll() {
    const Read read{pollBase_ + FirstRegister, quint8(slave_)};
    arrived_.clear();
    received_.clear();
    // A transfer holding the line refuses the read: no poll this tick.
    if (link_
            .send([&](ShortBytes& f) {
                Frames::registerRead(f, read.slave, quint8(read.firstRegister));
            })
            .isEmpty())
        return;
    polledBase_ = pollBase_;
    outstanding_ = read;
    ++counters_.polls;
    running_ = cellBit(RunCell, std::countr_zero(unsigned(ControllerFacts::RunBit)));
    pollBase_ = pollBase_ + BlockRegisters > Cells - 1 ? 0 : pollBase_ + BlockRegisters;
}

// Only the answer to the read: anything else leaves its block empty, as no
// answer does, and is counted with the reason.
void Tracer::takeAnswer(const Read& read, bool show) {
    const int firstCell = 2 * (read.firstRegister - FirstRegister);
    QByteArray data;
    if (arrived_.isEmpty() && answersWithheld()) {
        ++counters_.withheld;
    } else if (arrived_.isEmpty()) {
        ++counters_.missing;
    } else if (const QString fault = ReadAnswer::fault(arrived_, read.slave, BlockRegisters);
               !fault.isEmpty()) {
        ++counters_.bad;
        counters_.lastBad = fault;
    } else {
        ++counters_.good;
        data = ReadAnswer::data(arrived_);
        if (!recording_.add(QDateTime::currentDateTime(), read.firstRegister, firstCell, data))
            emit recordingFailed(recording_.error());
        emit answered(read.firstRegister, data);
    }
    if (show) showBlock(firstCell, data);
}

void Tracer::showBlock(int firstCell, const QByteArray& data) {
    const int first = qMax(firstCell, 0), end = qMin(firstCell + 2 * BlockRegisters, Cells);
    for (int cell = first; cell < end; ++cell) {
        const int k = cell - firstCell;
        cells_[cell] = k < data.size() ? hexText(quint8(data[k]), 2) : QString();
    }
    if (first < end) emit cellsChanged(first, end - first);
}

void Tracer::arrived(const QByteArray& bytes) {
    const QByteArray taken = bytes.first(qMin(bytes.size(), MaxGathered - arrived_.size()));
    arrived_ += taken;
    received_ += QString::fromLatin1(taken.toHex().toUpper());
    emit stateChanged();
}

void Tracer::setCell(int i, const QString& text) {
    cells_.at(i) = text;
    emit cellsChanged(i, 1);
}

void Tracer::select(int i) {
    if (selected_ >= 0 && selected_ != i) left_.at(selected_) = true;
    selected_ = i;
    pause();
}

void Tracer::enter(int i) {
    queue(i);
}

void Tracer::queue(int cell) {
    marker_ = Marker::Pending;
    pendingCell_ = cell;
    emit stateChanged();
}

void Tracer::bitButton(int i) {
    tracing_ = false;
    holdOff_ = HoldOffTicks;
    const int cell = groupCell(i / 8);
    setCellValue(cell, quint8(cellValue(cell).value_or(0) ^ (1 << (i % 8))));
    queue(cell);
}

void Tracer::runStop() {
    tracing_ = false;
    const quint8 value = cellValue(RunCell).value_or(0);
    setCellValue(RunCell,
                 running_ ? value & ~ControllerFacts::RunBit : value | ControllerFacts::RunBit);
    queue(RunCell);
}

QString Tracer::runCaption() const {
    return running_ ? QStringLiteral("RUN") : QStringLiteral("STOP");
}

void Tracer::clear() {
    for (QString& c : cells_)
        c.clear();
    emit cellsChanged(0, Cells);
}

bool Tracer::bitSet(int button) const {
    return cellBit(groupCell(button / 8), button % 8);
}

int Tracer::groupCell(int group) {
    static constexpr std::array<int, BitGroups> cells{1, 54, 4, 5, 55, 15};
    return cells.at(group);
}

bool Tracer::cellBit(int cell, int bit) const {
    return (cellValue(cell).value_or(0) >> bit) & 1;
}

std::optional<quint8> Tracer::cellValue(int cell) const {
    return ByteField::hexadecimal(cells_.at(cell));
}

void Tracer::setCellValue(int cell, quint8 value) {
    setCell(cell, hexText(value, 2));
}

bool Tracer::startRecording(const QString& path, QString* error) {
    return recording_.start(path, columnNames(), error);
}

void Tracer::stopRecording() {
    recording_.stop();
}

bool Tracer::recording() const {
    return recording_.active();
}

// A cell's column: its map.tab name, else its number as the window shows it.
QStringList Tracer::columnNames() const {
    QStringList names;
    for (int i = 0; i < Cells; ++i) {
        const QString n = name(i);
        names << (n.isEmpty() ? QStringLiteral("cell ") + hexText(quint32(i), 2) : n);
    }
    return names;
}
