#pragma once

#include "Link.h"

#include <QList>
#include <QObject>

#include <memory>

// An acknowledged series of byte writes into a halted controller, as the
// program download and the table write make it: the halt frame, every byte
// with an acknowledged byte write (three attempts of one DELAY each), then
// the start frame. The series holds the line from its halt frame to its end:
// each byte write relies on byte 5 still holding 0xAA from the halt frame,
// so no other sender's frame may come between. An unacknowledged byte, or a
// stop, ends it with the controller left halted.
class ByteWriteSeries : public QObject {
    Q_OBJECT
public:
    struct Byte {
        quint16 address;
        quint8 data;
    };
    enum class Outcome { Done, NotAcknowledged, Stopped };

    explicit ByteWriteSeries(Link& link, QObject* parent = nullptr);
    ~ByteWriteSeries() override;

    // Halts the controller and starts writing; false (nothing sent) while
    // the link exchanges or its line is held.
    bool start(QList<Byte> bytes);
    // Ends the series before its next byte, or before the start frame after
    // the last, with the controller left halted.
    void stop();

    bool running() const { return static_cast<bool>(hold_); }
    const QList<Byte>& bytes() const { return bytes_; }
    // Bytes acknowledged (or, without "WR", sent) so far: the next one to go,
    // or the one that went unacknowledged, is bytes()[written()].
    int written() const { return written_; }

signals:
    // The halt frame is out; the bytes follow.
    void halted();
    // Byte `index` is about to go out; a slot may stop() the series.
    void writing(int index);
    // Every byte written; the start frame goes out once the slots return.
    void allWritten();
    void finished(ByteWriteSeries::Outcome outcome);

private:
    void next();
    void end(Outcome outcome);

    Link& link_;
    std::unique_ptr<Link::Hold> hold_;
    QList<Byte> bytes_;
    int written_ = 0;
    bool stopWanted_ = false;
};
