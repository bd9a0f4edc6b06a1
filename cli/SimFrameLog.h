// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class NonBlockingLog;

// The simulator's frame log: a line for each frame with what it meant and
// the answer, but a run of bytes that are no frame (noise, a bad CRC) as
// one line with its count, and at most Budget frames a second, the rest
// counted. A chattering peer cannot fill the disk with a log many times
// the size of what it sent.
class SimFrameLog {
public:
    static constexpr int Budget = 400;

    explicit SimFrameLog(NonBlockingLog& log) : log_(log) {}

    // A frame taken, with the answer that went out for it (empty: none).
    void frame(const QByteArray& bytes, const QString& meaning, const QByteArray& answer);
    // Once a second and at the end: tells the run of noise and the frames
    // over the budget, if any, and opens the next second's budget.
    void flush();

private:
    void tellNoise();

    NonBlockingLog& log_;
    qint64 noiseBytes_ = 0;
    qint64 noisePieces_ = 0;
    int told_ = 0;      // frames told this second
    qint64 untold_ = 0; // frames over the budget this second
};
