#include "FrameSplitter.h"

#include "Frames.h"
#include "ModbusCrc.h"

namespace {
constexpr qsizetype ShortLength = 8;
} // namespace

std::vector<FrameSplitter::Frame> FrameSplitter::feed(const QByteArray& bytes) {
    buffer_ += bytes;
    std::vector<Frame> frames;
    for (Frame f = head(); !f.bytes.isEmpty(); f = head()) {
        buffer_.remove(0, f.bytes.size());
        frames.push_back(std::move(f));
    }
    return frames;
}

std::vector<FrameSplitter::Frame> FrameSplitter::flush() {
    std::vector<Frame> frames = feed({});
    while (!buffer_.isEmpty()) {
        const quint8 first = buffer_[0];
        if (first == Frames::Halt || first == Frames::Start) {
            frames.push_back(take(first == Frames::Halt ? Kind::LoaderByte : Kind::ResetByte, 1));
            buffer_.remove(0, 1);
            for (Frame& f : feed({}))
                frames.push_back(std::move(f));
        } else {
            frames.push_back({Kind::Noise, buffer_});
            buffer_.clear();
        }
    }
    return frames;
}

FrameSplitter::Frame FrameSplitter::take(Kind kind, qsizetype length) const {
    return {kind, buffer_.size() >= length ? buffer_.first(length) : QByteArray()};
}

FrameSplitter::Frame FrameSplitter::head() const {
    if (buffer_.isEmpty()) return {Kind::Noise, {}};
    switch (static_cast<quint8>(buffer_[0])) {
    case Frames::Halt:
        return commandOrSingle(Kind::Halt, Kind::LoaderByte);
    case Frames::Start:
        return commandOrSingle(Kind::Start, Kind::ResetByte);
    case Frames::RawTest:
        return take(Kind::RawTest, 3);
    case Frames::LoaderStart:
        return take(Kind::LoaderStart, 2);
    case Frames::ByteWrite: {
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
    expected.fill(buffer_[0]);
    ModbusCrc::AppendCRC(expected);
    const qsizetype seen = std::min(buffer_.size(), ShortLength);
    for (qsizetype i = 0; i < seen; ++i)
        if (quint8(buffer_[i]) != expected[i]) return take(single, 1);
    return take(command, ShortLength);
}

FrameSplitter::Frame FrameSplitter::modbus() const {
    if (buffer_.size() < 2) return {Kind::Noise, {}};
    qsizetype length = 0;
    switch (buffer_[1]) {
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
        if (buffer_.size() < 7) return {Kind::Noise, {}};
        length = 9 + quint8(buffer_[6]);
        break;
    default:
        return take(Kind::Noise, 1);
    }
    const Frame f = take(Kind::Modbus, length);
    if (f.bytes.isEmpty() || ModbusCrc::closes(f.bytes)) return f;
    return {Kind::BadCheck, f.bytes};
}
