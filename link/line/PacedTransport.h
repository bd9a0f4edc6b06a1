// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Transport.h"

#include <chrono>
#include <deque>
#include <memory>
#include <optional>

class QSocketNotifier;

// A serial line's pace put on a line that has none (a pty, a socket), as the
// controller's end sees it: 11 bits a character (start, eight data, parity,
// stop), characters back to back. What arrives is handed on once its last
// character could have come down the wire, counted from its arrival or from
// the end of what came before; what is written goes out once its last
// character could have gone; an answer made while an arrival is handed on
// starts on the wire when that arrival was complete, however late the
// handing. A USB serial adapter at the far end can be put in as well: it
// holds what is written for `hold` after its last character, as an
// adapter's latency timer holds a short answer before the host sees it.
// Arrivals faster than the wire are kept up to Held bytes; beyond that they
// are lost, as a UART overruns, instead of waiting in memory without end.
// One character at 9600 baud lasts 1.15 ms, finer
// than the event loop's millisecond timers, so the waits run on a
// nanosecond timer of the kernel's.
class PacedTransport : public Transport {
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int BitsPerCharacter = 11;

    PacedTransport(std::unique_ptr<Transport> line, int baud,
                   std::chrono::milliseconds hold = std::chrono::milliseconds(0),
                   QObject* parent = nullptr);
    ~PacedTransport() override;

    bool open() override;
    // What is still on its way either side is lost with the line.
    void close() override;
    bool isOpen() const override { return line_->isOpen(); }
    void write(const QByteArray& bytes) override;
    QString errorString() const override { return line_->errorString(); }
    qint64 bytesToWrite() const override;

    // How long `count` characters take on the wire at `baud`.
    static std::chrono::nanoseconds wireTime(qsizetype count, int baud);

private:
    struct Pending {
        Clock::time_point due;
        QByteArray bytes;
    };
    using Queue = std::deque<Pending>;

    void arrived(const QByteArray& bytes);
    void queue(Queue& q, Clock::time_point& lineFree, const QByteArray& bytes,
               Clock::duration hold = {});
    void hand();
    void arm();

    std::unique_ptr<Transport> line_;
    int baud_;
    std::chrono::milliseconds hold_;
    Queue incoming_, outgoing_;
    qsizetype incomingBytes_ = 0;
    Clock::time_point inFree_, outFree_;
    std::optional<Clock::time_point> handing_; // the due time of the arrival being handed on
    int timer_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};
