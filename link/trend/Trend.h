// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Tracer.h"
#include "TrendLog.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

// The trend beside the tracer: the cells and bits the user picked, drawn
// over a moving window of time from the tracer's polls. Each good answer is
// a point at the time its read went out; a read without a good answer
// (missing, refused, or taken by another window) is a gap, and so is a
// longer time the tracer stood still, so that no line bridges it. Pausing holds
// the window still while the polls go on being kept.
class Trend : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<qint64()>; // ms since the epoch

    // More lines than this in one picture are no longer read apart.
    static constexpr int MaxTraces = 16;
    static constexpr qint64 MinWindowMs = 10'000;
    static constexpr qint64 MaxWindowMs = 600'000;
    static constexpr qint64 DefaultWindowMs = 60'000;
    // A stop of the tracer longer than this is a gap. Shorter ones (a bit
    // button holds the polls off for five ticks) leave each cell's polls
    // about as far apart as a sweep of the cells does at 50 ms (1.4 s):
    // their line stays, with the step the click made.
    static constexpr qint64 StopGapMs = 2'000;

    explicit Trend(Tracer& tracer, Clock clock = {}, QObject* parent = nullptr);

    const TrendLog& log() const { return log_; }
    const QList<TrendTrace>& traces() const { return traces_; }
    // False, with why, when the trace is there already or the picture is full.
    bool add(const TrendTrace& trace, QString* why = nullptr);
    void remove(int index);
    // The trace's name: its cell's map.tab name, else its number.
    QString label(const TrendTrace& trace) const;
    QStringList labels() const;
    // Every cell's column name, as the tracer's recording heads them.
    QStringList cellNames() const;

    qint64 windowMs() const { return windowMs_; }
    void setWindowMs(qint64 ms);
    bool paused() const { return pausedAt_.has_value(); }
    void setPaused(bool paused);
    bool hex() const { return hex_; }
    void setHex(bool hex);
    // The time at the right edge: now, or when the pause began.
    qint64 viewEnd() const;
    qint64 viewStart() const { return viewEnd() - windowMs_; }

    // The polls kept, as the tracer's recording writes them.
    bool writeCsv(const QString& path, QString* error) const;

signals:
    // A poll came in or what is shown changed.
    void changed();

private:
    void answered(int firstRegister, const QByteArray& data);
    void observe();
    void forgetOld();

    // The read under way: its block and when it went out.
    struct Sent {
        int firstRegister;
        qint64 ms;
    };

    Tracer& tracer_;
    Clock clock_;
    TrendLog log_;
    QList<TrendTrace> traces_;
    qint64 windowMs_ = DefaultWindowMs;
    std::optional<qint64> pausedAt_;
    bool hex_ = false;
    std::optional<Sent> sent_;
    bool tracing_ = false;
    std::optional<qint64> stoppedAt_; // when the tracer last stopped polling
    int polls_ = 0;
    int failed_ = 0; // missing, bad and withheld
};
