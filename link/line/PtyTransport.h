// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Transport.h"

#include <QSocketNotifier>

#include <memory>

// The far end of a new pseudo-terminal: open() makes the pair, and a program
// that opens slavePath() as a serial port talks to whatever is behind this
// end. The slave side is held open here too, so the pair lives on while the
// serial side closes and reopens.
class PtyTransport : public Transport {
    Q_OBJECT
public:
    using Transport::Transport;
    ~PtyTransport() override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return master_ >= 0; }
    void write(const QByteArray& bytes) override;
    QString errorString() const override { return error_; }

    const QString& slavePath() const { return slavePath_; }

private:
    void readable();

    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    QString error_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
