#pragma once

#include <QByteArray>
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

    // Baud rate, parity, data and stop bits, for lines that have them; taken
    // at the next open, or at once when open. Returns what the device
    // refused, in words ("even parity", "DTR"); empty when all was taken.
    virtual QStringList setLine(const LineSettings&) { return {}; }
    // What the device refused at the last open.
    virtual QStringList refusedAtOpen() const { return {}; }

signals:
    void bytesArrived(const QByteArray& bytes);
    void failed(const QString& reason);
};
