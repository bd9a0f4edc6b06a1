// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <memory>

class QSocketNotifier;

// A log on a file that nobody may be reading (the simulator's frame log on
// stderr, a pipe that fills up): a line is written only when the file takes
// it at once, else kept, up to a bound, until it does; lines beyond the
// bound are dropped and counted, and the count is told when writing goes
// on. Whoever logs never waits.
class NonBlockingLog {
public:
    static constexpr qsizetype DefaultBound = 64 * 1024;

    explicit NonBlockingLog(int fd, qsizetype bound = DefaultBound);
    ~NonBlockingLog();

    void line(const QString& text);
    qint64 dropped() const { return dropped_; }
    // Writes what is kept, waiting at most `ms` for the file to take it;
    // false when some of it could not be written.
    bool finish(int ms);

private:
    void drain();
    // Writes what the file takes until the deadline; false when some is left.
    bool writeSome(QDeadlineTimer deadline);
    QByteArray untold() const;
    // Keeps the count of lines dropped and not yet told when it fits with
    // `room` bytes more; true when it was kept.
    bool tellDropped(qsizetype room);

    int fd_;
    qsizetype bound_;
    QByteArray kept_;
    qint64 dropped_ = 0;
    qint64 told_ = 0; // the dropped lines the log has told of
    bool broken_ = false;
    std::unique_ptr<QSocketNotifier> writable_;
};
