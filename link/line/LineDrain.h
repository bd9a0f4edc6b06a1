// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

class Transport;

// Waits until a line has sent everything written to it: the transport's own
// buffer and the kernel's are empty. Polled, since neither a tty nor a
// socket tells when its output runs dry. Gives up once the count has not
// fallen for `stall` (a peer that stopped reading, a line held by flow
// control), or at once when the line closes with bytes still in it.
class LineDrain : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds DefaultStall{3000};
    static constexpr std::chrono::milliseconds PollInterval{5};

    explicit LineDrain(Transport& line, std::chrono::milliseconds stall = DefaultStall,
                       QObject* parent = nullptr);

    void start();

signals:
    // How many bytes were left unsent: 0 when all went out.
    void finished(qint64 unsent);

private:
    void check();
    void finish(qint64 unsent);

    Transport& line_;
    std::chrono::milliseconds stall_;
    QTimer poll_;
    QElapsedTimer sinceProgress_;
    qint64 last_ = -1;
};
