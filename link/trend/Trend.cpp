// SPDX-License-Identifier: GPL-3.0-or-later
#include "Trend.h"

#include "HexText.h"
#include "TrendCsv.h"

#include <QDateTime>

#include <algorithm>

namespace {

int failedReads(const Tracer::Counters& n) {
    return n.missing + n.bad + n.withheld;
}

} // namespace

Trend::Trend(Tracer& tracer, Clock clock, QObject* parent)
    : QObject(parent), tracer_(tracer),
      clock_(clock ? std::move(clock) : [] { return QDateTime::currentMSecsSinceEpoch(); }),
      tracing_(tracer.tracing()), polls_(tracer.counters().polls),
      failed_(failedReads(tracer.counters())) {
    connect(&tracer_, &Tracer::answered, this, &Trend::answered);
    connect(&tracer_, &Tracer::stateChanged, this, &Trend::observe);
}

bool Trend::add(const TrendTrace& trace, QString* why) {
    QString refusal;
    if (traces_.contains(trace))
        refusal = label(trace) + QStringLiteral(" is traced already");
    else if (traces_.size() >= MaxTraces)
        refusal = QStringLiteral("%1 traces at the most: remove one first").arg(MaxTraces);
    if (why) *why = refusal;
    if (!refusal.isEmpty()) return false;
    traces_ << trace;
    emit changed();
    return true;
}

void Trend::remove(int index) {
    if (index < 0 || index >= traces_.size()) return;
    traces_.removeAt(index);
    emit changed();
}

QString Trend::label(const TrendTrace& trace) const {
    return trace.label(cellNames().at(trace.cell));
}

QStringList Trend::labels() const {
    const QStringList names = cellNames();
    QStringList out;
    for (const TrendTrace& trace : traces_)
        out << trace.label(names.at(trace.cell));
    return out;
}

QStringList Trend::cellNames() const {
    QStringList names;
    for (int i = 0; i < Tracer::Cells; ++i) {
        const QString name = tracer_.name(i);
        names << (name.isEmpty() ? QStringLiteral("cell ") + hexText(quint32(i), 2) : name);
    }
    return names;
}

void Trend::setWindowMs(qint64 ms) {
    windowMs_ = std::clamp(ms, MinWindowMs, MaxWindowMs);
    forgetOld();
    emit changed();
}

void Trend::setPaused(bool paused) {
    if (paused == this->paused()) return;
    pausedAt_ = paused ? std::optional<qint64>(clock_()) : std::nullopt;
    emit changed();
}

void Trend::setHex(bool hex) {
    hex_ = hex;
    emit changed();
}

qint64 Trend::viewEnd() const {
    return pausedAt_ ? *pausedAt_ : clock_();
}

bool Trend::writeCsv(const QString& path, QString* error) const {
    return TrendCsv::write(path, log_, cellNames(), error);
}

// A good answer comes while the tracer judges the read of the tick before,
// which is the read remembered at that tick.
void Trend::answered(int firstRegister, const QByteArray& data) {
    if (!sent_ || sent_->firstRegister != firstRegister) return;
    log_.addAnswer(sent_->ms, firstRegister, data);
    sent_.reset();
    forgetOld();
    emit changed();
}

// After each tick: a read judged without a good answer is a gap at its
// time; so is, in every block, the time from a longer stop of the tracer to
// its start again; a read just sent is remembered with the time it went out.
void Trend::observe() {
    const Tracer::Counters& n = tracer_.counters();
    bool logged = false;
    if (failedReads(n) != failed_ && sent_) {
        log_.addGap(sent_->ms, sent_->firstRegister);
        sent_.reset();
        logged = true;
    }
    failed_ = failedReads(n);
    if (tracing_ && !tracer_.tracing()) stoppedAt_ = clock_();
    if (!tracing_ && tracer_.tracing() && stoppedAt_ && clock_() - *stoppedAt_ > StopGapMs) {
        for (int reg = Tracer::FirstRegister; TrendLog::firstCell(reg) < Tracer::Cells;
             reg += Tracer::BlockRegisters)
            log_.addGap(*stoppedAt_, reg);
        logged = true;
    }
    if (tracer_.tracing()) stoppedAt_.reset();
    tracing_ = tracer_.tracing();
    if (n.polls != polls_) {
        // Blocks past the last cell have nothing to draw.
        const int firstRegister = tracer_.polledBase() + Tracer::FirstRegister;
        sent_ = TrendLog::firstCell(firstRegister) < Tracer::Cells
                    ? std::optional<Sent>(Sent{firstRegister, clock_()})
                    : std::nullopt;
    }
    polls_ = n.polls;
    if (logged) {
        forgetOld();
        emit changed();
    }
}

// Kept: the longest window back from now, and while paused all that the
// held window shows.
void Trend::forgetOld() {
    qint64 keep = clock_() - MaxWindowMs;
    if (pausedAt_) keep = std::min(keep, *pausedAt_ - windowMs_);
    log_.dropBefore(keep);
}
