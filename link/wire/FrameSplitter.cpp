// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameSplitter.h"

#include "Frames.h"
#include "ModbusCrc.h"

#include <utility>

namespace {
constexpr qsizetype ShortLength = 8;
} // namespace

void FrameSplitter::feed(const QByteArray& bytes, const Take& take) {
    buffer_ += bytes;
    split(take);
}

// Frames are handed on from an offset, and the bytes before it dropped once
// at the end: dropping them frame by frame would move the rest every time.
void FrameSplitter::split(const Take& take) {
    for (Frame f = head(); !f.bytes.isEmpty(); f = head()) {
        start_ += f.bytes.size();
        if (f.kind == Kind::Noise) {
            noise_ += f.bytes;
            if (noise_.size() >= NoiseRun) endNoise(take);
            continue;
        }
        endNoise(take);
        take(f);
    }
    buffer_.remove(0, start_);
    start_ = 0;
}

void FrameSplitter::endNoise(const Take& take) {
    if (!noise_.isEmpty()) take({Kind::Noise, std::exchange(noise_, {})});
}

void FrameSplitter::flush(const Take& take) {
    split(take);
    endNoise(take);
    while (pending()) {
        const quint8 first = buffer_[start_];
        if (first == ControllerFacts::Halt || first == ControllerFacts::Start) {
            const Frame single =
                this->take(first == ControllerFacts::Halt ? Kind::LoaderByte : Kind::ResetByte, 1);
            ++start_;
            take(single);
            split(take);
        } else {
            noise_ = buffer_.mid(start_);
            buffer_.clear();
            start_ = 0;
        }
        endNoise(take);
    }
}

FrameSplitter::Frame FrameSplitter::take(Kind kind, qsizetype length) const {
    return {kind, waiting() >= length ? buffer_.mid(start_, length) : QByteArray()};
}

FrameSplitter::Frame FrameSplitter::head() const {
    if (!pending()) return {Kind::Noise, {}};
    switch (static_cast<quint8>(at(0))) {
    case ControllerFacts::Halt:
        return commandOrSingle(Kind::Halt, Kind::LoaderByte);
    case ControllerFacts::Start:
        return commandOrSingle(Kind::Start, Kind::ResetByte);
    case ControllerFacts::RawTest:
        return take(Kind::RawTest, 3);
    case ControllerFacts::LoaderStart:
        return take(Kind::LoaderStart, 2);
    case ControllerFacts::ByteWrite: {
        const Frame f = take(Kind::ByteWrite, ShortLength);
        if (f.bytes.isEmpty()) return f;
        if (quint8(f.bytes[1]) != Frames::ByteWriteMark) return {Kind::RawMemoryWrite, f.bytes};
        // A damaged byte write must not reach memory as a raw write; the
        // raw writes to 0x64xx, which look the same, are given up for that.
        return {ModbusCrc::closes(f.bytes) ? Kind::ByteWrite : Kind::BadCheck, f.bytes};
    }
    default:
        return modbus();
    }
}

// Six equal bytes and their check make the command; a byte that breaks the
// pattern shows that the first one stood alone.
FrameSplitter::Frame FrameSplitter::commandOrSingle(Kind command, Kind single) const {
    ShortBytes expected;
    expected.fill(at(0));
    ModbusCrc::AppendCRC(expected);
    const qsizetype seen = std::min(waiting(), ShortLength);
    for (qsizetype i = 0; i < seen; ++i)
        if (quint8(at(i)) != expected[i]) return take(single, 1);
    return take(command, ShortLength);
}

FrameSplitter::Frame FrameSplitter::modbus() const {
    if (waiting() < 2) return {Kind::Noise, {}};
    qsizetype length = 0;
    switch (at(1)) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        length = ShortLength;
        break;
    case 15:
    case 16:
        if (waiting() < 7) return {Kind::Noise, {}};
        length = 9 + quint8(at(6));
        break;
    default:
        return take(Kind::Noise, 1);
    }
    const Frame f = take(Kind::Modbus, length);
    if (f.bytes.isEmpty() || ModbusCrc::closes(f.bytes)) return f;
    return {Kind::BadCheck, f.bytes};
}
