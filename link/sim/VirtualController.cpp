// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualController.h"

#include "Frames.h"
#include "HexText.h"
#include "ModbusCrc.h"

#include <utility>

namespace {

// Three and a half characters of silence end a Modbus frame; on a pty or a
// socket there is no character time, so the line counts as quiet after this.
constexpr int QuietMs = 50;

constexpr quint8 IllegalFunction = 1, IllegalAddress = 2, IllegalValue = 3;

quint16 word(const QByteArray& bytes, int at) {
    return static_cast<quint16>(quint8(bytes[at]) << 8 | quint8(bytes[at + 1]));
}

bool touchesClock(int first, int count) {
    return first < ControllerFacts::ClockRegister + ControllerFacts::ClockRegisters &&
           first + count > ControllerFacts::ClockRegister;
}

} // namespace

VirtualController::VirtualController(quint8 slave, QObject* parent)
    : QObject(parent), slave_(slave), memory_(0x10000, '\0') {
    quiet_.setSingleShot(true);
    quiet_.setInterval(QuietMs);
    connect(&quiet_, &QTimer::timeout, this, &VirtualController::flushLine);
    seconds_.setInterval(1000);
    connect(&seconds_, &QTimer::timeout, this, &VirtualController::secondElapsed);
}

void VirtualController::receive(const QByteArray& bytes) {
    splitter_.feed(bytes, [this](const FrameSplitter::Frame& frame) { take(frame); });
    if (splitter_.pending())
        quiet_.start();
    else
        quiet_.stop();
}

void VirtualController::flushLine() {
    splitter_.flush([this](const FrameSplitter::Frame& frame) { take(frame); });
}

void VirtualController::take(const FrameSplitter::Frame& frame) {
    const QString meaning = handle(frame);
    // The answer first: telling of the frame is no reason to keep the line waiting.
    if (!reply_.isEmpty()) emit reply(std::exchange(reply_, {}));
    emit handled(frame.bytes, meaning);
}

void VirtualController::secondElapsed() {
    if (running_) clock_.advance(1);
}

quint16 VirtualController::holding(int reg) const {
    using Facts = ControllerFacts;
    if (reg >= Facts::ClockRegister && reg < Facts::ClockRegister + Facts::ClockRegisters)
        return clock_.reg(reg - Facts::ClockRegister);
    if (reg == Facts::RunRegister)
        return (registers_[reg] & ~Facts::RunBit) | (running_ ? Facts::RunBit : 0);
    return registers_[reg];
}

void VirtualController::setRegister(int reg, quint16 value) {
    registers_[reg] = value;
    if (reg == ControllerFacts::RunRegister) setRunning(value & ControllerFacts::RunBit);
}

void VirtualController::setRunning(bool running) {
    running_ = running;
    if (running)
        seconds_.start();
    else
        seconds_.stop();
}

void VirtualController::answer(QByteArray bytes) {
    if (!answerWanted_) return;
    const quint16 crc = ModbusCrc::of(bytes);
    reply_ = bytes.append(char(crc & 0xFF)).append(char(crc >> 8));
}

QString VirtualController::handle(const FrameSplitter::Frame& frame) {
    const QByteArray& f = frame.bytes;
    using Kind = FrameSplitter::Kind;
    switch (frame.kind) {
    case Kind::Modbus:
        return modbus(f);
    case Kind::Halt:
        setRunning(false);
        return QStringLiteral("halt");
    case Kind::Start:
        setRunning(true);
        return QStringLiteral("start");
    case Kind::ByteWrite: {
        const quint16 address = word(f, 2);
        memory_[address] = f[4];
        reply_ = QByteArray(1, char(Frames::Ack));
        return QStringLiteral("write %1 at %2, acknowledged")
            .arg(hexText(quint8(f[4]), 2), hexText(address, 4));
    }
    case Kind::RawMemoryWrite: {
        const quint16 address =
            ((quint8(f[1]) + ControllerFacts::RawHighOffset) << 8 | quint8(f[2])) & 0xFFFF;
        memory_[address] = f[3];
        return QStringLiteral("raw write %1 at %2")
            .arg(hexText(quint8(f[3]), 2), hexText(address, 4));
    }
    case Kind::RawTest:
        reply_ = f;
        return QStringLiteral("link test, echoed");
    case Kind::LoaderByte:
        ++loaderBytes_;
        return loaderMode() ? QStringLiteral("loader byte, in loader mode")
                            : QStringLiteral("loader byte");
    case Kind::ResetByte:
        loaderBytes_ = 0;
        loaderParameter_.reset();
        return QStringLiteral("reset byte, loader mode left");
    case Kind::LoaderStart:
        loaderParameter_ = quint8(f[1]);
        return QStringLiteral("loader start, parameter %1").arg(hexText(quint8(f[1]), 2));
    case Kind::BadCheck:
        return QString::fromLatin1(BadCheckText);
    case Kind::Noise:
        break;
    }
    return QString::fromLatin1(NoiseText);
}

