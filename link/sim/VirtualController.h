// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControllerClock.h"
#include "ControllerFacts.h"
#include "FrameSplitter.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <array>
#include <optional>

// A model of the controller at the other end of the line, complete for every
// frame the programming environment sends. It answers Modbus requests to its
// slave address as a Modbus slave does (bad checks and other slaves' frames
// are ignored), keeps a 64 KiB memory for the byte writes, a bank of 256
// holding registers whose register 23 carries the run state in bit 5 (where
// the tracer reads it) and whose registers 0x50-0x53 are the clock, and it
// takes the second model's loader bytes.
class VirtualController : public QObject {
    Q_OBJECT
public:
    static constexpr int Registers = 256;
    static constexpr int LoaderRun = 10;

    explicit VirtualController(quint8 slave = ControllerFacts::DefaultSlave,
                               QObject* parent = nullptr);

    // Bytes as the line delivers them: parts of frames, or several at once.
    void receive(const QByteArray& bytes);

    quint8 slave() const { return slave_; }
    bool running() const { return running_; }
    quint8 memory(quint16 address) const { return quint8(memory_[address]); }
    quint16 holding(int reg) const;
    const ControllerClock& clock() const { return clock_; }
    bool loaderMode() const { return loaderBytes_ >= LoaderRun; }
    std::optional<quint8> loaderParameter() const { return loaderParameter_; }

    // One second of wall-clock time: the clock moves while the program runs.
    void secondElapsed();

    // What handled() says of bytes that are no frame for it.
    static constexpr const char* BadCheckText = "bad CRC, ignored";
    static constexpr const char* NoiseText = "not a frame, dropped";
    static bool isNoise(const QString& meaning) {
        return meaning == QLatin1String(BadCheckText) || meaning == QLatin1String(NoiseText);
    }

signals:
    void reply(const QByteArray& bytes);
    // Every frame taken from the line, with what it meant; after its reply.
    void handled(const QByteArray& frame, const QString& meaning);

private:
    void take(const FrameSplitter::Frame& frame);
    QString handle(const FrameSplitter::Frame& frame);
    QString modbus(const QByteArray& request);
    QString readRegisters(const QByteArray& request);
    QString writeRegister(const QByteArray& request);
    QString writeRegisters(const QByteArray& request);
    void answer(QByteArray bytes);
    QString refuse(const QByteArray& request, quint8 code, const QString& why);
    void setRegister(int reg, quint16 value);
    void setRunning(bool running);
    void flushLine();

    quint8 slave_;
    bool running_ = false;
    QByteArray memory_;
    std::array<quint16, Registers> registers_{};
    ControllerClock clock_;
    int loaderBytes_ = 0;
    std::optional<quint8> loaderParameter_;
    FrameSplitter splitter_;
    QTimer quiet_;
    QTimer seconds_;
    bool answerWanted_ = true;
    QByteArray reply_; // the answer to the frame being handled
};
