// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TrendTrace.h"

#include <QByteArray>

#include <deque>
#include <map>
#include <optional>
#include <vector>

// What the trend has seen of the tracer's polls: each read's answer at the
// time the read went out, or a gap where no good answer came. Kept by block
// of registers, so a trace reads only the polls that carried its cell.
class TrendLog {
public:
    // A point of one trace; value is Gap where its poll brought no answer.
    struct Point {
        qint64 ms;
        int value;
    };
    static constexpr int Gap = -1;

    // One poll of the registers from firstRegister on, at ms since the epoch.
    // data holds their bytes, high byte first; a gap holds none.
    struct Poll {
        qint64 ms;
        int firstRegister;
        QByteArray data;
        bool gap() const { return data.isEmpty(); }
    };

    // A good answer: its bytes show in the cells from 2 * (firstRegister - 16).
    void addAnswer(qint64 ms, int firstRegister, const QByteArray& data);
    // A read that brought no good answer.
    void addGap(qint64 ms, int firstRegister);
    // Forgets the polls before ms.
    void dropBefore(qint64 ms);
    bool empty() const;
    qint64 firstTime() const;
    qint64 lastTime() const;

    // The trace's points from `from` to `to`, with the one before and the one
    // after, so that its line runs to the edges of the span.
    std::vector<Point> points(const TrendTrace& trace, qint64 from, qint64 to) const;
    // What the trace read at ms: its last poll's value, none in a gap or
    // before the first poll.
    std::optional<int> valueAt(const TrendTrace& trace, qint64 ms) const;
    // Every poll, in the order of time.
    std::vector<Poll> polls() const;

    static int firstCell(int firstRegister);

private:
    void add(Poll poll);
    const std::deque<Poll>* blockOf(int cell, int* offset) const;

    std::map<int, std::deque<Poll>> blocks_; // by first register
    qint64 last_ = 0;
};