QString VirtualController::modbus(const QByteArray& request) {
    const quint8 to = request[0];
    // Address 0 is the Modbus broadcast: writes are carried out, nobody answers.
    if (to != slave_ && to != 0) return QStringLiteral("for slave %1, ignored").arg(to);
    answerWanted_ = to != 0;
    switch (quint8(request[1])) {
    case ControllerFacts::ReadHoldingRegisters:
    case ControllerFacts::ReadInputRegisters:
        return readRegisters(request);
    case ControllerFacts::WriteSingleRegister:
        return writeRegister(request);
    case ControllerFacts::WriteMultipleRegisters:
        return writeRegisters(request);
    default:
        return refuse(request, IllegalFunction, QStringLiteral("function not served"));
    }
}

QString VirtualController::refuse(const QByteArray& request, quint8 code, const QString& why) {
    answer(QByteArray{request.constData(), 1} +
           char(quint8(request[1]) | ControllerFacts::ExceptionFlag) + char(code));
    return QStringLiteral("function %1: %2, exception %3")
        .arg(quint8(request[1]))
        .arg(why)
        .arg(code);
}

QString VirtualController::readRegisters(const QByteArray& request) {
    const int first = word(request, 2), count = word(request, 4);
    if (count < 1 || count > ControllerFacts::MaxReadRegisters)
        return refuse(request, IllegalValue, QStringLiteral("bad count"));
    if (first + count > Registers)
        return refuse(request, IllegalAddress, QStringLiteral("no such register"));
    QByteArray bytes = request.first(2) + char(2 * count);
    for (int r = first; r < first + count; ++r)
        bytes.append(char(holding(r) >> 8)).append(char(holding(r) & 0xFF));
    answer(bytes);
    return QStringLiteral("read %1 register(s) from %2").arg(count).arg(first);
}

QString VirtualController::writeRegister(const QByteArray& request) {
    const int reg = word(request, 2);
    if (reg >= Registers || touchesClock(reg, 1))
        return refuse(request, IllegalAddress, QStringLiteral("register not writable"));
    setRegister(reg, word(request, 4));
    answer(request.first(6));
    return QStringLiteral("write register %1 = %2").arg(reg).arg(hexText(word(request, 4), 4));
}

QString VirtualController::writeRegisters(const QByteArray& request) {
    const int first = word(request, 2), count = word(request, 4);
    if (count < 1 || count > ControllerFacts::MaxWriteRegisters || quint8(request[6]) != 2 * count)
        return refuse(request, IllegalValue, QStringLiteral("bad count"));
    if (first + count > Registers)
        return refuse(request, IllegalAddress, QStringLiteral("no such register"));
    QString meaning;
    if (first == ControllerFacts::ClockRegister && count == ControllerFacts::ClockRegisters) {
        if (!clock_.set(QByteArrayView(request).sliced(7, 8)))
            return refuse(request, IllegalValue, QStringLiteral("not a date and time"));
        meaning = QStringLiteral("set the clock to ") + clock_.time().toString(Qt::ISODate);
    } else if (touchesClock(first, count)) {
        return refuse(request, IllegalAddress, QStringLiteral("the clock is written whole"));
    } else {
        for (int i = 0; i < count; ++i)
            setRegister(first + i, word(request, 7 + 2 * i));
        meaning = QStringLiteral("write %1 register(s) from %2").arg(count).arg(first);
    }
    answer(request.first(6));
    return meaning;
}
