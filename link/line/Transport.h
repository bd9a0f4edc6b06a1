// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QObject>
#include <QStringList>

class LineSettings;

// The line to the controller as the link sees it: open, close, write a frame,
// and every arrival of bytes handed on as one array, in arrival order.
class Transport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // False when the line cannot be opened now; errorString() says why. A
    // line that connects in the background returns true and emits failed()
    // when the connection does not come about or breaks.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Bytes written while the line is closed are lost, as on a real port.
    virtual void write(const QByteArray& bytes) = 0;
    virtual QString errorString() const = 0;
    // What was written and has not yet left for the far end: held by the
    // transport, or by the kernel (a serial port's output queue, a TCP
    // connection's unacknowledged bytes). LineDrain waits for it to reach 0.
    virtual qint64 bytesToWrite() const { return 0; }

    // Baud rate, parity, data and stop bits, for lines that have them; taken
    // at the next open, or at once when open. Returns what the device
    // refused, in words ("even parity", "DTR"); empty when all was taken.
    virtual QStringList setLine(const LineSettings&) { return {}; }
    // What the device refused at the last open.
    virtual QStringList refusedAtOpen() const { return {}; }

    // The most a line hands on at once, and the most a device behind a line
    // may hold unread: a peer that sends faster than the line is served
    // waits (TCP's flow control, a serial device's own buffer) instead of
    // filling memory.
    static constexpr qint64 Piece = 4096;
    static constexpr qint64 Held = 16 * Piece;

signals:
    void bytesArrived(const QByteArray& bytes);
    void failed(const QString& reason);

protected:
    // What `device` has read, handed on piece by piece; stops when whoever
    // takes a piece closes the line.
    void handOn(QIODevice& device) {
        while (device.isOpen() && device.bytesAvailable() > 0)
            emit bytesArrived(device.read(Piece));
    }
};
