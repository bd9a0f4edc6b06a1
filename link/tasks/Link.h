#pragma once

#include "DownloadDump.h"
#include "ModbusCrc.h"
#include "ReceiveLog.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class Transport;

// The link to the controller: the transmit buffers frames are built in, the
// receive buffer and the flags the receive handler raises, and the
// send-and-wait exchange with its three attempts. One per program; the
// assembler-and-link window owns it, and everything that talks to the
// controller goes through it.
class Link : public QObject {
    Q_OBJECT
public:
    enum class Flag { Reply, Ack };
    using Done = std::function<void(bool answered)>;
    template <class Bytes> using Build = std::function<void(Bytes&)>;
    class Hold;

    static constexpr int Attempts = 3;
    static constexpr int DefaultDelayMs = 300;
    static constexpr const char* HeldText = "a transfer holds the line";

    explicit Link(QObject* parent = nullptr);
    ~Link() override;

    // The line frames go out on and answers come from; none: frames are lost.
    void setTransport(Transport* transport);

    // Builds a frame in the link's buffer of its size and sends the whole
    // buffer; returns the bytes sent. The builders of Frames set only the
    // bytes their frame defines, so the rest keep what the frame before left
    // there. While a transfer holds the line nothing is built or sent, and
    // nothing is returned.
    QByteArray send(const Build<ShortBytes>& build);
    QByteArray send(const Build<LongBytes>& build);
    QByteArray send(const Build<TestBytes>& build);
    QByteArray send(const Build<FreeBytes>& build);
    // Bytes of a sender's own, as they are; false while a transfer holds the line.
    bool send(const QByteArray& bytes);

    // Builds a frame as send() does, then exchanges it: clears AckFlag, the
    // watched flag and the attempt trace, then up to three times adds ">T"
    // and the attempt number to the trace, sends the frame and waits
    // `delays` DELAYs, stopping as soon as the watched flag is 1 after a
    // wait. Only AckFlag cuts a wait short, so a reply is waited out in full.
    // After an exchange that needed a second attempt or failed, the answers
    // to its earlier attempts may still be on their way: as long as its
    // attempts took passes first, and what arrives then answers nothing.
    // done() is called once, from the event loop, with whether the watched
    // flag came up. False (nothing built or sent) while another exchange
    // runs or a transfer holds the line.
    bool exchange(const Build<ShortBytes>& build, Flag watch, int delays, Done done);
    bool exchanging() const { return static_cast<bool>(done_); }

    // A transfer holds the line from its halt frame to its end, so that no
    // other sender's frame comes between its byte writes: the link then
    // sends only through the hold. None while the line is held already or an
    // exchange runs; the line is free again when the hold goes.
    std::unique_ptr<Hold> hold();
    bool held() const { return held_; }

    // "WR", the switch between working with and without a controller: when
    // off, every wait counts as answered at once.
    bool withController() const { return withController_; }
    void setWithController(bool on) { withController_ = on; }
    // The wall-clock length of one DELAY.
    int delayMs() const { return delayMs_; }
    void setDelayMs(int ms) { delayMs_ = ms; }

    // The download window's receive switch: received bytes go to its dump.
    bool dumpSwitch() const { return dumpSwitch_; }
    void setDumpSwitch(bool on);

    ReceiveLog& receiveLog() { return log_; }
    DownloadDump& dump() { return dump_; }
    const QString& trace() const { return trace_; }

    // The flags the receive handler and the exchanges raise and clear.
    // AckFlag rises when all that arrived since the last frame went out is
    // the one byte 0x5A.
    qint16 ReplyFlag() const { return replyFlag_; }
    qint16 AckFlag() const { return ackFlag_; }
    qint16 TryCount() const { return tryCount_; }
    // 1 when received bytes may go on to the tracer's display; the download
    // holds it at 0 while it runs.
    qint16 LinkIdle() const { return linkIdle_; }
    void setLinkIdle(bool idle) { linkIdle_ = idle ? 1 : 0; }
    // What the last arrival left in the receive buffer (31 bytes at most).
    QByteArray received() const;

public slots:
    // The receive handler: one arrival of bytes from the line.
    void onComm(const QByteArray& input);

signals:
    void receiveLogChanged();
    void dumpChanged();
    // An arrival for the tracer, as it came off the line: the tracer checks
    // answers by their CRC, which the acknowledgement's 0 would break.
    void tracerReceived(const QByteArray& bytes);
    void traceChanged();
    // Every frame as it goes out.
    void sent(const QByteArray& bytes);
    void dumpSwitchChanged(bool on);

private:
    template <class Bytes> QByteArray sendBuilt(Bytes& buffer, const Build<Bytes>& build);
    bool start(const Build<ShortBytes>& build, Flag watch, int delays, Done done);
    void transmit(const QByteArray& frame);
    void attempt(int number);
    void heard(quint8 byte);
    void DELAY(int count);
    void waited();
    void finish(bool answered);
    qint16 flag(Flag f) const { return f == Flag::Ack ? ackFlag_ : replyFlag_; }

    // The transmit buffers.
    ShortBytes shortFrame_{};
    LongBytes longFrame_{};
    TestBytes testFrame_{};
    FreeBytes freeFrame_{};
    bool held_ = false;

    QPointer<Transport> transport_;
    ReceiveLog log_;
    DownloadDump dump_;
    QString trace_;
    std::array<quint8, 31> RxBuf{};
    std::size_t received_ = 0;
    qint16 replyFlag_ = 0;
    qint16 ackFlag_ = 0;
    qint16 linkIdle_ = 1;
    qint16 tryCount_ = 0;
    bool withController_ = true;
    bool dumpSwitch_ = false;
    int delayMs_ = DefaultDelayMs;

    QTimer wait_;
    QByteArray frame_; // what each attempt of the exchange sends
    Flag watch_ = Flag::Ack;
    int delays_ = 1;
    Done done_;
    // What came since the last frame went out: the controller acknowledges
    // a byte write with 0x5A alone, and anything else is not that answer.
    int heardSinceSend_ = 0;
    bool firstHeardIsAck_ = false;
    int drainNextMs_ = 0; // late answers may still come: wait before the next exchange
    bool draining_ = false;
};

// A transfer's hold on the line (see Link::hold()): its frames go out while
// every other sender is refused.
class Link::Hold {
public:
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

    QByteArray send(const Build<ShortBytes>& build);
    bool exchange(const Build<ShortBytes>& build, Flag watch, int delays, Done done);

private:
    friend class Link;
    explicit Hold(Link& link) : link_(&link) {}
    QPointer<Link> link_;
};
